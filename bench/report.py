#!/usr/bin/env python3
"""Puts the figures of the last benchmark runs together: report.py BENCH_DIR FIGURE..."""
import os
import sys

folder, figures = sys.argv[1], sys.argv[2:]
print("# Orvalen benchmark report\n")
for figure in figures:
    path = os.path.join(folder, figure, "figure.md")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            print(f.read().rstrip() + "\n")
    else:
        print("(%s: not run)\n" % figure)
