"""Drives the built program as a user does: a private X server with a window manager, real
pointer and key events through xdotool, screenshots read back pixel by pixel.

Every session gets its own Xvfb (display number chosen by the server), its own program folder
(a copy of the executable with the Palm faces, the converter and the manual beside it) and its
own XDG_CONFIG_HOME, where options.ini is written, and XDG_STATE_HOME, where recovery sets go. Waits poll with a time-out; nothing sleeps blindly
for long.
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

POLL = 0.05


def _die_with_parent():
    # A helper process must not outlive a test killed by its time-out.
    try:
        import ctypes
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except OSError:
        pass


class E2EError(AssertionError):
    pass


def wait_until(what, check, timeout=10.0):
    """Polls check() until it returns something truthy; fails with `what` after the time-out."""
    end = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise E2EError("timed out waiting for " + what)
        time.sleep(POLL)


# ----------------------------------------------------------------------------------------
# Pictures


class Image:
    """An RGB picture: width, height and 3 bytes a pixel, rows top to bottom."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @staticmethod
    def from_ppm(blob):
        # P6 header: magic, width, height, maxval, each separated by white space (and comments).
        fields, pos = [], 0
        while len(fields) < 4:
            while blob[pos:pos + 1].isspace():
                pos += 1
            if blob[pos:pos + 1] == b"#":
                pos = blob.index(b"\n", pos)
                continue
            start = pos
            while not blob[pos:pos + 1].isspace():
                pos += 1
            fields.append(blob[start:pos])
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise E2EError("not an 8-bit P6 picture")
        width, height = int(fields[1]), int(fields[2])
        data = blob[pos + 1:pos + 1 + width * height * 3]
        if len(data) != width * height * 3:
            raise E2EError("truncated picture")
        return Image(width, height, data)

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise E2EError("pixel (%d, %d) outside %dx%d" % (x, y, self.width, self.height))
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def crop(self, x, y, w, h):
        rows = []
        for row in range(y, y + h):
            i = (row * self.width + x) * 3
            rows.append(self.data[i:i + w * 3])
        return Image(w, h, b"".join(rows))

    def places(self, needle, offset=0):
        """Each (x, y) in reading order where the pixel bytes `needle` start at a pixel
        boundary, searching from byte `offset`."""
        while True:
            i = self.data.find(needle, offset)
            if i < 0:
                return
            offset = i + 1
            if i % 3 == 0:
                yield ((i // 3) % self.width, (i // 3) // self.width)

    def find(self, color, start=(0, 0)):
        """The first pixel of `color` in reading order from `start`, or None."""
        x0, y0 = start
        return next(self.places(bytes(color), (y0 * self.width + x0) * 3), None)

    def run_right(self, x, y, color):
        """How many pixels of `color` lie from (x, y) towards the right."""
        n = 0
        while x + n < self.width and self.pixel(x + n, y) == tuple(color):
            n += 1
        return n

    def run_down(self, x, y, color):
        n = 0
        while y + n < self.height and self.pixel(x, y + n) == tuple(color):
            n += 1
        return n

    def find_rect(self, color, min_w, min_h):
        """Top-left of the first area of `color` at least min_w x min_h, scanning in reading order."""
        for x, y in self.places(bytes(color) * min_w):
            if x + min_w > self.width:
                continue
            if self.run_down(x, y, color) >= min_h and self.run_down(x + min_w - 1, y, color) >= min_h:
                return (x, y)
        return None

    def save_png(self, path):
        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body +
                    struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
        stride = self.width * 3
        raw = b"".join(b"\0" + self.data[y * stride:(y + 1) * stride] for y in range(self.height))
        png = (b"\x89PNG\r\n\x1a\n" +
               chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)) +
               chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))
        with open(path, "wb") as f:
            f.write(png)


# ----------------------------------------------------------------------------------------
# INI files as the program writes them


def read_ini(path):
    """{section: {key: value}} of an INI text file; keys keep their case."""
    sections, current = {}, None
    with open(path, "rb") as f:
        text = f.read().decode("latin-1")
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif "=" in line and current is not None:
            key, value = line.split("=", 1)
            current[key] = value
    return sections


# ----------------------------------------------------------------------------------------
# The session


class Session:
    """One run of the program on a private X server. Use as a context manager."""

    SCREEN = (1280, 1024)

    def __init__(self, name, bin_dir=None, out_dir=None, prepare=None):
        """prepare(session), when given, runs once the session's folders exist and before the
        program starts; it may write files there and returns the program's arguments."""
        self.name = name
        self.prepare = prepare
        self.bin_dir = bin_dir or os.environ.get("QB_BIN_DIR")
        self.out_dir = os.path.join(out_dir or os.environ.get("QB_E2E_OUT", "."), name)
        if not self.bin_dir or not os.path.isfile(os.path.join(self.bin_dir, "quillboard")):
            raise E2EError("the built program is missing; set QB_BIN_DIR to build/bin")
        self.procs = []
        self.app = None
        self.display = None
        self.shots = 0
        self.ended = False  # the journey itself ended the program

    # --- life cycle

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, kind, value, tb):
        if kind is not None:
            try:
                self.screenshot("failure")
            except Exception:  # the server itself may be what failed
                pass
        self.stop()
        return False

    def start(self):
        os.makedirs(self.out_dir, exist_ok=True)
        for old in os.listdir(self.out_dir):  # pictures of an earlier run would mislead
            if old.endswith(".png"):
                os.remove(os.path.join(self.out_dir, old))
        self.temp = tempfile.mkdtemp(prefix="qbe2e-")
        self.program_dir = os.path.join(self.temp, "program")
        self.work = os.path.join(self.temp, "work")
        self.config = os.path.join(self.temp, "config")
        self.state = os.path.join(self.temp, "state")
        for d in (self.program_dir, self.work, self.config, self.state):
            os.makedirs(d)
        for entry in os.listdir(self.bin_dir):
            if entry == "quillboard" or entry.lower().endswith(".fon") or entry == "makedoc.exe":
                shutil.copy2(os.path.join(self.bin_dir, entry), self.program_dir)
        if os.path.isdir(os.path.join(self.bin_dir, "manual")):
            shutil.copytree(os.path.join(self.bin_dir, "manual"),
                            os.path.join(self.program_dir, "manual"))
        args = list(self.prepare(self) or []) if self.prepare else []
        self.start_x()
        self.bind_keysyms(getattr(self, "keysyms", ()))
        self.env = dict(os.environ)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.update({
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "XDG_CONFIG_HOME": self.config,
            "XDG_STATE_HOME": self.state,
            "HOME": self.temp,
            "LANG": "C.UTF-8",
            "QT_ACCESSIBILITY": "0",
            "QT_QPA_PLATFORMTHEME": "",
        })
        self.log = open(os.path.join(self.out_dir, "program.log"), "wb")
        self.launch(args)

    def launch(self, args=()):
        self.app = subprocess.Popen([os.path.join(self.program_dir, "quillboard")] + list(args),
                                    cwd=self.work,
                                    env=self.env, stdout=self.log, stderr=subprocess.STDOUT,
                                    preexec_fn=_die_with_parent)
        self.ended = False
        self.main = self.wait_window(r"^Quillboard", timeout=30)
        # A message shown at start-up (prepare set dialog_at_start) keeps the focus.
        if not getattr(self, "dialog_at_start", False):
            self.activate(self.main)

    def restart(self, args=(), dialog_at_start=False):
        """Starts the program again in the same folders once the last run has ended (or was
        killed), e.g. to see what it makes of what the last run left."""
        if self.alive():
            raise E2EError("the program still runs")
        self.wait_window_gone(r"^Quillboard")
        self.dialog_at_start = dialog_at_start
        self.launch(args)

    def start_x(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % self.SCREEN, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), preexec_fn=_die_with_parent, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.procs.append(xvfb)
        number = b""
        end = time.monotonic() + 15
        while not number.endswith(b"\n"):
            if time.monotonic() > end or xvfb.poll() is not None:
                raise E2EError("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise E2EError("Xvfb closed its display pipe")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        xenv = dict(os.environ, DISPLAY=self.display)
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=xenv, preexec_fn=_die_with_parent,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(wm)

        def wm_ready():
            r = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=xenv,
                               capture_output=True, text=True)
            return "window id" in r.stdout
        wait_until("the window manager", wm_ready, 15)

    def bind_keysyms(self, keysyms):
        """Puts keysyms the keyboard lacks (ntilde, rightarrow, ...) on free keycodes before
        the program starts. xdotool would otherwise remap a keycode for each such character
        while it types, and a program that reads the key before the new mapping loses it."""
        if not keysyms:
            return
        xenv = dict(os.environ, DISPLAY=self.display)
        table = subprocess.run(["xmodmap", "-pke"], env=xenv, capture_output=True, text=True,
                               check=True).stdout
        free = [int(line.split()[1]) for line in table.splitlines()
                if line.startswith("keycode") and line.split("=", 1)[1].strip() == ""]
        if len(free) < len(keysyms):
            raise E2EError("no free keycodes for " + " ".join(keysyms))
        expressions = []
        for code, sym in zip(reversed(free), keysyms):
            expressions += ["-e", "keycode %d = %s" % (code, sym)]
        subprocess.run(["xmodmap"] + expressions, env=xenv, check=True)

    def stop(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.procs = []
        if getattr(self, "log", None):
            self.log.close()
        if getattr(self, "temp", None):
            shutil.rmtree(self.temp, ignore_errors=True)

    def alive(self):
        return self.app is not None and self.app.poll() is None

    def assert_alive(self, when=""):
        if not self.alive():
            raise E2EError("the program ended (status %s) %s" % (self.app.returncode, when))

    # Lines of the program's output that show an editor or a view misused, whatever the
    # journey judged otherwise.
    LOG_FAULTS = ("closeEditor called with an editor that does not belong to this view",
                  "edit: editing failed")
    LOG_FAULT_PREFIXES = ("QAbstractItemView::",)

    def log_faults(self):
        """The lines of the program's output that fail any journey."""
        path = os.path.join(self.out_dir, "program.log")
        if not os.path.isfile(path):
            return []
        with open(path, "rb") as f:
            lines = f.read().decode("utf-8", "replace").splitlines()
        return [line for line in lines
                if any(fault in line for fault in self.LOG_FAULTS) or
                line.lstrip().startswith(self.LOG_FAULT_PREFIXES)]

    def assert_clean_log(self):
        faults = self.log_faults()
        if faults:
            raise E2EError("the program reported: " + " | ".join(faults[:5]))

    def wait_exit(self, timeout=10):
        wait_until("the program to end", lambda: not self.alive(), timeout)
        self.ended = True
        return self.app.returncode

    # --- X helpers

    def xdo(self, *args, check=True):
        r = subprocess.run(["xdotool"] + [str(a) for a in args], capture_output=True, text=True,
                           env=dict(os.environ, DISPLAY=self.display))
        if check and r.returncode != 0:
            raise E2EError("xdotool %s failed: %s" % (" ".join(map(str, args)), r.stderr.strip()))
        return r.stdout

    def windows(self):
        """The program's visible top-level windows as [(id, title)]."""
        out = self.xdo("search", "--onlyvisible", "--pid", self.app.pid, check=False)
        result = []
        for wid in out.split():
            title = self.xdo("getwindowname", wid, check=False).strip()
            result.append((int(wid), title))
        return result

    def find_window(self, title_regex):
        pattern = re.compile(title_regex)
        for wid, title in self.windows():
            if pattern.search(title):
                return wid
        return None

    def wait_window(self, title_regex, timeout=15):
        def found():
            self.assert_alive("while waiting for a window '%s'" % title_regex)
            return self.find_window(title_regex)
        return wait_until("a window titled '%s'" % title_regex, found, timeout)

    def wait_window_gone(self, title_regex, timeout=15):
        wait_until("the window '%s' to close" % title_regex,
                   lambda: self.find_window(title_regex) is None, timeout)

    def geometry(self, wid):
        """(x, y, width, height) of a window's inside on the screen."""
        out = self.xdo("getwindowgeometry", "--shell", wid)
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def activate(self, wid):
        self.xdo("windowactivate", "--sync", wid, check=False)
        wait_until("window %d to take the focus" % wid,
                   lambda: self.xdo("getactivewindow", check=False).strip() == str(wid), 5)

    def active_title(self):
        wid = self.xdo("getactivewindow", check=False).strip()
        return self.xdo("getwindowname", wid, check=False).strip() if wid else ""

    # --- input

    def pointer(self):
        out = self.xdo("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move(self, x, y):
        # --sync waits for the pointer to move, which it never does when it is there already.
        if self.pointer() != (x, y):
            self.xdo("mousemove", "--sync", x, y)

    # Two presses closer in time than this make a double click, which the designer takes as
    # such (a double click starts no drag); a test's separate presses keep at least this apart.
    DOUBLE_CLICK_GAP = 0.5

    def await_press_gap(self):
        wait = getattr(self, "last_press", 0.0) + self.DOUBLE_CLICK_GAP - time.monotonic()
        if wait > 0:
            time.sleep(wait)

    def click(self, x, y, button=1, repeat=1):
        self.move(x, y)
        self.await_press_gap()
        self.xdo("click", "--repeat", repeat, "--delay", 60, button)
        self.last_press = time.monotonic()

    def double_click(self, x, y):
        self.click(x, y, repeat=2)

    def drag(self, x0, y0, x1, y1, steps=8, modifiers=()):
        self.move(x0, y0)
        for m in modifiers:
            self.xdo("keydown", m)
        self.await_press_gap()
        self.xdo("mousedown", 1)
        self.last_press = time.monotonic()
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.02)
        self.xdo("mouseup", 1)
        for m in modifiers:
            self.xdo("keyup", m)

    def key(self, *keys):
        """Presses keys into whatever has the focus, e.g. key("Return"), key("alt+f", "s")."""
        for k in keys:
            self.xdo("key", "--delay", 40, k)

    def type(self, text):
        self.xdo("type", "--delay", 40, text)

    # --- screenshots

    def grab(self):
        r = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "ppm:-"],
                           capture_output=True)
        if r.returncode != 0:
            raise E2EError("screenshot failed: " + r.stderr.decode(errors="replace"))
        return Image.from_ppm(r.stdout)

    def screenshot(self, label):
        """Grabs the screen and keeps it as <out>/<name>/NN-label.png."""
        image = self.grab()
        self.shots += 1
        path = os.path.join(self.out_dir, "%02d-%s.png" % (self.shots, label))
        image.save_png(path)
        return image

    def wait_picture(self, what, check, timeout=15):
        """Polls screenshots until check(image) gives something truthy."""
        return wait_until(what, lambda: check(self.grab()), timeout)

    # --- where things are on the screen
    #
    # Qt widgets are not X windows, so positions come from the main window's geometry and
    # from marks found in a screenshot: the toolbars' grips, the designer's screen bezel and
    # the inspector's grey name column.

    NAME_COLUMN_GREY = (212, 208, 200)
    ROW_HEIGHT = 18
    NAME_COLUMN_WIDTH = 130
    PALETTE_PITCH = 25

    def client_origin(self):
        x, y, _, _ = self.geometry(self.main)
        return x, y

    def toolbar_rows(self, image=None):
        """Vertical centres of the toolbar rows, top first, found by their grips."""
        image = image or self.grab()
        x0, y0 = self.client_origin()
        _, _, _, height = self.geometry(self.main)
        ink = [y for y in range(y0, y0 + min(height, 200))
               if any(image.pixel(x, y) != image.pixel(x0 + 12, y) for x in range(x0 + 3, x0 + 10))]
        runs = []
        for y in ink:
            if runs and y - runs[-1][1] <= 2:
                runs[-1][1] = y
            else:
                runs.append([y, y])
        return [(a + b) // 2 for a, b in runs if b - a >= 12]

    def palette_point(self, index, image=None):
        """Centre of the index-th visible palette button (the second toolbar row)."""
        rows = self.toolbar_rows(image)
        if len(rows) < 2:
            raise E2EError("the palette toolbar was not found")
        x0, _ = self.client_origin()
        return x0 + 23 + self.PALETTE_PITCH * index, rows[1]

    # The palette's visible buttons of each library, in toolbar order.
    PALETTE = {
        "CControls": ["Button", "Label", "Edit line", "Edit", "CheckBox", "Switch", "PopUp",
                      "ListBox", "DropDown", "Radio", "Menu", "Bitmap", "Table", "Dialog"],
        "PToolBox": ["Button", "Select", "Push", "Label", "Edit", "CheckBox", "PopTrigger",
                     "ListBox", "Radio", "Bitmap", "GSI", "Dialog"],
    }

    def press_palette(self, library, name):
        self.click(*self.palette_point(self.PALETTE[library].index(name)))

    def designer_screen(self, image=None, timeout=15):
        """Screen position of the first designer window's Palm screen (its top-left pixel).

        The screen sits inside a one-pixel black bezel on the grey device body."""
        signature = bytes((192, 192, 192)) * 3 + bytes((0, 0, 0)) * 8

        def look(im):
            i = im.data.find(signature)
            while i >= 0 and i % 3:
                i = im.data.find(signature, i + 1)
            if i < 0:
                return None
            return ((i // 3) % im.width + 4, (i // 3) // im.width + 1)
        if image is not None:
            found = look(image)
            if not found:
                raise E2EError("no designer window on the screen")
            return found
        return self.wait_picture("a designer window", look, timeout)

    def inspector_cell(self, row, column=1, image=None, timeout=15):
        """Centre of a cell of the inspector's grid (column 0 names, column 1 values)."""
        def look(im):
            return im.find(self.NAME_COLUMN_GREY)
        origin = look(image) if image is not None else self.wait_picture("the inspector", look,
                                                                          timeout)
        if not origin:
            raise E2EError("the inspector is not on the screen")
        x, y = origin
        return (x + 20 + column * self.NAME_COLUMN_WIDTH, y + row * self.ROW_HEIGHT + 8)

    def grid_value_right(self, image, rows):
        """The last pixel column of the value cells, found along the grid line under the last
        of `rows` rows (an in-place editor may cover the lines above)."""
        origin = image.find(self.NAME_COLUMN_GREY)
        if not origin:
            raise E2EError("the inspector is not on the screen")
        ox, oy = origin
        y = oy + self.ROW_HEIGHT * rows - 1
        x = ox + self.NAME_COLUMN_WIDTH
        line = image.pixel(x, y)
        while x + 1 < image.width and image.pixel(x + 1, y) == line:
            x += 1
        return x - 1

    def inspector_rows_with_list(self, image, rows):
        """Which of the first `rows` value cells have a drop-down list laid over them, told by
        the list's arrow: a dark downward triangle five pixels wide at the cell's right end."""
        def dark(x, y):
            return max(image.pixel(x, y)) < 120

        def arrow_at(x, y):
            return (all(dark(x + i, y) for i in range(5)) and not dark(x - 1, y) and
                    not dark(x + 5, y) and all(dark(x + i, y + 1) for i in range(1, 4)) and
                    not dark(x, y + 1) and not dark(x + 4, y + 1) and dark(x + 2, y + 2))
        found = []
        for row in range(rows):
            x, y = self.inspector_cell(row, image=image)
            start = x - 20 + 60
            if any(arrow_at(ax, ay) for ax in range(start, start + 60)
                   for ay in range(y - 5, y + 4)):
                found.append(row)
        return found

    # --- dialogs

    def answer_box(self, title_regex, key="Return", timeout=10):
        """Waits for a message box, answers it with a key and waits for it to close."""
        wid = self.wait_window(title_regex, timeout)
        self.activate(wid)
        self.key(key)
        self.wait_window_gone(title_regex, timeout)

    def fill_file_dialog(self, title_regex, path, timeout=10):
        """Types a full path into the focused name field of a file dialog and accepts it."""
        wid = self.wait_window(title_regex, timeout)
        self.activate(wid)
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        self.wait_window_gone(title_regex, timeout)

    def new_project(self, library):
        """File > New Project with library "CControls" or "PToolBox"; waits for its form."""
        self.menu("alt+f", "n")
        self.wait_window("^New project$")
        self.key("Home" if library == "CControls" else "End", "Return")
        self.wait_window_gone("^New project$")
        self.wait_window(r"^Quillboard 1\.21 - Project\d+$")
        self.designer_screen()

    def save_project_as(self, project, forms=()):
        """File > Save Project As, then one Save Form dialog per path in `forms`."""
        self.menu("alt+f", "a")
        self.fill_file_dialog("^Save project$", project)
        for form in forms:
            self.fill_file_dialog("^Save Form$", form)
        name = os.path.splitext(os.path.basename(project))[0]
        self.wait_window(r"^Quillboard 1\.21 - " + re.escape(name) + "$")

    def place_pt_button(self, screen, dx, dy):
        """Places a PToolBox Button at (dx, dy) of the designer's screen and waits until the
        inspector shows its rows."""
        self.press_palette("PToolBox", "Button")
        self.click(screen[0] + dx, screen[1] + dy)
        self.wait_picture("the Button's rows",
                          lambda im: self.inspector_cell(len(PT_BUTTON_ROWS) - 1, image=im))

    def save_new_project(self, name):
        """Saves the project with one form as <name>.qbp and <name>.qbf in the work folder;
        returns both paths."""
        project = os.path.join(self.work, name + ".qbp")
        form = os.path.join(self.work, name + ".qbf")
        self.save_project_as(project, [form])
        return project, form

    def menu(self, *keys):
        """Runs a menu command by its access keys, e.g. menu("alt+f", "s")."""
        self.activate(self.main)
        self.key(*keys)


# The rows of a PToolBox Button, in the inspector's order.
PT_BUTTON_ROWS = ["Font", "Frame", "Height", "Left", "Name", "ShowForm", "Text", "Top", "Type",
                  "Width", "FillColor", "TextColor"]


def run(test, prepare=None):
    """Runs test(session) in a fresh session named after the calling script; exit status 0/1.
    prepare is the Session's: files to write and the program's arguments."""
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    start = time.monotonic()
    try:
        with Session(name, prepare=prepare) as s:
            test(s)
            if not s.ended:
                s.assert_alive("at the end of the journey")
            s.assert_clean_log()
    except Exception as e:  # any failed check or broken step fails the journey
        import traceback
        traceback.print_exc()
        print("FAIL %s: %s" % (name, e))
        sys.exit(1)
    print("ok %s (%.1f s)" % (name, time.monotonic() - start))
