"""A project whose second form is missing opens with one message naming it; the first form is
then changed by another program, and Ctrl+S asks before replacing it: No keeps the other
program's file and says the project was not saved; Yes replaces it, and the saved project still
lists the missing form."""

import os
import re

import qbe2e

FORM = b"[FORM]\r\nName=Alpha\r\nTop=4\r\nLeft=272\r\nLib=2\r\n\r\n[btnOK]\r\nControl=Button\r\nName=btnOK\r\nParent=panScreen\r\n" \
       b"Left=20\r\nTop=40\r\nWidth=40\r\nHeight=14\r\nText=OK\r\n"
THEIRS = FORM.replace(b"Text=OK", b"Text=Theirs")


def prepare(s):
    s.form = os.path.join(s.work, "Alpha.qbf")
    s.gone = os.path.join(s.work, "Gone.qbf")
    s.project = os.path.join(s.work, "Demo.qbp")
    with open(s.form, "wb") as f:
        f.write(FORM)
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\nForm1=%s\r\n"
                 % (s.form, s.gone)).encode())
    s.dialog_at_start = True
    return [s.project]


def next_box(s, title, after):
    """The box titled `title` that is not the window `after` (one box follows another)."""
    pattern = re.compile(title)

    def found():
        s.assert_alive("while waiting for a box")
        return next((wid for wid, t in s.windows() if pattern.search(t) and wid != after), None)
    return qbe2e.wait_until("a new box '%s'" % title, found)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def journey(s):
    s.wait_window("^Error$")
    s.screenshot("missing-form-said")
    s.answer_box("^Error$")
    s.wait_window(r"^Quillboard 1\.21 - Demo$")
    s.designer_screen()
    project_before = read(s.project)

    with open(s.form, "wb") as f:  # another program's save
        f.write(THEIRS)
    s.menu("ctrl+s")
    question = next_box(s, "^Warning$", None)
    s.screenshot("changed-question")
    s.activate(question)
    s.key("Return")  # No is the default
    report = next_box(s, "^Warning$", question)
    s.screenshot("not-saved")
    s.activate(report)
    s.key("Return")
    s.wait_window_gone("^Warning$")
    assert read(s.form) == THEIRS, read(s.form)
    assert read(s.project) == project_before
    s.assert_alive("after No")

    s.menu("ctrl+s")
    s.answer_box("^Warning$", key="y")
    saved = qbe2e.wait_until("the project saved",
                             lambda: read(s.project) != project_before and qbe2e.read_ini(s.project))
    assert list(saved["ActiveForms"].values()) == [s.form, s.gone], saved
    form = qbe2e.read_ini(s.form)
    assert form["btnOK"]["Text"] == "OK", form
    assert not os.path.exists(s.gone)
    # Our own save: the next one asks only the usual question.
    s.menu("ctrl+s")
    s.answer_box("^Save form$", key="y")
    s.wait_window(r"^Quillboard 1\.21 - Demo\.qbp$")
    assert s.find_window("^Warning$") is None


qbe2e.run(journey, prepare)
