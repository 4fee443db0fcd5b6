#pragma once

// A designer with a scripted Ui and links that record what the designer asked for.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/PTList.h"
#include "designer/designer.h"
#include "designer/row_height.h"
#include "form/app_state.h"
#include "form/hub.h"
#include "form/naming.h"
#include "support/fake_ui.h"

namespace qb::test {

// The hub as the designer's own tests see it: what the designer asks for is recorded; the
// inspector's side of the hub is not used by the designer and does nothing.
class RecordingLinks : public Hub {
 public:
  void FillInspector(TChildFrm&, TControl& object) override { Log("fill " + object.Name()); }
  void ShowFormRows(TChildFrm& form) override { Log("form rows " + form.Name()); }
  void LoadChooser(TChildFrm& form) override {
    Log("load chooser " + std::to_string(form.ControlList().size()));
  }
  void SelectChooserEntry(TControl& object) override { Log("select " + object.Name()); }
  void HideInlineEditors() override { Log("hide editors"); }
  void CloseChooserList() override { ++chooser_closed; }
  bool InspectorVisible() const override { return inspector_visible; }
  void ToggleInspector() override { Log("toggle inspector"); }
  int InspectorWidth() const override { return inspector_width; }
  int ToolbarAreaHeight() const override { return toolbar_height; }
  void RaiseWindow(TChildFrm& form) override { Log("raise " + form.Name()); }
  void LowerWindow(TChildFrm& form) override { Log("lower " + form.Name()); }
  void FocusWindow(TChildFrm& form) override { Log("focus window " + form.Name()); }
  void FocusControl(TControl& control) override { Log("focus " + control.Name()); }
  void ResumeZoom() override { Log("resume zoom"); }
  // Without the fonts: a list's measured row height, else the standard face's.
  int TextHeight(const TControl& control) const override {
    if (text_height > 0) return text_height;
    if (const auto* list = As<TPTList>(&control)) return list->RowHeight();
    return kStandardRowHeight;
  }
  void RepaintWindow(TChildFrm&) override {}
  void RedrawZoom() override {}
  bool EditItemLines(StringList&) override { return false; }
  void EditTable(TCCTable&) override {}
  void EditBitmap(TCCBitmap&) override {}
  void EditPickerColors(TCCButton&) override {}

  bool Logged(const std::string& call) const {
    for (const auto& c : calls)
      if (c == call) return true;
    return false;
  }

  std::vector<std::string> calls;
  int chooser_closed = 0;
  bool inspector_visible = true;
  int inspector_width = 0;
  int toolbar_height = 0;
  int text_height = 0;

 private:
  void Log(const std::string& call) { calls.push_back(call); }
};

class DesignerTest : public ::testing::Test {
 protected:
  // The screen panel lies at (4, 2) of the client area.
  static Point OnScreen(int x, int y) {
    return {x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop};
  }

  TChildFrm& NewForm(LibraryId lib, bool grid = false) {
    state.library = lib;
    state.grid_option = grid;
    TChildFrm& form = designer.AddWindow();
    form.SetName(FormName(state.form_counter++, state.short_names));
    designer.Activate(form);
    return form;
  }

  void Click(TChildFrm& form, Point client, ShiftState keys = 0,
             MouseButton button = MouseButton::kLeft) {
    ShiftState held = keys | (button == MouseButton::kLeft    ? kSsLeft
                              : button == MouseButton::kRight ? kSsRight
                                                              : kSsMiddle);
    designer.MouseMove(form, keys, client);
    designer.MouseDown(form, button, held, client);
    last_popup = designer.MouseUp(form, button, held, client);
  }

  void Drag(TChildFrm& form, Point from, Point to, ShiftState keys = 0) {
    designer.MouseMove(form, keys, from);
    designer.MouseDown(form, MouseButton::kLeft, keys | kSsLeft, from);
    designer.MouseMove(form, keys | kSsLeft, to);
    designer.MouseUp(form, MouseButton::kLeft, keys | kSsLeft, to);
  }

  // Presses a palette button and clicks the screen panel at (x, y).
  TControl* Place(TChildFrm& form, PaletteButton button, int x, int y) {
    state.pressed_button = button;
    Click(form, OnScreen(x, y));
    return state.current_control.Get();
  }

  AppState state;
  FakeUi ui;
  RecordingLinks links;
  Designer designer{state, ui, links};
  bool last_popup = false;
};

}  // namespace qb::test
