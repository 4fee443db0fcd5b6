"""A PToolBox Button made to open a dialog through its ShowForm list, then the dialog deleted
from the context menu and the project saved: the Button still names the dialog, and
quillboard-cli check finds it, as text and as JSON, with exit status 1; before the deletion
the same check passed."""

import json
import os
import subprocess

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS

FINDING = ("error: Form1: Button2: Button2's ShowForm names \"Dialog1\", which is no open form "
           "or dialog (ShowForm names an open form or dialog)\n")


def check(s, project, *options):
    cli = os.path.join(s.bin_dir, "quillboard-cli")
    return subprocess.run([cli, "check", project] + list(options), cwd=s.work,
                          capture_output=True, text=True, timeout=60)


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    # The dialog lies at a fixed place over the screen's lower half.
    s.press_palette("PToolBox", "Dialog")
    s.click(screen[0] + 80, screen[1] + 100)
    s.place_pt_button(screen, 40, 20)

    # The ShowForm list holds "(None)" and the dialog; "d" picks the dialog.
    s.click(*s.inspector_cell(ROWS.index("ShowForm")))
    s.wait_picture("the ShowForm list",
                   lambda im: s.inspector_rows_with_list(im, len(ROWS)) == [ROWS.index("ShowForm")])
    s.type("d")
    s.wait_picture("the list closed", lambda im: s.inspector_rows_with_list(im, len(ROWS)) == [])
    s.screenshot("button-opens-dialog")

    project, form = s.save_new_project("dangling")
    saved = qbe2e.read_ini(form)
    assert saved["Button2"]["ShowForm"] == "Dialog1", saved["Button2"]
    clean = check(s, project)
    assert (clean.returncode, clean.stdout) == (0, ""), (clean.returncode, clean.stdout,
                                                         clean.stderr)

    # The dialog goes; the Button keeps its link.
    s.click(screen[0] + 80, screen[1] + 120, button=3)
    s.key("d")  # "&Delete control"
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")  # the form file is there: replace it
    saved = qbe2e.wait_until("the form saved without its dialog",
                             lambda: (lambda f: f if "Dialog1" not in f else None)(
                                 qbe2e.read_ini(form)))
    assert saved["Button2"]["ShowForm"] == "Dialog1", saved["Button2"]
    s.screenshot("dialog-deleted")

    text = check(s, project)
    assert text.returncode == 1, (text.returncode, text.stdout, text.stderr)
    assert text.stdout == FINDING, text.stdout
    assert text.stderr == "", text.stderr
    as_json = check(s, project, "--format", "json")
    assert as_json.returncode == 1, (as_json.returncode, as_json.stderr)
    assert json.loads(as_json.stdout) == [{
        "severity": "error", "form": "Form1", "control": "Button2",
        "message": "Button2's ShowForm names \"Dialog1\", which is no open form or dialog",
        "rule": "ShowForm names an open form or dialog"}], as_json.stdout
    s.assert_alive("after the checks")


qbe2e.run(journey)
