#pragma once

// A hub that answers nothing, for timing the designer and the inspector on their own.

#include "form/hub.h"

namespace qb::bench {

class NullHub : public Hub {
 public:
  void FillInspector(TChildFrm&, TControl&) override {}
  void ShowFormRows(TChildFrm&) override {}
  void LoadChooser(TChildFrm&) override {}
  void SelectChooserEntry(TControl&) override {}
  void HideInlineEditors() override {}
  void CloseChooserList() override {}
  bool InspectorVisible() const override { return true; }
  void ToggleInspector() override {}
  int InspectorWidth() const override { return 0; }
  int ToolbarAreaHeight() const override { return 0; }
  void RaiseWindow(TChildFrm&) override {}
  void LowerWindow(TChildFrm&) override {}
  void FocusWindow(TChildFrm&) override {}
  void FocusControl(TControl&) override {}
  void RepaintWindow(TChildFrm&) override {}
  void ResumeZoom() override {}
  void RedrawZoom() override {}
  int TextHeight(const TControl&) const override { return 11; }
  bool EditItemLines(StringList&) override { return false; }
  void EditTable(TCCTable&) override {}
  void EditBitmap(TCCBitmap&) override {}
  void EditPickerColors(TCCButton&) override {}
};

}  // namespace qb::bench
