#pragma once

// The base of every control class: the panel a control lives in, its geometry, its
// ordered owned children (back to front) and the change notification that asks for a repaint.

#include <memory>
#include <string>
#include <vector>

#include "model/colors.h"
#include "model/font.h"
#include "model/kinds.h"
#include "model/weak_ref.h"

namespace qb {

class TControl;

// Told about every change of a control so that the owning window can repaint.
class ControlOwner {
 public:
  virtual ~ControlOwner() = default;
  virtual void ControlChanged(TControl& control) = 0;
  // The window's resize notification, given to controls when they are attached.
  virtual void ControlResized(TControl& control) = 0;
  // A change of what the designer shows, not of the design: a selection mark, an open menu,
  // the shown dialog. A repaint; no change of the form's content, no undo step.
  virtual void ViewChanged(TControl& control) { ControlChanged(control); }
};

// The toolkit's text alignment numbering.
enum class TextAlign : int { kLeft = 0, kRight = 1, kCenter = 2 };

// Store-and-repaint property: a getter named after the property and a Set setter.
#define QB_PROPERTY(Type, Name, member)       \
  const Type& Name() const { return member; } \
  void Set##Name(const Type& value) {         \
    member = value;                           \
    Changed();                                \
  }

using StringList = std::vector<std::string>;

class TControl {
 public:
  TControl(ControlClass cls, ControlOwner* owner, int width, int height);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  ControlClass Class() const { return class_; }
  ControlOwner* Owner() const { return owner_; }
  const Anchor& GetAnchor() const { return anchor_; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Tag() const { return tag_; }
  virtual void SetTag(int tag);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  virtual void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  virtual void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  void SetBounds(int left, int top, int width, int height);

  // Palm coordinates: the panel rectangle less the class's margin. A class without a
  // published value reports the panel value.
  virtual int UserLeft() const;
  virtual int UserTop() const;
  virtual int UserWidth() const;
  virtual int UserHeight() const;
  virtual void SetUserLeft(int v);
  virtual void SetUserTop(int v);
  virtual void SetUserWidth(int v);
  virtual void SetUserHeight(int v);
  bool HasUserLeft() const;
  bool HasUserTop() const;
  bool HasUserWidth() const;
  bool HasUserHeight() const;

  QB_PROPERTY(qb::Color, Color, color_)
  const qb::Font& Font() const { return font_; }
  void SetFont(const qb::Font& font);
  void SetFontName(const std::string& name);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign a);
  // The selection mark and its colour are view state (see ControlOwner::ViewChanged).
  bool Selected() const { return selected_; }
  void SetSelected(bool selected);
  const qb::Color& SelectColor() const { return select_color_; }
  void SetSelectColor(const qb::Color& color);

  // The screen panel or dialog whose colours the control takes; empty in CControls.
  TControl* PalmForm() const { return palm_form_.Get(); }
  void SetPalmForm(TControl* panel);

  // Containment. The children are owned and ordered back to front.
  TControl* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<TControl>>& Children() const { return children_; }
  // Appends at the front.
  TControl* AddChild(std::unique_ptr<TControl> child);
  std::unique_ptr<TControl> RemoveChild(TControl* child);
  void BringToFront(TControl* child);
  void SendToBack(TControl* child);
  int ChildIndex(const TControl* child) const;
  // Whether the control and every parent up to the root are visible.
  bool Showing() const;

  // Asks for a repaint without changing anything (the colours of its form may have changed).
  void Invalidate() { ViewChanged(); }
  // Whether a size change is reported to the owner (set when attached to a window).
  void SetResizeNotification(bool on) { resize_notification_ = on; }
  bool ResizeNotification() const { return resize_notification_; }

 protected:
  // Tells the owner, whose window repaints, then applies the class's size rule
  // (size_rules.h): a setter leaves the control at the size it is drawn at.
  void Changed();
  // A change of view state: the owner repaints without counting a change; a size the rule
  // corrects on the way is view state too.
  void ViewChanged();
  // Every change while it lives is view state (a menu's Test also shows the menu).
  class ViewScope {
   public:
    explicit ViewScope(TControl& c) : c_(c), was_(c.view_change_) { c.view_change_ = true; }
    ~ViewScope() { c_.view_change_ = was_; }
    ViewScope(const ViewScope&) = delete;
    ViewScope& operator=(const ViewScope&) = delete;

   private:
    TControl& c_;
    bool was_;
  };

 private:
  ControlClass class_;
  ControlOwner* owner_;
  Anchor anchor_{this};
  std::string name_;
  int tag_ = 0;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  qb::Color color_ = kConstructorColor;
  qb::Font font_;
  bool visible_ = true;
  TextAlign alignment_ = TextAlign::kLeft;
  bool selected_ = false;
  qb::Color select_color_ = 0;
  WeakRef<TControl> palm_form_;
  TControl* parent_ = nullptr;
  std::vector<std::unique_ptr<TControl>> children_;
  bool resize_notification_ = false;
  bool fitting_ = false;
  bool view_change_ = false;
};

// Downcast by class; nullptr when the control is of another class.
template <typename T>
T* As(TControl* c) {
  return c && c->Class() == T::kClass ? static_cast<T*>(c) : nullptr;
}
template <typename T>
const T* As(const TControl* c) {
  return c && c->Class() == T::kClass ? static_cast<const T*>(c) : nullptr;
}

}  // namespace qb
