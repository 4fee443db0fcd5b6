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

namespace {

void ClearAllBut(TControl& parent, const TControl* keep) {
  for (const auto& child : parent.Children()) {
    if (child.get() != keep && child->Selected()) child->SetSelected(false);
    if (child->Class() == ControlClass::kPTDialog) ClearAllBut(*child, keep);
  }
}

}  // namespace

void ShowSelection(AppState& state, TChildFrm& form, bool add) {
  TControl* current = state.current_control.Get();
  if (current && current->Owner() != &form.Document()) current = nullptr;
  bool markable = current && IsMarkable(form, *current);
  if (!add) {
    // Everything else loses its mark; the current control keeps it only in the first colour,
    // so that a control marked already is not repainted for nothing.
    ClearAllBut(form.Screen(), markable ? current : nullptr);
    for (const auto& child : form.Client().Children())
      if (child.get() != &form.Screen() && child->Selected()) child->SetSelected(false);
    if (markable && current->Selected() && current->Class() != ControlClass::kPTDialog &&
        current->SelectColor() != MarkColor(*current, false))
      current->SetSelected(false);
  }
  if (markable && !current->Selected()) MarkControl(*current, add);
  if (current) form.SetLastSelected(current);
}

std::vector<TControl*> MarkedSiblings(const TControl& control) {
  std::vector<TControl*> out;
  const TControl* parent = control.Parent();
  if (!parent) return out;
  for (const auto& sibling : parent->Children())
    if (sibling.get() != &control && sibling->Selected()) out.push_back(sibling.get());
  return out;
}

void MakePrimaryMark(TControl& control) {
  for (TControl* other : MarkedSiblings(control)) {
    if (other->Class() == ControlClass::kPTDialog) continue;
    Color second = InsideDialog(*other) ? kMaroon : kNavy;
    if (other->SelectColor() != second) other->SetSelectColor(second);
  }
  if (control.Class() != ControlClass::kPTDialog) {
    Color first = MarkColor(control, false);
    if (control.SelectColor() != first) control.SetSelectColor(first);
  }
  if (!control.Selected()) MarkControl(control, false);
}

namespace {

void RecolourPanel(TControl& panel, const TControl* current) {
  std::vector<TControl*> marked;
  for (const auto& child : panel.Children()) {
    if (child->Selected() && child->Class() != ControlClass::kPTDialog)
      marked.push_back(child.get());
    if (child->Class() == ControlClass::kPTDialog) RecolourPanel(*child, current);
  }
  if (marked.empty()) return;
  const TControl* first = marked.front();
  for (const TControl* c : marked)
    if (c == current) first = c;
  for (TControl* c : marked) {
    const Color color = MarkColor(*c, c != first);
    if (c->SelectColor() != color) c->SetSelectColor(color);
  }
}

}  // namespace

void RecolourMarks(TChildFrm& form, const TControl* current) {
  RecolourPanel(form.Screen(), current);
}

std::vector<TControl*> ControlsTouching(const TControl& panel, const Rect& area) {
  std::vector<TControl*> out;
  for (const auto& child : panel.Children()) {
    if (!child->Visible()) continue;
    if (child->Class() == ControlClass::kCCMenu || child->Class() == ControlClass::kCCMenuBar)
      continue;
    bool apart = child->Left() >= area.right || child->Left() + child->Width() <= area.left ||
                 child->Top() >= area.bottom || child->Top() + child->Height() <= area.top;
    if (!apart) out.push_back(child.get());
  }
  return out;
}

}  // namespace qb
