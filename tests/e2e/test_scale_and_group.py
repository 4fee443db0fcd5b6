"""The designer at 2x, 1x and 3x, and several controls edited at once. A program that starts
with "Design"/"Scale" = 2 shows every device pixel as 2 x 2 screen pixels: a click at screen
offset (26, 44) places a Label at device (12, 24) with the grid on, and a drag of 10 screen
pixels moves it by 4 device pixels. Two marked Labels then move together by the mouse, and a
rectangle drawn around them marks both for an arrow key. Ctrl+0 goes back to 1x, the menu
to 3x, and the last scale is kept in options.ini."""

import os
import time

import qbe2e

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def prepare(s):
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=2\r\nGrid=1\r\nShortNames=0\r\n\r\n[Design]\r\nScale=2\r\n")
    return []


def screen_at(s, scale, image=None):
    """Top-left screen pixel of the Palm screen at a scale: inside the bezel, which is one
    device pixel (scale screen pixels) wide."""
    x, y = s.designer_screen(image)  # where the screen would start at 1x
    return x - 1 + scale, y - 1 + scale


def bezel_width(s, scale):
    """The black top line of the bezel, in screen pixels: the 160 device pixels of the Palm
    screen and the bezel's two sides."""
    image = s.grab()
    x, y = screen_at(s, scale, image)
    return image.run_right(x - scale, y - scale, BLACK), image


def at_device(screen, scale, dx, dy):
    """The middle of a device pixel, on the screen."""
    return screen[0] + dx * scale + scale // 2, screen[1] + dy * scale + scale // 2


def places(form, *names):
    """Where the saved form puts the controls; None while one of them is not saved yet."""
    saved = qbe2e.read_ini(form)
    if not all(n in saved for n in names):
        return None
    return [(int(saved[n]["Left"]), int(saved[n]["Top"])) for n in names]


def journey(s):
    s.new_project("PToolBox")
    scale = 2
    width, image = bezel_width(s, scale)
    assert width == 162 * scale, width
    screen = screen_at(s, scale, image)
    s.screenshot("scale2-new")

    # Screen offset (26, 44) is device (13, 22): 13 / 4 rounds to 3 and 22 / 4 = 5.5 to the
    # even 6, so the Label lands at (12, 24) as a click at (13, 22) does at 1x.
    s.press_palette("PToolBox", "Label")
    s.click(screen[0] + 26, screen[1] + 44)
    s.wait_picture("the placed Label's mark",
                   lambda im: im.pixel(*at_device(screen, scale, 12, 24)) != WHITE)
    # 10 screen pixels are 5 device pixels, which the grid rounds to 4.
    grab = at_device(screen, scale, 12 + 8, 24 + 5)
    s.drag(grab[0], grab[1], grab[0] + 10, grab[1])
    s.screenshot("scale2-dragged")
    _, form = s.save_new_project("scaled")
    assert places(form, "Label1") == [(16, 24)], places(form, "Label1")

    # A second Label at device (60, 80); then both marked (Shift+click adds the second).
    s.press_palette("PToolBox", "Label")
    s.click(*at_device(screen, scale, 60, 80))
    s.click(*at_device(screen, scale, 16 + 8, 24 + 5))
    s.move(*at_device(screen, scale, 60 + 8, 80 + 5))
    s.xdo("keydown", "shift")
    s.click(*at_device(screen, scale, 60 + 8, 80 + 5))
    s.xdo("keyup", "shift")
    s.screenshot("scale2-two-marked")
    # Dragging the first by 20 x 16 screen pixels (10 x 8 device: 10 / 4 = 2.5 rounds to the
    # even 2) moves both by 8 x 8.
    grab = at_device(screen, scale, 16 + 8, 24 + 5)
    s.drag(grab[0], grab[1], grab[0] + 20, grab[1] + 16)
    s.screenshot("scale2-group-dragged")
    s.menu("alt+f", "s")  # Save Project
    s.answer_box("^Save form$", "alt+y")  # the form file is there: replace it
    s.wait_picture("the group's new place saved",
                   lambda _: places(form, "Label1", "Label2") == [(24, 32), (68, 88)], timeout=10)

    # A click on free area clears the marks; a rectangle drawn from free area around both
    # marks them again, and one arrow key (grid step, 4) moves both.
    s.click(*at_device(screen, scale, 120, 140))
    start = at_device(screen, scale, 10, 20)
    end = at_device(screen, scale, 100, 100)
    s.move(*start)
    s.await_press_gap()
    s.xdo("mousedown", 1)
    s.last_press = time.monotonic()
    for i in range(1, 9):
        s.move(start[0] + (end[0] - start[0]) * i // 8, start[1] + (end[1] - start[1]) * i // 8)
    # The rectangle is drawn while the button is down: its dotted bottom line runs along the
    # last screen row of device row 100 (grid dots alone blacken a few pixels of a row).
    row = screen[1] + 100 * scale + scale - 1
    s.wait_picture("the selection rectangle",
                   lambda im: sum(im.pixel(x, row) == BLACK
                                  for x in range(screen[0] + 20 * scale, screen[0] + 100 * scale))
                   > 40)
    s.screenshot("scale2-band-drawn")
    s.xdo("mouseup", 1)
    s.screenshot("scale2-band-marked")
    s.key("Right")
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")
    s.wait_picture("the nudged group saved",
                   lambda _: places(form, "Label1", "Label2") == [(28, 32), (72, 88)], timeout=10)

    # Ctrl+0: back to 1x, the window shrinks to the device's own size.
    s.activate(s.main)
    s.key("ctrl+0")
    s.wait_picture("the 1x designer", lambda im: bezel_width_in(s, im, 1) == 162)
    s.screenshot("scale1")
    # View > Designer Scale > 3x.
    s.menu("alt+v", "s", "3")
    s.wait_picture("the 3x designer", lambda im: bezel_width_in(s, im, 3) == 162 * 3)
    s.screenshot("scale3")
    s.assert_alive("after the scale changes")

    # Everything is saved and the scale is no change of a form: Exit asks nothing.
    s.menu("alt+f", "x")
    s.wait_exit()
    s.ended = True
    options = qbe2e.read_ini(os.path.join(s.config, "quillboard", "options.ini"))
    assert options["Design"]["Scale"] == "3", options


def bezel_width_in(s, image, scale):
    try:
        x, y = screen_at(s, scale, image)
    except qbe2e.E2EError:
        return None
    return image.run_right(x - scale, y - scale, BLACK)


qbe2e.run(journey, prepare)
