#include "controls/CCMenu.h"

namespace qb {

TCCMenu::TCCMenu(ControlOwner* owner) : TControl(kClass, owner, 35, 36) {
  SetBounds(4, 1, 35, 36);
  SetSelectColor(kGreen);
  SetFontName(kPilotBold);
}

void TCCMenu::SetTopicWidth(int t) {
  topic_width_ = t;
  if (user_width_ < t) SetWidth(t + 4);
  Changed();
}

void TCCMenu::SetUserWidth(int u) {
  user_width_ = u;
  if (topic_width_ < u) SetWidth(u + 3);
  Changed();
}

void TCCMenu::SetUserLeft(int v) {
  user_left_ = v;
  SetLeft(v - 1);
  Changed();
}

void TCCMenu::SetItems(const StringList& items) {
  items_ = items;
  SetHeight(static_cast<int>(items_.size()) * 11 + 16);
  Changed();
}

// Opening and closing a menu is view state, and so is the height it takes.
void TCCMenu::SetTest(int v) {
  ViewScope view(*this);
  test_ = v;
  if (v != 0) SetVisible(true);
  Changed();
}

int TCCMenu::DrawnHeight() const {
  return test_ != 0 ? static_cast<int>(items_.size()) * 11 + 15 : 15;
}

}  // namespace qb
