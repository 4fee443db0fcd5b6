"""A cell editor ends with its control: a value cell left open while the user turns to
another control (a press on the designer, a Delete) takes no more keys. The CheckBox pressed
after the Button's Width row keeps its Width, the Dialog pressed after the Button's ShowForm
row keeps its place and Width, and the form's Title is untouched after a Delete; the program
reports no editor misuse."""

import os

import qbe2e

CC_BUTTON_ROWS = ["Content", "Edge", "Font", "Height", "Left", "Line", "Name", "ShowForm",
                  "Top", "Width"]


def journey(s):
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "Button")
    s.click(screen[0] + 20, screen[1] + 20)
    s.wait_picture("the Button's rows",
                   lambda im: s.inspector_cell(len(CC_BUTTON_ROWS) - 1, image=im))
    s.press_palette("CControls", "CheckBox")
    s.click(screen[0] + 20, screen[1] + 80)
    s.press_palette("CControls", "CheckBox")
    s.click(screen[0] + 90, screen[1] + 80)
    s.screenshot("placed")

    # The Button's Width row, then the first CheckBox pressed on the designer, then "9".
    s.click(screen[0] + 25, screen[1] + 24)
    s.click(*s.inspector_cell(CC_BUTTON_ROWS.index("Width")))
    s.screenshot("width-cell-open")
    s.click(screen[0] + 24, screen[1] + 84)
    s.type("9")
    s.screenshot("typed-after-press")
    s.assert_alive("after the press")

    # Delete: the second CheckBox's Width row open, the CheckBox pressed and deleted; the form's
    # rows come up and the next key reaches no cell.
    s.click(screen[0] + 94, screen[1] + 84)
    s.click(*s.inspector_cell(6))
    s.click(screen[0] + 94, screen[1] + 84)
    s.key("Delete")
    s.type("Z")
    s.screenshot("typed-after-delete")

    # The Dialog: the Button's ShowForm list open, the Dialog pressed, then "7".
    s.press_palette("CControls", "Dialog")
    s.click(screen[0] + 60, screen[1] + 120)
    s.screenshot("dialog-placed")
    s.click(screen[0] + 25, screen[1] + 24)
    s.click(*s.inspector_cell(CC_BUTTON_ROWS.index("ShowForm")))
    s.wait_picture("the ShowForm list",
                   lambda im: s.inspector_rows_with_list(im, len(CC_BUTTON_ROWS)) ==
                   [CC_BUTTON_ROWS.index("ShowForm")])
    s.screenshot("showform-list")
    s.click(screen[0] + 60, screen[1] + 100)
    s.type("7")
    s.screenshot("typed-after-dialog")
    s.assert_alive("after the keys")

    project, form = s.save_new_project("belongs")
    saved = qbe2e.read_ini(form)
    assert saved["FORM"]["Title"] == "Form1", saved["FORM"]
    checks = [name for name in saved if saved[name].get("Control") == "CheckBox"]
    assert len(checks) == 1, saved
    # Both CheckBoxes were placed alike; the one kept has its own Width (58), not "589".
    assert saved[checks[0]]["Width"] == "58", saved[checks[0]]
    dialogs = [name for name in saved if saved[name].get("Control") == "Dialog"]
    assert len(dialogs) == 1, saved
    dialog = saved[dialogs[0]]
    assert (dialog["Left"], dialog["Width"]) == ("3", "156"), dialog
    button = saved["Button1"]
    assert (button["Width"], button["ShowForm"]) == ("40", "(None)"), button


qbe2e.run(journey)
