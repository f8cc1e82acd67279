# SPDX-License-Identifier: GPL-2.0-or-later
"""The six windows as a screen reader reads them from the AT-SPI bus: roles and names, the lines of
a typed query, a translator split, and the focus and selection events of the keyboard.

    bus_test.py AT_SPI_BUS_LAUNCHER PROGRAM     run inside a display and a D-Bus session of its own

Exit code 0 passed, 1 failed, 77 when the accessibility bus cannot start here.
"""

import os
import subprocess
import sys
import time
import unittest
import warnings

import pyatspi
from gi.repository import GLib

# pyatspi 2.46 calls libatspi's older names, which warn on every call.
warnings.simplefilter("ignore", DeprecationWarning)

LAUNCHER, PROGRAM = sys.argv[1], sys.argv[2]
APPLICATION = "Anglicko - český slovník"
KEYS = {"Tab": 0xFF09, "Up": 0xFF52, "Down": 0xFF54, "Escape": 0xFF1B, "F4": 0xFFC1}
# What a user reads or operates; containers, scroll bars and table cells (content) are not named.
CONTROLS = {"push button", "combo box", "text", "table", "link", "label", "image", "list", "alert", "frame"}

focused = []  # names that took the focus, in order
selections = []  # names of the objects whose selection changed


def remember(event):
    if event.type.startswith("object:state-changed:focused") and event.detail1:
        focused.append(event.source.name)
    elif event.type.startswith("object:selection-changed"):
        selections.append(event.source.name)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(condition, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = condition()
        if found:
            return found
        pump(0.05)
    return condition()


def key(name):
    pyatspi.Registry.generateKeyboardEvent(KEYS.get(name, ord(name[0])), None, pyatspi.KEY_SYM)
    pump(0.15)


def type_text(text):
    for character in text:
        key(character)


def descendants(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from descendants(child)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def text_of(accessible):
    try:
        return accessible.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def find(root, role, name=None):
    for accessible in descendants(root):
        if accessible.getRoleName() == role and (name is None or accessible.name.strip() == name):
            return accessible
    return None


def items(combo):
    return [item.name for item in combo[0] if item.getRoleName() == "list item"]


def press(root, name):
    button = find(root, "push button", name)
    actions = button.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index("Press"))
    pump(0.3)


class Windows(unittest.TestCase):
    app = None
    program = None

    @classmethod
    def setUpClass(cls):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        cls.program = subprocess.Popen([PROGRAM], env=env)
        cls.app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == APPLICATION), None), 30)
        if cls.app is None:
            raise AssertionError("the program did not appear on the bus")
        # A desktop's window manager gives a new window the focus; the virtual display has none.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "slovnik", "windowfocus", "--sync"],
                       check=True, timeout=30)
        # Qt sends a combo box's selection change only while someone listens for value changes too,
        # as Orca does.
        pyatspi.Registry.registerEventListener(remember, "object:state-changed:focused", "object:selection-changed",
                                               "object:value-changed")
        cls.main = cls.window("frame", "Anglicko - český slovnik + translátor")

    @classmethod
    def tearDownClass(cls):
        if cls.program:
            cls.program.terminate()
            cls.program.wait(timeout=30)

    @classmethod
    def window(cls, role, name):
        return wait_for(lambda: next((w for w in cls.app if w.getRoleName() == role and w.name.strip() == name and showing(w)), None))

    def assertReadable(self, window):
        """Every showing control has a name, and no editable box is named by what it holds."""
        for accessible in descendants(window):
            if accessible.getRoleName() not in CONTROLS or not showing(accessible):
                continue
            description = "%s in %r" % (accessible.getRoleName(), window.name)
            self.assertTrue(accessible.name.strip(), "an unnamed " + description)
            held = text_of(accessible)
            if accessible.getRoleName() in ("combo box", "text") and held:
                self.assertNotEqual(accessible.name, held, "named by its text: " + description)

    def assertFocusMoves(self, keys, names):
        focused.clear()
        for name in keys:
            key(name)
        self.assertEqual(wait_for(lambda: focused if len(focused) >= len(names) else None, 5), names)

    def test_1_dictionary_window(self):
        self.assertIsNotNone(self.main)
        self.assertReadable(self.main)
        words = find(self.main, "table", "Seznam slov")
        headers = [c.name for c in words if c.getRoleName() == "table column header"]
        self.assertEqual(headers, ["Slovo", "Překlad"])

    def test_2_typed_query_lists_its_lines(self):
        type_text("pes")
        chooser = find(self.main, "combo box", "Nalezené překlady")
        self.assertTrue(wait_for(lambda: text_of(chooser).startswith("pes = ")), text_of(chooser))
        lines = items(chooser)
        self.assertGreaterEqual(len(lines), 2)
        self.assertTrue(all(line.startswith("pes") for line in lines), lines)
        self.assertEqual(text_of(chooser), lines[0])
        query = find(self.main, "combo box", "Zadejte slovo pro překlad")
        self.assertEqual(text_of(find(query, "text")), "pes")
        self.assertEqual(find(query, "text").name, "Zadejte slovo pro překlad")
        self.assertReadable(self.main)

    def test_3_tab_moves_the_focus(self):
        self.assertFocusMoves(["Tab", "Tab", "Tab"], ["Seznam slov", "Nalezené překlady", "Zadejte slovo pro překlad"])

    def test_4_arrow_key_moves_the_choice(self):
        self.assertFocusMoves(["Tab", "Tab"], ["Seznam slov", "Nalezené překlady"])
        chooser = find(self.main, "combo box", "Nalezené překlady")
        second = items(chooser)[1]
        selections.clear()
        key("Down")
        self.assertTrue(wait_for(lambda: "Nalezené překlady" in selections), selections)
        self.assertEqual(text_of(chooser), second)
        word, other = second.split(" = ", 1)
        row = [c.name for c in find(self.main, "table", "Seznam slov") if c.getRoleName() == "table cell"]
        self.assertEqual(row, [word, other])
        # Open, the list under the box's name takes the focus line by line.
        key("F4")
        key("Up")
        first = items(chooser)[0]
        self.assertTrue(wait_for(lambda: focused[-1:] == [first]), focused)
        self.assertReadable(self.main)
        key("Escape")
        self.assertTrue(wait_for(lambda: focused[-1:] == ["Nalezené překlady"]), focused)

    def test_5_message_dialog(self):
        chooser = find(self.main, "combo box", "Nalezené překlady")
        press(self.main, "Kopírovat")
        dialog = self.window("alert", "Informace")
        self.assertIsNotNone(dialog)
        self.assertIsNotNone(find(dialog, "label", text_of(chooser) + "."))
        self.assertReadable(dialog)
        press(dialog, "OK")
        self.assertTrue(wait_for(lambda: not showing(dialog)))

    def test_6_dictionary_help(self):
        press(self.main, "Nápověda")
        help_window = self.window("frame", "Slovník - nápověda")
        self.assertIsNotNone(help_window)
        self.assertTrue(text_of(find(help_window, "text", "Slovník - nápověda")))
        self.assertReadable(help_window)

    def test_7_translator_split(self):
        press(self.main, "Translátor")
        translator = self.window("frame", "Translator")
        self.assertIsNotNone(translator)
        source = find(translator, "text", "Zdrojový text")
        source.queryEditableText().setTextContents("Pes spí na zahradě.")
        press(translator, "Vložit text do mřížky pro překlad")
        names = ["Slovo 1: pes", "Slovo 2: spí", "Slovo 3: na", "Slovo 4: zahradě"]
        boxes = wait_for(lambda: [b for b in descendants(translator) if b.getRoleName() == "combo box"] or None)
        self.assertEqual([b.name for b in boxes], names)
        grid = find(translator, "table", "Slova zdrojového textu")
        self.assertEqual([c.name for c in grid if c.getRoleName() == "table column header"], ["Slovo"])
        self.assertEqual([c.name for c in grid if c.getRoleName() == "table cell"], ["pes", "spí", "na", "zahradě"])
        press(translator, "Přeložit")
        self.assertTrue(wait_for(lambda: text_of(boxes[0]).startswith("pes = ")), text_of(boxes[0]))
        self.assertTrue(items(boxes[0]) and all(offer.startswith("pes") for offer in items(boxes[0])))
        self.assertEqual(find(boxes[0], "text").name, "Slovo 1: pes")
        self.assertEqual(source.name, "Zdrojový text")
        self.assertReadable(translator)
        self.assertFocusMoves(["Tab"], ["Slovo 1: pes"])

    def test_8_translator_help(self):
        translator = self.window("frame", "Translator")
        press(translator, "Nápověda")
        help_window = self.window("frame", "Translátor - nápověda")
        self.assertIsNotNone(help_window)
        self.assertReadable(help_window)

    def test_9_about(self):
        press(self.main, "O aplikaci")
        about = self.window("frame", "Anglicko- český slovník")
        self.assertIsNotNone(about)
        self.assertIsNotNone(find(about, "link"))
        self.assertReadable(about)
        key("Escape")
        self.assertTrue(wait_for(lambda: not showing(about)))


def bus_starts():
    """The AT-SPI bus and its registry answer; False where they cannot start."""
    try:
        subprocess.Popen([LAUNCHER, "--launch-immediately"])
        return wait_for(lambda: pyatspi.Registry.getDesktop(0) is not None, 10)
    except Exception as error:  # the bindings raise GLib errors of many kinds when no bus answers
        print("no accessibility bus:", error)
        return False


if __name__ == "__main__":
    if not bus_starts():
        print("SKIP: the AT-SPI bus cannot start here")
        sys.exit(77)
    result = unittest.main(argv=[sys.argv[0], "-v"], exit=False, warnings="ignore").result
    sys.exit(0 if result.wasSuccessful() else 1)
