"""Undo and redo with the keyboard: two controls placed, the first dragged, Ctrl+Z twice and
the saved form holds only the first control at the place it was put; Ctrl+Y twice and the
saved form holds both, the first where it was dragged. The designer window's caption carries
the modified mark until the form is saved, and an unchanged project closes without a
question."""

import os

import qbe2e


def caption_strip(s, image, screen):
    """The designer window's title bar: the rows just above its client area."""
    sx, sy = screen
    return image.crop(sx - 8, sy - 26, 150, 20)


def controls_of(form):
    return {name: sec for name, sec in qbe2e.read_ini(form).items() if name != "FORM"}


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    fresh = caption_strip(s, s.screenshot("fresh"), screen)

    s.place_pt_button(screen, 40, 60)
    s.press_palette("PToolBox", "Label")
    s.click(screen[0] + 90, screen[1] + 100)
    # The Button is dragged from inside, away from its resize zones.
    s.drag(screen[0] + 50, screen[1] + 65, screen[0] + 50 + 24, screen[1] + 65 + 32)
    changed = s.screenshot("placed-and-dragged")
    assert caption_strip(s, changed, screen).data != fresh.data, "no modified mark"

    s.activate(s.main)
    s.key("ctrl+z", "ctrl+z")
    s.screenshot("undone-twice")
    project = os.path.join(s.work, "undo.qbp")
    form = os.path.join(s.work, "Form1.qbf")
    s.save_project_as(project, [form])
    saved = controls_of(form)
    assert list(saved) == ["Button1"], saved
    # The Button's Palm place (40, 60) less its two-pixel frame, as it was placed.
    assert (saved["Button1"]["Left"], saved["Button1"]["Top"]) == ("38", "58"), saved
    clean = s.screenshot("saved")
    # Saved under the caption it had: the mark is gone and the caption is as it was at first.
    assert caption_strip(s, clean, screen).data == fresh.data, "the mark stayed after saving"

    s.activate(s.main)
    s.key("ctrl+y", "ctrl+y")
    s.screenshot("redone-twice")
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")  # the form file is there: replace it
    s.wait_window(r"^Quillboard 1\.21 - undo$")
    qbe2e.wait_until("the second save", lambda: "Label1" in controls_of(form))
    saved = controls_of(form)
    assert sorted(saved) == ["Button1", "Label1"], saved
    moved = (int(saved["Button1"]["Left"]), int(saved["Button1"]["Top"]))
    assert moved != (38, 58) and moved[0] > 38 and moved[1] > 58, moved

    # Nothing changed since the save: closing the project asks nothing.
    s.menu("alt+f", "l")
    s.wait_window(r"^Quillboard 1\.21$")
    assert not s.find_window("^Confirm$"), s.windows()
    s.screenshot("closed-without-question")


qbe2e.run(journey)
