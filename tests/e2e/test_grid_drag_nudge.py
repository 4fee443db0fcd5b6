"""A Label placed, dragged and nudged with the grid on, as a fresh installation starts: the
click, every drag distance and the arrow steps land where the grid's rounding puts them, and
the saved form holds that place."""

import os

import qbe2e


def label_place(form):
    label = qbe2e.read_ini(form)["Label1"]
    return int(label["Left"]), int(label["Top"])


def journey(s):
    s.new_project("PToolBox")
    sx, sy = s.designer_screen()
    # 13 / 4 = 3.25 rounds to 3 and 22 / 4 = 5.5 to the even 6: the Label lands at (12, 24).
    s.press_palette("PToolBox", "Label")
    s.click(sx + 13, sy + 22)
    s.screenshot("placed")
    at = (12, 24)

    # Dragged from inside, away from the resize zones: 5 pixels move by 4, 6 by 8, -6 by -8.
    steps = [((5, 6), (4, 8)), ((6, -6), (8, -8)), ((-5, 5), (-4, 4))]
    for (dx, dy), (mx, my) in steps:
        grab = (sx + at[0] + 10, sy + at[1] + 5)
        s.drag(grab[0], grab[1], grab[0] + dx, grab[1] + dy)
        at = (at[0] + mx, at[1] + my)
    s.screenshot("dragged")

    # With Ctrl held the distance is taken as it is.
    grab = (sx + at[0] + 10, sy + at[1] + 5)
    s.drag(grab[0], grab[1], grab[0] + 5, grab[1] + 6, modifiers=("ctrl",))
    at = (at[0] + 5, at[1] + 6)
    s.screenshot("ctrl-dragged")

    # Arrows: a grid step (4) at first; Space switches to single steps.
    s.key("Right", "Right", "Up")
    at = (at[0] + 8, at[1] - 4)
    s.key("space", "Down", "Left")
    at = (at[0] - 1, at[1] + 1)
    s.screenshot("nudged")

    project, form = s.save_new_project("grid")
    assert label_place(form) == at, (label_place(form), at)


qbe2e.run(journey)
