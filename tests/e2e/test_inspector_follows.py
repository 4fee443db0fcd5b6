"""The inspector follows what happened elsewhere: after an arrow nudge its Left cell holds the
new position (edited from there), and after New Project of the other library no cell editor
of the old grid is left open to catch the next keys."""

import os

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)
    # The placed Button is current and the cursor keys move it by the grid step, 4 pixels.
    s.click(screen[0] + 45, screen[1] + 64)
    s.key("Right")
    s.screenshot("nudged")
    # Edit the Left cell from what it shows: dropping its first digit leaves "4" of "44"
    # (a stale "40" would leave "0").
    s.double_click(*s.inspector_cell(ROWS.index("Left")))
    s.key("Home", "Delete")
    project, form = s.save_new_project("follows")
    button = qbe2e.read_ini(form)["Button1"]
    assert button["Left"] == "2", button  # Palm 4 is panel 2

    # An editor open on the Name cell, then New Project of the other library.
    s.double_click(*s.inspector_cell(ROWS.index("Name")))
    s.menu("alt+f", "n")  # nothing changed since the save: no question first
    s.wait_window("^New project$")
    s.key("Home", "Return")
    s.wait_window_gone("^New project$")
    s.wait_window(r"^Quillboard 1\.21 - Project1$")
    s.designer_screen()
    s.screenshot("new-project")
    s.type("zz")
    s.screenshot("after-keys")
    second = os.path.join(s.work, "second.qbp")
    second_form = os.path.join(s.work, "second.qbf")
    s.save_project_as(second, [second_form])
    saved = qbe2e.read_ini(second_form)
    assert saved["FORM"]["Name"] == "Form1" and saved["FORM"]["Lib"] == "1", saved["FORM"]


qbe2e.run(journey)
