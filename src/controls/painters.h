#pragma once

// How a control is painted: one paint routine per control class, looked up in one table
// (painters.cpp), and the context every routine gets: the faces, and the colours of the
// control's form or dialog.

#include <string_view>

#include "controls/control.h"
#include "controls/font_registry.h"
#include "controls/palm_canvas.h"

namespace qb {

// The object colours a control takes from its PalmForm (the screen panel or a dialog), or
// the defaults when it has none.
struct FormColors {
  bool has_form = false;
  Color background = kWhite;  // the form's ColorFormFill or the dialog's ColorDialogFill
  Color frame = kBlack;
  Color fill = kWhite;
  Color text = kBlack;
  Color selected_fill = kBlack;
  Color selected_text = kWhite;
};
FormColors ColorsOf(const TControl& control);

struct PaintContext {
  const FontRegistry& fonts;
  FormColors form;
  const PalmFace& Face(std::string_view font_name) const { return fonts.Face(font_name); }
  const PalmFace& FaceOf(const TControl& c) const { return fonts.Face(c.Font().name); }
};

// Draws a control onto a canvas whose origin is the panel's top-left corner and whose clip
// is the panel. It may correct the control's own size; the picture then paints it again.
using PaintFn = void (*)(TControl&, PalmCanvas&, const PaintContext&);

// Draws nothing: the routine of a class that has none yet.
void PaintNothing(TControl& control, PalmCanvas& canvas, const PaintContext& context);
PaintFn PainterFor(ControlClass cls);
// Finds the routine of a class; PainterFor unless a caller brings its own.
using PainterLookup = PaintFn (*)(ControlClass cls);

// Paints one control onto a canvas already translated and clipped to its panel: resets the
// tools (the control's face, black pen and text, white brush), fills the panel with the
// control's Color, then runs paint.
void PaintControl(TControl& control, PalmCanvas& canvas, const FontRegistry& fonts, PaintFn paint);

}  // namespace qb
