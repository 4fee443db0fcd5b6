"""The inspector's keys on rows with pick lists: Down and Up in a closed list walk the rows,
opening each row's list; a letter picks an entry; "x" typed on the Font row opens its list
and changes nothing; the list hides when the focus leaves it."""

import os

import qbe2e

# The rows of a PToolBox Button; Font, Frame, ShowForm, Type and the colours have lists.
ROWS = qbe2e.PT_BUTTON_ROWS


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    s.place_pt_button(screen, 40, 60)

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
    # The list hides when the focus goes elsewhere: a click on the Text row's name.
    s.click(*s.inspector_cell(ROWS.index("Text"), column=0))
    lists_at([], "list-left")
    s.assert_alive("after the keys")

    project, form = s.save_new_project("keys")
    button = qbe2e.read_ini(form)["Button1"]
    assert button["Font"].startswith("PilotBold,"), button
    assert button["Frame"] == "0", button


qbe2e.run(journey)
