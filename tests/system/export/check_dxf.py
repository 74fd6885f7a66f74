#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an exported templates DXF back with ezdxf and checks what CNC and laser software rely
on: millimetres, the named layers, section 3's closed outline as wide as its chord, and the
planform's station lines as wide as the blade.

Usage: check_dxf.py FILE CHORD_MM WIDTH_MM... (the blade's width at stations 2 to 11)
Prints what is wrong and exits with 1; exits with 0 when all holds.
"""
import sys

import ezdxf


def check(path, chord_mm, widths_mm):
    problems = []
    doc = ezdxf.readfile(path)
    if doc.header.get("$INSUNITS") != 4:
        problems.append(f"$INSUNITS is {doc.header.get('$INSUNITS')}, not 4 (millimetres)")
    layers = {layer.dxf.name for layer in doc.layers}
    for name in ("outline", "reference-lines", "cut-line", "marks", "text"):
        if name not in layers:
            problems.append(f"no layer {name}")
    msp = doc.modelspace()

    outlines = list(msp.query('LWPOLYLINE[layer=="outline"]'))
    if len(outlines) != 11:
        problems.append(f"{len(outlines)} outlines, not nine sections and two blade views")
    else:
        section3 = outlines[0]
        xs = [point[0] for point in section3.get_points()]
        if not section3.closed:
            problems.append("section 3's outline is not closed")
        if abs(max(xs) - min(xs) - chord_mm) > 0.1:
            problems.append(f"section 3 is {max(xs) - min(xs):.3f} mm wide, not {chord_mm:.3f}")

    # In flat templates only the blade views have reference lines: the planform's stations
    # first, hub to tip.
    stations = list(msp.query('LINE[layer=="reference-lines"]'))[: len(widths_mm)]
    for number, (line, width) in enumerate(zip(stations, widths_mm), start=2):
        length = abs(line.dxf.end.x - line.dxf.start.x)
        if abs(line.dxf.end.y - line.dxf.start.y) > 1e-6 or abs(length - width) > 0.05:
            problems.append(f"station {number}: {length:.3f} mm across, not {width:.3f}")
    if len(stations) != len(widths_mm):
        problems.append(f"{len(stations)} station lines, not {len(widths_mm)}")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    problems = check(sys.argv[1], float(sys.argv[2]), [float(w) for w in sys.argv[3:]])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
