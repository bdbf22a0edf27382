#!/usr/bin/python3
"""Checks a DXF drawing on its raw group codes, which readers such as ezdxf
smooth over: layer names unique (letter case aside), every entity on a layer
of the table, handles unique and below $HANDSEED. Then reads it with ezdxf
and prints the number of entities per layer. Exit status 1 on a problem."""
import collections
import sys

import ezdxf


def read_pairs(path):
    with open(path, encoding="cp1252") as f:
        lines = f.read().splitlines()
    if len(lines) % 2:
        raise SystemExit("odd number of lines")
    return [(int(lines[i]), lines[i + 1]) for i in range(0, len(lines), 2)]


def sections(pairs):
    """Maps each section name to its pairs."""
    result, name = {}, None
    for i, pair in enumerate(pairs):
        if pair == (0, "SECTION"):
            name = pairs[i + 1][1]
            result[name] = []
        elif pair == (0, "ENDSEC"):
            name = None
        elif name:
            result[name].append(pair)
    return result


def records(pairs, kind):
    """The pairs of each record of one kind (a record starts with group 0)."""
    found, current = [], None
    for code, value in pairs:
        if code == 0:
            current = [] if value == kind else None
            if current is not None:
                found.append(current)
        elif current is not None:
            current.append((code, value))
    return found


def main(path):
    pairs = read_pairs(path)
    parts = sections(pairs)
    problems = []

    header = parts["HEADER"]
    seed = next(int(header[i + 1][1], 16) for i, p in enumerate(header) if p == (9, "$HANDSEED"))
    handles = [int(v, 16) for name, part in parts.items() if name != "HEADER" for c, v in part if c in (5, 105)]
    for handle, count in collections.Counter(handles).items():
        if count > 1:
            problems.append(f"handle {handle:X} given {count} times")
        if handle >= seed:
            problems.append(f"handle {handle:X} not below $HANDSEED {seed:X}")

    names = [dict(r)[2] for r in records(parts["TABLES"], "LAYER")]
    keys = [n.lower() for n in names]
    for key, count in collections.Counter(keys).items():
        if count > 1:
            problems.append(f"layer {key!r} in the table {count} times")

    used = [value for code, value in parts["ENTITIES"] if code == 8]
    for layer in sorted(set(used)):
        if layer.lower() not in keys:
            problems.append(f"entities on layer {layer!r}, which the table lacks")

    doc = ezdxf.readfile(path)
    per_layer = collections.Counter(e.dxf.layer for e in doc.modelspace())
    if sum(per_layer.values()) != len(used):
        problems.append(f"ezdxf reads {sum(per_layer.values())} entities, the file has {len(used)}")
    for layer in names:
        print(f"{layer}: {per_layer.get(layer, 0)}")
    for problem in problems:
        print("PROBLEM:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
