#include "controls/size_rules.h"

#include "controls/CCButton.h"
#include "controls/CCButton_paint.h"
#include "controls/CCCheckbox_paint.h"
#include "controls/CCDropDown.h"
#include "controls/CCDropDown_paint.h"
#include "controls/CCLabel_paint.h"
#include "controls/CCMenu.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTLabel_paint.h"
#include "controls/PTList.h"
#include "controls/font_registry.h"
#include "controls/palm_look.h"

namespace qb {

namespace {

const FontRegistry* measuring_faces = nullptr;

// The rows of a List follow the height of this text in its font.
constexpr const char* kRowSample = "A";

const PalmFace& FaceOf(const TControl& c, const FontRegistry& faces) {
  return faces.Face(c.Font().name);
}

void HoldHeight(TControl& c, int height) {
  if (c.Height() != height) c.SetHeight(height);
}

}  // namespace

const FontRegistry* MeasuringFaces() { return measuring_faces; }
void SetMeasuringFaces(const FontRegistry* faces) { measuring_faces = faces; }

MeasuringFacesScope::MeasuringFacesScope(const FontRegistry& faces) : before_(measuring_faces) {
  measuring_faces = &faces;
}
MeasuringFacesScope::~MeasuringFacesScope() { measuring_faces = before_; }

void ApplySizeRule(TControl& control) {
  if (measuring_faces) ApplySizeRule(control, *measuring_faces);
}

void ApplySizeRule(TControl& c, const FontRegistry& faces) {
  switch (c.Class()) {
    case ControlClass::kCCLabel:
    case ControlClass::kCCEdit:
      return HoldHeight(c, kCCLabelHeight);
    case ControlClass::kCCCheckbox:
      return HoldHeight(c, kCCCheckboxHeight);
    case ControlClass::kCCDropDown: {
      const auto& drop = static_cast<const TCCDropDown&>(c);
      return HoldHeight(c, drop.TestItems() != 0 ? drop.VisibleItems() * kRowHeight + 3
                                                 : kCCDropDownClosedHeight);
    }
    case ControlClass::kCCMenu:
      return HoldHeight(c, static_cast<const TCCMenu&>(c).DrawnHeight());
    case ControlClass::kCCButton: {
      const auto& button = static_cast<const TCCButton&>(c);
      if (!button.IsSelect()) return;
      const int width = FaceOf(c, faces).TextWidth(button.Content()) + kCCSelectPadding;
      if (c.Width() != width) c.SetWidth(width);
      return;
    }
    case ControlClass::kPTLabel: {
      const auto& label = static_cast<const TPTLabel&>(c);
      const PalmFace& face = FaceOf(c, faces);
      const int height = face.TextHeight(label.Content());
      c.SetBounds(c.Left(), c.Top(), face.TextWidth(label.Content()) + 1,
                  height != 0 ? height : kPTEmptyLabelHeight);
      return;
    }
    case ControlClass::kPTList: {
      auto& list = static_cast<TPTList&>(c);
      const int h = FaceOf(c, faces).TextHeight(kRowSample);
      if (h > 0 && h != list.RowHeight()) {
        list.SetRowHeight(h);
        list.SetHeight(list.MaxItems() * h + 3);
      }
      return;
    }
    case ControlClass::kPTGsi:
      c.SetBounds(c.Left(), c.Top(), kGsiWidth, kGsiHeight);
      return;
    default:
      return;
  }
}

void ApplySizeRules(TControl& root, const FontRegistry& faces) {
  ApplySizeRule(root, faces);
  for (const auto& child : root.Children()) ApplySizeRules(*child, faces);
}

}  // namespace qb
