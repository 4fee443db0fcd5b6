"""Selection marks after Undo and Redo carry the rule's colours: a Button inside a dialog,
dragged and the drag undone with Ctrl+Z, is marked red (never blue); redone with Ctrl+Y it is
red again; a Button on the screen panel, moved and undone, is marked blue."""

import qbe2e

RED = (255, 0, 0)
BLUE = (0, 0, 255)


def count(image, screen, color):
    area = image.crop(screen[0], screen[1], 160, 160)
    return sum(1 for _ in area.places(bytes(color)))


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Dialog")
    s.click(screen[0] + 20, screen[1] + 40)
    s.screenshot("dialog")
    # A Button inside the dialog's area, then dragged there.
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 40, screen[1] + 110)
    placed = s.screenshot("button-in-dialog")
    assert count(placed, screen, RED) > 0 and count(placed, screen, BLUE) == 0, "not red at first"
    s.drag(screen[0] + 45, screen[1] + 114, screen[0] + 70, screen[1] + 122)
    s.screenshot("dragged")

    s.activate(s.main)
    s.key("ctrl+z")
    s.wait_picture("the drag undone",
                            lambda im: count(im, screen, RED) > 0 and
                            im.crop(screen[0], screen[1], 160, 160).data ==
                            placed.crop(screen[0], screen[1], 160, 160).data)
    undone = s.screenshot("undone")
    assert count(undone, screen, RED) > 0 and count(undone, screen, BLUE) == 0
    s.key("ctrl+y")
    s.wait_picture("the drag redone",
                            lambda im: im.crop(screen[0], screen[1], 160, 160).data !=
                            placed.crop(screen[0], screen[1], 160, 160).data)
    redone = s.screenshot("redone")
    assert count(redone, screen, RED) > 0 and count(redone, screen, BLUE) == 0

    # A Button on the screen panel above the dialog: moved, undone, blue.
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 30, screen[1] + 20)
    s.drag(screen[0] + 35, screen[1] + 24, screen[0] + 60, screen[1] + 24)
    s.activate(s.main)
    s.key("ctrl+z")
    s.wait_picture("the second drag undone", lambda im: count(im, screen, BLUE) > 0)
    last = s.screenshot("screen-button-undone")
    assert count(last, screen, RED) == 0, "a mark in the dialog kept beside the new selection"
    s.assert_alive("after undo and redo")


qbe2e.run(journey)
