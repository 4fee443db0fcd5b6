#pragma once

// The hub as the designer's and the inspector's own tests and the benchmarks see it: every
// call of the real interface, its inspector port's included, is recorded as "<Method>" or
// "<Method> <name>" (the form's or control's name; LoadChooser the control list's length),
// and what the hub answers is set by the test. The benchmarks turn the recording off. The
// port's calls keep the names they are known by in the tests: "FillInspector" (Fill),
// "HideInlineEditors" (HideEditors), "EmptyInspector" (Empty).

#include <algorithm>
#include <string>
#include <vector>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCTable.h"
#include "controls/PTList.h"
#include "form/hub.h"

namespace qb::test {

class RecordingHub : public Hub {
 public:
  // The height of "A" in the standard face, which a hub without fonts answers.
  static constexpr int kStandardTextHeight = 11;

  RecordingHub() = default;
  // Its port records into this hub.
  RecordingHub(const RecordingHub&) = delete;
  RecordingHub& operator=(const RecordingHub&) = delete;

  InspectorPort& Inspector() override { return inspector_; }
  bool InspectorVisible() const override { return inspector_visible; }
  void ToggleInspector() override { Log("ToggleInspector"); }
  int InspectorWidth() const override { return inspector_width; }
  int ToolbarAreaHeight() const override { return toolbar_height; }
  void RaiseWindow(TChildFrm& form) override { Log("RaiseWindow " + form.Name()); }
  void LowerWindow(TChildFrm& form) override { Log("LowerWindow " + form.Name()); }
  void FocusWindow(TChildFrm& form) override { Log("FocusWindow " + form.Name()); }
  void FocusControl(TControl& control) override { Log("FocusControl", control); }
  void RepaintWindow(TChildFrm& form) override { Log("RepaintWindow " + form.Name()); }
  void ResumeZoom() override { Log("ResumeZoom"); }
  void RedrawZoom() override { Log("RedrawZoom"); }
  // Without fonts: the set height, else a list's measured row height, else the standard one.
  int TextHeight(const TControl& control) const override {
    if (text_height > 0) return text_height;
    if (const auto* list = As<TPTList>(&control)) return list->RowHeight();
    return kStandardTextHeight;
  }
  // The items editor sees the lines, leaves items_result on OK (items_ok).
  bool EditItemLines(StringList& lines) override {
    Log("EditItemLines");
    items_seen = lines;
    if (items_ok) lines = items_result;
    return items_ok;
  }
  void EditTable(TCCTable& table) override { Log("EditTable", table); }
  void EditBitmap(TCCBitmap& picture) override { Log("EditBitmap", picture); }
  void EditPickerColors(TCCButton& select) override { Log("EditPickerColors", select); }

  bool Logged(const std::string& call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }

  std::vector<std::string> calls;
  bool record = true;
  bool inspector_visible = true;
  int inspector_width = 0;
  int toolbar_height = 0;
  int text_height = 0;
  StringList items_seen;
  StringList items_result;
  bool items_ok = false;

 private:
  // The inspector port, recording into the hub's calls.
  class RecordingInspector final : public InspectorPort {
   public:
    explicit RecordingInspector(RecordingHub& hub) : hub_(hub) {}
    void Fill(TChildFrm&, TControl& object) override { hub_.Log("FillInspector", object); }
    void ShowFormRows(TChildFrm& form) override { hub_.Log("ShowFormRows " + form.Name()); }
    void LoadChooser(TChildFrm& form) override {
      hub_.Log("LoadChooser " + std::to_string(form.ControlList().size()));
    }
    void SelectChooserEntry(TControl& object) override { hub_.Log("SelectChooserEntry", object); }
    void HideEditors() override { hub_.Log("HideInlineEditors"); }
    void CloseChooserList() override { hub_.Log("CloseChooserList"); }
    void Empty() override { hub_.Log("EmptyInspector"); }

   private:
    RecordingHub& hub_;
  };

  void Log(const std::string& call) {
    if (record) calls.push_back(call);
  }
  void Log(const char* method, const TControl& control) {
    if (record) calls.push_back(std::string(method) + " " + control.Name());
  }

  RecordingInspector inspector_{*this};
};

}  // namespace qb::test
