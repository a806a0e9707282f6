#!/usr/bin/python3
# What a screen reader finds in the running game, for the end-to-end tests:
#   screen.py said DESCRIPTION    what the control so described shows (its
#                                 name), line breaks written as \n
#   screen.py focused             the focused control: "name|description"
#   screen.py where NAME [IN]     screen centre and bottom of the control so
#                                 named or described (inside the one named
#                                 IN): "x y bottom"
#   screen.py cells DESCRIPTION   the texts of every cell inside the control
#                                 so described, one a line
#   screen.py dock HEIGHT         a panel along the bottom of the screen that
#                                 keeps HEIGHT pixels for itself (a strut)
#   screen.py box                 the texts of the box open now (a dialog or
#                                 an alert), one a line, unseen breaks left out
import sys
import time


def controls(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from controls(child)


def game():
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "corvalesta":
            return app, Atspi
    sys.exit(1)


def said(description):
    app, _ = game()
    for control in controls(app):
        if control.get_description() == description:
            # Line breaks written as \n, so the shell keeps them.
            sys.stdout.write(control.get_name().replace("\n", "\\n"))
            return
    sys.exit(1)


def cells(description):
    app, _ = game()
    for control in controls(app):
        if control.get_description() == description:
            for cell in controls(control):
                if cell is not control and cell.get_name():
                    print(cell.get_name())
            return
    sys.exit(1)


def box():
    app, Atspi = game()
    for window in controls(app):
        if window.get_role() in (Atspi.Role.DIALOG, Atspi.Role.ALERT) and window.get_state_set(
        ).contains(Atspi.StateType.SHOWING):
            for control in controls(window):
                if control.get_role() == Atspi.Role.LABEL and control.get_name():
                    print(control.get_name().replace("\u200b", ""))
            return
    sys.exit(1)


def focused():
    app, Atspi = game()
    for control in controls(app):
        if control.get_state_set().contains(Atspi.StateType.FOCUSED):
            print(f"{control.get_name()}|{control.get_description()}")
            return
    sys.exit(1)


def where(name, inside=None):
    app, Atspi = game()
    root = app
    if inside is not None:
        root = next((c for c in controls(app) if c.get_name() == inside), None)
        if root is None:
            sys.exit(1)
    for control in controls(root):
        if name in (control.get_name(), control.get_description()) and \
                control.get_state_set().contains(Atspi.StateType.SHOWING):
            box = control.get_extents(Atspi.CoordType.SCREEN)
            print(box.x + box.width // 2, box.y + box.height // 2, box.y + box.height)
            return
    sys.exit(1)


def dock(height):
    from Xlib import Xatom, Xutil, display

    d = display.Display()
    screen = d.screen()
    width, top = screen.width_in_pixels, screen.height_in_pixels - height
    panel = screen.root.create_window(0, top, width, height, 0, screen.root_depth,
                                      background_pixel=screen.black_pixel)
    atom = d.intern_atom
    panel.change_property(atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                          [atom("_NET_WM_WINDOW_TYPE_DOCK")])
    panel.change_property(atom("_NET_WM_STRUT"), Xatom.CARDINAL, 32, [0, 0, 0, height])
    panel.change_property(atom("_NET_WM_STRUT_PARTIAL"), Xatom.CARDINAL, 32,
                          [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1])
    # Where it asks to be: the window manager would centre it otherwise.
    panel.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.USSize, x=0, y=top, width=width,
                              height=height)
    panel.map()
    d.flush()
    while True:
        d.next_event() if d.pending_events() else time.sleep(0.2)


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "said":
        said(sys.argv[2])
    elif command == "cells":
        cells(sys.argv[2])
    elif command == "focused":
        focused()
    elif command == "where":
        where(sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else None)
    elif command == "box":
        box()
    elif command == "dock":
        dock(int(sys.argv[2]))
