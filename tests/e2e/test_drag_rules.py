"""Dragging a Button's edge: Shift pressed after the pointer came to rest on the edge moves
the Button instead of resizing it; an edge dragged across the opposite one leaves one pixel,
and that pixel can be grabbed to widen the Button again."""

import os

import qbe2e


def button(form):
    keys = qbe2e.read_ini(form)["Button1"]
    return tuple(int(keys[k]) for k in ("Left", "Top", "Width", "Height"))


def journey(s):
    s.new_project("PToolBox")
    sx, sy = s.designer_screen()
    s.press_palette("PToolBox", "Button")
    s.click(sx + 40, sy + 60)
    project, form = s.save_new_project("drag")
    left, top, width, height = button(form)

    def save_and_read(expected):
        s.menu("alt+f", "s")
        s.answer_box("^Save form$", "alt+y")  # the form file is there: replace it
        return qbe2e.wait_until("the Button saved at %s" % (expected,),
                                lambda: button(form) == expected and expected)

    # The pointer rests on the right edge, then Shift goes down and the drag starts: a move.
    right_edge = (sx + left + width - 1, sy + top + height // 2)
    s.drag(right_edge[0], right_edge[1], right_edge[0] + 8, right_edge[1], modifiers=("shift",))
    left += 8
    save_and_read((left, top, width, height))
    s.screenshot("shift-moved")

    # The right edge dragged far past the left one: one pixel of width stays.
    right_edge = (sx + left + width - 1, sy + top + height // 2)
    s.drag(right_edge[0], right_edge[1], right_edge[0] - width - 40, right_edge[1])
    save_and_read((left, top, 1, height))
    s.screenshot("one-pixel")

    # That pixel is the left edge's zone: dragged out, the Button widens again.
    column = (sx + left, sy + top + height // 2)
    s.drag(column[0], column[1], column[0] - 8, column[1])
    save_and_read((left - 8, top, 9, height))
    s.screenshot("widened")


qbe2e.run(journey)
