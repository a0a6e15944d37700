#!/usr/bin/env python3
"""Reads the #include lines of the plug-in's folders and fails on an include of
a folder that stands higher in the order below, or on files that include each
other in a loop (a file stands for its header and its sources together: a.cpp
including b.h makes a depend on b). Each fault is printed with file and line.

Usage: check_includes.py SOURCE_DIR
"""
import os
import re
import sys

# The folders from the bottom up: a folder may include its own files and those
# of the folders before it, never those after it.
LAYERS = ["host", "platform", "base", "settings", "geometry", "tagging", "holes", "patterns", "ui", "command"]
SUFFIXES = (".h", ".cpp", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def read_includes(root):
    """[(file, line number, included path)] for every quoted include."""
    found = []
    for folder in LAYERS:
        base = os.path.join(root, folder)
        if not os.path.isdir(base):
            continue
        for directory, _, names in os.walk(base):
            for name in sorted(names):
                if not name.endswith(SUFFIXES):
                    continue
                path = os.path.relpath(os.path.join(directory, name), root)
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if match:
                            found.append((path, number, match.group(1)))
    return found


def unit(path):
    return os.path.splitext(path)[0]


def folder_of(path):
    return path.split("/")[0]


def upward_includes(includes):
    faults = []
    for path, number, target in includes:
        source, destination = folder_of(path), folder_of(target)
        if "/" in target and destination in LAYERS and LAYERS.index(destination) > LAYERS.index(source):
            faults.append(f"{path}:{number}: includes {target}: {destination}/ stands above {source}/")
    return faults


def include_loops(includes, root):
    edges = {}
    for path, number, target in includes:
        if "/" not in target or folder_of(target) not in LAYERS or not os.path.exists(os.path.join(root, target)):
            continue
        a, b = unit(path), unit(target)
        if a != b:
            edges.setdefault(a, {}).setdefault(b, (path, number, target))
    # Tarjan's strongly connected components, iteratively.
    index, low, on_stack, stack, loops, counter = {}, {}, set(), [], [], [0]
    for start in sorted(edges):
        if start in index:
            continue
        work = [(start, iter(sorted(edges.get(start, {}))))]
        index[start] = low[start] = counter[0]
        counter[0] += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter[0]
                    counter[0] += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(edges.get(child, {})))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    loops.append(sorted(component))
    faults = []
    for component in loops:
        members = set(component)
        lines = [f"  {path}:{number}: includes {target}"
                 for a in component for b, (path, number, target) in sorted(edges[a].items()) if b in members]
        faults.append("files include each other in a loop: " + ", ".join(component) + "\n" + "\n".join(lines))
    return faults


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    includes = read_includes(root)
    if not includes:
        print(f"no includes found under {root}")
        return 1
    faults = upward_includes(includes) + include_loops(includes, root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} faults; the order from the bottom up: {' -> '.join(LAYERS)}")
        return 1
    print(f"{len(includes)} includes run one way: {' -> '.join(LAYERS)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
