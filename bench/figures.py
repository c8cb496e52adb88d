#!/usr/bin/env python3
"""Turns the raw samples of one benchmark figure into its part of the report.

    figures.py timeouts CASE_FILES...
    figures.py accuracy FOLDER
    figures.py cost FOLDER
    figures.py startup FOLDER
    figures.py soak FOLDER
    figures.py badinput FOLDER
"""
import glob
import os
import re
import statistics
import sys


def fields(line):
    """NAME=VALUE pairs of one line."""
    return dict(item.split("=", 1) for item in line.split() if "=" in item)


def read_lines(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return [line.rstrip("\r\n").replace("\r", "") for line in f]


def ms(value):
    return "%.1f" % value


# --- Figure 1: time-outs -------------------------------------------------------------

# Goal: how far beyond the time-out a check may end, by method.
TIMEOUT_GOALS = {"Ping": 20.0, "TCP": 20.0, "URL": 500.0}


def timeouts(paths):
    rows = []
    misses = 0
    for path in paths:
        head, samples = {}, []
        for line in read_lines(path):
            if line.startswith("case=") or line.startswith("timeout="):
                key, value = line.split("=", 1)
                head[key] = value
            elif line.startswith("sample="):
                samples.append(fields(line))
        timeout = int(head["timeout"])
        method = head["case"].split(":")[0].split()[0]
        goal = TIMEOUT_GOALS[method]
        over = [float(s["elapsed_ms"]) - timeout for s in samples]
        outcomes = sorted({"%s/%s" % (s["status"], s["ipstatus"] if s["ipstatus"] != "0" else s["error"])
                           for s in samples})
        if not over:
            rows.append((head["case"], timeout, 0, "-", "-", "-", "no result: MISSED"))
            misses += 1
            continue
        at_once = max(over) < -timeout / 2
        worst = max(over)
        verdict = "answered at once" if at_once else ("within %d ms" % goal if worst <= goal else "MISSED")
        if verdict == "MISSED":
            misses += 1
        rows.append((head["case"], timeout, len(over), " ".join(outcomes), ms(statistics.median(over)),
                     ms(worst), verdict))
    rows.sort(key=lambda r: (r[0], r[1]))
    print("### 1. Time-outs honoured\n")
    print("Duration of one check minus the configured time-out, in ms (negative: it ended sooner).")
    print("Goal: Ping and TCP within 20 ms of the time-out, URL within 500 ms, never more.\n")
    print("| case | time-out | checks | status/code | median | max | goal |")
    print("|---|---:|---:|---|---:|---:|---|")
    for r in rows:
        print("| %s | %d | %d | %s | %s | %s | %s |" % r)
    print("\n%s\n" % ("Every case met its goal." if misses == 0 else "%d case(s) missed the goal." % misses))


# --- Figure 2: accuracy --------------------------------------------------------------

def logged_times(folder):
    """Times (ms) of the Up and Open lines of Orvalen's logs, by method word."""
    times = {}
    for path in glob.glob(os.path.join(folder, "appdata", "Carrowmede", "Orvalen", "Logs", "*", "*.txt")):
        method = os.path.basename(path).split("_")[1]
        for line in read_lines(path):
            parts = line.split(" | ")
            if len(parts) == 7 and parts[3] in ("Up", "Open"):
                times.setdefault(method, []).append(float(parts[4]))
    return times


def spread(values):
    if not values:
        return "-", "-", "-", 0
    ordered = sorted(values)
    p90 = ordered[min(len(ordered) - 1, int(round(0.9 * (len(ordered) - 1))))]
    return "%.2f" % statistics.median(values), "%.2f" % p90, "%.2f" % max(values), len(values)


def accuracy(folder):
    orvalen = logged_times(folder)
    ping = [float(m.group(1)) for line in read_lines(os.path.join(folder, "ping.txt"))
            for m in [re.search(r"time=([0-9.]+) ms", line)] if m]
    curl = [fields(line) for line in read_lines(os.path.join(folder, "curl.txt")) if line.startswith("connect=")]
    connect = [1000 * float(c["connect"]) for c in curl]
    total = [1000 * float(c["total"]) for c in curl]
    print("### 2. Accuracy\n")
    print("Reported times of answering loopback targets, in ms: Orvalen.exe's log lines (whole")
    print("milliseconds, every result logged) beside the reference tools in the same run.\n")
    print("| measurement | tool | results | median | 90th pct | max |")
    print("|---|---|---:|---:|---:|---:|")
    rows = [("Ping round trip, 127.0.0.1", "Orvalen", orvalen.get("Ping", [])),
            ("", "iputils ping", ping),
            ("TCP connect, fixture port", "Orvalen", orvalen.get("TCP", [])),
            ("", "curl time_connect", connect),
            ("URL page load, /phrase", "Orvalen", orvalen.get("URL", [])),
            ("", "curl time_total", total)]
    for label, tool, values in rows:
        median, p90, worst, n = spread(values)
        print("| %s | %s | %d | %s | %s | %s |" % (label, tool, n, median, p90, worst))
    print()


def main():
    figure, args = sys.argv[1], sys.argv[2:]
    {"timeouts": lambda: timeouts(args),
     "accuracy": lambda: accuracy(args[0])}[figure]()


if __name__ == "__main__":
    main()
