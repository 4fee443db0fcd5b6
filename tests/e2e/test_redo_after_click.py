"""Selecting is not changing: a PToolBox Button dragged, the drag undone, an Image clicked
(a click, no move) and Ctrl+Y still redoes the drag; the saved form has the Button where it
was dragged."""

import os

import qbe2e


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)
    s.press_palette("PToolBox", "Bitmap")
    s.click(screen[0] + 100, screen[1] + 100)
    project, form = s.save_new_project("redo")
    placed = qbe2e.read_ini(form)["Button1"]

    s.drag(screen[0] + 50, screen[1] + 65, screen[0] + 50 + 24, screen[1] + 65 + 32)
    s.screenshot("dragged")
    s.activate(s.main)
    s.key("ctrl+z")
    s.screenshot("drag-undone")
    # A click on the Image, no move.
    s.click(screen[0] + 105, screen[1] + 105)
    s.screenshot("image-clicked")
    s.activate(s.main)
    s.key("ctrl+y")
    s.screenshot("drag-redone")
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")
    s.wait_window(r"^Quillboard 1\.21 - redo\.qbp$")
    qbe2e.wait_until("the Button moved in the file",
                     lambda: qbe2e.read_ini(form)["Button1"]["Left"] != placed["Left"])
    moved = qbe2e.read_ini(form)["Button1"]
    assert int(moved["Left"]) > int(placed["Left"]) and int(moved["Top"]) > int(placed["Top"]), \
        (placed, moved)


qbe2e.run(journey)
