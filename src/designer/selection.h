#pragma once

// Selection marks: which controls of a window are marked, and in which colour.

#include <vector>

#include "controls/control.h"
#include "form/ChildFor.h"
#include "form/app_state.h"

namespace qb {

// Show selection: the current control of the window gets its mark; without `add` every other
// mark of the window goes. The current control becomes the window's last selected control.
void ShowSelection(AppState& state, TChildFrm& form, bool add);

// Clears the marks of every control on the screen panel, inside its dialogs, and of the menus.
void ClearAllMarks(TChildFrm& form);

// The colour a control gets when it is marked: blue on the screen panel, red inside a dialog;
// navy or maroon when it is added (Shift) while a sibling is already marked.
Color MarkColor(const TControl& control, bool add);

// Marks a control by the colour rule. A dialog keeps its own colour, so a marked dialog always
// reads as the first of a selection; marking inside a dialog unmarks the dialog. Menus and the
// menu bar are never marked.
void MarkControl(TControl& control, bool add);

// Whether a control's mark is the first colour of its panel (blue, or red inside a dialog),
// which makes it the reference of the layout commands. A dialog keeps its own colour and so
// always counts as first.
bool IsPrimaryMark(const TControl& control);

// Whether a control lies on a form's screen panel or inside one of its dialogs, and so can
// carry a selection mark.
bool IsMarkable(const TChildFrm& form, const TControl& control);

// The other marked controls lying on the same panel as the control, back to front.
std::vector<TControl*> MarkedSiblings(const TControl& control);

// Makes the control the first of its panel's selection: it takes the first colour (blue, red
// inside a dialog), every other marked control of the panel the second (navy, maroon).
void MakePrimaryMark(TControl& control);

// Gives every mark of the window its colour by the rule, as after marking the selection anew:
// on each panel the current control (else the first marked one) takes the first colour,
// the other marked controls the second. Used when marks come back without colours (undo).
void RecolourMarks(TChildFrm& form, const TControl* current);

// The controls of a panel that a rectangle (in the panel's coordinates) touches, back to front:
// visible controls only, never menus.
std::vector<TControl*> ControlsTouching(const TControl& panel, const Rect& area);

}  // namespace qb
