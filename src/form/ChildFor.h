#pragma once

// The designer window of one form. It owns the form's document (form_document.h: the control
// tree, name, path, change count, undo stack and control list) and adds what only a window
// has: its caption and position, whether it is active, the mouse capture and the cursor, the
// movers, the shown dialog, the last selected control and the picture's serial.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/CCForm.h"
#include "controls/PTDialog.h"
#include "controls/control.h"
#include "controls/designer_client.h"
#include "form/cSnapToGrid.h"
#include "form/form_document.h"
#include "form/undo.h"
#include "model/weak_ref.h"

namespace qb {

class TChildFrm;

// Told when a control of the window changes its size (the window's resize notification).
class FormListener {
 public:
  virtual ~FormListener() = default;
  virtual void FormControlResized(TChildFrm& form, TControl& control) = 0;
};

class TChildFrm : public DocumentObserver {
 public:
  static constexpr int kScreenLeft = FormDocument::kScreenLeft;
  static constexpr int kScreenTop = FormDocument::kScreenTop;
  // The grid the View > Grid option shows and snaps to.
  static constexpr int kGridSpaceOn = 6;
  static constexpr int kGridSizeOn = 4;

  TChildFrm();
  ~TChildFrm() override;
  TChildFrm(const TChildFrm&) = delete;
  TChildFrm& operator=(const TChildFrm&) = delete;

  const Anchor& GetAnchor() const { return anchor_; }

  // The form this window shows.
  FormDocument& Document() { return document_; }
  const FormDocument& Document() const { return document_; }
  // A window stands for its document wherever one is asked for (the writers, the naming).
  operator FormDocument&() { return document_; }              // NOLINT(google-explicit-constructor)
  operator const FormDocument&() const { return document_; }  // NOLINT(google-explicit-constructor)

  // The document's own, reached through its window.
  const std::string& Name() const { return document_.Name(); }
  void SetName(const std::string& name) { document_.SetName(name); }
  const std::string& Path() const { return document_.Path(); }
  void SetPath(const std::string& path) { document_.SetPath(path); }
  TDesignerClient& Client() { return document_.Client(); }
  const TDesignerClient& Client() const { return document_.Client(); }
  TCCForm& Screen() { return document_.Screen(); }
  const TCCForm& Screen() const { return document_.Screen(); }
  std::vector<TControl*> AllControls() const { return document_.AllControls(); }
  TControl* FindControl(const std::string& name) const { return document_.FindControl(name); }
  static const std::vector<std::string>& FixedPartNames() { return FormDocument::FixedPartNames(); }
  const std::vector<ControlListEntry>& ControlList() const { return document_.ControlList(); }
  void AppendToControlList(TControl& control, const std::string& kind) {
    document_.AppendToControlList(control, kind);
  }
  void RebuildControlList(LibraryId lib) { document_.RebuildControlList(lib); }
  void SetControlList(std::vector<ControlListEntry> list) {
    document_.SetControlList(std::move(list));
  }
  std::uint64_t ChangeCount() const { return document_.ChangeCount(); }
  void StartRecording() { document_.StartRecording(); }
  bool Recording() const { return document_.Recording(); }
  void BeginEdit() { document_.BeginEdit(); }
  void EndEdit() { document_.EndEdit(); }
  bool EditOpen() const { return document_.EditOpen(); }
  UndoStack& Undo() { return document_.Undo(); }
  const UndoStack& Undo() const { return document_.Undo(); }
  // See FormDocument's scopes.
  class MakingScope {
   public:
    explicit MakingScope(TChildFrm& form) : scope_(form.document_) {}

   private:
    FormDocument::MakingScope scope_;
  };
  class ViewScope {
   public:
    explicit ViewScope(TChildFrm& form) : scope_(form.document_) {}

   private:
    FormDocument::ViewScope scope_;
  };

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

  void DocumentPictureChanged() override { MarkPictureDirty(); }
  void DocumentControlResized(TControl& control) override;

 private:
  Anchor anchor_{this};
  // Declared before the members that point into its tree.
  FormDocument document_{this};
  std::string caption_;
  bool visible_ = true;
  int window_left_ = 0;
  int window_top_ = 0;
  WeakRef<TPTDialog> shown_dialog_;
  TSnapToGrid snap_;
  TSnapToGrid snap_dialog_;
  bool active_ = false;
  FormListener* listener_ = nullptr;
  WeakRef<TControl> mouse_capture_;
  CursorShape cursor_ = CursorShape::kArrow;
  WeakRef<TControl> last_selected_;
  bool picture_dirty_ = true;
  std::uint64_t picture_serial_ = 0;
};

}  // namespace qb
