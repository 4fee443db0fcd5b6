"""What a start with a wrong file or without the manual says: a missing file named on the
command line and a missing manual are each reported in an "Error" box, and the program goes on."""

import os
import shutil

import qbe2e


def prepare(s):
    shutil.rmtree(os.path.join(s.program_dir, "manual"), ignore_errors=True)
    s.dialog_at_start = True
    return [os.path.join(s.work, "Missing.qbp")]


def journey(s):
    s.wait_window("^Error$")
    s.screenshot("missing-file")
    s.answer_box("^Error$")
    assert s.find_window(r"^Quillboard 1\.21$"), s.windows()  # no project opened
    s.menu("alt+h", "Return")
    s.wait_window("^Error$")
    s.screenshot("missing-manual")
    s.answer_box("^Error$")
    assert s.find_window(r"^Quillboard Help$") is None
    s.assert_alive("after the messages")


qbe2e.run(journey, prepare)
