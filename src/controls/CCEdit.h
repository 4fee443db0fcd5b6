#pragma once

#include "controls/CCLabel.h"

namespace qb {

// Tag 0: the multi-line Edit kind; Tag 1: the single-line EditLine kind.
inline constexpr int kEditLineTag = 1;

class TCCEdit : public TCCLabel {
 public:
  static constexpr ControlClass kClass = ControlClass::kCCEdit;
  explicit TCCEdit(ControlOwner* owner);

  QB_PROPERTY(std::string, Topic, topic_)
  bool IsEditLine() const { return Tag() == kEditLineTag; }

 private:
  std::string topic_;
};

}  // namespace qb
