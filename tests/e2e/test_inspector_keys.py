"""The inspector's keys on rows with pick lists: Down and Up in a closed list walk the rows,
opening each row's list; a letter picks an entry; "x" typed on the Font row opens its list
and changes nothing."""

import os

import qbe2e

# The rows of a PToolBox Button; Font, Frame, ShowForm, Type and the colours have lists.
ROWS = ["Font", "Frame", "Height", "Left", "Name", "ShowForm", "Text", "Top", "Type", "Width",
        "FillColor", "TextColor"]


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.press_palette("PToolBox", "Button")
    s.click(screen[0] + 40, screen[1] + 60)
    s.wait_picture("the Button's rows", lambda im: s.inspector_cell(len(ROWS) - 1, image=im))

    def lists_at(rows, label):
        s.wait_picture("a list on rows %s" % rows,
                       lambda im: s.inspector_rows_with_list(im, len(ROWS)) == rows)
        s.screenshot(label)

    # A click on the Frame value opens its list; the arrows walk from list to list.
    s.click(*s.inspector_cell(ROWS.index("Frame")))
    lists_at([1], "frame-list")
    s.key("Up")
    lists_at([0], "font-list")
    s.key("Down")
    lists_at([1], "frame-again")
    # Height is typed: no list there, the grid has the focus; Up comes back to Frame's list.
    s.key("Down")
    lists_at([], "height-row")
    s.key("Up")
    lists_at([1], "frame-from-grid")
    s.key("Up")
    lists_at([0], "font-again")
    # "b" picks Bold; the list closes and the grid keeps the Font row.
    s.type("b")
    lists_at([], "bold-picked")
    # "x" on the Font row opens its list and is not typed anywhere.
    s.type("x")
    lists_at([0], "x-opens-list")
    s.assert_alive("after the keys")

    project = os.path.join(s.work, "keys.qbp")
    form = os.path.join(s.work, "keys.qbf")
    s.save_project_as(project, [form])
    button = qbe2e.read_ini(form)["Button1"]
    assert button["Font"].startswith("PilotBold,"), button
    assert button["Frame"] == "0", button


qbe2e.run(journey)
