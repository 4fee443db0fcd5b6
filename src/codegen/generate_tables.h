#pragma once

// The tables the generate dialog is driven by: what differs per library, the four texts and
// the eight icons.

#include <array>

#include "model/library.h"

namespace qb {

struct GenerateLibraryRules {
  LibraryId library;
  const char* caption;
  bool color_option;         // the colour check box is shown and its key kept
  const char* library_file;  // looked for in the output folder after saving, in any case
  const char* library_missing;
};

const GenerateLibraryRules& RulesFor(LibraryId library);

// The four texts, in the order they are generated and saved.
enum class CodeText { kMain = 0, kForms, kEvents, kHeader };
inline constexpr int kCodeTextCount = 4;

struct CodeTextFile {
  CodeText text;
  const char* tab;              // the tab page's caption
  const char* file_suffix;      // appended to the project name for the desktop compiler
  const char* temp_file;        // in the working folder, for the converter
  const char* doc_suffix;       // the DOC database the converter creates
  const char* doc_name_suffix;  // the document's name inside it
};

inline constexpr std::array<CodeTextFile, kCodeTextCount> kCodeTextFiles = {{
    {CodeText::kMain, "Main", ".pc", "temp001.txt", ".pdb", ".pc"},
    {CodeText::kForms, "Forms", "Forms.pc", "temp002.txt", "Forms.pdb", "Forms.pc"},
    {CodeText::kEvents, "Events", "Events.pc", "temp003.txt", "Events.pdb", "Events.pc"},
    {CodeText::kHeader, "Header", ".h", "temp004.txt", "H.pdb", ".h"},
}};

// The order in which Generate writes the texts for the converter.
inline constexpr std::array<CodeText, kCodeTextCount> kTempWriteOrder = {
    CodeText::kForms, CodeText::kMain, CodeText::kEvents, CodeText::kHeader};

// The eight icons in the order of their PRC lines and of saving.
struct IconSlot {
  const char* key;    // in the project file's "Icons" section
  const char* image;  // the image's name in the dialog
  const char* label;
  const char* chooser_title;
  const char* prc_line;
  const char* file_name;  // in the output folder
  bool large;
  int depth;  // Palm bits per pixel
};

inline constexpr int kIconCount = 8;
// The icon images' sizes in pixels.
inline constexpr int kLargeIconWidth = 32;
inline constexpr int kLargeIconHeight = 32;
inline constexpr int kSmallIconWidth = 15;
inline constexpr int kSmallIconHeight = 9;
inline constexpr std::array<IconSlot, kIconCount> kIconSlots = {{
    {"Large1", "imgLarge1", "1 bit large", "Open 1 bit large icon", "@licon1 \"large1.bmp\";",
     "large1.bmp", true, 1},
    {"Small1", "imgSmall1", "1 bit small", "Open 1 bit small icon", "@sicon1 \"small1.bmp\";",
     "small1.bmp", false, 1},
    {"Large2", "imgLarge2", "2 bit large", "Open 2 bit large icon", "@licon2 \"large2.bmp\";",
     "large2.bmp", true, 2},
    {"Small2", "imgSmall2", "2 bit small", "Open 2 bit small icon", "@sicon2 \"small2.bmp\";",
     "small2.bmp", false, 2},
    {"Large4", "imgLarge4", "4 bit large", "Open 4 bit large icon", "@licon4 \"large4.bmp\";",
     "large4.bmp", true, 4},
    {"Small4", "imgSmall4", "4 bit small", "Open 4 bit small icon", "@sicon4 \"small4.bmp\";",
     "small4.bmp", false, 4},
    {"Large8", "imgLarge8", "8 bit large", "Open 8 bit large icon", "@licon8 \"large8.bmp\";",
     "large8.bmp", true, 8},
    {"Small8", "imgSmall8", "8 bit small", "Open 8 bit small icon", "@sicon8 \"small8.bmp\";",
     "small8.bmp", false, 8},
}};

}  // namespace qb
