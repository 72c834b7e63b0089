#!/usr/bin/python3
"""Drives an installed program through the accessibility bus: opens "Instructions" from the
launcher's menu and prints the start of the document the viewer shows."""
import sys
import time

import pyatspi


def find(node, role, name, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), role, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def wait_for(getter, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        hit = getter()
        if hit is not None:
            return hit
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Lumenary":
            return app
    return None


app = wait_for(application)
if app is None:
    sys.exit("the program never appeared on the accessibility bus")
item = wait_for(lambda: find(app, "menu item", "Instructions"))
if item is None:
    sys.exit("no Instructions menu entry")
item.queryAction().doAction(0)
viewer = wait_for(lambda: find(application(), "frame", "Lumenary Instructions"))
if viewer is None:
    sys.exit("the instructions viewer did not open")
text = wait_for(lambda: find(viewer, "text", None) or find(viewer, "document text", None))
if text is None:
    sys.exit("the viewer has no text area")
content = text.queryText().getText(0, 400)
print(content)
