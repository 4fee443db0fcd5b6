#include "controls/painters.h"

#include "controls/CCForm.h"
#include "controls/CCForm_paint.h"
#include "controls/PTDialog.h"
#include "controls/PTDialog_paint.h"
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
    {ControlClass::kCCButton, PaintNothing},
    {ControlClass::kCCSwitch, PaintNothing},
    {ControlClass::kCCCheckbox, PaintNothing},
    {ControlClass::kCCLabel, PaintNothing},
    {ControlClass::kCCEdit, PaintNothing},
    {ControlClass::kCCListBox, PaintNothing},
    {ControlClass::kCCRadio, PaintNothing},
    {ControlClass::kCCDropDown, PaintNothing},
    {ControlClass::kCCPopUp, PaintNothing},
    {ControlClass::kCCMenuBar, PaintNothing},
    {ControlClass::kCCMenu, PaintNothing},
    {ControlClass::kCCBitmap, PaintNothing},
    {ControlClass::kCCTable, PaintNothing},
    {ControlClass::kPTDialog, PaintPTDialog},
    {ControlClass::kPTButton, PaintNothing},
    {ControlClass::kPTPopTrigger, PaintNothing},
    {ControlClass::kPTEdit, PaintNothing},
    {ControlClass::kPTCheckbox, PaintNothing},
    {ControlClass::kPTLabel, PaintNothing},
    {ControlClass::kPTList, PaintNothing},
    {ControlClass::kPTGsi, PaintNothing},
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
