"""Pick lists open the way lists open: a click on the body of a shown list drops it and Down,
Return pick; Up to the Font row, then Alt+Down pressed as a quick chord (12 ms between the
keys) drops the Font list and Down, Return pick "Bold"; F4 drops a list too; Esc closes a
dropped list and keeps the value."""

import time

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS


def chord(s, modifier, key, gap=0.012):
    s.xdo("keydown", modifier, "sleep", gap, "keydown", key, "keyup", key, "keyup", modifier)


def below(s, image, row):
    """The value cells of the three rows under `row`, where a dropped list hangs."""
    x, y = s.inspector_cell(row, image=image)
    return image.crop(x - 18, y + s.ROW_HEIGHT - 6, 100, 3 * s.ROW_HEIGHT).data


def dropped(s, row, closed):
    return s.wait_picture("the list of row %d dropped" % row,
                          lambda im: below(s, im, row) != closed)


def undropped(s, row, closed):
    return s.wait_picture("the list of row %d closed" % row,
                          lambda im: below(s, im, row) == closed)


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)

    # Frame: a click on the value shows the list, a click on its body (not its arrow) drops
    # it; Down, Return pick "Bold".
    frame = ROWS.index("Frame")
    x, y = s.inspector_cell(frame)
    s.click(x, y)
    s.wait_picture("the Frame list", lambda im: s.inspector_rows_with_list(im, len(ROWS)) == [frame])
    closed = below(s, s.grab(), frame)
    s.click(x + 10, y)
    dropped(s, frame, closed)
    s.screenshot("frame-dropped-by-click")
    s.key("Down", "Return")
    undropped(s, frame, closed)

    # Up to Font, then Alt+Down at once: the Font list drops; Down, Return pick "Bold".
    s.click(x, y)
    s.wait_picture("the Frame list again",
                   lambda im: s.inspector_rows_with_list(im, len(ROWS)) == [frame])
    s.key("Up")
    font = ROWS.index("Font")
    s.wait_picture("the Font list", lambda im: s.inspector_rows_with_list(im, len(ROWS)) == [font])
    closed = below(s, s.grab(), font)
    chord(s, "alt", "Down")
    dropped(s, font, closed)
    s.screenshot("font-dropped-by-alt-down")
    s.key("Down", "Return")
    undropped(s, font, closed)
    s.screenshot("bold-picked")

    # Type: F4 right after Down reached it drops its list; Esc closes it and keeps the value.
    closed = below(s, s.grab(), frame)
    s.key("Down", "F4")  # to Frame, and at once its list
    dropped(s, frame, closed)
    s.screenshot("frame-dropped-by-f4")
    s.key("Down", "Escape")
    undropped(s, frame, closed)
    s.screenshot("escaped")
    s.assert_alive("after the lists")

    project, form = s.save_new_project("lists")
    button = qbe2e.read_ini(form)["Button1"]
    assert button["Font"].startswith("PilotBold,"), button
    # Bold is the second frame; Esc kept it.
    assert button["Frame"] == "1", button


qbe2e.run(journey)
