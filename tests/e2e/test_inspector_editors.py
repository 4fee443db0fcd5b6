"""The "(Items)" and "(Content)" editors under real input: the ellipsis of a ListBox's Items
row opens the items editor, a letter typed into an Image's "(Bitmap)" box opens the bitmap
editor; each is cancelled and the program lives on."""

import qbe2e

LISTBOX_ROWS = ["Items", "Left", "Name", "SelectedItem", "Top", "VisibleItems", "Width"]
IMAGE_ROWS = ["Bitmap", "Clickable", "Height", "Left", "Name", "Top", "Width"]


def journey(s):
    s.new_project("CControls")
    screen = s.designer_screen()
    s.press_palette("CControls", "ListBox")
    s.click(screen[0] + 20, screen[1] + 30)
    s.wait_picture("the ListBox's rows",
                   lambda im: s.inspector_cell(len(LISTBOX_ROWS) - 1, image=im))
    # Select the Left row, then click Items: its text box with the ellipsis opens.
    s.click(*s.inspector_cell(LISTBOX_ROWS.index("Left")))
    x, y = s.inspector_cell(LISTBOX_ROWS.index("Items"))
    s.click(x, y)
    shot = s.screenshot("items-box")
    # The ellipsis: a 20-pixel button at the cell's right end, left of the grid's edge.
    right = s.grid_value_right(shot, len(LISTBOX_ROWS))
    s.click(right - 10, y)
    s.wait_window("^Items editor$")
    s.screenshot("items-editor")
    s.answer_box("^Items editor$", "Escape")
    s.assert_alive("after the items editor")

    s.press_palette("CControls", "Bitmap")
    s.click(screen[0] + 100, screen[1] + 100)
    s.wait_picture("the Image's rows",
                   lambda im: s.inspector_cell(len(IMAGE_ROWS) - 1, image=im) and
                   s.inspector_rows_with_list(im, len(IMAGE_ROWS)) == [])
    s.click(*s.inspector_cell(IMAGE_ROWS.index("Left")))
    s.click(*s.inspector_cell(IMAGE_ROWS.index("Bitmap")))
    s.screenshot("bitmap-box")
    s.type("q")
    s.wait_window("^Bitmap Editor$")
    s.screenshot("bitmap-editor")
    s.answer_box("^Bitmap Editor$", "Escape")
    s.assert_alive("after the bitmap editor")


qbe2e.run(journey)
