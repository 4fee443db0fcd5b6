"""Keys in an inspector cell do what the Edit menu says: Ctrl+Z while typing a Width takes
the typed value back (the row shows the restored value, the saved Button keeps its Width) and
Ctrl+Y does it again; Ctrl+V of a copied control pastes no text into the form's Name."""

import qbe2e

ROWS = qbe2e.PT_BUTTON_ROWS


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)
    s.place_pt_button(screen, 40, 100)
    before = s.screenshot("two-buttons")

    # The second Button's Width typed, then Ctrl+Z in the cell, then Ctrl+Y and Ctrl+Z again.
    width = s.inspector_cell(ROWS.index("Width"))
    s.click(*width)
    s.type("30")
    typed = s.screenshot("width-typed")
    s.key("ctrl+z")
    s.wait_picture("the designer as before the typing",
                   lambda im: im.crop(screen[0], screen[1], 160, 160).data ==
                   before.crop(screen[0], screen[1], 160, 160).data)
    s.screenshot("undone-in-cell")
    s.key("ctrl+y")
    s.wait_picture("the typed width again",
                   lambda im: im.crop(screen[0], screen[1], 160, 160).data ==
                   typed.crop(screen[0], screen[1], 160, 160).data)
    s.screenshot("redone")
    s.key("ctrl+z")
    s.screenshot("undone-again")

    # Copy the Button, then the form's Name cell: the caret to the end, Ctrl+V, then "Z".
    s.click(screen[0] + 44, screen[1] + 104)
    s.key("ctrl+c")
    s.click(screen[0] + 120, screen[1] + 140)
    s.wait_picture("the form's rows",
                   lambda im: s.inspector_rows_with_list(im, 2) == [] and
                   s.inspector_cell(0, image=im))
    s.double_click(*s.inspector_cell(0))
    s.key("End", "ctrl+v")
    s.type("Z")
    s.screenshot("name-pasted")
    s.assert_alive("after the keys")

    project, form = s.save_new_project("cellkeys")
    saved = qbe2e.read_ini(form)
    assert saved["FORM"]["Name"] == "Form1Z", saved["FORM"]
    buttons = [saved[n] for n in saved if saved[n].get("Control") == "Button"]
    assert len(buttons) == 2, saved
    # The typed Width was taken back: both Buttons as placed.
    assert buttons[0]["Width"] == buttons[1]["Width"], buttons
    assert buttons[1]["Width"] != "34", buttons


qbe2e.run(journey)
