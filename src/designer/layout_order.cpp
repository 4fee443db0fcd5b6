// Z-order and delete: the commands that act on the current control alone.

#include "designer/designer.h"
#include "designer/layout_commands.h"
#include "designer/removal.h"
#include "model/captions.h"

namespace qb {

namespace {

// The current control when it belongs to the window; nullptr when there is none.
TControl* CurrentOf(Designer& designer, TChildFrm& form) {
  TControl* current = designer.State().current_control.Get();
  if (!current || current->Owner() != &form.Document()) return nullptr;
  return current;
}

bool IsForm(const TChildFrm& form, const TControl& control) {
  return &control == &form.Client() || &control == &form.Screen();
}

// Yes destroys every menu of the form, then the bar; No keeps them all.
void DeleteMenuBar(Ui& ui, TChildFrm& form, TControl& bar) {
  MsgButton answer =
      ui.MessageBox(kCaptionWarning, kDeleteMenusQuestion, MsgIcon::kWarning, kMbYesNo, kMbNo);
  if (answer != kMbYes) return;
  std::vector<TControl*> menus;
  for (const auto& child : form.Client().Children())
    if (child->Class() == ControlClass::kCCMenu) menus.push_back(child.get());
  for (TControl* menu : menus) RemoveControl(form, *menu);
  RemoveControl(form, bar);
}

}  // namespace

void BringCurrentToFront(Designer& designer, TChildFrm& form) {
  TControl* current = CurrentOf(designer, form);
  if (!current) return;
  if (IsForm(form, *current)) return designer.RaiseWindow(form);
  if (TControl* parent = current->Parent()) parent->BringToFront(current);
}

void SendCurrentToBack(Designer& designer, TChildFrm& form) {
  TControl* current = CurrentOf(designer, form);
  if (!current) return;
  if (IsForm(form, *current)) return designer.LowerWindow(form);
  TControl* parent = current->Parent();
  if (!parent) return;
  parent->SendToBack(current);
  // Menus share the window with the screen panel; behind it they could no longer be seen or
  // clicked, so they go to the back of the menus only.
  if (parent == &form.Client()) parent->SendToBack(&form.Screen());
}

void DeleteCurrentControl(Designer& designer, Ui& ui, TChildFrm& form) {
  TControl* current = CurrentOf(designer, form);
  if (!current || IsForm(form, *current)) return;
  if (current->Class() == ControlClass::kCCMenuBar)
    DeleteMenuBar(ui, form, *current);
  else
    RemoveControl(form, *current);
  // A menu bar kept after No keeps its entry in the rebuilt chooser.
  AfterRemoval(designer, form);
}

}  // namespace qb
