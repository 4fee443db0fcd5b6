"""An Image stored wider than 40 is held to 40 as its form is read. Pressing, holding and
releasing on it raises no box and drags nothing, the pointer then moves freely, and Exit asks
nothing: looking at the form changed nothing."""

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
    # The reader held the Image to 40 as it entered: a press, a hold and a release on it raise
    # no box, drag nothing and change nothing.
    s.move(screen[0] + 100, screen[1] + 95)
    s.xdo("mousedown", 1)
    time.sleep(0.5)
    s.assert_alive("while the button is held")
    s.xdo("mouseup", 1)
    time.sleep(1.0)
    assert s.find_window("^Error$") is None, "a box opened for an Image that entered held"
    s.move(screen[0] + 60, screen[1] + 130)
    s.move(screen[0] + 40, screen[1] + 140)
    s.screenshot("pointer-moved")
    with open(form, "rb") as f:
        before = f.read()
    s.menu("alt+f", "x")  # nothing was changed: Exit asks nothing
    status = s.wait_exit()
    assert status == 0, status
    with open(form, "rb") as f:
        assert f.read() == before, "the form file changed"


qbe2e.run(journey)
