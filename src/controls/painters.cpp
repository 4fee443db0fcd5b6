#include "controls/painters.h"

#include "controls/CCBitmap_paint.h"
#include "controls/CCButton_paint.h"
#include "controls/CCCheckbox_paint.h"
#include "controls/CCDropDown_paint.h"
#include "controls/CCForm.h"
#include "controls/CCForm_paint.h"
#include "controls/CCLabel_paint.h"
#include "controls/CCListBox_paint.h"
#include "controls/CCMenuBar_paint.h"
#include "controls/CCMenu_paint.h"
#include "controls/CCPopUp_paint.h"
#include "controls/CCRadio_paint.h"
#include "controls/CCSwitch_paint.h"
#include "controls/CCTable_paint.h"
#include "controls/PTButton_paint.h"
#include "controls/PTCheckBox_paint.h"
#include "controls/PTDialog.h"
#include "controls/PTDialog_paint.h"
#include "controls/PTEdit_paint.h"
#include "controls/PTGsi_paint.h"
#include "controls/PTLabel_paint.h"
#include "controls/PTList_paint.h"
#include "controls/PTPopTrigger_paint.h"
#include "controls/device_artwork.h"

namespace qb {

namespace {

struct PainterEntry {
  ControlClass cls;
  PaintFn paint;
};

// One line per class. A class's routine lives in <Class>_paint.cpp with its declaration in
// <Class>_paint.h; its line here names it.
constexpr PainterEntry kPainters[] = {
    {ControlClass::kCCForm, PaintCCForm},
    {ControlClass::kCCButton, PaintCCButton},
    {ControlClass::kCCSwitch, PaintCCSwitch},
    {ControlClass::kCCCheckbox, PaintCCCheckbox},
    {ControlClass::kCCLabel, PaintCCLabel},
    {ControlClass::kCCEdit, PaintCCLabel},
    {ControlClass::kCCListBox, PaintCCListBox},
    {ControlClass::kCCRadio, PaintCCRadio},
    {ControlClass::kCCDropDown, PaintCCDropDown},
    {ControlClass::kCCPopUp, PaintCCPopUp},
    {ControlClass::kCCMenuBar, PaintCCMenuBar},
    {ControlClass::kCCMenu, PaintCCMenu},
    {ControlClass::kCCBitmap, PaintCCBitmap},
    {ControlClass::kCCTable, PaintCCTable},
    {ControlClass::kPTDialog, PaintPTDialog},
    {ControlClass::kPTButton, PaintPTButton},
    {ControlClass::kPTPopTrigger, PaintPTPopTrigger},
    {ControlClass::kPTEdit, PaintPTEdit},
    {ControlClass::kPTCheckbox, PaintPTCheckbox},
    {ControlClass::kPTLabel, PaintPTLabel},
    {ControlClass::kPTList, PaintPTList},
    {ControlClass::kPTGsi, PaintPTGsi},
    {ControlClass::kDesignerClient, PaintDeviceArtwork},
};

}  // namespace

void PaintNothing(TControl&, PalmCanvas&, const PaintContext&) {}

PaintFn PainterFor(ControlClass cls) {
  for (const PainterEntry& e : kPainters)
    if (e.cls == cls) return e.paint;
  return PaintNothing;
}

FormColors ColorsOf(const TControl& control) {
  FormColors colors;
  const TControl* form = control.PalmForm();
  if (const auto* screen = As<TCCForm>(form)) {
    colors = {true,
              screen->ColorFormFill(),
              screen->ColorFrame(),
              screen->ColorFill(),
              screen->ColorText(),
              screen->ColorSelectedFill(),
              screen->ColorSelectedFore()};
  } else if (const auto* dialog = As<TPTDialog>(form)) {
    colors = {true,
              dialog->ColorDialogFill(),
              dialog->ColorFrame(),
              dialog->ColorFill(),
              dialog->ColorText(),
              dialog->ColorSelectedFill(),
              dialog->ColorSelectedFore()};
  }
  return colors;
}

void PaintControl(TControl& control, PalmCanvas& canvas, const FontRegistry& fonts, PaintFn paint) {
  PaintContext context{fonts, ColorsOf(control)};
  canvas.ResetTools();
  canvas.SetFace(&context.FaceOf(control));
  canvas.FillRect(0, 0, control.Width(), control.Height(), control.Color());
  paint(control, canvas, context);
}

}  // namespace qb
