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
    s.screenshot("fresh")

    s.place_pt_button(screen, 40, 60)
    s.press_palette("PToolBox", "Label")
    s.click(screen[0] + 90, screen[1] + 100)
    # The Button is dragged from inside, away from its resize zones.
    s.drag(screen[0] + 50, screen[1] + 65, screen[0] + 50 + 24, screen[1] + 65 + 32)
    # The designer window is the active one from here on, so its title bar is drawn alike
    # but for the mark.
    marked = caption_strip(s, s.screenshot("placed-and-dragged"), screen)

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
    clean = caption_strip(s, s.screenshot("saved"), screen)
    assert clean.data != marked.data, "the mark stayed after saving"

    s.activate(s.main)
    s.key("ctrl+y", "ctrl+y")
    redone = caption_strip(s, s.screenshot("redone-twice"), screen)
    assert redone.data == marked.data, "no modified mark after redo"
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")  # the form file is there: replace it
    s.wait_window(r"^Quillboard 1\.21 - undo\.qbp$")
    qbe2e.wait_until("the second save", lambda: len(controls_of(form)) == 2)
    saved = controls_of(form)
    label = [name for name in saved if name != "Button1"][0]
    assert saved[label]["Control"] == "Label", saved
    moved = (int(saved["Button1"]["Left"]), int(saved["Button1"]["Top"]))
    assert moved != (38, 58) and moved[0] > 38 and moved[1] > 58, moved
    s.wait_picture("the mark gone after the second save",
                   lambda im: caption_strip(s, im, screen).data == clean.data)
    s.screenshot("saved-again")

    # Nothing changed since the save: closing the project asks nothing.
    s.menu("alt+f", "l")
    s.wait_window(r"^Quillboard 1\.21$")
    assert not s.find_window("^Confirm$"), s.windows()
    s.screenshot("closed-without-question")


qbe2e.run(journey)
