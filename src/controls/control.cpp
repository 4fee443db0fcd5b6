#include "controls/control.h"

#include <algorithm>

#include "controls/size_rules.h"

namespace qb {

namespace {

// Palm coordinates relative to the panel: UserLeft = Left + left, UserTop = Top + top,
// UserWidth = Width - width, UserHeight = Height - height; a false flag means the class
// does not publish that value.
struct PalmMargin {
  int left, top, width, height;
  bool has_left, has_top, has_width, has_height;
};

PalmMargin MarginOf(ControlClass cls) {
  using C = ControlClass;
  switch (cls) {
    case C::kCCButton:
    case C::kCCSwitch:
    case C::kCCRadio:
      return {1, 1, 2, 2, true, true, true, true};
    case C::kCCLabel:
    case C::kCCEdit:
    case C::kCCListBox:
    case C::kCCTable:
      return {1, 1, 2, 0, true, true, true, false};
    case C::kCCDropDown:
    case C::kCCPopUp:
    case C::kPTList:
      return {1, 1, 3, 0, true, true, true, false};
    case C::kCCCheckbox:
    case C::kPTCheckbox:
      return {1, 1, 0, 0, true, true, false, false};
    case C::kPTButton:
    case C::kPTDialog:
      return {2, 2, 4, 4, true, true, true, true};
    case C::kCCMenu:
      return {1, 0, 0, 0, true, false, true, false};
    default:
      return {0, 0, 0, 0, false, false, false, false};
  }
}

}  // namespace

TControl::TControl(ControlClass cls, ControlOwner* owner, int width, int height)
    : class_(cls), owner_(owner), width_(width), height_(height) {}

TControl::~TControl() {
  // Children go first, back to front reversed, while the parent is still whole.
  while (!children_.empty()) children_.pop_back();
}

void TControl::Changed() {
  if (owner_) {
    if (view_change_)
      owner_->ViewChanged(*this);
    else
      owner_->ControlChanged(*this);
  }
  if (fitting_) return;
  fitting_ = true;
  ApplySizeRule(*this);
  fitting_ = false;
}

void TControl::ViewChanged() {
  const bool was = view_change_;
  view_change_ = true;
  Changed();
  view_change_ = was;
}

void TControl::SetSelectColor(const qb::Color& color) {
  if (color == select_color_) return;
  select_color_ = color;
  ViewChanged();
}

void TControl::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TControl::SetTag(int tag) {
  tag_ = tag;
  Changed();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
  // Like the toolkit's resize event, a move alone is not reported.
  if (resized && resize_notification_ && owner_) owner_->ControlResized(*this);
}

int TControl::UserLeft() const { return left_ + MarginOf(class_).left; }
int TControl::UserTop() const { return top_ + MarginOf(class_).top; }
int TControl::UserWidth() const { return width_ - MarginOf(class_).width; }
int TControl::UserHeight() const { return height_ - MarginOf(class_).height; }
void TControl::SetUserLeft(int v) { SetLeft(v - MarginOf(class_).left); }
void TControl::SetUserTop(int v) { SetTop(v - MarginOf(class_).top); }
void TControl::SetUserWidth(int v) { SetWidth(v + MarginOf(class_).width); }
void TControl::SetUserHeight(int v) { SetHeight(v + MarginOf(class_).height); }
bool TControl::HasUserLeft() const { return MarginOf(class_).has_left; }
bool TControl::HasUserTop() const { return MarginOf(class_).has_top; }
bool TControl::HasUserWidth() const { return MarginOf(class_).has_width; }
bool TControl::HasUserHeight() const { return MarginOf(class_).has_height; }

void TControl::SetFont(const qb::Font& font) {
  font_ = font;
  Changed();
}

void TControl::SetFontName(const std::string& name) {
  font_.name = name;
  Changed();
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void TControl::SetAlignment(TextAlign a) {
  alignment_ = a;
  Changed();
}

void TControl::SetSelected(bool selected) {
  selected_ = selected;
  if (owner_) owner_->ViewChanged(*this);
}

void TControl::SetPalmForm(TControl* panel) {
  palm_form_.Reset(panel);
  Changed();
}

TControl* TControl::AddChild(std::unique_ptr<TControl> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  Changed();
  TControl* added = children_.back().get();
  // A control that no setter reached yet still gets its drawn size.
  if (!added->fitting_) {
    added->fitting_ = true;
    ApplySizeRule(*added);
    added->fitting_ = false;
  }
  return added;
}

std::unique_ptr<TControl> TControl::RemoveChild(TControl* child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [child](const auto& c) { return c.get() == child; });
  if (it == children_.end()) return nullptr;
  std::unique_ptr<TControl> owned = std::move(*it);
  children_.erase(it);
  owned->parent_ = nullptr;
  Changed();
  return owned;
}

void TControl::BringToFront(TControl* child) {
  auto owned = RemoveChild(child);
  if (owned) AddChild(std::move(owned));
}

void TControl::SendToBack(TControl* child) {
  auto owned = RemoveChild(child);
  if (!owned) return;
  owned->parent_ = this;
  children_.insert(children_.begin(), std::move(owned));
  Changed();
}

int TControl::ChildIndex(const TControl* child) const {
  for (std::size_t i = 0; i < children_.size(); ++i)
    if (children_[i].get() == child) return static_cast<int>(i);
  return -1;
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

}  // namespace qb
