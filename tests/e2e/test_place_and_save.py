"""A new PToolBox project, one Button placed from the palette, the project saved through the
real menus and file dialogs: the project and form files on disk hold what was made."""

import os

import qbe2e


def journey(s):
    s.key("ctrl+n")
    s.wait_window("^New project$")
    s.key("End", "Return")  # the second library, PToolBox
    s.wait_window_gone("^New project$")
    s.wait_window(r"^Quillboard 1\.21 - Project1$")
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 40, screen[1] + 60)
    s.screenshot("placed")

    project = os.path.join(s.work, "journey.qbp")
    form = os.path.join(s.work, "first.qbf")
    s.menu("alt+f", "s")
    s.fill_file_dialog("^Save project$", project)
    s.fill_file_dialog("^Save Form$", form)
    s.wait_window(r"^Quillboard 1\.21 - journey$")

    saved = qbe2e.read_ini(project)
    assert saved["Project"]["Lib"] == "2", saved
    assert saved["ActiveForms"]["Form0"] == form, saved
    controls = qbe2e.read_ini(form)
    assert controls["FORM"]["Name"] == "Form1", controls
    button = controls["Button1"]
    assert button["Control"] == "Button", button
    assert button["Parent"] == "panScreen", button
    # The click point is the Button's Palm position (40, 60); the file keeps panel pixels,
    # two less for a PToolBox Button's frame.
    assert (button["Left"], button["Top"]) == ("38", "58"), button


qbe2e.run(journey)
