"""Help > "Quillboard..." shows the manual's first steps in the help window, its picture as it
was drawn at build time; Escape closes it and the program goes on."""

import os

import pictures
import qbe2e


def journey(s):
    s.menu("alt+h", "Return")  # the menu's first item
    wid = s.wait_window(r"^Quillboard Help$")
    s.xdo("windowsize", "--sync", wid, 900, 980)
    s.xdo("windowmove", "--sync", wid, 0, 0)
    picture = pictures.png_rows(os.path.join(s.program_dir, "manual", "images",
                                             "pt-first-steps.png"))
    s.wait_picture("the first steps' picture in the help window",
                   lambda image: pictures.find_picture(image, picture))
    s.screenshot("first-steps")

    s.activate(wid)
    s.key("Escape")
    s.wait_window_gone(r"^Quillboard Help$")
    s.assert_alive("after the help window closed")


qbe2e.run(journey)
