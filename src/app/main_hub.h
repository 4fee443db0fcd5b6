#pragma once

// The hub as the application implements it: what the designer and the inspector ask of the
// main window (main_hub.cpp). TMain owns one and hands it out as the Hub.

#include "form/hub.h"

namespace qb {

class TMain;

class MainHub final : public Hub {
 public:
  explicit MainHub(TMain& main) : main_(main) {}

  InspectorPort& Inspector() override;
  bool InspectorVisible() const override;
  void ToggleInspector() override;
  int InspectorWidth() const override;
  int ToolbarAreaHeight() const override;
  void RaiseWindow(TChildFrm& form) override;
  void LowerWindow(TChildFrm& form) override;
  void FocusWindow(TChildFrm& form) override;
  void FocusControl(TControl& control) override;
  void RepaintWindow(TChildFrm& form) override;
  void ResumeZoom() override;
  void RedrawZoom() override;
  int TextHeight(const TControl& control) const override;
  bool EditItemLines(StringList& lines) override;
  void EditTable(TCCTable& table) override;
  void EditBitmap(TCCBitmap& picture) override;
  void EditPickerColors(TCCButton& select) override;

 private:
  TMain& main_;
};

}  // namespace qb
