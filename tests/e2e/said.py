#!/usr/bin/python3
# Prints what a screen reader says a control of the running game shows: the
# name of the first control whose description is the argument.
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def controls(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from controls(child)


wanted = sys.argv[1]
desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is None or app.get_name() != "corvalesta":
        continue
    for control in controls(app):
        if control.get_description() == wanted:
            # Line breaks written as \n, so the shell keeps them.
            sys.stdout.write(control.get_name().replace("\n", "\\n"))
            sys.exit(0)
sys.exit(1)
