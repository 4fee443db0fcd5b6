"""Values the rules refuse, typed into the inspector: a Name that is no identifier and an Image
wider than 40. Each box is dismissed, the program lives on and the saved form holds the old
name and the held width."""

import os

import qbe2e

BUTTON_ROWS = ["Content", "Edge", "Font", "Height", "Left", "Line", "Name", "ShowForm", "Top",
               "Width"]
IMAGE_ROWS = ["Bitmap", "Clickable", "Height", "Left", "Name", "Top", "Width"]


def edit_cell(s, row, text):
    s.double_click(*s.inspector_cell(row))
    s.key("ctrl+a")
    s.type(text)


def journey(s):
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "Button")
    s.click(screen[0] + 30, screen[1] + 40)
    s.wait_picture("the Button's rows",
                   lambda im: s.inspector_cell(len(BUTTON_ROWS) - 1, image=im))
    edit_cell(s, BUTTON_ROWS.index("Name"), "1")
    s.wait_window("^Quillboard$")
    s.screenshot("bad-name")
    s.answer_box("^Quillboard$")
    s.assert_alive("after the name error")

    s.press_palette("CControls", "Bitmap")
    s.click(screen[0] + 90, screen[1] + 90)
    s.wait_picture("the Image's rows",
                   lambda im: s.inspector_rows_with_list(im, len(IMAGE_ROWS)) == [] and
                   s.inspector_cell(len(IMAGE_ROWS) - 1, image=im))
    edit_cell(s, IMAGE_ROWS.index("Width"), "50")
    s.wait_window("^Error$")
    s.screenshot("too-wide")
    s.answer_box("^Error$")
    s.assert_alive("after the width message")
    s.screenshot("held-to-40")
    # The held width reaches the cell editor: its last digit replaced by "0" is 40 again
    # (from a kept "50" it would be 50 and raise the message once more).
    s.key("BackSpace")
    s.type("0")

    project, form = s.save_new_project("errors")
    controls = qbe2e.read_ini(form)
    assert "Button1" in controls and "1" not in controls, sorted(controls)
    images = [c for c in controls.values() if c.get("Control") == "Image"]
    assert len(images) == 1 and images[0]["Width"] == "40", images


qbe2e.run(journey)
