"""The designer takes the keys back and the zoom follows the inspector: with a cell editor of
the inspector open, a click on a control gives the designer the keyboard focus, so the arrow
keys move the control and typed letters do not reach the inspector; a value applied in the
inspector shows in the zoom (the screenshots also show the form's rows after a click on the
empty screen)."""

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS


def zoom_shows_moved(s, sx, sy):
    """The zoom's picture holds the designer's client picture (167 x 226, screen at (4, 2)),
    each pixel doubled, as the designer window shows it now."""
    def found(image):
        row = b"".join(bytes(image.pixel(col, sy - 2 + 70)) * 2 for col in range(sx - 4, sx + 163))
        i = image.data.find(row)
        while i >= 0 and i % 3:
            i = image.data.find(row, i + 1)
        return image if i >= 0 else None
    return s.wait_picture("the zoom showing the designer's picture", found)


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.menu("alt+v", "z")
    s.place_pt_button(screen, 40, 60)

    # A value applied in the inspector: the Button jumps to Palm Left 100, and the zoom shows it.
    s.double_click(*s.inspector_cell(ROWS.index("Left")))
    s.key("ctrl+a")
    s.type("100")
    s.key("Return")
    zoom_shows_moved(s, *screen)
    s.screenshot("zoom-after-apply")

    # The Name cell's editor holds the focus; a click on the Button takes it to the designer.
    s.double_click(*s.inspector_cell(ROWS.index("Name")))
    s.click(screen[0] + 112, screen[1] + 66)
    s.key("Right")
    s.type("zz")
    s.screenshot("after-keys")
    s.assert_alive("after the keys")

    # A click on the empty screen: the form's rows (Name first, then Title).
    s.click(screen[0] + 80, screen[1] + 140)
    s.screenshot("form-rows")
    project, form = s.save_new_project("focus")
    controls = qbe2e.read_ini(form)
    assert "Button1" in controls, sorted(controls)
    button = controls["Button1"]
    # Palm 100 is panel 98; one grid step of 4 pixels to the right.
    assert button["Left"] == "102", button


qbe2e.run(journey)
