"""Closing the window with unsaved changes asks to save the project; Cancel keeps the program
running with its work, and File > Exit answered No then ends it cleanly."""

import qbe2e


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Label")
    s.click(screen[0] + 20, screen[1] + 30)
    # The window manager's close (Alt+F4) on the main window.
    s.activate(s.main)
    s.key("alt+F4")
    s.wait_window("^Confirm$")
    s.screenshot("save-changes")
    s.answer_box("^Confirm$", "Escape")
    s.assert_alive("after Cancel")
    assert s.find_window(r"^Quillboard 1\.21 - Project1$"), s.windows()
    s.screenshot("still-running")

    s.menu("alt+f", "x")
    s.answer_box("^Confirm$", "alt+n")
    status = s.wait_exit()
    assert status == 0, status


qbe2e.run(journey)
