"""A selected Button lying under another one still shows all its selection marks: the squares
that fall on the Button on top are drawn over it, pixel for pixel in the selection blue."""

import os

import qbe2e

BLUE = (0, 0, 255)


def squares(width, height):
    """Top-left corners of the eight 3 x 3 mark squares of a width x height control."""
    def nearest_half(n):  # n / 2 rounded to nearest, halves to even
        q, r = divmod(n, 2)
        return q + (1 if r and q % 2 else 0)
    cx, cy = nearest_half(width), nearest_half(height)
    r, b = width - 3, height - 3
    return [(0, 0), (cx - 1, 0), (r, 0), (r, cy - 1), (r, b), (cx - 1, b), (0, b), (0, cy - 1)]


def journey(s):
    s.new_project("PToolBox")
    sx, sy = s.designer_screen()
    for y in (40, 100):
        s.press_palette("PToolBox", "Button")
        s.click(sx + 40, sy + y)
    project, form = s.save_new_project("marks")
    controls = qbe2e.read_ini(form)
    under = [int(controls["Button1"][k]) for k in ("Left", "Top", "Width", "Height")]
    top = [int(controls["Button2"][k]) for k in ("Left", "Top", "Width", "Height")]

    # The second Button, on top, dragged up to cover the lower part of the first.
    grab = (sx + top[0] + top[2] // 2, sy + top[1] + top[3] // 2)
    dy = under[1] + 8 - top[1]
    s.drag(grab[0], grab[1], grab[0], grab[1] + dy)
    top[1] += dy
    # The first Button selected by a click on the part still in view.
    s.click(sx + under[0] + under[2] // 2, sy + under[1] + 5)
    image = s.wait_picture(
        "the first Button's marks",
        lambda im: im if im.pixel(sx + under[0] + 1, sy + under[1] + 1) == BLUE else None)
    s.screenshot("covered-marks")

    covered = 0
    for x0, y0 in squares(under[2], under[3]):
        for dx in range(3):
            for dy_ in range(3):
                x, y = under[0] + x0 + dx, under[1] + y0 + dy_
                assert image.pixel(sx + x, sy + y) == BLUE, (x, y, image.pixel(sx + x, sy + y))
                if top[0] <= x < top[0] + top[2] and top[1] <= y < top[1] + top[3]:
                    covered += 1
    # At least the three bottom squares lie on the Button on top.
    assert covered >= 3 * 9, covered
    # The second Button is not marked: its own corner away from the first shows no blue.
    assert image.pixel(sx + top[0] + top[2] - 2, sy + top[1] + top[3] - 2) != BLUE


qbe2e.run(journey)
