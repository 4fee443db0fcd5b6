"""An Image dragged wider than 40 with the mouse: the box about the limit opens once the
mouse has been released, the program lives on and the Image is held to 40."""

import os

import qbe2e


def journey(s):
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "Bitmap")
    # Placed on the 4-pixel grid: the 20 x 20 Image lies at (88, 88).
    s.click(screen[0] + 90, screen[1] + 90)
    s.drag(screen[0] + 106, screen[1] + 98, screen[0] + 140, screen[1] + 98)
    s.wait_window("^Error$")
    s.screenshot("limit-box")
    s.answer_box("^Error$")
    s.assert_alive("after the limit box")
    project, form = s.save_new_project("limit")
    images = [c for c in qbe2e.read_ini(form).values() if c.get("Control") == "Image"]
    assert len(images) == 1, images
    assert (images[0]["Left"], images[0]["Width"], images[0]["Height"]) == ("88", "40", "20"), \
        images


qbe2e.run(journey)
