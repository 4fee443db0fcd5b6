"""The shell as a user first sees it: the main window maximised; the zoom window wholly inside
the main window's client area, showing the form twice as large, closed by its close box; the
program nearly idle while the zoom shows an unchanging form; the about box with a fixed
border, white, centred, with the program icon."""

import os
import re
import subprocess
import time

import qbe2e

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "ui",
                      "pixel_icons.cpp")
ART_COLORS = {"#": (0, 0, 0), "g": (128, 128, 128), "w": (255, 255, 255), "b": (0, 0, 192),
              "r": (192, 0, 0), "y": (240, 208, 64), "G": (0, 128, 0)}
# Two 5 s windows, the quieter one counting: what the program spends idle is a floor, and
# another test running beside this one on a busy machine only ever adds to it.
IDLE_SECONDS = 5
IDLE_WINDOWS = 2
IDLE_LIMIT_PERCENT = 2.0


def program_art():
    """The program icon's rows as the program's own source draws them."""
    with open(SOURCE) as f:
        text = f.read()
    body = re.search(r"Art kProgram = \{(.*?)\};", text, re.S).group(1)
    return re.findall(r'"([^"]*)"', body)


def xprop(s, wid, name):
    return subprocess.run(["xprop", "-id", str(wid), name], capture_output=True, text=True,
                          env=dict(os.environ, DISPLAY=s.display)).stdout


def inside(s, wid):
    """(x, y, width, height) of a window's inside on the screen, as the X server has it."""
    out = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True,
                         env=dict(os.environ, DISPLAY=s.display)).stdout
    value = lambda name: int(re.search(name + r":\s+(-?\d+)", out).group(1))
    return (value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
            value("Height"))


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def doubled_rows(image, x, y, width, height):
    """The rows of a picture area, each pixel doubled across and each row twice."""
    rows = []
    for row in range(y, y + height):
        line = b"".join(bytes(image.pixel(col, row)) * 2 for col in range(x, x + width))
        rows += [line, line]
    return rows


def journey(s):
    state = xprop(s, s.main, "_NET_WM_STATE")
    assert "_NET_WM_STATE_MAXIMIZED_VERT" in state and "_NET_WM_STATE_MAXIMIZED_HORZ" in state, state
    s.new_project("PToolBox")
    s.screenshot("main-maximised")

    # Found before the zoom shows a picture of it too.
    sx, sy = s.designer_screen()
    s.menu("alt+v", "z")
    # The designer window's client picture is 167 x 226 with the Palm screen at (4, 2).
    expected = None

    def zoom_found(image):
        nonlocal expected
        expected = doubled_rows(image, sx - 4, sy - 2, 167, 226)
        i = image.data.find(expected[0])
        while i >= 0 and i % 3:
            i = image.data.find(expected[0], i + 1)
        return (image, ((i // 3) % image.width, (i // 3) // image.width)) if i >= 0 else None
    image, (zx, zy) = s.wait_picture("the zoom picture", zoom_found)
    s.screenshot("zoom-inside")
    for row in range(452):
        start = ((zy + row) * image.width + zx) * 3
        assert image.data[start:start + 334 * 3] == expected[row], "zoom row %d" % row
    mx, my, mw, mh = s.geometry(s.main)
    assert mx <= zx and zx + 334 <= mx + mw and my <= zy and zy + 452 <= my + mh, (zx, zy)

    # Idle with a form and the zoom shown: the zoom's timer finds nothing new to show.
    time.sleep(1)
    rates = []
    for _ in range(IDLE_WINDOWS):
        before = cpu_seconds(s.app.pid)
        time.sleep(IDLE_SECONDS)
        rates.append(100.0 * (cpu_seconds(s.app.pid) - before) / IDLE_SECONDS)
    used = min(rates)
    print("idle CPU with a form and the zoom shown: %s%% of a core"
          % " / ".join("%.2f" % r for r in rates))
    assert used < IDLE_LIMIT_PERCENT, used

    # The zoom window's close box, at the right end of its title bar just above the picture.
    title_y = zy - 10
    close_x = zx + 334 - 10
    s.click(close_x, title_y)
    s.wait_picture("the zoom gone",
                   lambda im: im if im.data.find(expected[0]) < 0 else None)
    s.assert_alive("after closing the zoom")

    s.menu("alt+h", "b")
    about = s.wait_window("^About Quillboard$")
    hints = xprop(s, about, "WM_NORMAL_HINTS")
    low = re.search(r"minimum size: (\d+) by (\d+)", hints)
    high = re.search(r"maximum size: (\d+) by (\d+)", hints)
    assert low and high and low.groups() == high.groups(), hints
    allowed = xprop(s, about, "_NET_WM_ALLOWED_ACTIONS")
    assert "MAXIMIZE" not in allowed and "RESIZE" not in allowed, allowed
    ax, ay, aw, ah = inside(s, about)
    left, right, top, bottom = [int(v) for v in
                                xprop(s, about, "_NET_FRAME_EXTENTS").split("=")[1].split(",")]
    sw, sh = s.SCREEN
    # The frame, title bar included, in the middle of the screen.
    frame_centre = (ax - left + (left + aw + right) / 2, ay - top + (top + ah + bottom) / 2)
    assert abs(frame_centre[0] - sw / 2) <= 2 and abs(frame_centre[1] - sh / 2) <= 2, frame_centre
    image = s.screenshot("about-box")
    assert image.pixel(ax + 3, ay + ah // 2) == (255, 255, 255)
    # The icon, stretched three times from its 16 x 16 art, pixel by pixel where it is opaque.
    art = program_art()
    first = bytes(ART_COLORS["#"]) * 3 * 11  # row 0: eleven black pixels from x = 2
    found = None
    for y in range(ay, ay + ah):
        start = (y * image.width + ax) * 3
        i = image.data.find(first, start, start + aw * 3)
        if i >= 0 and (i // 3) % image.width - 6 >= ax:
            found = ((i // 3) % image.width - 6, y)
            break
    assert found, "no program icon in the about box"
    ix, iy = found
    for row in range(48):
        for col in range(48):
            c = art[row // 3][col // 3]
            if c in ART_COLORS:
                assert image.pixel(ix + col, iy + row) == ART_COLORS[c], (col, row)
    s.key("Return")
    s.wait_window_gone("^About Quillboard$")


qbe2e.run(journey)
