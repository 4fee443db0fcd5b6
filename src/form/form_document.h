#pragma once

// One form as the project holds it: its control tree (the client area with the screen panel,
// dialogs and menus), its name and path, its change count, its undo stack and its control
// list. The window that shows it (TChildFrm) owns it and adds only what a window has.
//
// The document is the owner the controls report to. A change of a design value counts once;
// a view change (a selection mark, an open menu, the shown dialog, the grid option) only tells
// the window to repaint.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/CCForm.h"
#include "controls/control.h"
#include "controls/designer_client.h"
#include "form/undo.h"
#include "model/library.h"
#include "model/weak_ref.h"

namespace qb {

struct ControlListEntry {
  std::string text;           // "<Name>: <Kind>"
  WeakRef<TControl> control;  // the client area stands for the form itself
};

// What the document tells its window: the picture changed, a control changed its size.
class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  virtual void DocumentPictureChanged() = 0;
  virtual void DocumentControlResized(TControl& control) = 0;
};

class FormDocument : public ControlOwner {
 public:
  static constexpr int kScreenLeft = 4;
  static constexpr int kScreenTop = 2;

  explicit FormDocument(DocumentObserver* observer = nullptr);
  ~FormDocument() override;
  FormDocument(const FormDocument&) = delete;
  FormDocument& operator=(const FormDocument&) = delete;

  // The window the document tells of its changes; nullptr when none.
  DocumentObserver* Observer() const { return observer_; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path) { path_ = path; }

  // The client area: the parent of the screen panel and of menus; stands for the form.
  TDesignerClient& Client() { return *client_; }
  const TDesignerClient& Client() const { return *client_; }
  TCCForm& Screen() { return *screen_; }
  const TCCForm& Screen() const { return *screen_; }

  // Every control of the form, dialog children and menus included, in no particular order.
  std::vector<TControl*> AllControls() const;
  // A control of the form whose name matches without regard to case; nullptr when none.
  TControl* FindControl(const std::string& name) const;
  // Names of the window's own parts, which controls may not take.
  static const std::vector<std::string>& FixedPartNames();

  // The control list, rebuilt in its defined order.
  const std::vector<ControlListEntry>& ControlList() const { return control_list_; }
  void AppendToControlList(TControl& control, const std::string& kind);
  void RebuildControlList(LibraryId lib) { control_list_ = OrderedControlList(lib); }
  // The list as RebuildControlList makes it, leaving the form's own as it is.
  std::vector<ControlListEntry> OrderedControlList(LibraryId lib) const;
  // Puts back a list recorded earlier (undo), order included.
  void SetControlList(std::vector<ControlListEntry> list) { control_list_ = std::move(list); }

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
    explicit MakingScope(FormDocument& form) : form_(form) { form_.BeginEdit(); }
    ~MakingScope() { form_.EndEdit(); }
    MakingScope(const MakingScope&) = delete;
    MakingScope& operator=(const MakingScope&) = delete;

   private:
    FormDocument& form_;
  };
  // Changes made while a view scope lives are view state: the grid option, the menus the
  // selection opens, the shown dialog.
  class ViewScope {
   public:
    explicit ViewScope(FormDocument& form) : form_(form) { ++form_.view_depth_; }
    ~ViewScope() { --form_.view_depth_; }
    ViewScope(const ViewScope&) = delete;
    ViewScope& operator=(const ViewScope&) = delete;

   private:
    FormDocument& form_;
  };
  // This form's undo and redo steps and its clean point.
  UndoStack& Undo() { return undo_; }
  const UndoStack& Undo() const { return undo_; }

 private:
  DocumentObserver* observer_;
  std::string name_;
  std::string path_;
  std::unique_ptr<TDesignerClient> client_;
  TCCForm* screen_ = nullptr;
  std::vector<ControlListEntry> control_list_;
  std::uint64_t change_count_ = 0;
  bool recording_ = false;
  int edit_depth_ = 0;
  int view_depth_ = 0;
  UndoStack undo_;

  void PictureChanged() {
    if (observer_) observer_->DocumentPictureChanged();
  }
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
