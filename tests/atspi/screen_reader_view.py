#!/usr/bin/python3
"""What a screen reader reads of the panel over AT-SPI: the lists keep their names after a choice, the
dials' range holds their value, the colour buttons' names tell face and sense, no two alike, and a
button keeps its object path through turns, a disabled panel and a resize.

Run by run-screen-reader-test.sh inside a private D-Bus session, with the program already started."""
import os
import subprocess
import sys
import time

import pyatspi

DEADLINE = time.monotonic() + 60
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def wait_for(condition, what):
    while time.monotonic() < DEADLINE:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    sys.exit("timed out waiting for " + (what() if callable(what) else what))


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clear_cache()  # ask the registry afresh, whatever it said before the program joined
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "VelmarCube":
            return app
    return None


def everything(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from everything(child)


def by_role(app, role):
    return [node for node in everything(app) if node.getRole() == role]


def named(app, role, name):
    found = [node for node in by_role(app, role) if node.name == name]
    return found[0] if found else None


def list_value(combo):
    """The current item where a screen reader looks for it when the list inside selects nothing: the text."""
    try:
        return combo.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def choose_next(combo):
    combo.queryComponent().grabFocus()
    wait_for(lambda: combo.getState().contains(pyatspi.STATE_FOCUSED), "focus on " + combo.name)
    subprocess.run(["xdotool", "key", "Down"], check=True)


def do_action(node, action_name):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action_name:
            return actions.doAction(i)
    raise AssertionError("%s has no action %s" % (node.name, action_name))


def program_state():
    try:
        with open("/proc/%s/stat" % os.environ["VELMAR_PROGRAM_PID"]) as stat:
            return "state " + stat.read().split(") ")[1].split()[0]
    except (KeyError, OSError):
        return "gone"


def registered_names():
    desktop = pyatspi.Registry.getDesktop(0)
    return [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]


app = wait_for(application, lambda: "the program on the accessibility bus (program %s, registered: %s)"
               % (program_state(), registered_names()))
# No window manager to give the window the keyboard: give it the X input focus directly.
window = wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "Velmar's Cube - 3D"],
                                         capture_output=True, text=True).stdout.split(), "the window")[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
patterns, easing = wait_for(lambda: by_role(app, pyatspi.ROLE_COMBO_BOX), "the two lists")
check(patterns.name == "Patterns", "the pattern list is named Patterns, not %r" % patterns.name)
check(easing.name == "Easing", "the easing list is named Easing, not %r" % easing.name)
check(list_value(easing) == "Linear", "the easing list holds Linear")

choose_next(easing)
check(wait_for(lambda: list_value(easing) == "Quadratic" or easing.name == "Quadratic", "Quadratic chosen"),
      "Quadratic chosen")
check(list_value(easing) == "Quadratic", "the easing list holds Quadratic")
check(easing.name == "Easing", "the easing list is still named Easing, not %r" % easing.name)
choose_next(patterns)
wait_for(lambda: "Damier (12)" in (list_value(patterns), patterns.name), "Damier chosen")
check(list_value(patterns) == "Damier (12)", "the pattern list holds Damier (12)")
check(patterns.name == "Patterns", "the pattern list is still named Patterns, not %r" % patterns.name)

# Ticking a box sets its dial to 360 as the rotation starts, beyond one turn's span.
check_box = named(app, pyatspi.ROLE_CHECK_BOX, "Rotate X automatically")
wait_for(lambda: check_box.getState().contains(pyatspi.STATE_ENABLED), "the panel enabled after the pattern")
do_action(check_box, "Toggle")
dial_x = named(app, pyatspi.ROLE_DIAL, "X rotation")
wait_for(lambda: dial_x.queryValue().currentValue > 180, "the X dial past 180")
# The value and each bound are asked one call at a time while the X dial moves on: bounds read just
# before and just after the value hold it whichever way it moves.
for dial in by_role(app, pyatspi.ROLE_DIAL):
    value = dial.queryValue()
    low, high = value.minimumValue, value.maximumValue
    current = value.currentValue
    low, high = min(low, value.minimumValue), max(high, value.maximumValue)
    check(low <= current <= high, "%s: %s within [%s, %s]" % (dial.name, current, low, high))
    if dial.name == "X rotation":
        check(high > 180, "the X dial's range widened past 180 to %s" % high)

# Each face and sense once, in words a synthesizer tells apart.
faces = {"Front": "red", "Back": "orange", "Top": "white", "Bottom": "yellow", "Right": "blue", "Left": "green"}
expected = {"%s face (%s), %s" % (face, colour, sense) for face, colour in faces.items()
            for sense in ("clockwise", "anticlockwise")}
buttons = [b.name for b in by_role(app, pyatspi.ROLE_PUSH_BUTTON) if b.name != "Start position"]
check(len(buttons) == 12 and set(buttons) == expected, "colour button names: %s" % sorted(buttons))



# A screen reader keeps a control by its object path: a colour button's path answers, and stays the one
# the tree gives for the button, through the turns it starts, in the panel they disable, and in a
# widened window, where the button reports where it is drawn.
def keeps_its_path(button, when):
    try:
        button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except Exception as error:  # the D-Bus error for a path that answers no more
        check(False, "%s: %s does not answer: %s" % (when, button.path, error))
        return
    again = named(application(), pyatspi.ROLE_PUSH_BUTTON, button.name)
    check(again is not None and again.path == button.path,
          "%s: %s is now %s" % (when, button.path, again.path if again else "gone"))


red = named(app, pyatspi.ROLE_PUSH_BUTTON, "Front face (red), clockwise")
enabled = lambda: red.getState().contains(pyatspi.STATE_ENABLED)
# Turns of a second, so each shows its disabled panel.
named(app, pyatspi.ROLE_SLIDER, "Animation speed").queryValue().currentValue = 1.1
for press in range(1, 6):
    # Qt lists no action for a disabled button, and answers an action it does not list with "no such
    # object path": each press waits for the panel the turn before it disabled.
    wait_for(enabled, "the panel enabled for press %d" % press)
    do_action(red, "Press")
    wait_for(lambda: not enabled(), "the panel disabled by press %d" % press)
    keeps_its_path(red, "press %d, the panel disabled" % press)
    wait_for(enabled, "the panel enabled after press %d" % press)
    keeps_its_path(red, "after press %d" % press)

# The view tells the cube in words: after the checkerboard and the turns, six faces of nine colours.
view = wait_for(lambda: next((n for n in everything(application()) if n.name == "Cube"), None), "the view")
words = view.description
said = words.rstrip(".").split(". ")
check([face.split(":")[0] for face in said] == ["Front", "Right", "Back", "Left", "Top", "Bottom"],
      "the view's description names the six faces: %r" % words)
colours = [c.strip() for face in said for row in face.split(":")[-1].split(";") for c in row.split(",")]
check(len(colours) == 54 and set(colours) <= set(faces.values()), "the view's description: 54 colours: %r" % words)

drawn_width = red.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width
geometry = dict(line.split("=") for line in subprocess.run(
    ["xdotool", "getwindowgeometry", "--shell", window], capture_output=True, text=True, check=True).stdout.split())
subprocess.run(["xdotool", "windowsize", window, str(2 * int(geometry["WIDTH"])), geometry["HEIGHT"]], check=True)
wait_for(lambda: red.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width == 2 * drawn_width,
         lambda: "the red button drawn twice as wide as %d, not %d"
         % (drawn_width, red.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width))
keeps_its_path(red, "in the widened window")

print("screen reader view: %d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
