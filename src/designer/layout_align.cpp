// Align, same size, centre and space equally: the commands that move and size marked controls.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "controls/coordinates.h"
#include "designer/layout_commands.h"
#include "designer/selection.h"

namespace qb {

namespace {

// Results are held well inside int, so that no later margin arithmetic can overflow.
constexpr std::int64_t kCoordLimit = std::int64_t{1} << 30;

int Clamped(std::int64_t value) {
  return static_cast<int>(std::clamp(value, -kCoordLimit, kCoordLimit));
}

// While the values are written the window is not told of size changes, which would leave the
// written control as the only marked one.
class ResizeNotificationPause {
 public:
  explicit ResizeNotificationPause(TControl& control)
      : control_(control), was_on_(control.ResizeNotification()) {
    control_.SetResizeNotification(false);
  }
  ~ResizeNotificationPause() { control_.SetResizeNotification(was_on_); }
  ResizeNotificationPause(const ResizeNotificationPause&) = delete;
  ResizeNotificationPause& operator=(const ResizeNotificationPause&) = delete;

 private:
  TControl& control_;
  bool was_on_;
};

struct Axes {
  CoordAxis position;
  CoordAxis extent;
};

Axes AxesOf(LayoutQuantity quantity) {
  switch (quantity) {
    case LayoutQuantity::kLeft:
    case LayoutQuantity::kRight:
    case LayoutQuantity::kWidth:
      return {CoordAxis::kLeft, CoordAxis::kWidth};
    default:
      return {CoordAxis::kTop, CoordAxis::kHeight};
  }
}

Axes AxesOf(bool horizontally) {
  return horizontally ? Axes{CoordAxis::kLeft, CoordAxis::kWidth}
                      : Axes{CoordAxis::kTop, CoordAxis::kHeight};
}

CoordSystem SystemOf(CoordUse use) {
  return use == CoordUse::kPalm ? CoordSystem::kPalm : CoordSystem::kPanel;
}

std::int64_t Part(const TControl& c, CoordAxis axis, CoordUse use) {
  return use == CoordUse::kNone ? 0 : Coordinate(c, axis, SystemOf(use));
}

std::int64_t ValueOf(const TControl& c, Axes axes, LayoutMeasure m) {
  return Part(c, axes.position, m.position) + Part(c, axes.extent, m.extent);
}

// A far edge is written by moving the position so that position plus extent is the value.
void Write(TControl& c, Axes axes, LayoutMeasure m, std::int64_t value) {
  if (m.position != CoordUse::kNone)
    SetCoordinate(c, axes.position, SystemOf(m.position),
                  Clamped(value - Part(c, axes.extent, m.extent)));
  else if (m.extent != CoordUse::kNone)
    SetCoordinate(c, axes.extent, SystemOf(m.extent), Clamped(value));
}

int PanelPosition(const TControl& c, Axes axes) {
  return Coordinate(c, axes.position, CoordSystem::kPanel);
}
int PanelExtent(const TControl& c, Axes axes) {
  return Coordinate(c, axes.extent, CoordSystem::kPanel);
}

void SetPanelPosition(TControl& c, Axes axes, std::int64_t value) {
  ResizeNotificationPause pause(c);
  SetCoordinate(c, axes.position, CoordSystem::kPanel, Clamped(value));
}

bool IsDialog(const TControl& c) { return c.Class() == ControlClass::kPTDialog; }

// The marked controls directly in a panel, back to front.
std::vector<TControl*> MarkedIn(const TControl& panel) {
  std::vector<TControl*> out;
  for (const auto& child : panel.Children())
    if (child->Selected()) out.push_back(child.get());
  return out;
}

// The screen panel and each of its dialogs: the panels whose marks the commands work on.
std::vector<TControl*> Panels(TChildFrm& form) {
  std::vector<TControl*> out = {&form.Screen()};
  for (const auto& child : form.Screen().Children())
    if (IsDialog(*child)) out.push_back(child.get());
  return out;
}

struct Reference {
  TControl* control;
  TControl* panel;  // the targets are the marked controls directly in it
};

bool MarkedPrimary(const TControl& c) { return c.Selected() && IsPrimaryMark(c); }

std::optional<Reference> FindReference(TChildFrm& form) {
  for (const auto& child : form.Screen().Children()) {
    if (IsDialog(*child))
      for (const auto& inner : child->Children())
        if (MarkedPrimary(*inner)) return Reference{inner.get(), child.get()};
    if (MarkedPrimary(*child)) return Reference{child.get(), &form.Screen()};
  }
  return std::nullopt;
}

void CenterIn(const TControl& panel, Axes axes) {
  const std::int64_t room = PanelExtent(panel, axes);
  for (TControl* c : MarkedIn(panel))
    SetPanelPosition(*c, axes, (room - PanelExtent(*c, axes)) / 2);  // truncates toward zero
}

void SpaceIn(const TControl& panel, Axes axes) {
  std::vector<TControl*> marked = MarkedIn(panel);
  std::int64_t total = 0;  // every marked control counts, those left out below too
  for (const TControl* c : marked) total += PanelExtent(*c, axes);
  std::vector<TControl*> spaced = marked;
  std::stable_sort(spaced.begin(), spaced.end(), [axes](const TControl* a, const TControl* b) {
    return PanelPosition(*a, axes) < PanelPosition(*b, axes);
  });
  // Of controls that start at the same place only the first met takes part.
  spaced.erase(std::unique(spaced.begin(), spaced.end(),
                           [axes](const TControl* a, const TControl* b) {
                             return PanelPosition(*a, axes) == PanelPosition(*b, axes);
                           }),
               spaced.end());
  if (spaced.size() < 2) return;
  const TControl& first = *spaced.front();
  const TControl& last = *spaced.back();
  const std::int64_t start = PanelPosition(first, axes);
  const std::int64_t free =
      PanelPosition(last, axes) + std::int64_t{PanelExtent(last, axes)} - start - total;
  const std::int64_t gap = free / static_cast<std::int64_t>(spaced.size() - 1);
  std::int64_t x = start + PanelExtent(first, axes) + gap;
  for (std::size_t i = 1; i < spaced.size(); ++i) {
    SetPanelPosition(*spaced[i], axes, x);
    x += PanelExtent(*spaced[i], axes) + gap;
  }
}

}  // namespace

void AlignControls(TChildFrm& form, LibraryId lib, LayoutQuantity quantity) {
  std::optional<Reference> ref = FindReference(form);
  if (!ref) return;
  // A reference whose kind has no such quantity has no value to copy: nothing changes.
  LayoutMeasure ref_measure = MeasureOf(lib, *ref->control, quantity);
  if (!ref_measure.TakesPart()) return;
  const Axes axes = AxesOf(quantity);
  const std::int64_t value = ValueOf(*ref->control, axes, ref_measure);
  for (TControl* target : MarkedIn(*ref->panel)) {
    // Writing the reference's own value back could still move it through a setter's rounding
    // (a Radio's width follows its items).
    if (target == ref->control) continue;
    LayoutMeasure measure = MeasureOf(lib, *target, quantity);
    if (!measure.TakesPart()) continue;
    ResizeNotificationPause pause(*target);
    Write(*target, axes, measure, value);
  }
}

void CenterControls(TChildFrm& form, bool horizontally) {
  for (TControl* panel : Panels(form)) CenterIn(*panel, AxesOf(horizontally));
}

void SpaceControls(TChildFrm& form, bool horizontally) {
  for (TControl* panel : Panels(form)) SpaceIn(*panel, AxesOf(horizontally));
}

}  // namespace qb
