"""Right-click on the menu bar of a CControls form while a Button is selected, then "Delete
control" from the context menu: the menu-bar question comes up, and answered No nothing is
removed. Answered Yes the menus and the bar go, and the Button stays."""

import os

import qbe2e


def sections(path):
    return qbe2e.read_ini(path)


def journey(s):
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "Button")
    s.click(screen[0] + 40, screen[1] + 100)
    s.press_palette("CControls", "Menu")
    s.click(screen[0] + 80, screen[1] + 130)
    # The Button is the current, marked control; the menu bar lies along the screen's top.
    s.click(screen[0] + 46, screen[1] + 104)
    s.screenshot("button-selected")

    bar = (screen[0] + 130, screen[1] + 5)
    s.click(*bar, button=3)
    s.key("d")  # "&Delete control"
    box = s.wait_window("^Warning$")
    s.screenshot("menu-bar-question")
    s.activate(box)
    s.key("alt+n")
    s.wait_window_gone("^Warning$")
    s.assert_alive("after answering No")

    project, form = s.save_new_project("menus")
    kept = sections(form)
    assert "Button1" in kept, kept.keys()
    assert "MenuBarForm1" in kept, kept.keys()
    menus = [name for name, keys in kept.items() if keys.get("Control") == "Menu"]
    assert len(menus) == 1, kept.keys()

    # Asked again and answered Yes, the bar goes with its menu; the Button is untouched.
    s.click(*bar, button=3)
    s.key("d")
    box = s.wait_window("^Warning$")
    s.activate(box)
    s.key("alt+y")
    s.wait_window_gone("^Warning$")
    s.menu("alt+f", "s")
    s.answer_box("^Save form$", "alt+y")  # the form file is there: replace it
    after = qbe2e.wait_until(
        "the form saved without its menus",
        lambda: (lambda f: f if "MenuBarForm1" not in f else None)(sections(form)))
    assert "Button1" in after, after.keys()
    assert not [n for n, k in after.items() if k.get("Control") in ("Menu", "MenuBar")], after
    s.screenshot("menus-deleted")


qbe2e.run(journey)
