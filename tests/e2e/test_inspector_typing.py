"""Typing into the inspector key by key: a new Name and Left stick, a letter in Top raises the
error box, which is dismissed; the program lives on and the saved form holds the new values."""

import os

import qbe2e

# The rows of a PToolBox Button, in the inspector's order.
ROWS = ["Font", "Frame", "Height", "Left", "Name", "ShowForm", "Text", "Top", "Type", "Width",
        "FillColor", "TextColor"]


def edit_cell(s, row, text):
    s.double_click(*s.inspector_cell(ROWS.index(row)))
    s.key("ctrl+a")
    s.type(text)


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 40, screen[1] + 60)
    s.wait_picture("the Button's rows", lambda im: s.inspector_cell(len(ROWS) - 1, image=im))

    edit_cell(s, "Name", "Hello")
    edit_cell(s, "Left", "12")
    edit_cell(s, "Top", "x")
    s.wait_window("^Quillboard$")
    s.screenshot("error")
    s.answer_box("^Quillboard$")
    s.assert_alive("after the error box")
    # The focus is back in the cell, which still shows what was typed: more digits go on.
    s.key("BackSpace")
    s.type("7")
    s.screenshot("after-error")

    project = os.path.join(s.work, "typed.qbp")
    form = os.path.join(s.work, "typed.qbf")
    s.save_project_as(project, [form])
    controls = qbe2e.read_ini(form)
    assert "Hello" in controls, sorted(controls)
    hello = controls["Hello"]
    # Palm (12, 7) is panel (10, 5) for a PToolBox Button.
    assert (hello["Left"], hello["Top"]) == ("10", "5"), hello


qbe2e.run(journey)
