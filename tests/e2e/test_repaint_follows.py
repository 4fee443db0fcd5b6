"""The designer window repaints after every input that changes its form, and only then: a
placed Button's selection marks follow each arrow-key nudge on the screen, and the saved form
holds the place the last picture showed."""

import qbe2e

BLUE = (0, 0, 255)
SCREEN = 160  # the Palm screen's width and height in pixels


def journey(s):
    s.new_project("PToolBox")
    sx, sy = s.designer_screen()

    def corner(im):
        """The top-left pixel of the marks on the Palm screen, in screen-panel pixels."""
        found = im.crop(sx, sy, SCREEN, SCREEN).find(BLUE)
        return found

    def corner_at(where):
        return lambda im: corner(im) if corner(im) == where else None

    s.press_palette("PToolBox", "Button")
    s.click(sx + 40, sy + 40)
    first = s.wait_picture("the placed Button's marks", corner)
    s.screenshot("placed")

    # With the grid on an arrow moves by 4; each step shows before the next key goes.
    at = first
    for key, (dx, dy) in [("Right", (4, 0)), ("Down", (0, 4)), ("Down", (0, 4)),
                          ("Left", (-4, 0))]:
        s.key(key)
        at = (at[0] + dx, at[1] + dy)
        s.wait_picture("the marks at %s after %s" % (at, key), corner_at(at))
        s.assert_alive("after " + key)
    s.screenshot("nudged")
    assert at == (first[0], first[1] + 8), (first, at)

    project, form = s.save_new_project("repaint")
    button = qbe2e.read_ini(form)["Button1"]
    assert (int(button["Left"]), int(button["Top"])) == at, (button, at)


qbe2e.run(journey)
