"""The preview stays above the main window as its tool window: a click on the main window
leaves the preview on top, its picture unchanged; clicked again, the preview has the keys:
Ctrl+Z there undoes nothing in the design and Esc closes the preview. A Button held down in
the preview is drawn in the form's selected colours (white letters on black) inside its
frame, whose corners keep the form's white."""

import os

import pictures
import qbe2e

SCALE = 2
SCREEN_LEFT, SCREEN_TOP = 4, 2
TITLE_ROWS = SCREEN_TOP + 13


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)
    project, form = s.save_new_project("ontop")
    design = s.grab().crop(screen[0], screen[1], 160, 160).data
    drawn = pictures.render(s.bin_dir, form, 2, os.path.join(s.temp, "form.png"), SCALE)

    s.menu("ctrl+r")
    preview = s.wait_window(r"^Preview - Form1$")
    s.activate(preview)
    origin = s.wait_picture("the form in the preview",
                            lambda im: pictures.find_picture(im, drawn, TITLE_ROWS * SCALE))
    px, py, pw, ph = s.geometry(preview)
    shown = s.screenshot("preview").crop(px, py, pw, ph).data

    # A click on the main window's free area, away from the preview.
    mx, my, mw, mh = s.geometry(s.main)
    s.click(mx + mw - 40, my + mh - 90)
    qbe2e.wait_until("the main window active", lambda: s.active_title().startswith("Quillboard"))
    s.wait_picture("the preview still on top",
                   lambda im: im.crop(px, py, pw, ph).data == shown)
    s.screenshot("main-clicked")

    # The Button (Palm 40, 60; 38, 58 with its frame) held down in the preview.
    s.activate(preview)
    bx = origin[0] + (SCREEN_LEFT + 38) * SCALE
    by = origin[1] + (SCREEN_TOP + 58) * SCALE
    s.move(bx + 20 * SCALE, by + 7 * SCALE)
    s.await_press_gap()
    s.xdo("mousedown", 1)
    held = s.wait_picture("the Button pressed",
                          lambda im: im if im.pixel(bx + 5 * SCALE, by + 7 * SCALE) == (0, 0, 0)
                          else None)
    s.screenshot("button-held")
    # Inside the frame the selected fill; the corner outside the frame keeps the form's white.
    assert held.pixel(bx, by) == (255, 255, 255), held.pixel(bx, by)
    s.move(origin[0] + 150 * SCALE, origin[1] + 30 * SCALE)  # off the Button: no tap
    s.xdo("mouseup", 1)
    s.last_press = 0
    s.wait_picture("the Button released",
                   lambda im: im.pixel(bx + 5 * SCALE, by + 7 * SCALE) == (255, 255, 255))

    # The keys go to the preview: Ctrl+Z there changes nothing in the design; Esc closes it.
    s.key("ctrl+z")
    s.key("Escape")
    s.wait_window_gone(r"^Preview - Form1$")
    after = s.screenshot("preview-closed")
    assert after.crop(screen[0], screen[1], 160, 160).data == design, "the design changed"
    s.assert_alive("after the preview")


qbe2e.run(journey)
