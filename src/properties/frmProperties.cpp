#include "properties/frmProperties.h"

#include <algorithm>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "designer/selection.h"
#include "form/app_state.h"
#include "form/edit_transaction.h"
#include "form/hub.h"
#include "model/text_util.h"
#include "model/ui.h"
#include "model/user_error.h"
#include "properties/rule_support.h"
#include "properties/vocab.h"

namespace qb {

TfrmProperties::TfrmProperties(AppState& state, Ui& ui, Hub& hub)
    : state_(state), ui_(ui), hub_(hub) {
  RulesContext ctx{state, ui, *this, hub};
  cc_rules_ = MakePropertyRules(LibraryId::kCControls, ctx);
  pt_rules_ = MakePropertyRules(LibraryId::kPToolboxLib, ctx);
}

TfrmProperties::~TfrmProperties() = default;

PropertyRules& TfrmProperties::Rules() { return RulesFor(state_.library); }

PropertyRules& TfrmProperties::RulesFor(LibraryId lib) {
  return lib == LibraryId::kCControls ? *cc_rules_ : *pt_rules_;
}

// --- The window.

void TfrmProperties::Show(int toolbar_dock_height) {
  if (bounds_.left == 0 && bounds_.top == 0) bounds_.top += toolbar_dock_height;
  visible_ = true;
}

void TfrmProperties::Close() {
  HideEditors();
  visible_ = false;
}

void TfrmProperties::Toggle(bool project_open, int toolbar_dock_height) {
  if (visible_)
    Close();
  else if (project_open)
    Show(toolbar_dock_height);
}

void TfrmProperties::PlaceForNewProject(int toolbar_dock_height) {
  bounds_ = {0, 0, kInitialWidth, kInitialHeight};
  Show(toolbar_dock_height);
}

void TfrmProperties::Empty() {
  HideEditors();
  rows_ = {GridRow{}};
  selected_row_ = 0;
  chooser_.clear();
  chooser_index_ = -1;
  chooser_dropped_ = false;
}

void TfrmProperties::ProjectClosed() {
  Empty();
  visible_ = false;
}

void TfrmProperties::ClientResized(int client_width) {
  chooser_width_ = client_width;
  value_column_width_ = client_width - name_column_width_;
}

// --- The grid.

std::string TfrmProperties::SelectedRowName() const {
  if (selected_row_ < 0 || selected_row_ >= RowCount()) return {};
  return rows_[static_cast<std::size_t>(selected_row_)].name;
}

void TfrmProperties::SetRows(std::vector<GridRow> rows) {
  rows_ = std::move(rows);
  selected_row_ = std::clamp(selected_row_, 0, std::max(RowCount() - 1, 0));
  // An in-place editor of another control's rows, or of a row that went, applies nothing more.
  if (AnyEditorVisible() && !StillBound(editor_binding_)) HideEditors();
}

void TfrmProperties::SetCellText(int row, const std::string& text) {
  if (row < 0 || row >= RowCount()) return;
  rows_[static_cast<std::size_t>(row)].value = text;
}

bool TfrmProperties::SetCellTextOf(std::string_view row_name, const std::string& text) {
  int row = RowIndex(row_name);
  if (row < 0) return false;
  SetCellText(row, text);
  return true;
}

int TfrmProperties::RowIndex(std::string_view row_name) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].name == row_name) return static_cast<int>(i);
  return -1;
}

void TfrmProperties::SelectCell(int row) {
  if (row < 0 || row >= RowCount()) return;
  selected_row_ = row;
  OpenEditor();
}

void TfrmProperties::GridClicked() {
  if (!AnyEditorVisible()) OpenEditor();
}

void TfrmProperties::OpenEditor() {
  if (selected_row_ < 0 || selected_row_ >= RowCount()) return;
  const GridRow& row = rows_[static_cast<std::size_t>(selected_row_)];
  if (TipoCelda(row.name) != CellType::kTyped) editor_binding_ = BindEditor(selected_row_);
  switch (TipoCelda(row.name)) {
    case CellType::kTyped:
      return;
    case CellType::kItems:
      HideEditors();
      items_editor_ = {true, selected_row_, vocab::Bracketed(row.name)};
      SetFocus(InspectorWidget::kItemsEditor);
      return;
    case CellType::kPickList: {
      HideEditors();
      PickListContents contents = PickListFor(row.name, state_.current_control.Get(), state_);
      auto found = std::find(contents.entries.begin(), contents.entries.end(), row.value);
      int selected =
          found == contents.entries.end() ? -1 : static_cast<int>(found - contents.entries.begin());
      pick_list_ = {true, selected_row_, std::move(contents.entries), selected,
                    contents.visible_lines};
      SetFocus(InspectorWidget::kPickList);
      return;
    }
    case CellType::kContent:
      HideEditors();
      content_editor_ = {true, selected_row_, vocab::Bracketed(row.name)};
      SetFocus(InspectorWidget::kContentEditor);
      return;
    case CellType::kColors:
      if (row.value != vocab::kColorsMarker) return;
      HideEditors();
      content_editor_ = {true, selected_row_, vocab::kColorsMarker};
      SetFocus(InspectorWidget::kContentEditor);
      return;
  }
}

void TfrmProperties::Apply(int row, const std::string& text) {
  if (row < 0 || row >= RowCount()) return;
  SetCellText(row, text);
  std::string name = rows_[static_cast<std::size_t>(row)].name;
  if (!ValorOK(name, text)) return;
  // Consecutive keystrokes into one row of one control are one step.
  TChildFrm* window = CurrentWindow();
  TControl* current = state_.current_control.Get();
  std::string target = !current || (window && current == &window->Client())
                           ? (window ? window->Name() : std::string())
                           : current->Name();
  EditTransaction edit(state_, window, "Change " + name + " of " + target,
                       "inspector " + target + " " + name);
  try {
    Rules().ApplyValue(name, text);
  } catch (const UserError& error) {
    ui_.ShowError(error.what());
    return;
  }
  hub_.RedrawZoom();
}

void TfrmProperties::CellEdited(const std::string& text) { Apply(selected_row_, text); }

// --- The chooser.

void TfrmProperties::LoadChooser(const std::vector<ControlListEntry>& list) {
  // Each text is lowered once, not once per comparison: a keystroke in the Name row reloads
  // the chooser, and a form may hold thousands of controls.
  std::vector<std::string> lowered;
  lowered.reserve(list.size());
  for (const ControlListEntry& entry : list) lowered.push_back(LowerAscii(entry.text));
  std::vector<std::size_t> order(list.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return lowered[a] != lowered[b] ? lowered[a] < lowered[b] : list[a].text < list[b].text;
  });
  chooser_.clear();
  chooser_.reserve(list.size());
  for (std::size_t i : order) chooser_.push_back({list[i].text, list[i].control});
  chooser_index_ = -1;
}

void TfrmProperties::SelectChooserEntry(const TControl* control) {
  chooser_index_ = -1;
  if (!control) return;
  for (std::size_t i = 0; i < chooser_.size(); ++i)
    if (chooser_[i].control.Get() == control) chooser_index_ = static_cast<int>(i);
}

void TfrmProperties::Fill(TChildFrm&, TControl& object) { Rules().FillInspector(object); }

void TfrmProperties::ShowFormRows(TChildFrm& form) { Rules().FormRows(form); }

void TfrmProperties::LoadChooser(TChildFrm& form) { LoadChooser(Rules().ListControls(form)); }

TChildFrm* TfrmProperties::CurrentWindow() const {
  if (TChildFrm* window = state_.current_window.Get()) return window;
  const TControl* current = state_.current_control.Get();
  return current ? WindowOf(state_, *current) : nullptr;
}

void TfrmProperties::RefreshChooser() {
  TChildFrm* window = CurrentWindow();
  if (!window) {
    chooser_.clear();
    chooser_index_ = -1;
    return;
  }
  LoadChooser(Rules().ListControls(*window));
  SelectChooserEntry(state_.current_control.Get());
  ShowSelection(state_, *window, false);
}

void TfrmProperties::ChooseEntry(int index) {
  if (index < 0 || index >= static_cast<int>(chooser_.size())) return;
  TControl* control = chooser_[static_cast<std::size_t>(index)].control.Get();
  if (!control) return;
  // Choosing a dialog shows it: a step.
  EditTransaction edit(state_, CurrentWindow());
  state_.current_control.Reset(control);
  Rules().FillInspector(*control);
  if (TChildFrm* window = CurrentWindow()) ShowSelection(state_, *window, false);
  SetFocus(InspectorWidget::kGrid);
}

void TfrmProperties::WindowActivated(TChildFrm& window) {
  LoadChooser(Rules().ListControls(window));
  TControl* last = window.LastSelected();
  if (!last) last = &window.Client();
  SelectChooserEntry(last);
  if (chooser_index_ < 0)
    Rules().FormRows(window);
  else
    Rules().FillInspector(*last);
}

// --- The in-place editors.

EditorBinding TfrmProperties::BindEditor(int row) const {
  EditorBinding binding;
  binding.control.Reset(state_.current_control.Get());
  binding.any_control = binding.control.Get() != nullptr;
  binding.row = row;
  if (row >= 0 && row < RowCount()) binding.name = rows_[static_cast<std::size_t>(row)].name;
  return binding;
}

bool TfrmProperties::StillBound(const EditorBinding& binding) const {
  // A control destroyed since reads as none, so a new control never inherits its editor.
  if (binding.control.Get() != state_.current_control.Get()) return false;
  if (binding.any_control && !binding.control.Get()) return false;
  return binding.row >= 0 && binding.row < RowCount() &&
         rows_[static_cast<std::size_t>(binding.row)].name == binding.name;
}

bool TfrmProperties::AnyEditorVisible() const {
  return pick_list_.visible || items_editor_.visible || content_editor_.visible;
}

void TfrmProperties::HideEditors() {
  HidePickList();
  HideItemsEditor();
  HideContentEditor();
}

void TfrmProperties::HidePickList() { pick_list_.visible = false; }
void TfrmProperties::HideItemsEditor() { items_editor_.visible = false; }
void TfrmProperties::HideContentEditor() { content_editor_.visible = false; }

void TfrmProperties::PickListPicked(int index) {
  if (!pick_list_.visible || index < 0 || index >= static_cast<int>(pick_list_.entries.size()))
    return;
  int row = pick_list_.row;
  pick_list_.selected = index;
  // A pick is a step of its own, not a keystroke to merge with.
  EditTransaction edit(state_, CurrentWindow());
  Apply(row, pick_list_.entries[static_cast<std::size_t>(index)]);
  if (TControl* current = state_.current_control.Get()) Rules().FillInspector(*current);
  HidePickList();
  selected_row_ = std::clamp(row, 0, std::max(RowCount() - 1, 0));
  SetFocus(InspectorWidget::kGrid);
}

void TfrmProperties::ItemsButtonClicked() {
  EditTransaction edit(state_, CurrentWindow());
  Rules().EditItems();
}

void TfrmProperties::ContentButtonClicked() {
  EditTransaction edit(state_, CurrentWindow());
  TControl* current = state_.current_control.Get();
  if (auto* picture = As<TCCBitmap>(current))
    hub_.EditBitmap(*picture);
  else if (auto* select = As<TCCButton>(current))
    hub_.EditPickerColors(*select);
}

// --- Keys.

bool TfrmProperties::GridKeyDown(InspectorKey key) {
  if (key != InspectorKey::kEnter) return false;
  OpenEditor();
  return AnyEditorVisible();
}

bool TfrmProperties::GridCharTyped() {
  if (selected_row_ < 0 || selected_row_ >= RowCount()) return false;
  if (TipoCelda(SelectedRowName()) == CellType::kTyped) return false;
  OpenEditor();
  return true;
}

void TfrmProperties::MoveSelection(int delta) {
  int target = selected_row_ + delta;
  if (target < 0 || target >= RowCount()) return;
  HideEditors();
  SetFocus(InspectorWidget::kGrid);
  SelectCell(target);
}

bool TfrmProperties::PickListKeyDown(InspectorKey key, KeyModifiers modifiers, bool dropped_down) {
  if (dropped_down || modifiers.Any()) return false;
  if (key == InspectorKey::kUp)
    MoveSelection(-1);
  else if (key == InspectorKey::kDown)
    MoveSelection(1);
  else
    return false;
  return true;
}

bool TfrmProperties::ButtonEditorKeyDown(InspectorKey key, void (TfrmProperties::*hide)()) {
  switch (key) {
    case InspectorKey::kUp:
      MoveSelection(-1);
      return true;
    case InspectorKey::kDown:
      MoveSelection(1);
      return true;
    case InspectorKey::kEnter:
      (this->*hide)();
      SetFocus(InspectorWidget::kGrid);
      return true;
    case InspectorKey::kOther:
      return false;
  }
  return false;
}

bool TfrmProperties::ItemsEditorKeyDown(InspectorKey key) {
  return ButtonEditorKeyDown(key, &TfrmProperties::HideItemsEditor);
}

bool TfrmProperties::ContentEditorKeyDown(InspectorKey key) {
  return ButtonEditorKeyDown(key, &TfrmProperties::HideContentEditor);
}

bool TfrmProperties::ContentEditorCharTyped() {
  ContentButtonClicked();
  return true;
}

// --- Focus.

void TfrmProperties::SetFocus(InspectorWidget widget) {
  InspectorWidget old = focus_;
  focus_ = widget;
  if (old != widget) {
    if (old == InspectorWidget::kPickList) HidePickList();
    if (old == InspectorWidget::kItemsEditor) HideItemsEditor();
    if (old == InspectorWidget::kContentEditor) HideContentEditor();
  }
  if (widget == InspectorWidget::kGrid || widget == InspectorWidget::kChooser)
    CursorKeysOff(state_);
}

}  // namespace qb
