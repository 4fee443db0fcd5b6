#pragma once

// A running designer for the inspector tests: application state, a scripted Ui, recording
// hooks and the inspector, with forms and controls placed with their placement values.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/app_state.h"
#include "form/hub.h"
#include "properties/frmProperties.h"
#include "support/fake_ui.h"

namespace qb::test {

// The hub as the inspector's own tests see it: what the inspector asks for is recorded; the
// designer's side of the hub is not used by the inspector and does nothing.
class RecordingHooks : public Hub {
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
  void FocusControl(TControl&) override {}
  void ResumeZoom() override {}
  int TextHeight(const TControl&) const override { return 11; }
  void FocusWindow(TChildFrm& window) override { calls.push_back("FocusWindow " + window.Name()); }
  void RepaintWindow(TChildFrm& window) override {
    calls.push_back("RepaintWindow " + window.Name());
  }
  void RedrawZoom() override { calls.push_back("RedrawZoom"); }
  bool EditItemLines(StringList& lines) override;
  void EditTable(TCCTable& table) override;
  void EditBitmap(TCCBitmap& picture) override;
  void EditPickerColors(TCCButton& select) override;

  int Count(const std::string& call) const;

  std::vector<std::string> calls;
  // The items editor's answer: the lines it saw, the lines it leaves, OK or Cancel.
  StringList items_seen;
  StringList items_result;
  bool items_ok = false;
};

class InspectorTest : public ::testing::Test {
 protected:
  TChildFrm& NewForm(LibraryId lib, const std::string& name);
  // A control of the current library's kind placed at (x, y) in the parent (the screen panel
  // when none), with the initial values placement gives it, listed and current.
  TControl& Place(TChildFrm& form, const std::string& kind, int x = 10, int y = 20,
                  TControl* parent = nullptr);
  template <typename T>
  T& PlaceAs(TChildFrm& form, const std::string& kind, int x = 10, int y = 20,
             TControl* parent = nullptr) {
    return static_cast<T&>(Place(form, kind, x, y, parent));
  }
  // Shows the control in the inspector.
  void Show(TControl& control) { inspector.Rules().FillInspector(control); }
  // Selects the named row without opening its editor (as after the grid was refilled).
  void SelectRowQuietly(const std::string& row);
  std::vector<std::string> GridNames() const;
  std::string Cell(const std::string& row) const;

  AppState state;
  FakeUi ui;
  RecordingHooks hooks;
  TfrmProperties inspector{state, ui, hooks};
};

}  // namespace qb::test
