"""Where things open: each New Form steps down and right from the window at its place instead
of covering it, and a file dialog opens in the project's folder, so a bare file name typed
into it lands there and not in the folder the program was started from."""

import os

import qbe2e

SIGNATURE = bytes((192, 192, 192)) * 3 + bytes((0, 0, 0)) * 8


def designer_screens(image):
    """The Palm screens of every designer window in view, as the harness finds the first."""
    found, i = [], image.data.find(SIGNATURE)
    while i >= 0:
        x, y = (i // 3) % image.width + 4, (i // 3) // image.width + 1
        # The bezel's top rows match more than once: the first row stands for its screen.
        if i % 3 == 0 and not any(fx == x and 0 < y - fy <= 3 for fx, fy in found):
            found.append((x, y))
        i = image.data.find(SIGNATURE, i + 1)
    return sorted(found)


def journey(s):
    s.new_project("PToolBox")
    folder = os.path.join(s.work, "project")
    os.makedirs(folder)
    s.save_project_as(os.path.join(folder, "places.qbp"), [os.path.join(folder, "first.qbf")])
    first = s.designer_screen()

    for count in (2, 3):
        s.menu("alt+f", "e", "Return")  # N&ew Form (Sav&e Form As comes second)
        screens = s.wait_picture("%d designer windows" % count,
                                 lambda im: (lambda f: f if len(f) == count else None)(
                                     designer_screens(im)))
    s.screenshot("cascaded")
    assert screens == [first, (first[0] + 20, first[1] + 20), (first[0] + 40, first[1] + 40)], \
        screens

    # Save Form As with a bare name: the dialog stands in the project's folder.
    s.menu("alt+f", "e", "e", "Return")
    s.fill_file_dialog("^Save Form$", "third.qbf")
    qbe2e.wait_until("third.qbf in the project's folder",
                     lambda: os.path.isfile(os.path.join(folder, "third.qbf")))
    assert not os.path.exists(os.path.join(s.work, "third.qbf"))
    assert qbe2e.read_ini(os.path.join(folder, "third.qbf"))["FORM"]["Name"] == "Form3"


qbe2e.run(journey)
