"""Esc cancels what is under way: a Button dragged with the button still held goes back to
where it was when Esc comes, and its release places and moves nothing; a pressed palette
button comes up, so that the next click on the screen places nothing; Esc during a selection
rectangle puts the marks back."""

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)
    placed = s.screenshot("placed")

    # The drag: pressed inside the Button, moved, Esc, moved on, released.
    x0, y0 = screen[0] + 50, screen[1] + 65
    s.move(x0, y0)
    s.await_press_gap()
    s.xdo("mousedown", 1)
    for i in range(1, 6):
        s.move(x0 + 6 * i, y0 + 5 * i)
    s.screenshot("dragging")
    s.key("Escape")
    s.wait_picture("the Button back in its place",
                   lambda im: im.crop(screen[0], screen[1], 160, 160).data ==
                   placed.crop(screen[0], screen[1], 160, 160).data)
    s.screenshot("escaped")
    s.move(x0 + 40, y0 + 40)
    s.xdo("mouseup", 1)
    s.last_press = 0
    s.screenshot("released")

    # The palette: Label pressed, Esc, a click on the free screen places nothing.
    s.press_palette("PToolBox", "Label")
    s.key("Escape")
    s.click(screen[0] + 100, screen[1] + 120)
    s.screenshot("clicked-after-escape")

    # The rectangle: the Button selected, a rectangle dragged from free area, Esc, release.
    s.click(screen[0] + 50, screen[1] + 65)
    marked = s.screenshot("button-marked")
    s.move(screen[0] + 120, screen[1] + 130)
    s.await_press_gap()
    s.xdo("mousedown", 1)
    for i in range(1, 6):
        s.move(screen[0] + 120 - 8 * i, screen[1] + 130 - 8 * i)
    s.key("Escape")
    s.xdo("mouseup", 1)
    s.last_press = 0
    s.wait_picture("the marks as before the rectangle",
                   lambda im: im.crop(screen[0], screen[1], 160, 160).data ==
                   marked.crop(screen[0], screen[1], 160, 160).data)
    s.screenshot("rectangle-escaped")
    s.assert_alive("after the keys")

    project, form = s.save_new_project("escape")
    saved = qbe2e.read_ini(form)
    controls = [n for n in saved if n != "FORM"]
    assert controls == ["Button1"], saved
    # Palm (40, 60) less the two-pixel frame, as it was placed.
    assert (saved["Button1"]["Left"], saved["Button1"]["Top"]) == ("38", "58"), saved


qbe2e.run(journey)
