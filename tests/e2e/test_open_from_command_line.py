"""quillboard Demo.qbp: the project named on the command line opens as Open Project opens it,
its form drawn as quillboard-cli draws it, and Save Project writes it back."""

import os
import shutil

import pictures
import qbe2e

MANUAL_FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                            "manual", "forms")


def prepare(s):
    # The last run used the other library and no grid: the project's own library must win, and
    # without grid dots the designer shows exactly the rendered picture.
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=1\r\nGrid=0\r\nShortNames=0\r\n")
    s.form = os.path.join(s.work, "Hello.qbf")
    shutil.copy(os.path.join(MANUAL_FORMS, "pt-first-steps.qbf"), s.form)
    s.project = os.path.join(s.work, "Demo.qbp")
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\n"
                 % (s.project, s.form)).encode())
    return [s.project]


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Demo$")
    expected = pictures.render(s.bin_dir, s.form, 2, os.path.join(s.temp, "expected.png"))
    at = s.wait_picture("the form drawn as quillboard-cli draws it",
                        lambda image: pictures.find_picture(image, expected))
    s.screenshot("opened")

    s.menu("ctrl+s")
    # The form keeps its file; replacing it is asked, as on every save.
    s.answer_box("^Save form$", key="y")
    saved = qbe2e.wait_until("the project saved",
                             lambda: "Zoom" in qbe2e.read_ini(s.project) and qbe2e.read_ini(s.project))
    assert saved["Project"]["Lib"] == "2", saved
    assert saved["ActiveForms"]["Form0"] == s.form, saved
    form = qbe2e.read_ini(s.form)
    assert form["FORM"]["Name"] == "Hello", form
    assert form["btnOK"]["Text"] == "OK", form
    # A saved project's caption names its file.
    s.wait_window(r"^Quillboard 1\.21 - Demo\.qbp$")
    print("form drawn at", at)


qbe2e.run(journey, prepare)
