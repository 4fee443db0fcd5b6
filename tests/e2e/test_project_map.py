"""Project > Project Map on a three-form project: Ctrl+M shows every form's picture, exactly as
quillboard-cli render draws it, in the dock; a double-click on Main's picture brings Main's
designer window to the front; a double-click on the control an arrow starts from makes that
Button current. Looking changed nothing: Close All asks nothing; the project opened again shows
in the map at once, and the files stay as they were."""

import os
import pictures
import qbe2e

MAP_FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                         "manual", "map")
FORMS = {"Main": "pt-map-main.qbf", "Edit": "pt-map-edit.qbf", "Setup": "pt-map-setup.qbf"}
# Rows enough to tell the forms apart by their title bars, with the dock cut short.
ROWS = 40


def prepare(s):
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=2\r\nGrid=0\r\nShortNames=0\r\n")
    s.forms, s.saved = {}, {}
    for name, file in FORMS.items():
        s.forms[name] = os.path.join(s.work, file)
        with open(os.path.join(MAP_FORMS, file), "rb") as f:
            sections = f.read().split(b"\r\n\r\n")
        # Labels and Lists take their size from their text when first drawn, which marks a
        # form as changed on its own; the journey keeps to controls of fixed size.
        kept = [x for x in sections
                if b"Control=Label\r\n" not in x and b"Control=List\r\n" not in x]
        s.saved[name] = b"\r\n\r\n".join(kept)
        with open(s.forms[name], "wb") as f:
            f.write(s.saved[name])
    s.project = os.path.join(s.work, "Notes.qbp")
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\n" % s.project).encode())
        for i, name in enumerate(FORMS):
            f.write(("Form%d=%s\r\n" % (i, s.forms[name])).encode())
        f.write(b"\r\n[Code]\r\nFirstForm=Main\r\n")
    return [s.project]


def button_rows_shown(s, image):
    """Whether the inspector's grey name column reaches its last Button row."""
    origin = image.find(s.NAME_COLUMN_GREY)
    if not origin:
        return False
    last = len(qbe2e.PT_BUTTON_ROWS) - 1
    return image.pixel(origin[0] + 2, origin[1] + last * s.ROW_HEIGHT + 8) == s.NAME_COLUMN_GREY


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Notes$")
    s.designer_screen()
    drawn = {name: pictures.render(s.bin_dir, path, 2, os.path.join(s.work, name + ".png"))
             for name, path in s.forms.items()}

    def all_thumbnails(im):
        # The designer windows show the same pictures: the map's lie in the dock, in one row
        # with Main, whose window is behind the others.
        main = pictures.find_picture(im, drawn["Main"], ROWS)
        if not main:
            return None
        top = max(0, main[1] - 40)
        dock = im.crop(0, top, im.width, im.height - top)
        places = {n: pictures.find_picture(dock, p, ROWS) for n, p in drawn.items()}
        if not all(places.values()):
            return None
        return {n: (x, y + top) for n, (x, y) in places.items()}

    s.menu("ctrl+m")
    places = s.wait_picture("the three forms' pictures in the map", all_thumbnails)
    s.screenshot("map-shown")
    # In the map's order from the first form: Main, then Edit and Setup as its buttons lead.
    assert places["Main"][0] < places["Edit"][0] < places["Setup"][0], places
    assert places["Main"][1] == places["Edit"][1] == places["Setup"][1], places
    s.assert_alive("after Ctrl+M")

    # Looking marked nothing as changed: Close All closes without asking.
    s.menu("alt+f", "l")
    s.wait_window(r"^Quillboard 1\.21$")
    assert s.find_window("^Confirm$") is None, "Close All asked about a change"
    s.wait_picture("the map without forms", lambda im: not pictures.find_picture(
        im, drawn["Setup"], ROWS))
    s.screenshot("closed")
    # Opened again, the map (still shown) follows.
    s.menu("ctrl+o")
    s.fill_file_dialog("^Open Project$", s.project)
    s.wait_window(r"^Quillboard 1\.21 - Notes$")
    places = s.wait_picture("the map of the project opened again", all_thumbnails)

    # Main's designer window is behind the others now (the last form loaded is current).
    dock_top = min(p[1] for p in places.values())
    def main_in_front(im):
        found = pictures.find_picture(im.crop(0, 0, im.width, dock_top - 20), drawn["Main"], ROWS)
        return found
    assert not main_in_front(s.grab()), "Main's window is in front before the double-click"
    # A double-click on Main's picture below its controls, away from any arrow's start.
    x, y = places["Main"]
    s.double_click(x + 80, y + 120)
    s.wait_picture("Main's designer window in front", main_in_front)
    s.screenshot("main-activated")
    s.assert_alive("after the double-click on a thumbnail")

    # Edit's Help button starts a red stub: a double-click on it makes it current.
    help_button = (places["Edit"][0] + 54 + 4 + 20, places["Edit"][1] + 140 + 2 + 8)
    assert not button_rows_shown(s, s.grab())
    s.double_click(*help_button)
    s.wait_picture("the Button's rows in the inspector", lambda im: button_rows_shown(s, im))
    s.screenshot("button-selected")
    s.assert_alive("after the double-click on an arrow's start")

    # The map follows the design: the arrow key moves the Button, and Edit's picture in the map
    # is no longer the file's; Undo puts it back.
    def edit_in_dock(im):
        dock = im.crop(0, dock_top - 20, im.width, im.height - dock_top + 20)
        return pictures.find_picture(dock, drawn["Edit"], drawn["Edit"][1])
    assert edit_in_dock(s.grab())
    s.key("Right")
    s.wait_picture("the map following the move", lambda im: not edit_in_dock(im))
    s.screenshot("map-follows")
    s.menu("ctrl+z")
    s.wait_picture("the map following the undo", edit_in_dock)

    # Ctrl+M again keeps it shown, the design still as it was.
    s.menu("ctrl+m")
    s.wait_picture("the map again", all_thumbnails)

    # Leading into the design changed nothing either: Exit asks nothing, the files are as
    # they were.
    s.menu("alt+f", "x")
    s.wait_exit()
    for name, path in s.forms.items():
        with open(path, "rb") as f:
            assert f.read() == s.saved[name], name


qbe2e.run(journey, prepare)
