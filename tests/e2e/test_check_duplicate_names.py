"""Names defined twice in the generated code: a control on the form Second is renamed in the
inspector to the name of a Button on Hello (each window accepts it, its own names being
apart); F8 lists the clash as an error, a double-click on it selects the renamed control (the
arrow key then moves it alone, as the saved form shows), and the command-line check of the
saved project names the rule. Renamed back, saved, closed and opened again, a Button placed on
Second is not named Button1, which Hello's Button bears."""

import os
import subprocess
import json
import time

import qbe2e

MANUAL_FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                            "manual", "forms")
ERROR_MARK = (0xd0, 0x10, 0x10)
ROWS = qbe2e.PT_BUTTON_ROWS


def prepare(s):
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=2\r\nGrid=0\r\nShortNames=0\r\n")
    with open(os.path.join(MANUAL_FORMS, "pt-first-steps.qbf"), "rb") as f:
        form = f.read()
    assert form.count(b"btnOK") == 2 and b"Left=272" in form
    s.hello = os.path.join(s.work, "Hello.qbf")
    s.second = os.path.join(s.work, "Second.qbf")
    # Side by side: Hello at the left, Second to its right.
    with open(s.hello, "wb") as f:
        f.write(form.replace(b"btnOK", b"Button1").replace(b"Left=272", b"Left=300", 1))
    second = (form.replace(b"Name=Hello", b"Name=Second").replace(b"Title=Hello", b"Title=Second")
              .replace(b"btnOK", b"btnGo").replace(b"lblName", b"lblAge")
              .replace(b"fldName", b"fldAge").replace(b"Left=272", b"Left=560", 1))
    with open(s.second, "wb") as f:
        f.write(second)
    s.project = os.path.join(s.work, "Names.qbp")
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\nForm1=%s\r\n"
                 % (s.project, s.hello, s.second)).encode())
    return [s.project]


def screens(s, image=None):
    """The designer screens on the screen, left to right: each is found by the grey body over
    the black bezel, as designer_screen finds the first."""
    signature = bytes((192, 192, 192)) * 3 + bytes((0, 0, 0)) * 8

    def look(im):
        found, i = [], im.data.find(signature)
        while i >= 0:
            if i % 3 == 0:
                x, y = (i // 3) % im.width + 4, (i // 3) // im.width + 1
                if not any(abs(x - fx) < 20 and abs(y - fy) < 200 for fx, fy in found):
                    found.append((x, y))
            i = im.data.find(signature, i + 1)
        return sorted(found) if len(found) == 2 else None
    return s.wait_picture("two designer windows", look)


def rename(s, name):
    """Types a new name into the current Button's Name cell."""
    s.double_click(*s.inspector_cell(ROWS.index("Name")))
    s.key("ctrl+a")
    s.type(name)
    s.key("Return")


def save_project(s, what, saved):
    """Ctrl+S, answering each form's replace question with Yes, until saved() holds."""
    s.menu("ctrl+s")
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        found = saved()
        if found:
            return found
        wid = s.find_window("^Save form$")
        if wid is not None:
            s.activate(wid)
            s.key("y")
        time.sleep(0.3)
    raise qbe2e.E2EError("timed out waiting for " + what)


def cli_check(s):
    run = subprocess.run([os.path.join(s.bin_dir, "quillboard-cli"), "check", "--format",
                          "json", s.project], capture_output=True, cwd=s.work, timeout=60)
    return run.returncode, json.loads(run.stdout.decode() or "[]")


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Names$")
    hello, second = screens(s)
    # Second's Button at panel (8, 140), 46 x 17.
    s.click(second[0] + 30, second[1] + 148)
    s.wait_picture("the Button's rows",
                   lambda im: s.inspector_cell(len(ROWS) - 1, image=im))
    rename(s, "Button1")
    s.screenshot("renamed")
    s.assert_alive("after the rename")

    # F8: the clash is an error. A click on Hello's empty screen first, so that the
    # double-click has something to change.
    s.click(hello[0] + 80, hello[1] + 100)
    s.menu("F8")
    mark = s.wait_picture("the finding's mark in the list", lambda im: im.find(ERROR_MARK))
    s.screenshot("duplicate-listed")
    s.double_click(mark[0], mark[1] + 5)
    s.screenshot("duplicate-selected")
    s.key("Right")
    saved = save_project(s, "Second saved with the renamed Button moved",
                         lambda: (lambda f: f if "Button1" in f and
                                  f["Button1"]["Left"] == "9" else None)(
                             qbe2e.read_ini(s.second)))
    assert "btnGo" not in saved, sorted(saved)
    assert qbe2e.read_ini(s.hello)["Button1"]["Left"] == "8"
    status, findings = cli_check(s)
    assert status == 1, (status, findings)
    clash = [f for f in findings if f["rule"] == "every name of the generated code is defined once"]
    assert clash and clash[0]["form"] == "Second" and clash[0]["control"] == "Button1", findings
    assert clash[0]["severity"] == "error", clash

    # Renamed back and saved, the project closed and opened again: the control counter starts
    # at 0, yet the Button placed on Second skips Hello's Button1.
    rename(s, "btnGo")
    save_project(s, "Second saved with btnGo", lambda: "btnGo" in qbe2e.read_ini(s.second))
    s.menu("alt+f", "l")
    s.wait_picture("no designer window", lambda im: None if im.data.find(
        bytes((192, 192, 192)) * 3 + bytes((0, 0, 0)) * 8) >= 0 else im)
    s.screenshot("closed")
    s.menu("ctrl+o")
    s.fill_file_dialog("^Open Project$", s.project)
    hello, second = screens(s)
    s.press_palette("PToolBox", "Button")
    s.click(second[0] + 100, second[1] + 80)
    s.wait_picture("the new Button's rows",
                   lambda im: s.inspector_cell(len(ROWS) - 1, image=im))
    s.screenshot("placed-on-second")
    placed = save_project(s, "Second saved with the new Button",
                          lambda: (lambda f: f if len(f) > 4 else None)(
                              qbe2e.read_ini(s.second)))
    names = sorted(n for n in placed if n != "FORM")
    assert "Button1" not in names, names
    assert "Button2" in names, names
    assert "Button1" in qbe2e.read_ini(s.hello)
    assert cli_check(s)[0] == 0, cli_check(s)
    s.assert_alive("at the end")


qbe2e.run(journey, prepare)
