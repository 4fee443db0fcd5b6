"""Code written in a generated file survives generating again: Generate and Save, a line written
in a handler of the saved events file, one more Button placed from the palette, Generate and
Save again - the line is still in its handler, the new Button has its handler, and the base
beside the file holds the generator's text alone."""

import os
import shutil

import qbe2e

MANUAL_FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                            "manual", "forms")
MINE = b"      Alert(\"saved\"); //written by hand\r\n"
TITLE = r"Generate code - PToolboxLib$"


def prepare(s):
    s.form = os.path.join(s.work, "Hello.qbf")
    shutil.copy(os.path.join(MANUAL_FORMS, "pt-first-steps.qbf"), s.form)
    s.out = os.path.join(s.work, "out")
    s.project = os.path.join(s.work, "Demo.qbp")
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\n"
                 "\r\n[Code]\r\nFirstForm=Hello\r\nOutput=%s\r\n"
                 % (s.project, s.form, s.out)).encode())
    return [s.project]


def events_file(s):
    with open(os.path.join(s.out, "DemoEvents.pc"), "rb") as f:
        return f.read()


def text_shown(im):
    """The main text area, below the tabs, holds dark text once Generate has run."""
    for y in range(340, 380):
        for x in range(24, 300):
            if sum(im.pixel(x, y)) < 200:
                return True
    return None


def answer_warnings(s, count, label, shot):
    """Answers `count` warning boxes in turn with their default button; each is a new window.
    The one numbered `shot` is pictured."""
    for i in range(count):
        wid = s.wait_window("^Warning$")
        s.activate(wid)
        if i == shot:
            s.screenshot(label)
        s.key("Return")
        qbe2e.wait_until("warning %d answered" % i,
                         lambda: wid not in [w for w, _ in s.windows()], 10)


def generate_and_save(s, label, questions):
    s.menu("F7")
    dialog = s.wait_window(TITLE)
    s.activate(dialog)
    s.key("alt+g")
    s.wait_picture("the generated texts", text_shown)
    s.screenshot(label + "-generated")
    s.key("alt+s")
    # "... already exists. Do you want to replace it?" for each text - Yes; then the library
    # header missing from the output folder.
    # The third question is the events file's.
    answer_warnings(s, questions + 1, label + "-question", min(2, questions))
    s.activate(dialog)
    s.key("alt+x")
    s.wait_window_gone(TITLE)


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Demo$")
    generate_and_save(s, "first", 0)
    first = events_file(s)
    head = b"    case btnOK:\r\n"
    assert head in first, first
    with open(os.path.join(s.out, "DemoEvents.pc.base"), "rb") as f:
        assert f.read() == first

    # The user writes in the handler, then places one more Button.
    with open(os.path.join(s.out, "DemoEvents.pc"), "wb") as f:
        f.write(first.replace(head, head + MINE, 1))  # the button's case, not the 250 block's
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 100, screen[1] + 100)
    s.screenshot("placed")

    generate_and_save(s, "again", 4)
    again = events_file(s)
    assert again.count(MINE) == 1 and b"\r\n" + head + MINE in again, again
    cases = [line for line in again.split(b"\r\n") if line.startswith(b"    case ")]
    new = [c for c in cases if c not in first.split(b"\r\n")]
    assert len(new) == 1 and new[0].startswith(b"    case Button"), cases
    with open(os.path.join(s.out, "DemoEvents.pc.base"), "rb") as f:
        base = f.read()
    assert MINE not in base and new[0] in base, base
    # Looking and generating marked nothing modified: the project file is as Generate wrote it.
    s.assert_alive("after generating twice")


qbe2e.run(journey, prepare)
