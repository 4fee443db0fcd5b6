"""A click on an Image stored wider than 40 raises the limit box when its rows are shown. The
box opens once the button is up, so the release is not lost: afterwards the pointer moves
freely and the Image stays where it was, held to 40."""

import os
import time

import qbe2e


def journey(s):
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "Bitmap")
    s.click(screen[0] + 90, screen[1] + 90)  # a 20 x 20 Image at (88, 88)
    project, form = s.save_new_project("wide")
    with open(form, "rb") as f:
        text = f.read().decode("latin-1")
    assert "Width=20" in text, text
    with open(form, "wb") as f:
        f.write(text.replace("Width=20", "Width=50", 1).encode("latin-1"))

    s.menu("alt+f", "o")  # nothing changed since the save: no question first
    s.fill_file_dialog("^Open Project$", project)
    s.wait_window(r"^Quillboard 1\.21 - wide$")
    screen = s.designer_screen()
    # Press and hold: the box waits for the release.
    s.move(screen[0] + 100, screen[1] + 95)
    s.xdo("mousedown", 1)
    time.sleep(0.5)
    s.assert_alive("while the button is held")
    assert s.find_window("^Error$") is None, "the box opened while the button was held"
    s.xdo("mouseup", 1)
    s.wait_window("^Error$")
    s.screenshot("limit-box")
    s.answer_box("^Error$")
    # No button is down: moving the pointer over the form drags nothing.
    s.move(screen[0] + 60, screen[1] + 130)
    s.move(screen[0] + 40, screen[1] + 140)
    s.screenshot("pointer-moved")
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")  # replace the form file
    s.wait_window(r"^Quillboard 1\.21 - wide\.qbp$")
    images = [c for c in qbe2e.read_ini(form).values() if c.get("Control") == "Image"]
    assert len(images) == 1, images
    assert (images[0]["Left"], images[0]["Top"], images[0]["Width"]) == ("88", "88", "40"), \
        images


qbe2e.run(journey)
