"""A CControls project that lists a PToolboxLib form: opening it says so in an error box, the
rest of the project opens, and saving the project keeps both the other form's file, byte for
byte, and its entry. Save Form As answered No at "replace?" leaves the form where it was."""

import os

import qbe2e

OTHER = (b"[FORM]\r\nName=Other\r\nLib=2\r\nLeft=0\r\nTop=0\r\n\r\n[Button1]\r\nControl=Button\r\n"
         b"Parent=panScreen\r\nLeft=38\r\nTop=58\r\n")
OWN = b"[FORM]\r\nName=Own\r\nLib=1\r\nLeft=300\r\nTop=10\r\n"


def count_screens(image):
    """How many designer windows show their Palm screen, by the top-left corners of their
    screen bezels (see Session.designer_screen)."""
    signature = bytes((192, 192, 192)) * 3 + bytes((0, 0, 0)) * 8
    found, i = set(), image.data.find(signature)
    while i >= 0:
        if i % 3 == 0:
            found.add(((i // 3) % image.width, (i // 3) // image.width))
        i = image.data.find(signature, i + 1)
    # The bezel's top rows match more than once a few pixels apart: one screen each cluster.
    corners = []
    for (x, y) in sorted(found, key=lambda p: (p[1], p[0])):
        if not any(cx == x and 0 <= y - cy <= 8 for (cx, cy) in corners):
            corners.append((x, y))
    return len(corners)


def journey(s):
    other = os.path.join(s.work, "other.qbf")
    own = os.path.join(s.work, "own.qbf")
    taken = os.path.join(s.work, "taken.qbf")
    project = os.path.join(s.work, "mixed.qbp")
    for path, text in ((other, OTHER), (own, OWN), (taken, b"someone else's file")):
        with open(path, "wb") as f:
            f.write(text)
    with open(project, "wb") as f:
        f.write(("[Project]\r\nLib=1\r\n\r\n[ActiveForms]\r\nForm0=%s\r\nForm1=%s\r\n"
                 % (other, own)).encode())

    s.menu("alt+f", "o")
    s.fill_file_dialog("^Open Project$", project)
    s.wait_window("^Error$")
    s.screenshot("other-library-message")
    s.answer_box("^Error$")
    s.wait_window(r"^Quillboard 1\.21 - mixed$")
    s.designer_screen()
    assert count_screens(s.grab()) == 1, "the other library's form was opened"
    s.screenshot("project-open")

    # Save Form As onto an existing file, answered No: the form stays own.qbf.
    s.menu("alt+f", "e", "e")  # Sav&e Form As, the second item with that key
    s.key("Return")
    s.fill_file_dialog("^Save Form$", taken)
    s.answer_box("^Save form$", "Escape")  # No, the default of that question
    s.assert_alive("after declining to replace")

    s.key("ctrl+s")
    s.answer_box("^Save form$", "alt+y")  # replace own.qbf: yes
    s.wait_window(r"^Quillboard 1\.21 - mixed\.qbp$")

    with open(other, "rb") as f:
        assert f.read() == OTHER, "the other library's form was written over"
    with open(taken, "rb") as f:
        assert f.read() == b"someone else's file"
    saved = qbe2e.read_ini(project)
    listed = sorted(saved["ActiveForms"].values())
    assert listed == sorted([own, other]), saved


qbe2e.run(journey)
