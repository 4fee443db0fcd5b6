#include "app/form_access.h"

#include "model/ini_file.h"

namespace qb {

namespace {

constexpr const char* kFormSection = "FORM";
constexpr const char* kNameKey = "Name";
constexpr const char* kLibKey = "Lib";

class LibraryForms : public FormAccess {
 public:
  std::string FormName(const std::string& path) override {
    IniFile ini;
    if (!ini.Load(path)) return "";
    return ini.ReadString(kFormSection, kNameKey, "");
  }
  int FormLibrary(const std::string& path) override {
    IniFile ini;
    if (!ini.Load(path)) return 0;
    return ini.ReadInteger(kFormSection, kLibKey, 0);
  }
  void Read(TChildFrm&, const std::string&, AppState&) override {}
  bool Write(TChildFrm&, const std::string&, const AppState&, Ui&) override { return false; }
};

}  // namespace

FormAccess& LibraryFormAccess() {
  static LibraryForms forms;
  return forms;
}

}  // namespace qb
