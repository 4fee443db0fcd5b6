#!/usr/bin/env python3
"""The source folders' include graph: no cycle, only downward edges, no "../" way around.

Usage: check_layers.py SRC_DIR       checks the tree, prints every fault, exits 1 on any
       check_layers.py --self-test   checks that made-up faulty trees are caught
"""

import re
import sys
import tempfile
from pathlib import Path

# Bottom to top. A folder may include its own headers and those of folders before it; properties,
# codegen, preview and map stand side by side and include none of each other.
LAYERS = ["model", "controls", "form", "designer", "properties", "codegen", "preview", "map", "app",
          "ui", "cli"]
BESIDE = ["properties", "codegen", "preview", "map"]
SIDE_BY_SIDE = {frozenset({a, b}) for a in BESIDE for b in BESIDE if a != b}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def includes(src):
    """(folder, file, included path) for every quoted include of every source file."""
    for path in sorted(src.glob("*/*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for target in INCLUDE.findall(text):
            yield path.parent.name, path, target


def graph(src):
    """The folder graph: folder -> set of folders it includes, and the faults found reading it."""
    edges, faults = {}, []
    for folder, path, target in includes(src):
        edges.setdefault(folder, set())
        if "../" in target or "..\\" in target:
            faults.append(f"{path.relative_to(src)}: relative include \"{target}\"")
            continue
        head = target.split("/", 1)[0]
        if "/" in target and (src / head).is_dir() and head != folder:
            edges[folder].add(head)
    return edges, faults


def find_cycle(edges):
    """One cycle as a list of folders, or None."""
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                return trail[trail.index(nxt):] + [nxt] if nxt in trail else [node, nxt]
            if nxt not in state:
                found = visit(nxt, trail + [nxt])
                if found:
                    return found
        state[node] = "done"
        return None

    for start in sorted(edges):
        if start not in state:
            found = visit(start, [start])
            if found:
                return found
    return None


def upward_edges(edges):
    faults = []
    for folder, targets in sorted(edges.items()):
        for target in sorted(targets):
            if folder not in LAYERS or target not in LAYERS:
                faults.append(f"{folder} -> {target}: folder not in the layer order")
            elif frozenset({folder, target}) in SIDE_BY_SIDE:
                faults.append(f"{folder} -> {target}: side-by-side layers include each other")
            elif LAYERS.index(target) > LAYERS.index(folder):
                faults.append(f"{folder} -> {target}: include points up")
    return faults


def check(src):
    edges, faults = graph(src)
    cycle = find_cycle(edges)
    if cycle:
        faults.append("include cycle: " + " -> ".join(cycle))
    return faults + upward_edges(edges)


def self_test():
    cases = [
        # (files, expected fault fragment or None)
        ({"model/a.h": "", "controls/b.h": '#include "model/a.h"'}, None),
        ({"model/a.h": '#include "controls/b.h"', "controls/b.h": '#include "model/a.h"'},
         "include cycle: controls -> model -> controls"),
        ({"model/a.h": '#include "app/b.h"', "app/b.h": ""}, "model -> app: include points up"),
        ({"designer/a.cpp": '#include "../app/b.h"', "app/b.h": ""}, "relative include"),
        ({"codegen/a.cpp": '#include "properties/b.h"', "properties/b.h": ""},
         "side-by-side layers"),
        ({"gadgets/a.cpp": '#include "model/b.h"', "model/b.h": ""}, "not in the layer order"),
        ({"map/a.cpp": '#include "preview/b.h"', "preview/b.h": ""}, "side-by-side layers"),
        ({"map/a.cpp": '#include "designer/b.h"', "designer/b.h": ""}, None),
        ({"designer/a.cpp": '#include "map/b.h"', "map/b.h": ""}, "designer -> map: include points up"),
    ]
    failed = 0
    for number, (files, expected) in enumerate(cases):
        with tempfile.TemporaryDirectory() as tmp:
            root = Path(tmp)
            for name, text in files.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text + "\n")
            faults = check(root)
        ok = (not faults) if expected is None else any(expected in f for f in faults)
        if not ok:
            failed += 1
            print(f"self-test case {number}: expected {expected!r}, got {faults!r}")
    return 1 if failed else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2:
        print(__doc__)
        return 2
    src = Path(argv[1])
    faults = check(src)
    for fault in faults:
        print(fault)
    edges, _ = graph(src)
    if not faults:
        for folder in LAYERS:
            if folder in edges:
                print(f"{folder} -> {', '.join(sorted(edges[folder])) or '(nothing)'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
