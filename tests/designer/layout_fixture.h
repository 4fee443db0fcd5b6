#pragma once

// Controls placed with the palette, marked with the mouse, and a layout command run for the
// window.

#include <string>
#include <vector>

#include "designer/hit_test.h"
#include "designer/layout_commands.h"
#include "designer_fixture.h"

namespace qb::test {

inline constexpr Color kBlueMark = 16711680;
inline constexpr Color kNavyMark = 8388608;
inline constexpr Color kRedMark = 255;
inline constexpr Color kMaroonMark = 128;

class LayoutTest : public DesignerTest {
 protected:
  // A click in the middle of the control; with `add` it is Shift-clicked into the marks.
  void Pick(TChildFrm& form, TControl& control, bool add = false) {
    Point origin = OriginInClient(form, control);
    Click(form, {origin.x + control.Width() / 2, origin.y + control.Height() / 2},
          add ? ShiftState{kSsShift} : ShiftState{0});
  }

  void Run(TChildFrm& form, PopCommand command) { RunLayoutCommand(designer, ui, form, command); }

  // A click on the shown dialog at (x, y) of the dialog places the palette's kind there.
  TControl* PlaceInDialog(TChildFrm& form, PaletteButton button, int x, int y) {
    TPTDialog* dialog = form.ShownDialog();
    if (!dialog) return nullptr;
    return Place(form, button, dialog->Left() + x, dialog->Top() + y);
  }

  static std::vector<std::string> ListTexts(const TChildFrm& form) {
    std::vector<std::string> out;
    for (const auto& entry : form.ControlList()) out.push_back(entry.text);
    return out;
  }
};

}  // namespace qb::test
