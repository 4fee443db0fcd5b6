"""Two PToolBox Fields placed from the palette, the second edited in the inspector (MaxChars,
Text, BackgroundColor picked from its list): the saved form holds the placed values for the
first, the typed and picked ones for the second, each under its own key, in the file's order."""

import qbe2e

# The rows of a PToolBox Field, in the inspector's order.
ROWS = ["Editable", "Font", "Height", "Justification", "Left", "MaxChars", "Name", "NumbersOnly",
        "SingleLine", "Text", "Top", "Underline", "Width", "BackgroundColor", "TextColor",
        "LineColor", "CaretColor", "HighlightBackColor", "HighlightForeColor"]

KEYS = ["Control", "Name", "Text", "Height", "Width", "Left", "Top", "Font", "SingleLine",
        "Justification", "Underline", "NumbersOnly", "Editable", "MaxChars", "Parent",
        "ColorFill", "ColorText", "ColorCaret", "ColorLines", "ColorHighlightBack",
        "ColorHighlightFore"]


def edit_cell(s, row, text):
    s.double_click(*s.inspector_cell(ROWS.index(row)))
    s.key("ctrl+a")
    s.type(text)


def place_field(s, screen, dx, dy):
    s.press_palette("PToolBox", "Edit")
    s.click(screen[0] + dx, screen[1] + dy)


def journey(s):
    s.new_project("PToolBox")
    screen = s.designer_screen()
    place_field(s, screen, 20, 40)
    place_field(s, screen, 20, 90)
    s.assert_alive("after placing two Fields")

    edit_cell(s, "MaxChars", "35")
    edit_cell(s, "Text", "Hello")
    # A click on a colour value opens its list; a letter picks the colour.
    s.click(*s.inspector_cell(ROWS.index("BackgroundColor")))
    colour_row = ROWS.index("BackgroundColor")
    s.wait_picture("the colour list",
                   lambda im: s.inspector_rows_with_list(im, len(ROWS)) == [colour_row])
    s.type("r")
    s.screenshot("field-rows")

    _, form = s.save_new_project("fields")
    controls = qbe2e.read_ini(form)
    fields = sorted((c for c in controls.values() if c.get("Control") == "Field"),
                    key=lambda c: int(c["Top"]))
    assert len(fields) == 2, sorted(controls)
    first, second = fields
    for field in fields:
        assert list(field) == KEYS, list(field)
    # Placement gives a Field its text and its MaxChars; the other values are the defaults.
    assert (first["Text"], first["MaxChars"]) == ("Field", "20"), first
    assert (first["ColorFill"], first["ColorHighlightFore"]) == ("16777215", "16777215"), first
    assert (second["Text"], second["MaxChars"]) == ("Hello", "35"), second
    assert second["ColorFill"] == "255", second  # Red
    assert second["ColorText"] == "0", second


qbe2e.run(journey)
