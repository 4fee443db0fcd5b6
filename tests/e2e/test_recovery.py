"""Nothing lost to a kill: a new project with two Buttons placed and nothing saved, the program
killed (SIGKILL) after the autosave interval (2 s in options.ini); started again it asks
"Recover", Yes brings both Buttons back, Save Project As writes them, and the next start asks
nothing."""

import glob
import os
import time

import qbe2e


def prepare(s):
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=2\r\nGrid=0\r\n[AutoSave]\r\nSeconds=2\r\n")


def recovery_sets(s):
    return glob.glob(os.path.join(s.state, "quillboard", "recovery", "set-*", "set.ini"))


def set_with_both_buttons(s):
    for index in recovery_sets(s):
        for copy in glob.glob(os.path.join(os.path.dirname(index), "form*.qbf")):
            try:
                form = qbe2e.read_ini(copy)
            except OSError:  # replaced by the next write meanwhile
                continue
            if "Button1" in form and "Button2" in form:
                return copy
    return None


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 30, 40)
    s.place_pt_button(screen, 30, 90)
    copy = qbe2e.wait_until("a recovery set with both Buttons",
                            lambda: set_with_both_buttons(s), 15)
    s.screenshot("recovery-written")
    assert not [f for f in os.listdir(s.work)], os.listdir(s.work)  # no user file written
    s.app.kill()  # SIGKILL: no clean end
    s.app.wait()
    assert os.path.exists(copy)

    s.restart(dialog_at_start=True)
    s.wait_window("^Recover$")
    s.screenshot("question")
    s.answer_box("^Recover$", key="y")
    s.wait_window(r"^Quillboard 1\.21 - Project1$")
    screen = s.designer_screen()
    s.screenshot("recovered")

    project = os.path.join(s.work, "Back.qbp")
    form = os.path.join(s.work, "Back.qbf")
    s.save_project_as(project, [form])
    saved = qbe2e.read_ini(form)
    assert saved["Button1"]["Control"] == "Button", saved
    assert saved["Button2"]["Control"] == "Button", saved
    assert (saved["Button1"]["Top"], saved["Button2"]["Top"]) == ("38", "88"), saved
    assert qbe2e.read_ini(project)["ActiveForms"]["Form0"] == form
    # Everything saved: the set is gone at once.
    qbe2e.wait_until("the set removed", lambda: not recovery_sets(s), 5)
    s.menu("alt+f", "x")
    assert s.wait_exit() == 0

    s.restart()
    s.wait_window(r"^Quillboard 1\.21$")
    s.screenshot("next-start")
    # Nothing is asked: no box comes within a few seconds.
    end = time.monotonic() + 3
    while time.monotonic() < end:
        assert s.find_window("^Recover$") is None, "the next start asked again"
        time.sleep(0.1)
    assert not recovery_sets(s)


qbe2e.run(journey, prepare)
