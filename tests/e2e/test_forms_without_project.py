"""A form made without a project is never thrown away unasked: Close All and Exit ask about it
("Confirm", Yes/No/Cancel); Cancel keeps the program and the form; Yes saves it through the
Save Form dialog and then ends the program, leaving the form file on disk."""

import os

import qbe2e


def place_button(s):
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 40, screen[1] + 60)


def journey(s):
    s.menu("alt+f", "e")  # N&ew Form shares its access key with Sav&e Form As
    s.key("Return")
    place_button(s)
    s.screenshot("form-without-project")

    s.menu("alt+f", "l")  # C&lose All
    s.wait_window("^Confirm$")
    s.screenshot("close-all-asks")
    s.answer_box("^Confirm$", "Escape")  # Cancel
    s.assert_alive("after Close All was cancelled")
    s.designer_screen()  # the form is still on the screen

    s.menu("alt+f", "x")  # E&xit
    s.answer_box("^Confirm$", "Escape")
    s.assert_alive("after Exit was cancelled")
    s.designer_screen()
    s.screenshot("exit-cancelled")

    form = os.path.join(s.work, "kept.qbf")
    s.menu("alt+f", "x")
    s.answer_box("^Confirm$", "Return")  # Yes, the default
    s.fill_file_dialog("^Save Form$", form)
    s.wait_exit()
    s.ended = True

    saved = qbe2e.read_ini(form)
    assert saved["FORM"]["Name"] == "Form1", saved
    assert saved["Button1"]["Control"] == "Button", saved


qbe2e.run(journey)
