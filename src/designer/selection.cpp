#include "designer/selection.h"

namespace qb {

namespace {

void ClearChildren(TControl& parent) {
  for (const auto& child : parent.Children()) {
    if (child->Selected()) child->SetSelected(false);
    if (child->Class() == ControlClass::kPTDialog) ClearChildren(*child);
  }
}

bool SiblingMarked(const TControl& control) {
  const TControl* parent = control.Parent();
  if (!parent) return false;
  for (const auto& sibling : parent->Children())
    if (sibling.get() != &control && sibling->Selected()) return true;
  return false;
}

bool InsideDialog(const TControl& control) {
  return control.Parent() && control.Parent()->Class() == ControlClass::kPTDialog;
}

}  // namespace

void ClearAllMarks(TChildFrm& form) {
  ClearChildren(form.Screen());
  for (const auto& child : form.Client().Children())
    if (child.get() != &form.Screen() && child->Selected()) child->SetSelected(false);
}

Color MarkColor(const TControl& control, bool add) {
  bool secondary = add && SiblingMarked(control);
  if (InsideDialog(control)) return secondary ? kMaroon : kRed;
  return secondary ? kNavy : kBlue;
}

void MarkControl(TControl& control, bool add) {
  if (control.Class() == ControlClass::kCCMenu || control.Class() == ControlClass::kCCMenuBar)
    return;
  if (control.Class() != ControlClass::kPTDialog) {
    Color color = MarkColor(control, add);
    if (control.SelectColor() != color) control.SetSelectColor(color);
  }
  if (!control.Selected()) control.SetSelected(true);
  if (InsideDialog(control) && control.Parent()->Selected()) control.Parent()->SetSelected(false);
}

bool IsPrimaryMark(const TControl& control) {
  return control.Class() == ControlClass::kPTDialog ||
         control.SelectColor() == MarkColor(control, false);
}

bool IsMarkable(const TChildFrm& form, const TControl& control) {
  const TControl* parent = control.Parent();
  if (parent == &form.Screen()) return true;
  return parent && parent->Class() == ControlClass::kPTDialog && parent->Parent() == &form.Screen();
}

}  // namespace qb
