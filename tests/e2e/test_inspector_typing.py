"""Typing into the inspector key by key: a new Name and Left stick, a letter in Top raises the
error box, which is dismissed; the program lives on and the saved form holds the new values."""

import os

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS


def edit_cell(s, row, text):
    s.double_click(*s.inspector_cell(ROWS.index(row)))
    s.key("ctrl+a")
    s.type(text)


def journey(s):
    s.new_project("PToolBox")
    # The form's own rows first (Name, Title, ...): a name and a title with a space.
    s.double_click(*s.inspector_cell(0))
    s.key("ctrl+a")
    s.type("Main")
    s.double_click(*s.inspector_cell(1))
    s.key("ctrl+a")
    s.type("Hi there")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)

    # A single click on a value cell, then typing, replaces the value.
    s.click(*s.inspector_cell(ROWS.index("Width")))
    s.type("30")
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

    project, form = s.save_new_project("typed")
    controls = qbe2e.read_ini(form)
    assert (controls["FORM"]["Name"], controls["FORM"]["Title"]) == ("Main", "Hi there"), \
        controls["FORM"]
    assert "Hello" in controls, sorted(controls)
    hello = controls["Hello"]
    # Palm (12, 7) is panel (10, 5) for a PToolBox Button.
    assert (hello["Left"], hello["Top"]) == ("10", "5"), hello
    assert hello["Width"] == "34", hello  # Palm 30 plus the frame on both sides


qbe2e.run(journey)
