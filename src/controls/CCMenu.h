#pragma once

#include "controls/control.h"

namespace qb {

// One pull-down topic of a CControls form's menu, a child of the designer window.
// UserLeft and UserWidth are stored values in designer-window coordinates.
class TCCMenu : public TControl {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCMenu;
  explicit TCCMenu(ControlOwner* owner);

  QB_PROPERTY(std::string, Topic, topic_)
  int TopicWidth() const { return topic_width_; }
  void SetTopicWidth(int t);
  const StringList& Items() const { return items_; }
  void SetItems(const StringList& items);
  // Non-zero: this pull-down is shown open. Setting a non-zero value also shows it.
  int Test() const { return test_; }
  void SetTest(int v);
  // The height the menu has when drawn: open with its items, or the topic alone.
  int DrawnHeight() const;

  int UserLeft() const override { return user_left_; }
  void SetUserLeft(int v) override;
  int UserWidth() const override { return user_width_; }
  void SetUserWidth(int u) override;

 private:
  std::string topic_ = "Topic";
  int topic_width_ = 31;
  StringList items_;
  int user_left_ = 5;
  int user_width_ = 32;
  int test_ = 1;
};

}  // namespace qb
