#pragma once

// The designer window of one form: its client area with the screen panel, the menus of a
// CControls form, the shown dialog, the last selected control and the control list.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/CCForm.h"
#include "controls/PTDialog.h"
#include "controls/control.h"
#include "controls/designer_client.h"
#include "form/cSnapToGrid.h"
#include "form/undo.h"
#include "model/weak_ref.h"

namespace qb {

struct ControlListEntry {
  std::string text;           // "<Name>: <Kind>"
  WeakRef<TControl> control;  // the client area stands for the form itself
};

class TChildFrm;

// Told when a control of the window changes its size (the window's resize notification).
class FormListener {
 public:
  virtual ~FormListener() = default;
  virtual void FormControlResized(TChildFrm& form, TControl& control) = 0;
};

class TChildFrm : public ControlOwner {
 public:
  static constexpr int kScreenLeft = 4;
  static constexpr int kScreenTop = 2;
  // The grid the View > Grid option shows and snaps to.
  static constexpr int kGridSpaceOn = 6;
  static constexpr int kGridSizeOn = 4;

  TChildFrm();
  ~TChildFrm() override;
  TChildFrm(const TChildFrm&) = delete;
  TChildFrm& operator=(const TChildFrm&) = delete;

  const Anchor& GetAnchor() const { return anchor_; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) {
    if (name == name_) return;
    DesignChanging();
    ++change_count_;
    name_ = name;
  }
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path) { path_ = path; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int WindowLeft() const { return window_left_; }
  int WindowTop() const { return window_top_; }
  void SetWindowPos(int left, int top) {
    window_left_ = left;
    window_top_ = top;
  }

  // The client area: the parent of the screen panel and of menus; stands for the form.
  TDesignerClient& Client() { return *client_; }
  const TDesignerClient& Client() const { return *client_; }
  TCCForm& Screen() { return *screen_; }
  const TCCForm& Screen() const { return *screen_; }

  TPTDialog* ShownDialog() const { return shown_dialog_.Get(); }
  // The shown dialog is also snapDialog's working area, so that its controls can be dragged.
  void SetShownDialog(TPTDialog* dialog);

  // snap works on the screen panel, snapDialog on the shown dialog.
  TSnapToGrid& Snap() { return snap_; }
  const TSnapToGrid& Snap() const { return snap_; }
  TSnapToGrid& SnapDialog() { return snap_dialog_; }
  const TSnapToGrid& SnapDialog() const { return snap_dialog_; }
  // The grid option for this window: grid dots on the screen panel and on every dialog, and
  // the grid size of both movers. A view change: it counts no change of the form.
  void ApplyGridOption(bool on);

  // Whether the title bar is drawn as active.
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  void SetListener(FormListener* listener) { listener_ = listener; }
  FormListener* Listener() const { return listener_; }

  // The control that receives the view's mouse input between a press and its release.
  TControl* MouseCapture() const { return mouse_capture_.Get(); }
  void SetMouseCapture(TControl* control) { mouse_capture_.Reset(control); }
  // The cursor the view shows over the window.
  CursorShape Cursor() const { return cursor_; }
  void SetCursor(CursorShape cursor) { cursor_ = cursor; }
  TControl* LastSelected() const { return last_selected_.Get(); }
  void SetLastSelected(TControl* control) { last_selected_.Reset(control); }

  // Every control of the form, dialog children and menus included, in no particular order.
  std::vector<TControl*> AllControls() const;
  // A control of the form whose name matches without regard to case; nullptr when none.
  TControl* FindControl(const std::string& name) const;
  // Names of the window's own parts, which controls may not take.
  static const std::vector<std::string>& FixedPartNames();

  // The control list, rebuilt in its defined order.
  const std::vector<ControlListEntry>& ControlList() const { return control_list_; }
  void AppendToControlList(TControl& control, const std::string& kind);
  void RebuildControlList(LibraryId lib);
  // Puts back a list recorded earlier (undo), order included.
  void SetControlList(std::vector<ControlListEntry> list) { control_list_ = std::move(list); }

  // Set whenever something the picture shows has changed.
  bool PictureDirty() const { return picture_dirty_; }
  void ClearPictureDirty() { picture_dirty_ = false; }
  void MarkPictureDirty() {
    picture_dirty_ = true;
    ++picture_serial_;
  }
  // Counts the marks above and is never cleared, so that a second viewer of the picture (the
  // zoom) can tell whether it changed since it last looked.
  std::uint64_t PictureSerial() const { return picture_serial_; }

  void ControlChanged(TControl& control) override;
  void ControlResized(TControl& control) override;
  // A selection mark, an open menu, the shown dialog: it repaints without counting.
  void ViewChanged(TControl& control) override;

  // Counts every change of the form's content (values, structure, its name); a transaction
  // compares it to know whether it changed anything.
  std::uint64_t ChangeCount() const { return change_count_; }

  // The form records its changes as undo steps from here on: it is as it was opened or made,
  // and every later change of its design must come inside an edit (EditTransaction, undo,
  // redo). Clears the undo steps.
  void StartRecording();
  bool Recording() const { return recording_; }
  // An edit of this form is open while the count is above zero.
  void BeginEdit() { ++edit_depth_; }
  void EndEdit() {
    if (edit_depth_ > 0) --edit_depth_;
  }
  bool EditOpen() const { return edit_depth_ > 0; }
  // Holds an edit of the form open for its lifetime without recording a step: the form
  // being read from its file.
  class MakingScope {
   public:
    explicit MakingScope(TChildFrm& form) : form_(form) { form_.BeginEdit(); }
    ~MakingScope() { form_.EndEdit(); }
    MakingScope(const MakingScope&) = delete;
    MakingScope& operator=(const MakingScope&) = delete;

   private:
    TChildFrm& form_;
  };
  // Changes made while a view scope lives are view state: the grid option, the menus the
  // selection opens, the shown dialog.
  class ViewScope {
   public:
    explicit ViewScope(TChildFrm& form) : form_(form) { ++form_.view_depth_; }
    ~ViewScope() { --form_.view_depth_; }
    ViewScope(const ViewScope&) = delete;
    ViewScope& operator=(const ViewScope&) = delete;

   private:
    TChildFrm& form_;
  };
  // This form's undo and redo steps and its clean point.
  UndoStack& Undo() { return undo_; }
  const UndoStack& Undo() const { return undo_; }

 private:
  Anchor anchor_{this};
  std::string name_;
  std::string path_;
  std::string caption_;
  bool visible_ = true;
  int window_left_ = 0;
  int window_top_ = 0;
  std::unique_ptr<TDesignerClient> client_;
  TCCForm* screen_ = nullptr;
  WeakRef<TPTDialog> shown_dialog_;
  TSnapToGrid snap_;
  TSnapToGrid snap_dialog_;
  bool active_ = false;
  FormListener* listener_ = nullptr;
  WeakRef<TControl> mouse_capture_;
  CursorShape cursor_ = CursorShape::kArrow;
  WeakRef<TControl> last_selected_;
  std::vector<ControlListEntry> control_list_;
  bool picture_dirty_ = true;
  std::uint64_t picture_serial_ = 0;
  std::uint64_t change_count_ = 0;
  bool recording_ = false;
  int edit_depth_ = 0;
  int view_depth_ = 0;
  UndoStack undo_;

  // Fails loudly (ChangeOutsideEdit) when the change check is on and a design value changes
  // while the form records and no edit is open.
  void DesignChanging(const TControl* control = nullptr) const;
};

// The change check: a design change of a recording form outside an edit throws
// ChangeOutsideEdit. On in debug builds and wherever QB_CHANGE_CHECK=1 is set (the tests).
bool ChangeCheckOn();
void SetChangeCheck(bool on);

class ChangeOutsideEdit : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The text of a control-list entry.
std::string ControlListText(const std::string& name, const std::string& kind);

}  // namespace qb
