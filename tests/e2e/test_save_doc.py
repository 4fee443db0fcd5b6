"""Generate for Palm memos and Save DOC: the four DOC databases land in the output folder chosen
in the dialog (made when missing, blanks in its name and all), the converter's texts stay in the
settings folder until Exit, and nothing is written beside the program."""

import os
import shutil

import qbe2e

MANUAL_FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                            "manual", "forms")
DOC_FILES = ["Demo.pdb", "DemoForms.pdb", "DemoEvents.pdb", "DemoH.pdb"]
TEXTS = ["temp001.txt", "temp002.txt", "temp003.txt", "temp004.txt"]


def prepare(s):
    s.form = os.path.join(s.work, "Hello.qbf")
    shutil.copy(os.path.join(MANUAL_FORMS, "pt-first-steps.qbf"), s.form)
    s.out = os.path.join(s.work, "doc files")
    s.project = os.path.join(s.work, "Demo.qbp")
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\n"
                 "\r\n[Code]\r\nMemo=1\r\nFirstForm=Hello\r\nOutput=%s\r\n"
                 % (s.project, s.form, s.out)).encode())
    s.program_files = sorted(os.listdir(s.program_dir))
    return [s.project]


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Demo$")
    s.menu("F7")
    dialog = s.wait_window(r"Generate code - PToolboxLib$")
    s.activate(dialog)
    s.key("alt+g")
    texts = os.path.join(s.config, "quillboard")
    qbe2e.wait_until("the texts for the converter",
                     lambda: all(os.path.exists(os.path.join(texts, t)) for t in TEXTS))
    s.key("alt+s")
    s.wait_window("^Save DOC$")
    s.screenshot("saved-doc")
    s.answer_box("^Save DOC$")
    qbe2e.wait_until("the DOC databases in the output folder",
                     lambda: all(os.path.getsize(os.path.join(s.out, d)) > 78
                                 if os.path.exists(os.path.join(s.out, d)) else False
                                 for d in DOC_FILES))
    for d in DOC_FILES:
        with open(os.path.join(s.out, d), "rb") as f:
            header = f.read(68)
        # A PalmDOC database: type "TEXt", creator "REAd".
        assert header[60:68] == b"TEXtREAd", (d, header[60:68])
    assert sorted(os.listdir(s.program_dir)) == s.program_files, os.listdir(s.program_dir)

    s.activate(dialog)
    s.key("alt+x")
    s.wait_window_gone(r"Generate code - PToolboxLib$")
    qbe2e.wait_until("the texts removed",
                     lambda: not any(os.path.exists(os.path.join(texts, t)) for t in TEXTS))


qbe2e.run(journey, prepare)
