"""Project > Preview on a two-form PToolBox project opened from the command line: Ctrl+R shows
the current form at twice the device's size; a tap on its Button whose ShowForm names the
second form shows that form (found pixel for pixel as quillboard-cli draws it, its name in the
title bar); Back returns to the first. A tap on the PopTrigger opens its list, one on a list row
chooses it, a Button naming a dialog shows the dialog, a Field takes typed text. Then the
preview closes and the program ends without a save question: the design was not touched."""

import os

import pictures
import qbe2e

SCALE = 2
# Where the Palm screen sits in the designer window's client area (device pixels).
SCREEN_LEFT, SCREEN_TOP = 4, 2
# The title band of a form, with the bezel above it, in device pixels.
TITLE_ROWS = SCREEN_TOP + 13

FONT = "Font=PilotStandard,8,,0,clWindowText,1\r\n"


def lines(**keys):
    return "".join("%s=%s\r\n" % kv for kv in keys.items())


def section(name, **keys):
    return "[%s]\r\n" % name + lines(**keys)


def form_text(name, title, controls):
    head = section("FORM", Name=name, Top=4, Left=272, Title=title, Lib=2,
                   FormColorFill=16777215, FormColorFrame=0, ColorSelectedFill=0,
                   ColorSelectedFore=16777215, ColorFrame=0, ColorFill=16777215, ColorText=0)
    return head + "\r\n" + "\r\n".join(controls)


def button(name, text, left, top, show_form, parent="panScreen"):
    return (section(name, Control="Button", Name=name, Text=text, Height=15, Width=40, Left=left,
                    Top=top, Frame=0) + FONT +
            lines(Type=0, ShowForm=show_form, Parent=parent))


FIRST = form_text("First", "First", [
    button("btnGo", "Go", 8, 30, "Second"),
    button("btnInfo", "Info", 60, 30, "dlgInfo"),
    section("trgPick", Control="PopTrigger", Name="trgPick", Text="Pick", Height=15, Width=40,
            Left=8, Top=60) + FONT + "Parent=panScreen\r\n",
    section("lstPop", Count=3, Item0="Red", Item1="Green", Item2="Blue", Control="List",
            Name="lstPop", Width=40, Left=8, Top=76, MaxItems=3, SelectedItem=0, Style=1,
            Trigger="trgPick") + FONT + "Parent=panScreen\r\n",
    section("fldName", Control="Field", Name="fldName", Text="", Height=15, Width=80, Left=70,
            Top=60) + FONT +
    lines(SingleLine=1, Justification=0, Underline=0, NumbersOnly=0, Editable=0, MaxChars=8,
          Parent="panScreen"),
    section("dlgInfo", Control="Dialog", Name="dlgInfo", Title="Info", Height=40, Width=120,
            Left=20, Top=110, Test=0, DialogColorFill=16777215, DialogColorFrame=0),
    button("btnOK", "OK", 8, 18, "(None)", parent="dlgInfo"),
])

SECOND = form_text("Second", "Second", [button("btnHome", "Home", 8, 30, "First")])


def prepare(s):
    os.makedirs(os.path.join(s.config, "quillboard"))
    with open(os.path.join(s.config, "quillboard", "options.ini"), "wb") as f:
        f.write(b"[General]\r\nLib=2\r\nGrid=0\r\nShortNames=0\r\n")
    s.forms = {}
    for name, text in (("Second", SECOND), ("First", FIRST)):
        s.forms[name] = os.path.join(s.work, name + ".qbf")
        with open(s.forms[name], "wb") as f:
            f.write(text.encode())
    s.project = os.path.join(s.work, "Flow.qbp")
    # First is loaded last and so is the current form.
    with open(s.project, "wb") as f:
        f.write(("[Project]\r\nName=%s\r\nLib=2\r\n\r\n[ActiveForms]\r\nForm0=%s\r\nForm1=%s\r\n"
                 % (s.project, s.forms["Second"], s.forms["First"])).encode())
    s.saved = {name: open(path, "rb").read() for name, path in s.forms.items()}
    return [s.project]


def journey(s):
    s.wait_window(r"^Quillboard 1\.21 - Flow$")
    s.designer_screen()
    first = pictures.render(s.bin_dir, s.forms["First"], 2,
                            os.path.join(s.temp, "first.png"), SCALE)
    second = pictures.render(s.bin_dir, s.forms["Second"], 2,
                             os.path.join(s.temp, "second.png"), SCALE)

    s.menu("ctrl+r")
    preview = s.wait_window(r"^Preview - First$")
    s.activate(preview)
    origin = s.wait_picture("the first form's title at twice its size",
                            lambda im: pictures.find_picture(im, first, TITLE_ROWS * SCALE))
    s.screenshot("first")

    def tap(left, top, dx=10, dy=7):
        s.click(origin[0] + (SCREEN_LEFT + left + dx) * SCALE,
                origin[1] + (SCREEN_TOP + top + dy) * SCALE)

    # Go names the second form: the preview shows it, drawn as quillboard-cli draws it.
    tap(8, 30)
    s.wait_window(r"^Preview - Second$")
    at = s.wait_picture("the second form", lambda im: pictures.find_picture(im, second))
    assert at == origin, (at, origin)
    s.screenshot("second")

    # Back, under the picture at its left, returns to the first form.
    height = len(second[2])
    s.click(origin[0] + 20, origin[1] + height + 16)
    s.wait_window(r"^Preview - First$")
    s.wait_picture("the first form again",
                   lambda im: pictures.find_picture(im, first, TITLE_ROWS * SCALE) == origin)
    s.screenshot("back-to-first")

    # The PopTrigger opens its list over the form; a tap on Green chooses it.
    before = s.grab()
    tap(8, 60)
    list_area = (origin[0] + (SCREEN_LEFT + 8) * SCALE, origin[1] + (SCREEN_TOP + 76) * SCALE,
                 40 * SCALE, 33 * SCALE)
    s.wait_picture("the list open",
                   lambda im: im.crop(*list_area).data != before.crop(*list_area).data or None)
    s.screenshot("list-open")
    tap(8, 76, dy=16)
    s.wait_picture("the list closed",
                   lambda im: im.crop(*list_area).data == before.crop(*list_area).data or None)
    trigger_area = (origin[0] + (SCREEN_LEFT + 8) * SCALE, origin[1] + (SCREEN_TOP + 60) * SCALE,
                    40 * SCALE, 15 * SCALE)
    assert s.grab().crop(*trigger_area).data != before.crop(*trigger_area).data, "Pick stayed"
    s.screenshot("green-chosen")

    # Typed text goes to the tapped field.
    field_area = (origin[0] + (SCREEN_LEFT + 70) * SCALE, origin[1] + (SCREEN_TOP + 60) * SCALE,
                  80 * SCALE, 12 * SCALE)
    empty = s.grab().crop(*field_area).data
    tap(70, 60)
    s.type("Palm")
    s.wait_picture("the typed text", lambda im: im.crop(*field_area).data != empty or None)
    s.screenshot("field-typed")

    # Info names the dialog: shown over the form, the title bar names it; Back closes it.
    tap(60, 30)
    s.wait_window(r"^Preview - First - dlgInfo$")
    s.screenshot("dialog-shown")
    s.click(origin[0] + 20, origin[1] + height + 16)
    s.wait_window(r"^Preview - First$")

    # Escape closes the preview; nothing reached the design, so Exit asks nothing.
    s.activate(s.find_window(r"^Preview - First$"))
    s.key("Escape")
    s.wait_window_gone(r"^Preview - ")
    s.assert_alive("after the preview")
    s.menu("alt+f", "x")
    s.wait_exit()
    for name, path in s.forms.items():
        with open(path, "rb") as f:
            assert f.read() == s.saved[name], name


qbe2e.run(journey, prepare)
