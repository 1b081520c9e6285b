#!/usr/bin/env python3
"""Include circles between the game's files and directories, and Qt in the pure layers.

Reads the #include lines of every .h and .cpp under the game's source directories.
A file and its header (play/cursor.cpp, play/cursor.h) are one unit, play/cursor: a
circle through a header pair is what keeps two units from being understood, built or
tested apart. Units that reach each other through their includes form a circle (a
strongly connected component of the include graph); so do directories. Every circle
found must be listed, exactly, in known_include_cycles.txt beside this script: a new
circle, or a listed one that has grown, fails the test, and so does a listed one that is
gone or has shrunk (its line is then removed or replaced, so the list only gets shorter).

Second check: the engine and the pure codecs reach no Qt header, directly or through the
game's own headers.

Usage: include_cycles.py [REPO_ROOT]   (default: two directories above this script)
Exit status 0 when everything matches, 1 otherwise; each finding is printed on a line.
"""

import os
import re
import sys

SOURCE_DIRS = ["app", "session", "engine", "panels", "play", "files", "halloffame", "print", "help", "platform"]
# Units that must stay free of Qt: the engine and the codecs the pure tests link.
PURE_UNITS = ["engine/*", "files/record", "files/gamestate", "halloffame/table"]

QUOTED = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ANGLED_QT = re.compile(r"^\s*#\s*include\s*<(Qt\w*|Q[A-Z]\w*)(?:[/.>])")


def unit_of(path):
    """play/cursor.cpp and play/cursor.h -> play/cursor."""
    return os.path.splitext(path)[0]


def read_sources(root):
    """{repo-relative path: (quoted includes resolved to repo paths, Qt headers)}."""
    files = {}
    for top in SOURCE_DIRS:
        for base, _dirs, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                full = os.path.join(base, name)
                rel = os.path.relpath(full, root).replace(os.sep, "/")
                quoted, qt = [], []
                with open(full, encoding="utf-8", errors="replace") as handle:
                    for line in handle:
                        match = QUOTED.match(line)
                        if match:
                            quoted.append(match.group(1))
                            continue
                        match = ANGLED_QT.match(line)
                        if match:
                            qt.append(match.group(1))
                files[rel] = (quoted, qt)
    # The code includes from the repository root ("play/cursor.h"); a name beside the
    # including file is accepted too. Includes outside the scanned tree are ignored.
    resolved = {}
    for rel, (quoted, qt) in files.items():
        targets = []
        for inc in quoted:
            beside = os.path.normpath(os.path.join(os.path.dirname(rel), inc)).replace(os.sep, "/")
            for candidate in (inc, beside):
                if candidate in files:
                    targets.append(candidate)
                    break
        resolved[rel] = (targets, qt)
    return resolved


def components(graph):
    """Strongly connected components with more than one member (Tarjan, iterative)."""
    index, low, on_stack, stack, result = {}, {}, set(), [], []
    counter = 0
    for start in sorted(graph):
        if start in index:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, successors = work[-1]
            advanced = False
            for nxt in successors:
                if nxt not in index:
                    index[nxt] = low[nxt] = counter
                    counter += 1
                    stack.append(nxt)
                    on_stack.add(nxt)
                    work.append((nxt, iter(sorted(graph[nxt]))))
                    advanced = True
                    break
                if nxt in on_stack:
                    low[node] = min(low[node], index[nxt])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                members = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    members.append(member)
                    if member == node:
                        break
                if len(members) > 1:
                    result.append(frozenset(members))
    return result


def witness(graph, members, edges, start):
    """One closed path through a circle from start, for the message: a -> b -> ... -> a."""
    # Breadth-first from start back to start inside the circle.
    previous = {}
    frontier = [start]
    while frontier:
        following = []
        for node in frontier:
            for nxt in sorted(graph[node]):
                if nxt not in members or nxt in previous:
                    continue
                previous[nxt] = node
                if nxt == start:
                    following = []
                    break
                following.append(nxt)
            if start in previous:
                break
        frontier = following
    path = [start]
    node = previous[start]
    while node != start:
        path.append(node)
        node = previous[node]
    path.append(start)
    path.reverse()
    steps = [path[0]]
    for a, b in zip(path, path[1:]):
        steps.append("-(%s)-> %s" % (edges[(a, b)], b))
    return " ".join(steps)


def build_graphs(files):
    units, dirs = {}, {}
    unit_edges, dir_edges = {}, {}
    for rel in files:
        units.setdefault(unit_of(rel), set())
        dirs.setdefault(rel.split("/")[0], set())
    for rel, (targets, _qt) in files.items():
        for target in targets:
            a, b = unit_of(rel), unit_of(target)
            if a != b:
                units[a].add(b)
                unit_edges.setdefault((a, b), "%s includes %s" % (rel, target))
            da, db = rel.split("/")[0], target.split("/")[0]
            if da != db:
                dirs[da].add(db)
                dir_edges.setdefault((da, db), "%s includes %s" % (rel, target))
    return (units, unit_edges), (dirs, dir_edges)


def circle_line(kind, members):
    return "%s: %s" % (kind, " ".join(sorted(members)))


def read_baseline(path):
    entries = {}
    with open(path, encoding="utf-8") as handle:
        for number, line in enumerate(handle, 1):
            text = line.split("#", 1)[0].strip()
            if not text:
                continue
            kind, _, names = text.partition(":")
            entries[(kind.strip(), frozenset(names.split()))] = number
    return entries


def check_circles(files, baseline_path):
    failures = []
    baseline = read_baseline(baseline_path)
    for kind, (graph, edges) in zip(("file", "dir"), build_graphs(files)):
        found = components(graph)
        known = [members for (k, members) in baseline if k == kind]
        for members in sorted(found, key=sorted):
            line = circle_line(kind, members)
            if (kind, members) in baseline:
                print("known circle: %s" % line)
                continue
            grown = [old for old in known if old < members]
            if grown:
                failures.append("circle grew: %s now is %s" % (circle_line(kind, grown[0]), line))
            else:
                failures.append("new circle: %s" % line)
            # For a grown circle the path starts at a unit that joined it.
            start = min(members - grown[0]) if grown else min(members)
            failures.append("  for example %s" % witness(graph, members, edges, start))
        for members in known:
            # A circle that grew is reported above; here the ones that are gone or shrank.
            if not any(members <= new for new in found):
                now = [new for new in found if new < members]
                hint = (" (what is left: %s)" % "; ".join(circle_line(kind, n) for n in now)) if now else ""
                failures.append(
                    "circle gone or smaller, remove its line %d from %s: %s%s"
                    % (baseline[(kind, members)], os.path.basename(baseline_path),
                       circle_line(kind, members), hint))
    return failures


def check_pure(files):
    """Every Qt header a pure unit reaches, with the chain of includes that reaches it."""
    failures = []

    def is_pure(rel):
        unit = unit_of(rel)
        return any(unit == p or (p.endswith("/*") and unit.startswith(p[:-1])) for p in PURE_UNITS)

    for start in sorted(rel for rel in files if is_pure(rel)):
        chain = {start: None}
        queue = [start]
        while queue:
            rel = queue.pop(0)
            targets, qt = files[rel]
            for header in qt:
                steps = [rel]
                while chain[steps[-1]] is not None:
                    steps.append(chain[steps[-1]])
                failures.append("Qt in a pure unit: %s <%s>" % (" <- ".join(steps), header))
            for target in targets:
                if target not in chain:
                    chain[target] = rel
                    queue.append(target)
    return failures


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(here))
    files = read_sources(root)
    if not any(rel.startswith("engine/") for rel in files):
        print("no sources found under %s" % root)
        return 1
    failures = check_circles(files, os.path.join(here, "known_include_cycles.txt"))
    failures += check_pure(files)
    for failure in failures:
        print(failure)
    print("%d files read, %s" % (len(files), "FAILED" if failures else "ok"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
