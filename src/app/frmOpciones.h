#pragma once

// The options dialog: the form colour (Design/FormWhite) and the CControls library path
// (Code/CControlsPath), kept in options.ini. It has only an OK button; closing it any other
// way stores nothing.

#include <string>

#include "model/ui.h"

namespace qb {

class TfrmOpcionesGenerales : public DialogModel {
 public:
  static constexpr const char* kDialogId = "frmOpciones";
  static constexpr const char* kCaption = "Options";
  static constexpr const char* kDesignPage = "Design";
  static constexpr const char* kCodePage = "Code generation";
  static constexpr const char* kFormColorGroup = "Form color ";
  static constexpr const char* kGreenCaption = "&Green";
  static constexpr const char* kWhiteCaption = "&White";
  static constexpr const char* kCControlsLabel = "&CControls path";
  static constexpr const char* kChooserFilter = "CControls.c|CControls.c";
  static constexpr const char* kChooserTitle = "Selecct CControls path";

  enum class Page { kDesign, kCode };

  const char* DialogId() const override { return kDialogId; }

  // pagOpciones
  Page ActivePage() const { return page_; }
  void SetActivePage(Page page) { page_ = page; }
  // rbtWhite checked; rbtGreen otherwise.
  bool FormWhite() const { return form_white_; }
  void SetFormWhite(bool white) { form_white_ = white; }
  // fedCControls
  const std::string& CControlsPath() const { return cc_path_; }
  void SetCControlsPath(const std::string& path) { cc_path_ = path; }

  // On show: the Design page, and both settings as stored in the settings file.
  void Show(const std::string& settings_path);
  // The chooser button of fedCControls.
  void ChooseCControlsPath(Ui& ui);
  // OK: both settings written to the settings file; false (and reported) when it could not
  // be written.
  bool Ok(Ui& ui);

 private:
  std::string settings_path_;
  Page page_ = Page::kDesign;
  bool form_white_ = false;
  std::string cc_path_;
};

}  // namespace qb
