#!/usr/bin/env python3
"""The game's board as a screen reader sees it over AT-SPI: the table "Brett" of 369 cells,
a digit typed at the cell cursor changing that cell's text, the cursor's cell focused.
Run by test_accessible.sh inside its own session bus with the accessibility bus up and
the game started; keys go to the game window through xdotool. Every wait polls."""
import subprocess
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def poll(what, seconds, probe):
    """probe() until it returns something true; fails with `what` after `seconds`."""
    end = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except Exception:  # the tree changes while it is read
            result = None
        if result:
            return result
        if time.monotonic() > end:
            fail(what)
        time.sleep(0.2)


def find(node, predicate, depth=0):
    if predicate(node):
        return node
    if depth > 8:
        return None
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found = find(child, predicate, depth + 1)
            if found is not None:
                return found
    return None


def game_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "quintor":
            return app
    return None


def board_table():
    app = game_application()
    if app is None:
        return None
    return find(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.name == "Brett")


def cell_text(cell):
    text = cell.queryText()
    return text.getText(0, -1)


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *names], check=True)


def main():
    table = poll("no table \"Brett\" in the game's accessible tree", 30, board_table)
    if table.childCount != 369:
        fail("the board table has %d cells, not 369" % table.childCount)
    t = table.queryTable()
    if (t.nRows, t.nColumns) != (21, 21):
        fail("the board table is %d x %d, not the 21 x 21 field" % (t.nRows, t.nColumns))
    first = t.getAccessibleAt(0, 0)
    if first is None or first.name != "Gitter 1, Zeile 1, Spalte 1":
        fail("cell (0, 0) is named %r" % (first.name if first else None))
    if t.getAccessibleAt(0, 10) is not None:
        fail("the gap between grids 1 and 2 holds a cell")

    # "&Quintor" > "&Neues Spiel": the board fills with givens.
    keys("alt+q")
    time.sleep(0.3)
    keys("n")
    poll("no givens in the accessible board after a new game", 30,
         lambda: "vorgegeben" in cell_text(t.getAccessibleAt(0, 0)) or
         any("vorgegeben" in cell_text(t.getAccessibleAt(0, c)) for c in range(9)))

    # The first empty cell of grid 1, row by row.
    target = None
    for r in range(9):
        for c in range(9):
            if cell_text(t.getAccessibleAt(r, c)) == "leer":
                target = (r, c)
                break
        if target:
            break
    if target is None:
        fail("no empty cell in grid 1")
    r, c = target
    # The first arrow key shows the cursor on the top-left cell; then on to the cell.
    keys(*(["Right"] + ["Right"] * c + ["Down"] * r))
    cell = t.getAccessibleAt(r, c)
    poll("the cursor's cell (%d, %d) is not the focused cell" % (r, c), 10,
         lambda: cell.getState().contains(pyatspi.STATE_FOCUSED))
    keys("5")
    text = poll("the cell's text did not change to the typed 5", 10,
                lambda: cell_text(cell) if cell_text(cell).startswith("5, Eintrag") else None)
    print("PASS: a table of 369 cells; %s reads \"%s\" after 5 was typed" % (cell.name, text))


if __name__ == "__main__":
    main()
