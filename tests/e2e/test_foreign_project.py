"""quillboard Notes.qbp, where Notes.qbp is a text file of the user's: an "Error" box names the
file and what it lacks, no project opens, and after Ctrl+S and Exit the file is byte for byte
what it was."""

import os

import qbe2e

NOTES = ("Things to do\n" + "".join("- item %d: buy milk, call Ann, fix the bike\n" % i
                                    for i in range(48))).encode()


def prepare(s):
    s.notes = os.path.join(s.work, "Notes.qbp")
    with open(s.notes, "wb") as f:
        f.write(NOTES)
    s.dialog_at_start = True
    return [s.notes]


def journey(s):
    assert len(NOTES) > 2000
    s.wait_window("^Error$")
    s.screenshot("refused")
    s.answer_box("^Error$")
    assert s.find_window(r"^Quillboard 1\.21$"), s.windows()  # no project opened
    s.menu("ctrl+s")
    s.menu("alt+f", "x")  # E&xit
    status = s.wait_exit()
    assert status == 0, status
    with open(s.notes, "rb") as f:
        assert f.read() == NOTES, "Notes.qbp was changed"
    assert os.listdir(s.work) == ["Notes.qbp"], os.listdir(s.work)


qbe2e.run(journey, prepare)
