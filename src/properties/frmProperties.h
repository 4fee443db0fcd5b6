#pragma once

// The property inspector ("Properties Editor"): a chooser listing the current window's
// controls above a grid of (row name, value) rows, with three in-place editors laid over the
// value cell when a row is not typed. It is library-neutral: rows, texts and the effect of a
// new value come from the property rules of the current library. The Qt view draws this
// state and forwards focus changes, keys and edits here.

#include <memory>
#include <string>
#include <vector>

#include "controls/control.h"
#include "form/ChildFor.h"
#include "form/inspector_port.h"
#include "model/library.h"
#include "model/weak_ref.h"
#include "properties/cell_types.h"
#include "properties/pick_lists.h"
#include "properties/property_rules.h"

namespace qb {

struct AppState;
class Ui;
class Hub;

struct GridRow {
  std::string name;
  std::string value;
};

struct ChooserEntry {
  std::string text;
  WeakRef<TControl> control;
};

// Where the keyboard focus is, as far as the inspector is concerned.
enum class InspectorWidget {
  kNone,
  kGrid,
  kChooser,
  kPickList,
  kItemsEditor,
  kContentEditor,
  kOutside,  // a designer window or anything else
};

enum class InspectorKey { kEnter, kUp, kDown, kOther };

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool Any() const { return shift || ctrl || alt; }
};

struct PickListEditor {
  bool visible = false;
  int row = -1;
  std::vector<std::string> entries;
  int selected = -1;  // none when the cell's text is not among the entries
  int visible_lines = kPickListLines;
};

// The "(Items)" and "(Content)" editors: a text with an ellipsis button.
struct ButtonEditor {
  bool visible = false;
  int row = -1;
  std::string text;
};

// The control and row an editor was opened for. An editor serves them alone: once the current
// control or the row set changes it closes, and it never passes to another control's row.
struct EditorBinding {
  WeakRef<TControl> control;
  bool any_control = false;
  int row = -1;
  std::string name;
};

struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowBounds&) const = default;
};

class TfrmProperties final : public InspectorPort {
 public:
  static constexpr const char* kCaption = "Properties Editor";
  static constexpr int kInitialWidth = 264;
  static constexpr int kInitialHeight = 346;
  static constexpr int kChooserHeight = 21;
  static constexpr int kInitialColumnWidth = 130;
  static constexpr int kGridRowHeight = 18;
  static constexpr int kPickListHeight = 17;
  static constexpr int kButtonEditorHeight = 18;
  static constexpr int kEllipsisWidth = 20;

  TfrmProperties(AppState& state, Ui& ui, Hub& hub);
  ~TfrmProperties() override;
  TfrmProperties(const TfrmProperties&) = delete;
  TfrmProperties& operator=(const TfrmProperties&) = delete;

  // The property rules of the current library, and of either library.
  PropertyRules& Rules();
  PropertyRules& RulesFor(LibraryId lib);

  // --- The window.
  bool Visible() const { return visible_; }
  // Shows the window; at left 0, top 0 it first moves down below the toolbar dock.
  void Show(int toolbar_dock_height);
  // The close button: hides the window (the menu's check mark follows Visible()).
  void Close();
  // The menu command: hides a visible window, else shows it, but only with a project open.
  void Toggle(bool project_open, int toolbar_dock_height);
  // A new project: left 0, top 0, 264 × 346, shown.
  void PlaceForNewProject(int toolbar_dock_height);
  // One blank row and an empty chooser.
  void Empty() override;
  // Closing the project: emptied and hidden.
  void ProjectClosed();
  const WindowBounds& Bounds() const { return bounds_; }
  void SetBounds(const WindowBounds& bounds) { bounds_ = bounds; }
  // The chooser takes the client width, the value column the rest beside the name column.
  void ClientResized(int client_width);
  int NameColumnWidth() const { return name_column_width_; }
  int ValueColumnWidth() const { return value_column_width_; }
  int ChooserWidth() const { return chooser_width_; }
  // The width of a visible in-place editor.
  int EditorWidth() const { return value_column_width_ - 2; }

  // --- The grid.
  const std::vector<GridRow>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int SelectedRow() const { return selected_row_; }
  // Empty when no row is selected.
  std::string SelectedRowName() const;
  // Replaces the rows; the selected row stays where it was when it still exists.
  void SetRows(std::vector<GridRow> rows);
  void SetCellText(int row, const std::string& text);
  // Sets the value cell of the row with that name; false when there is none.
  bool SetCellTextOf(std::string_view row_name, const std::string& text);
  int RowIndex(std::string_view row_name) const;

  // The user selects a cell: the row becomes selected and its editor opens.
  void SelectCell(int row);
  // A click in the grid opens the selected row's editor unless an in-place editor is up.
  void GridClicked();
  // Opens the editor the selected row's cell type asks for (nothing for a typed row).
  void OpenEditor();
  // The one apply path: the cell keeps the text; the text reaches the rules when ValorOK
  // passes; refused texts are reported in the standard error box.
  void Apply(int row, const std::string& text);
  // The grid's cell editor changed the selected row's text (each keystroke).
  void CellEdited(const std::string& text);

  // --- The chooser.
  const std::vector<ChooserEntry>& ChooserEntries() const { return chooser_; }
  int ChooserIndex() const { return chooser_index_; }
  // Copies a control list in, sorted alphabetically; no entry selected.
  void LoadChooser(const std::vector<ControlListEntry>& list);
  // Selects the entry of an object; none when it has no entry.
  void SelectChooserEntry(const TControl* control);

  // --- As the designer and the main window reach the inspector (InspectorPort).
  void Fill(TChildFrm& form, TControl& object) override;
  void ShowFormRows(TChildFrm& form) override;
  void LoadChooser(TChildFrm& form) override;
  void SelectChooserEntry(TControl& object) override { SelectChooserEntry(&object); }
  void CloseChooserList() override { SetChooserDropped(false); }
  // Rebuilds the current window's list, reloads it, selects the current control's entry and
  // redraws the selection marks.
  void RefreshChooser();
  // The user chose an entry: its object becomes current, its rows are shown and the grid
  // takes the focus.
  void ChooseEntry(int index);
  // A designer window became active: its entries, then the control last current in it, or
  // the form's rows when that control has no entry any more.
  void WindowActivated(TChildFrm& window);
  bool ChooserDropped() const { return chooser_dropped_; }
  void SetChooserDropped(bool dropped) { chooser_dropped_ = dropped; }

  // --- The in-place editors.
  const PickListEditor& PickList() const { return pick_list_; }
  const ButtonEditor& ItemsEditor() const { return items_editor_; }
  const ButtonEditor& ContentEditor() const { return content_editor_; }
  bool AnyEditorVisible() const;
  // The binding of an editor opened now on a row of the current control.
  EditorBinding BindEditor(int row) const;
  // Whether the current control and the row are still those the editor was opened for.
  bool StillBound(const EditorBinding& binding) const;
  void HideEditors() override;
  void HidePickList();
  void HideItemsEditor();
  void HideContentEditor();
  // The user picked an entry of the pick list.
  void PickListPicked(int index);
  void ItemsEditorTextChanged(const std::string& text) { items_editor_.text = text; }
  void ItemsButtonClicked();
  void ContentButtonClicked();

  // --- Keys. Each returns true when the key is consumed and must not reach the widget.
  bool GridKeyDown(InspectorKey key);
  // A character typed into the grid: on a row that is not typed it is discarded and the
  // row's editor opens.
  bool GridCharTyped();
  bool PickListKeyDown(InspectorKey key, KeyModifiers modifiers, bool dropped_down);
  bool ItemsEditorKeyDown(InspectorKey key);
  bool ContentEditorKeyDown(InspectorKey key);
  // Any character typed into the "(Content)" editor opens the picture or colour editor.
  bool ContentEditorCharTyped();

  // --- Focus. The grid and the chooser switch the designer's cursor-key mode off; an
  // in-place editor hides when it loses the focus.
  InspectorWidget Focus() const { return focus_; }
  void SetFocus(InspectorWidget widget);

  // The lines the items editor works on.
  StringList& TransferList() { return transfer_list_; }

 private:
  void MoveSelection(int delta);
  // The keys of a button editor: the arrows move between rows, Enter hides it.
  bool ButtonEditorKeyDown(InspectorKey key, void (TfrmProperties::*hide)());
  TChildFrm* CurrentWindow() const;

  AppState& state_;
  Ui& ui_;
  Hub& hub_;
  std::unique_ptr<PropertyRules> cc_rules_;
  std::unique_ptr<PropertyRules> pt_rules_;

  bool visible_ = false;
  WindowBounds bounds_{0, 0, kInitialWidth, kInitialHeight};
  int name_column_width_ = kInitialColumnWidth;
  int value_column_width_ = kInitialColumnWidth;
  int chooser_width_ = kInitialWidth;

  std::vector<GridRow> rows_ = {GridRow{}};
  int selected_row_ = 0;
  std::vector<ChooserEntry> chooser_;
  int chooser_index_ = -1;
  bool chooser_dropped_ = false;
  PickListEditor pick_list_;
  ButtonEditor items_editor_;
  ButtonEditor content_editor_;
  // What the visible in-place editor was opened for.
  EditorBinding editor_binding_;
  InspectorWidget focus_ = InspectorWidget::kNone;
  StringList transfer_list_;
};

}  // namespace qb
