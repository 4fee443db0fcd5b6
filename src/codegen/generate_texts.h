#pragma once

// The fixed texts of the generate dialog: project-file keys and defaults, generated PRC
// lines, file names, messages and captions.

#include <string>
#include <vector>

namespace qb {

// The dialog's project-file sections and keys.
inline constexpr const char* kCodeSection = "Code";
inline constexpr const char* kIconsSection = "Icons";
inline constexpr const char* kOutputKey = "Output";
inline constexpr const char* kFirstFormKey = "FirstForm";
inline constexpr const char* kMemoKey = "Memo";
inline constexpr const char* kCreatorIdKey = "CreatorID";
inline constexpr const char* kAppNameKey = "AppName";
inline constexpr const char* kAppDbKey = "AppDB";
inline constexpr const char* kVersionKey = "Version";
inline constexpr const char* kColorKey = "Color";

inline constexpr const char* kDefaultCreatorId = "QLBD";
inline constexpr const char* kDefaultAppName = "Application";
inline constexpr const char* kDefaultAppDb = "ApplicationDB";
inline constexpr const char* kDefaultVersion = "1.0";

// What may be typed into the creator ID and database name fields.
inline constexpr std::size_t kCreatorIdMaxLength = 4;
inline constexpr std::size_t kAppDbMaxLength = 31;

// The PRC properties at the top of the main text for the desktop compiler.
inline constexpr const char* kPrcCreatorId = "@cid \"";
inline constexpr const char* kPrcAppName = "@name \"";
inline constexpr const char* kPrcAppDb = "@dbname \"";
inline constexpr const char* kPrcVersion = "@ver \"";
inline constexpr const char* kPrcClose = "\";";
// The first line of the main text for Palm memos.
inline constexpr const char* kMemoMainOpen = "//Main ";
inline constexpr const char* kMemoMainClose = ".pc";

inline constexpr const char* kOutputChooserTitle = "Select the output directory";
inline constexpr const char* kConverterName = "makedoc.exe";

inline constexpr const char* kLinesSuffix = " lines";
inline constexpr const char* kCharsSuffix = " chars";

inline std::string ConverterMissingText(const std::string& program_dir) {
  return "makedoc.exe not found. It must be in " + program_dir +
         " directory. Please check the installation";
}
// "DOC files Demo.pdb, DemoForms.pdb, DemoEvents.pdb and DemoH.pdb created in <folder>" for
// all four; only the databases named were created.
inline std::string DocFilesCreatedText(const std::vector<std::string>& databases,
                                       const std::string& folder) {
  std::string list;
  for (std::size_t i = 0; i < databases.size(); ++i)
    list += (i == 0 ? "" : i + 1 == databases.size() ? " and " : ", ") + databases[i];
  return (databases.size() == 1 ? "DOC file " : "DOC files ") + list + " created in " + folder;
}
// A converter run that did not make its database, with what the converter said.
inline std::string DocNotCreatedText(const std::string& database, int exit_code,
                                     const std::string& message) {
  const std::string why = !message.empty() ? message
                          : exit_code == 0 ? std::string("the converter wrote no file")
                          : exit_code < 0
                              ? std::string("the converter did not end by itself")
                              : "the converter ended with code " + std::to_string(exit_code);
  return database + " was not created: " + why;
}

// Failures the dialog reports rather than passing over (write failures use the form files'
// "Unable to write to <path>").
inline std::string UnableToReadText(const std::string& path) { return "Unable to read " + path; }
inline std::string NotABitmapText(const std::string& path, const std::string& reason) {
  return path + " is not a valid bitmap: " + reason;
}
inline std::string UnableToStartText(const std::string& program) {
  return "Unable to start " + program;
}
inline std::string TextsToConvertMissingText(const std::string& path) {
  return path + " not found. Generate the code for Palm memos / DOC files first";
}

}  // namespace qb
