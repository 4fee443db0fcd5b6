"""The project's own changes: a form opened into a project makes Exit ask to save the project,
and Yes lists the form in the project file, which opens with both forms again."""

import os
import time

import qbe2e


def journey(s):
    # A form of its own, saved in a first project.
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Label")
    s.click(screen[0] + 20, screen[1] + 30)
    _, extra = s.save_new_project("extra")
    s.menu("alt+f", "l")
    s.wait_window(r"^Quillboard 1\.21$")

    s.new_project("PToolBox")
    project, form = s.save_new_project("main")
    s.menu("alt+f", "f")
    s.fill_file_dialog("^Open Form$", extra)
    s.screenshot("form-opened")

    s.menu("alt+f", "x")
    s.wait_window("^Confirm$")
    s.screenshot("exit-asks")
    s.answer_box("^Confirm$", "alt+y")
    # The form file exists already: replace it, for each of the two forms.
    # The two questions come one right after the other under the same title.
    for _ in range(2):
        s.activate(s.wait_window("^Save form$"))
        s.key("alt+y")
        time.sleep(1.0)
    status = s.wait_exit()
    assert status == 0, status
    listed = qbe2e.read_ini(project)["ActiveForms"]
    assert sorted(os.path.basename(p) for p in listed.values()) == ["extra.qbf", "main.qbf"], \
        listed


qbe2e.run(journey)
