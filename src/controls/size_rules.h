#pragma once

// The sizes some classes hold themselves to, applied by the setters (every change of such a
// control ends with its rule) so that a control always has the size it is drawn at:
// - a CControls Label, Edit and EditLine, and a CheckBox, are 13 high;
// - a DropDown is 12 high closed and its visible rows plus 3 open;
// - a CControls menu is as high as its topic, or open as its items below it;
// - a Select is as wide as its text plus 7;
// - a PToolboxLib Label is as wide as its text plus 1 and as high as it (11 when empty);
// - a List's rows are as high as its font: a font of another height makes it MaxItems rows
//   high again;
// - a GSI is 8 × 9.
// The rules that measure text use the faces set with SetMeasuringFaces; until faces are
// set (a form built in code and never shown), no rule applies and controls keep the sizes
// they are given.

#include "controls/control.h"

namespace qb {

class FontRegistry;

// The faces the designer draws with, or nullptr.
const FontRegistry* MeasuringFaces();
void SetMeasuringFaces(const FontRegistry* faces);

// Sets the measuring faces for its lifetime and puts back the ones before.
class MeasuringFacesScope {
 public:
  explicit MeasuringFacesScope(const FontRegistry& faces);
  ~MeasuringFacesScope();
  MeasuringFacesScope(const MeasuringFacesScope&) = delete;
  MeasuringFacesScope& operator=(const MeasuringFacesScope&) = delete;

 private:
  const FontRegistry* before_;
};

// Applies the control's rule with the measuring faces; nothing when none are set or the
// control's class has no rule. Called by TControl itself after every change.
void ApplySizeRule(TControl& control);
// The same with the given faces (a picture of a control made apart from the designer).
void ApplySizeRule(TControl& control, const FontRegistry& faces);
// Applies the rule to the control and to everything inside it.
void ApplySizeRules(TControl& root, const FontRegistry& faces);

}  // namespace qb
