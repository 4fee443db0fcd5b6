#include "controls/CCRadio.h"

#include "model/datamod.h"

namespace qb {

TCCRadio::TCCRadio(ControlOwner* owner) : TControl(kClass, owner, 31, 14) { SetSelectColor(kBlue); }

int TCCRadio::UserWidth() const {
  int n = static_cast<int>(items_.size());
  if (n == 0) return Width() - 2;
  return NearestDiv(Width(), n) * n - 2;
}

void TCCRadio::SetUserWidth(int v) {
  int n = static_cast<int>(items_.size());
  if (n == 0) {
    SetWidth(v + 2);
    return;
  }
  SetWidth(NearestDiv(v, n) * n + 2);
}

void TCCRadio::SetOrientation(int v) {
  if ((v != 0) == (orientation_ != 0)) {
    orientation_ = v;
    Changed();
    return;
  }
  int n = static_cast<int>(items_.size());
  if (v != 0) {
    int height = n * Height() - n + 1;
    int width = n > 0 ? NearestDiv(Width() - n - 1, n) + 2 : Width();
    SetBounds(Left(), Top(), width, height);
  } else if (n > 0) {
    int height = NearestDiv(Height() - n - 1, n) + 2;
    SetBounds(Left(), Top(), n * Width() - n + 1, height);
  }
  orientation_ = v;
  Changed();
}

}  // namespace qb
