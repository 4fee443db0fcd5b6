#pragma once

// The layout commands of the designer window's context menu: align edges, same width or
// height, centre, space equally, z-order and delete. They act on the selection marks of one
// window. The two libraries run the same routines; what differs is which coordinate set each
// kind uses for each quantity, written as one table per library.

#include <array>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "designer/pop_menu.h"
#include "form/ChildFor.h"
#include "model/library.h"
#include "model/ui.h"

namespace qb {

class Designer;

inline constexpr const char* kDeleteMenusQuestion = "Are you sure? All menus wil be deleted";

// What align and same size copy from the reference to the other marked controls.
enum class LayoutQuantity { kLeft, kRight, kTop, kBottom, kWidth, kHeight };
inline constexpr int kLayoutQuantityCount = 6;

enum class CoordUse { kNone, kPalm, kPanel };

// How a kind reads and writes one quantity: a position (left or top) uses only `position`, a
// size only `extent`, a far edge (right or bottom) both: position plus extent. Both kNone:
// the kind takes no part.
struct LayoutMeasure {
  CoordUse position = CoordUse::kNone;
  CoordUse extent = CoordUse::kNone;
  bool TakesPart() const { return position != CoordUse::kNone || extent != CoordUse::kNone; }
  bool operator==(const LayoutMeasure&) const = default;
};

// One row of a library's table: the kinds it covers and a measure per quantity.
struct LayoutKindRow {
  std::vector<KindId> kinds;
  std::array<LayoutMeasure, kLayoutQuantityCount> measures;
};

const std::vector<LayoutKindRow>& LayoutTable(LibraryId lib);
// The measure the control's kind uses; takes no part for a kind the library's table lacks.
LayoutMeasure MeasureOf(LibraryId lib, const TControl& control, LayoutQuantity quantity);

// Align Left / Right / Top / Bottom and Same Width / Height. The reference is the first
// primary-marked control met from back to front on the screen panel; a dialog met before it
// is searched first, and a red-marked control inside it makes the dialog's marked controls
// the targets instead.
void AlignControls(TChildFrm& form, LibraryId lib, LayoutQuantity quantity);
// Centres every marked control in its panel (the screen panel or its dialog).
void CenterControls(TChildFrm& form, bool horizontally);
// Spaces the marked controls of each panel equally between the outermost two.
void SpaceControls(TChildFrm& form, bool horizontally);

// The current control goes to the front or back of its panel; when the form itself is
// current, its window goes to the front or back among the main window's windows.
void BringCurrentToFront(Designer& designer, TChildFrm& form);
void SendCurrentToBack(Designer& designer, TChildFrm& form);
// Destroys the current control (a menu bar after asking, with every menu); afterwards the
// form is shown in the inspector and the chooser lists only what remains.
void DeleteCurrentControl(Designer& designer, Ui& ui, TChildFrm& form);

// Runs a context-menu command for the window with the current library's tables.
void RunLayoutCommand(Designer& designer, Ui& ui, TChildFrm& form, PopCommand command);

}  // namespace qb
