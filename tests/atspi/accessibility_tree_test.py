#!/usr/bin/python3
"""The real editor's accessibility tree as a screen reader reads it over AT-SPI.

Starts its own X server, a private D-Bus session with the accessibility bus, and the editor
with a sample campaign; reads the running window's tree and checks every command's menu item
and toolbar control (role, name, states, key binding, actions), that every visible control is
named, and that the actions invoked through AT-SPI run the commands.

usage: accessibility_tree_test.py PROGRAM COMMAND_TABLE_TOOL CAMPAIGN

The campaign is one whose first scenario, once removed, leaves one problem for the check.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TIMEOUT = 30.0
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PRIVATE_BUS_MARK = "BRINDLEWICK_PRIVATE_BUS"

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    pyatspi = None

# The enabling groups whose commands are enabled in a window that has just opened a campaign
# with scenarios: nothing is chosen in either list and there is nothing to undo.
GROUPS_ENABLED_AT_START = {"Always", "Scenarios"}

# Containers that only lay out what they hold, and separators: a screen reader passes over
# them, as it does in any Qt program, so they need a role but no name.
STRUCTURE_ROLES = {"filler", "split pane", "separator"}


class Failures:
    def __init__(self):
        self.messages = []

    def check(self, happened, message):
        if not happened:
            self.messages.append(message)
            print("FAILED: " + message, flush=True)
        return happened


def wait_for(condition, timeout=TIMEOUT):
    """Polls until the condition holds; its last value otherwise."""
    deadline = time.monotonic() + timeout
    while True:
        # The events the editor sent are heard as the main loop runs.
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = condition()
        except Exception:  # the tree changes under the reader while a window opens or closes
            value = None
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.1)


def children(node):
    try:
        return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c]
    except Exception:
        return []


def role_of(node):
    # Qt gives roles AT-SPI has no number for (a grip) only by their name.
    role = node.getRoleName()
    return node.getLocalizedRoleName() if role == "unknown" else role


def has_state(node, state):
    return node.getState().contains(state)


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i): action.getKeyBinding(i) for i in range(action.nActions)}


def do_action(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return action.doAction(i)
    raise AssertionError(f"{node.name!r} has no action {name}")


def find(node, predicate, depth=12):
    if predicate(node):
        return node
    if depth == 0:
        return None
    for child in children(node):
        found = find(child, predicate, depth - 1)
        if found:
            return found
    return None


def find_all(node, predicate, depth=12, found=None):
    found = [] if found is None else found
    if predicate(node):
        found.append(node)
    if depth:
        for child in children(node):
            find_all(child, predicate, depth - 1, found)
    return found


def named(role, name):
    return lambda node: role_of(node) == role and node.name == name


def caption_text(caption):
    """The caption as shown: `&&` is an ampersand, a single `&` marks the accelerator."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&")


class Editor:
    """The editor running on a private X server, reached through the accessibility bus."""

    def __init__(self, program, campaign, folder):
        self.processes = []
        self.file_name = os.path.basename(campaign)
        self.log = open(os.path.join(folder, "program.log"), "w+")
        try:
            self.start_all(program, campaign, folder)
        except BaseException:
            self.stop()
            raise

    def start_all(self, program, campaign, folder):
        home = os.path.join(folder, "home")
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700)
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp", "-noreset"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        environment = dict(
            os.environ, DISPLAY=":" + number, HOME=home, XDG_RUNTIME_DIR=runtime,
            XDG_CONFIG_HOME=os.path.join(home, ".config"),
            XDG_DATA_HOME=os.path.join(home, ".local/share"),
            XDG_CACHE_HOME=os.path.join(home, ".cache"),
            XDG_STATE_HOME=os.path.join(home, ".local/state"),
            LC_ALL="C.UTF-8", LANGUAGE="", QT_QPA_PLATFORM="xcb", QT_QPA_PLATFORMTHEME="",
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        os.environ["DISPLAY"] = environment["DISPLAY"]
        self.start([BUS_LAUNCHER, "--launch-immediately"], env=environment)
        self.start([program, campaign], env=environment, stdout=self.log,
                   stderr=subprocess.STDOUT)

    def start(self, command, **options):
        self.processes.append(subprocess.Popen(command, **options))

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.log.close()

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app.name == "brindlewick":
                return app
        return None

    def main_window(self):
        app = self.application()
        for window in children(app) if app else []:
            if self.file_name in window.name:
                return window
        return None


class TreeTest:
    def __init__(self, editor, commands):
        self.editor = editor
        self.commands = commands
        self.failures = Failures()
        self.status_names = []
        pyatspi.Registry.registerEventListener(self.hear_name,
                                               "object:property-change:accessible-name")

    def hear_name(self, event):
        if role_of(event.source) == "status bar":
            self.status_names.append(event.source.name)

    def check(self, happened, message):
        return self.failures.check(happened, message)

    # --- finding the controls ---------------------------------------------------------------

    def window(self):
        return self.editor.main_window()

    def menu_bar(self):
        return find(self.window(), lambda node: role_of(node) == "menu bar")

    def toolbar_control(self, hint):
        toolbar = find(self.window(), named("tool bar", "Standard Toolbar"))
        return next((c for c in children(toolbar) if c.name == hint), None) if toolbar else None

    def menu_of(self, opener):
        return next((c for c in children(opener) if role_of(c) == "popup menu"), None) if opener else None

    def menu(self, place):
        """The menu the table names, reached from the control that opens it."""
        if place == "VersionSubmenu":
            opener = self.menu_item("Scenario", self.row_of_submenu(place)["caption"])
        elif place == "VersionPopup":
            opener = self.toolbar_control(self.row_of_control("version")["hint"])
        else:
            bar = self.menu_bar()
            opener = next((c for c in children(bar) if c.name == place), None) if bar else None
        return self.menu_of(opener)

    def menu_item(self, place, caption):
        menu = self.menu(place)
        wanted = caption_text(caption)
        return next((c for c in children(menu) if c.name == wanted), None) if menu else None

    def row_of_submenu(self, place):
        return next(row for row in self.commands if row["submenu"] == place)

    def row_of_control(self, control):
        return next(row for row in self.commands if row["control"] == control)

    def row(self, caption):
        return next(row for row in self.commands if row["caption"] == caption)

    # --- what every row shows ---------------------------------------------------------------

    def check_menu_item(self, row):
        where = f"{row['menu']} > {caption_text(row['caption'])}"
        item = self.menu_item(row["menu"], row["caption"])
        if not self.check(item is not None, f"{where}: no menu item in the tree"):
            return None
        self.check(role_of(item) == "menu item", f"{where}: role {role_of(item)}")
        enabled = row["group"] in GROUPS_ENABLED_AT_START
        self.check(has_state(item, pyatspi.STATE_ENABLED) == enabled
                   and has_state(item, pyatspi.STATE_SENSITIVE) == enabled,
                   f"{where}: enabled is not {enabled}")
        if row["check"]:
            self.check(has_state(item, pyatspi.STATE_CHECKED) == row["checked"],
                       f"{where}: checked is not {row['checked']}")
        expected = "ShowMenu" if row["submenu"] else "Press"
        actions = actions_of(item)
        self.check(list(actions) == [expected], f"{where}: actions {list(actions)}")
        key = row["keys"].split(";")[0].strip()
        self.check(actions.get(expected, "") == key,
                   f"{where}: key binding {actions.get(expected)!r}, not {key!r}")
        return item

    def check_toolbar_control(self, row, item):
        hint = row["hint"]
        button = self.toolbar_control(hint)
        if not self.check(button is not None, f"toolbar {hint}: not in the tree"):
            return
        role = {"radio": "check box"}.get(row["check"], "push button")
        self.check(role_of(button) == role, f"toolbar {hint}: role {role_of(button)}")
        enabled = has_state(button, pyatspi.STATE_ENABLED)
        if item is not None:
            self.check(enabled == has_state(item, pyatspi.STATE_ENABLED),
                       f"toolbar {hint}: enabled is not its menu item's")
        self.check(enabled == (row["group"] in GROUPS_ENABLED_AT_START),
                   f"toolbar {hint}: enabled is {enabled}")
        if row["check"]:
            self.check(has_state(button, pyatspi.STATE_CHECKED) == row["checked"],
                       f"toolbar {hint}: checked is not {row['checked']}")
        if row["control"] == "version":
            self.check(button.description in ("1.10", "1.11", "1.18"),
                       f"toolbar {hint}: describes {button.description!r}, not the version it "
                       "would stamp")
        expected = ["Press", "ShowMenu"] if row["control"] == "version" else ["Press"]
        self.check(list(actions_of(button)) == expected,
                   f"toolbar {hint}: actions {list(actions_of(button))}")

    def check_menus_named(self):
        """Each menu is named as the control that opens it, and is its child both ways."""
        for place in dict.fromkeys(row["menu"] for row in self.commands if row["menu"]):
            if place == "VersionSubmenu":
                name = caption_text(self.row_of_submenu(place)["caption"])
            elif place == "VersionPopup":
                name = self.row_of_control("version")["hint"]
            else:
                name = place
            menu = self.menu(place)
            if not self.check(menu is not None and menu.name == name,
                              f"the menu {place}: named {menu.name if menu else None!r}, "
                              f"not {name!r}"):
                continue
            parent = menu.parent
            self.check(parent is not None and parent.name == name
                       and role_of(parent) != "popup menu"
                       and menu.getIndexInParent() == parent.childCount - 1,
                       f"the menu {place}: its parent is "
                       f"{role_of(parent) if parent else None} {parent.name if parent else ''!r}"
                       f" at {menu.getIndexInParent()}, not what opens it")

    def check_rows(self):
        for row in self.commands:
            item = self.check_menu_item(row) if row["menu"] else None
            if row["hint"]:
                self.check_toolbar_control(row, item)

    def check_menu_bar(self):
        bar = self.menu_bar()
        if not self.check(bar is not None, "no menu bar in the tree"):
            return
        places = []
        for row in self.commands:
            if row["menu"] not in places and row["menu"] not in ("", "VersionSubmenu",
                                                                 "VersionPopup"):
                places.append(row["menu"])
        captions = [c for c in children(bar) if role_of(c) == "menu item"]
        self.check([c.name for c in captions] == places,
                   f"menu bar captions {[c.name for c in captions]}, not {places}")
        for caption in captions:
            actions = actions_of(caption)
            self.check(list(actions) == ["Press", "ShowMenu"],
                       f"menu bar {caption.name}: actions {list(actions)}")
            self.check(actions.get("ShowMenu") == "Alt+" + caption.name[0],
                       f"menu bar {caption.name}: key binding {actions.get('ShowMenu')!r}")
            self.check(not has_state(caption, pyatspi.STATE_EXPANDED),
                       f"menu bar {caption.name}: expanded while closed")

    def check_every_control_named(self):
        """Every visible control has a role and a name; the lists' rows are their contents."""
        window = self.window()
        self.check(role_of(window) == "frame", f"main window: role {role_of(window)}")
        for node in find_all(window, lambda n: has_state(n, pyatspi.STATE_SHOWING), depth=6):
            role = role_of(node)
            self.check(role not in ("unknown", "invalid", ""),
                       f"{node.name!r} in {node.parent.name!r}: no role")
            if role in STRUCTURE_ROLES or role in ("table cell", "table column header"):
                continue
            # Qt's own splitter handles and size grip, and a label showing nothing.
            if role in ("grip", "label") and not node.name:
                continue
            self.check(node.name != "", f"a {role} in {node.parent.name!r} has no name")
        for name in ("Folders", "Files", "Scenarios"):
            self.check(find(window, lambda n: n.name == name and role_of(n) in ("tree", "list")
                            and has_state(n, pyatspi.STATE_SHOWING)) is not None,
                       f"no list named {name}")
        for bar in ("Menu", "Standard Toolbar"):
            self.check(find(window, named("grip", "Move " + bar)) is not None,
                       f"the grip of {bar} is not in the tree")
        for edge in ("Top", "Bottom", "Left", "Right"):
            self.check(find(window, named("panel", edge + " dock")) is not None,
                       f"no {edge} dock")

    def count_named_controls(self):
        """Controls a screen reader can tell, closed menus included: a known role and a name.
        A filler holding nothing is a control drawn with no interface of its own."""
        def control(node):
            role = role_of(node)
            return role not in ("table cell", "table column header", "separator") and not (
                role in ("filler", "split pane") and node.childCount)
        nodes = find_all(self.window(), control, depth=10)[1:]
        usable = [n for n in nodes
                  if role_of(n) not in ("filler", "unknown", "invalid") and n.name]
        print(f"controls in the tree with a role and a name: {len(usable)} of {len(nodes)}",
              flush=True)

    # --- actions ----------------------------------------------------------------------------

    def check_view_button(self):
        big, small = self.row("&List"), self.row("&Detials")
        press = self.toolbar_control(big["hint"])
        other = self.toolbar_control(small["hint"])
        if not (press and other):
            self.check(False, "view buttons not found")
            return
        do_action(press, "Press")
        self.check(wait_for(lambda: has_state(press, pyatspi.STATE_CHECKED)
                            and not has_state(other, pyatspi.STATE_CHECKED)),
                   f"pressing {press.name}: it is not the checked view button")
        self.check(wait_for(lambda: find(self.window(), lambda n: role_of(n) == "list"
                                         and n.name == "Files"
                                         and has_state(n, pyatspi.STATE_SHOWING))),
                   f"pressing {press.name}: the files are not shown as a list")
        item = self.menu_item("View", big["caption"])
        self.check(item is not None and has_state(item, pyatspi.STATE_CHECKED),
                   f"pressing {press.name}: its menu item is not checked")

    def check_status_bar_item(self):
        row = self.row("Status &Bar")
        item = self.menu_item("View", row["caption"])
        if not self.check(item is not None, "no Status Bar item"):
            return

        def status_bar_shown():
            return find(self.window(), lambda n: role_of(n) == "status bar"
                        and has_state(n, pyatspi.STATE_SHOWING)) is not None

        for shown in (False, True):
            do_action(item, "Press")
            self.check(wait_for(lambda: has_state(item, pyatspi.STATE_CHECKED) == shown
                                and status_bar_shown() == shown),
                       f"Status Bar pressed: mark {has_state(item, pyatspi.STATE_CHECKED)}, "
                       f"status bar shown {status_bar_shown()}, both should be {shown}")

    def make_an_edit(self):
        """Removes the scenario through the tree: its row chosen, then Remove Scenario."""
        scenarios = find(self.window(), named("tree", "Scenarios"))
        cell = next((c for c in children(scenarios) if role_of(c) == "table cell"), None)
        if not self.check(cell is not None, "the scenario list has no rows"):
            return False
        do_action(cell, "Toggle")
        remove = self.toolbar_control(self.row("&Remove")["hint"])
        if not self.check(wait_for(lambda: has_state(remove, pyatspi.STATE_ENABLED)),
                          "choosing a scenario row does not enable Remove Scenario"):
            return False
        self.check_version_popup()
        do_action(remove, "Press")
        undo = self.toolbar_control(self.row("&Undo")["hint"])
        if not self.check(wait_for(lambda: has_state(undo, pyatspi.STATE_ENABLED)),
                          "Remove Scenario pressed: nothing to undo"):
            return False
        # The campaign is checked again, and the status bar's new note is heard.
        self.check(wait_for(lambda: any(name.startswith("1 problems found")
                                        for name in self.status_names)),
                   f"Remove Scenario pressed: the status bar was heard saying only "
                   f"{self.status_names}")
        return True

    def check_version_popup(self):
        """The version button's arrow opens its menu, whose item sets the version it shows."""
        button = self.toolbar_control(self.row_of_control("version")["hint"])
        do_action(button, "ShowMenu")
        self.check(wait_for(lambda: has_state(button, pyatspi.STATE_EXPANDED)),
                   "the version button's ShowMenu: not expanded")
        row = next(row for row in self.commands
                   if row["menu"] == "VersionPopup" and "1.10" in row["caption"])
        item = self.menu_item("VersionPopup", row["caption"])
        if not self.check(wait_for(lambda: has_state(item, pyatspi.STATE_SHOWING)),
                          "the version button's ShowMenu: its menu is not showing"):
            return
        do_action(item, "Press")
        self.check(wait_for(lambda: button.description == "1.10"
                            and not has_state(button, pyatspi.STATE_EXPANDED)),
                   f"{caption_text(row['caption'])} chosen: the version button describes "
                   f"{button.description!r}")

    def check_new_asks(self):
        if not self.make_an_edit():
            return
        bar = self.menu_bar()
        file_caption = next(c for c in children(bar) if c.name == "File")
        do_action(file_caption, "ShowMenu")
        self.check(wait_for(lambda: has_state(file_caption, pyatspi.STATE_EXPANDED)),
                   "File's ShowMenu: not expanded")
        item = self.menu_item("File", self.row("&New")["caption"])
        self.check(wait_for(lambda: has_state(item, pyatspi.STATE_SHOWING)),
                   "File's ShowMenu: New is not showing")
        do_action(item, "Press")
        question = wait_for(lambda: find(self.editor.application(),
                                         lambda n: role_of(n) in ("dialog", "alert")
                                         and has_state(n, pyatspi.STATE_SHOWING), depth=2))
        if not self.check(question is not None, "File > New after an edit: no question"):
            return
        self.check(question.name.startswith("Do you want to save"),
                   f"the question reads {question.name!r}")
        self.check(not has_state(file_caption, pyatspi.STATE_EXPANDED),
                   "the File menu is still expanded under the question")
        cancel = find(question, named("push button", "Cancel"))
        if self.check(cancel is not None, "the question has no Cancel button"):
            do_action(cancel, "Press")
            self.check(wait_for(lambda: not has_state(question, pyatspi.STATE_SHOWING)),
                       "Cancel pressed: the question stays")

    def run(self):
        self.check_menu_bar()
        self.check_rows()
        self.check_menus_named()
        self.check_every_control_named()
        self.count_named_controls()
        self.check_view_button()
        self.check_status_bar_item()
        self.check_new_asks()
        return self.failures.messages


def main():
    if pyatspi is None or not os.path.exists(BUS_LAUNCHER) or not shutil.which(
            "dbus-run-session") or not shutil.which("Xvfb"):
        print("SKIPPED: the AT-SPI packages (dbus, at-spi2-core, python3-pyatspi) or Xvfb are "
              "missing; scripts/setup.sh installs them")
        return SKIP
    if not os.environ.get(PRIVATE_BUS_MARK):
        os.environ[PRIVATE_BUS_MARK] = "1"
        return subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv])
    program, table_tool, campaign = sys.argv[1:4]
    commands = json.loads(subprocess.check_output([table_tool]))
    started = time.monotonic()
    with tempfile.TemporaryDirectory() as folder:
        copy = shutil.copy(campaign, folder)
        editor = Editor(program, copy, folder)
        try:
            test = TreeTest(editor, commands)
            ready = wait_for(lambda: any(role_of(c) == "table cell" for c in children(
                find(test.window(), named("tree", "Scenarios")))))
            if not ready:
                print("FAILED: the editor's window did not come into the accessibility tree")
                print(editor.output())
                return 1
            failures = test.run()
            output = editor.output()
            # A sanitized build reports what it finds in the program's output.
            test.check("AddressSanitizer" not in output and "runtime error:" not in output,
                       "the sanitizers reported an error")
            if failures:
                print(output)
        finally:
            editor.stop()
    print(f"{len(commands)} commands checked in {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
