"""Project > Check Layout on a project whose Button opens a form that is gone: F8 lists the
finding, a double-click on it makes the Button current (the arrow key then moves that Button
alone, as the saved form shows); Generate Code asks first, No leaves the output folder
empty and shows the findings, Yes opens the generate dialog. A double quote typed into its App
name field makes Generate ask again; No generates and writes nothing. With the quote taken
out, Generate and Save write the files."""

import os
import shutil

import qbe2e

MANUAL_FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                            "manual", "forms")
# The error's mark in the list: a red disc in one flat colour.
ERROR_MARK = (0xd0, 0x10, 0x10)
OUTPUTS = ["Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h"]


def prepare(s):
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=2\r\nGrid=0\r\nShortNames=0\r\n")
    with open(os.path.join(MANUAL_FORMS, "pt-first-steps.qbf"), "rb") as f:
        form = f.read()
    assert form.count(b"ShowForm=(None)") == 1
    s.form = os.path.join(s.work, "Hello.qbf")
    with open(s.form, "wb") as f:
        f.write(form.replace(b"ShowForm=(None)", b"ShowForm=Gone"))
    s.out = os.path.join(s.work, "out")
    s.project = os.path.join(s.work, "Demo.qbp")
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\n"
                 "\r\n[Code]\r\nMemo=0\r\nFirstForm=Hello\r\nOutput=%s\r\n"
                 % (s.project, s.form, s.out)).encode())
    return [s.project]


def button_rows_shown(s, image):
    """Whether the inspector's grey name column reaches its last Button row: the form's own
    rows are fewer."""
    origin = image.find(s.NAME_COLUMN_GREY)
    if not origin:
        return False
    last = len(qbe2e.PT_BUTTON_ROWS) - 1
    return image.pixel(origin[0] + 2, origin[1] + last * s.ROW_HEIGHT + 8) == s.NAME_COLUMN_GREY


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Demo$")
    s.designer_screen()
    before = qbe2e.read_ini(s.form)

    assert not button_rows_shown(s, s.grab())  # the form is current
    s.menu("F8")
    mark = s.wait_picture("the finding's mark in the list", lambda im: im.find(ERROR_MARK))
    s.screenshot("findings")
    # The mark's first red pixel is the top of the disc; its middle lies 5 pixels below.
    s.double_click(mark[0], mark[1] + 5)
    s.wait_picture("the Button's rows in the inspector", lambda im: button_rows_shown(s, im))
    s.screenshot("button-current")
    s.assert_alive("after the double-click")

    # The arrow moves the current control by one pixel: only btnOK moves.
    s.key("Right")
    s.menu("ctrl+s")
    s.answer_box("^Save form$", key="y")
    saved = qbe2e.wait_until("the form saved with btnOK moved",
                             lambda: (lambda f: f if f["btnOK"]["Left"] != "8" else None)(
                                 qbe2e.read_ini(s.form)))
    assert saved["btnOK"]["Left"] == "9", saved["btnOK"]
    for name in ("lblName", "fldName"):
        assert saved[name]["Left"] == before[name]["Left"], (name, saved[name])
    assert saved["btnOK"]["ShowForm"] == "Gone", saved["btnOK"]

    # Generate Code: the check finds the error and asks; No generates nothing.
    s.menu("F7")
    s.wait_window("^Confirm$")
    s.screenshot("generate-asks")
    s.answer_box("^Confirm$", key="alt+n")
    assert s.find_window(r"Generate code - PToolboxLib$") is None
    assert not os.path.exists(s.out), os.listdir(s.out)
    s.wait_picture("the findings shown again", lambda im: im.find(ERROR_MARK))
    s.screenshot("after-no")

    # Yes opens the dialog; Generate and Save write the files.
    s.menu("F7")
    s.answer_box("^Confirm$", key="alt+y")
    dialog = s.wait_window(r"Generate code - PToolboxLib$")
    s.activate(dialog)
    # The text area fills the dialog's lower half; Save is enabled once the texts show there.
    def lower_half(im):
        return im.crop(0, im.height // 2, im.width, im.height // 2 - 40).data
    empty = lower_half(s.grab())

    # A quote typed into App name would end the generated @name string: Generate asks.
    s.key("alt+n")
    s.key("End")
    s.type('"')
    s.key("alt+g")
    s.wait_window("^Confirm$")
    s.screenshot("typed-quote-asks")
    s.answer_box("^Confirm$", key="alt+n")
    s.activate(dialog)
    s.assert_alive("after No to the typed quote")
    s.screenshot("after-no-to-typed-quote")
    assert lower_half(s.grab()) == empty, "No generated the texts"
    code = qbe2e.read_ini(s.project)["Code"]
    assert "AppName" not in code, code  # Generate wrote none of the dialog's keys
    assert not os.path.exists(s.out), os.listdir(s.out)

    # Without the quote Generate goes on at once.
    s.key("alt+n")
    s.key("End", "BackSpace")
    s.key("alt+g")
    s.wait_picture("the generated texts", lambda im: lower_half(im) != empty)
    assert s.find_window("^Confirm$") is None
    assert qbe2e.read_ini(s.project)["Code"]["AppName"] == "Application"
    s.screenshot("generated")
    s.key("alt+s")
    # The library's own files are not in the output folder: a warning says so.
    s.answer_box("^Warning$")
    qbe2e.wait_until("the generated files",
                     lambda: all(os.path.exists(os.path.join(s.out, n)) for n in OUTPUTS))
    with open(os.path.join(s.out, "DemoForms.pc"), "rb") as f:
        assert b"btnOK" in f.read()
    s.activate(dialog)
    s.key("alt+x")
    s.wait_window_gone(r"Generate code - PToolboxLib$")
    s.assert_alive("at the end")


qbe2e.run(journey, prepare)
