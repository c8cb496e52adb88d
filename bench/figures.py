#!/usr/bin/env python3
"""Turns the raw samples of one benchmark figure into its part of the report.

    figures.py timeouts CASE_FILES...
    figures.py accuracy FOLDER
    figures.py cost FOLDER
    figures.py compare FOLDER
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
    """Times (ms) of the Up and Open lines of Orvalen's logs, by monitor name."""
    times = {}
    for path in glob.glob(os.path.join(folder, "appdata", "Carrowmede", "Orvalen", "Logs", "*", "*.txt")):
        for line in read_lines(path):
            parts = line.split(" | ")
            if len(parts) == 7 and parts[3] in ("Up", "Open"):
                times.setdefault(parts[2], []).append(float(parts[4]))
    return times


def curl_times(path):
    curl = [fields(line) for line in read_lines(path) if line.startswith("connect=")]
    return [1000 * float(c["connect"]) for c in curl], [1000 * float(c["total"]) for c in curl]


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
    connect, total = curl_times(os.path.join(folder, "curl.txt"))
    _, delayed = curl_times(os.path.join(folder, "curl-delayed.txt"))
    print("### 2. Accuracy\n")
    print("Reported times of answering loopback targets, in ms: Orvalen.exe's log lines (whole")
    print("milliseconds, every result logged) beside the reference tools in the same run.\n")
    print("| measurement | tool | results | median | 90th pct | max |")
    print("|---|---|---:|---:|---:|---:|")
    rows = [("Ping round trip, 127.0.0.1", "Orvalen", orvalen.get("ping", [])),
            ("", "iputils ping", ping),
            ("TCP connect, fixture port", "Orvalen", orvalen.get("tcp", [])),
            ("", "curl time_connect", connect),
            ("URL page load, /phrase", "Orvalen", orvalen.get("url", [])),
            ("", "curl time_total", total),
            ("URL page load, answered after 50 ms", "Orvalen", orvalen.get("delayed", [])),
            ("", "curl time_total", delayed)]
    for label, tool, values in rows:
        median, p90, worst, n = spread(values)
        print("| %s | %s | %d | %s | %s | %s |" % (label, tool, n, median, p90, worst))
    print()


# --- Figure 4: start-up --------------------------------------------------------------

def startup(folder):
    runs = []
    for path in sorted(glob.glob(os.path.join(folder, "start*.txt")), key=lambda p: int(re.sub(r"\D", "", os.path.basename(p)))):
        values = {}
        for line in read_lines(path):
            values.update(fields(line))
        runs.append(values)
    print("### 4. Start-up\n")
    print("From just before the Orvalen process is created until the screen shows the window, the")
    print("first box with a result, and all 70 boxes with their first result (ms).\n")
    print("| start | window | first box | all 70 boxes |")
    print("|---:|---:|---:|---:|")
    alls = []
    for n, r in enumerate(runs, 1):
        everything = float(r.get("all_boxes_ms", "-1"))
        if everything >= 0:
            alls.append(everything)
        print("| %d | %s | %s | %s |" % (n, r.get("window_ms", "-"), r.get("first_box_ms", "-"),
                                         r.get("all_boxes_ms", "-") if everything >= 0 else "not all shown"))
    if alls:
        print("\nAll 70 boxes showed a result after %.0f ms (median of %d starts), %.0f ms at most.\n"
              % (statistics.median(alls), len(alls), max(alls)))
    else:
        print("\nNo start showed all 70 results.\n")


# --- Figure 3: cost ------------------------------------------------------------------

WARM_UP_S = 60.0


def cpu_share(samples, key, ticks_per_s):
    """Share of one core (%) between the first sample after warm-up and the last."""
    usable = [x for x in samples if float(x.get(key, "-1")) >= 0]
    after = [x for x in usable if float(x["t_s"]) >= WARM_UP_S] or usable
    if len(after) < 2:
        return None
    first, last = after[0], after[-1]
    seconds = float(last["t_s"]) - float(first["t_s"])
    return 100.0 * (float(last[key]) - float(first[key])) / ticks_per_s / seconds if seconds > 0 else None


def trend(samples, key):
    """(first after warm-up, min, max, last, mean of the first and the last tenth)."""
    values = [float(x[key]) for x in samples if float(x["t_s"]) >= WARM_UP_S and float(x.get(key, "-1")) >= 0]
    if not values:
        return None
    tenth = max(1, len(values) // 10)
    return (values[0], min(values), max(values), values[-1],
            statistics.mean(values[:tenth]), statistics.mean(values[-tenth:]))


SESSION_ROWS = (("wineserver", ("wineserver",)), ("winedevice.exe (Wine's ICMP work)", ("winedevice",)),
                ("the session's other Wine processes", ("wine-other",)))
COMPARE_REFERENCES = {"ping": ("70 Ping monitors at 1 s", "fping, the same 70 addresses once a second"),
                      "url": ("70 URL monitors at 1 s", "curl, the same page 70 times a second")}
FLOOR_CASES = {"ping": "70 threads, an echo a second each", "url": "70 threads, a page a second each"}


def session_shares(folder, kind, ticks_per_s):
    """CPU share of one core (%) by kind of process over the side-by-side run."""
    def sample(name):
        return {x["pid"]: x for x in (fields(line) for line in
                                      read_lines(os.path.join(folder, "compare-%s-%s.txt" % (kind, name))))}
    start, end = sample("start"), sample("end")
    times = [float(t) for t in read_lines(os.path.join(folder, "compare-%s-time.txt" % kind))]
    seconds = times[1] - times[0]
    shares = {}
    for pid, x in end.items():
        if pid in start:
            used = float(x["ticks"]) - float(start[pid]["ticks"])
            shares[x["kind"]] = shares.get(x["kind"], 0.0) + 100.0 * used / ticks_per_s / seconds
    return shares, seconds


def side_by_side_table(folder, cases, program):
    """The side-by-side runs of FOLDER: for each case, the CPU of the program (label,
    kind) and of the rest of its Wine session, each against the reference tool."""
    ticks_per_s = float(fields(read_lines(os.path.join(folder, "compare.txt"))[0])["clock_ticks"])
    print("CPU as a share of one core, after a warm-up, every process counted; the ratio is to the reference tool.\n")
    print("| case | process | CPU | ratio |")
    print("|---|---|---:|---:|")
    for kind, case in cases.items():
        reference = COMPARE_REFERENCES[kind][1]
        try:
            shares, seconds = session_shares(folder, kind, ticks_per_s)
        except (OSError, IndexError, ValueError):
            print("| %s | not measured | - | - |" % case)
            continue
        ref = shares.get("reference", 0.0) or float("nan")
        session = 0.0
        for label, kinds in ((program[0], (program[1],)),) + SESSION_ROWS:
            share = sum(shares.get(k, 0.0) for k in kinds)
            session += share
            print("| %s (%.0f s) | %s | %.2f %% | %.1fx |" % (case, seconds, label, share, share / ref))
        print("| | **the Wine session in all** | **%.2f %%** | **%.1fx** |" % (session, session / ref))
        xvfb = shares.get("xvfb", 0.0)
        print("| | the X server (Xvfb) | %.2f %% | %.1fx |" % (xvfb, xvfb / ref))
        print("| | %s | %.2f %% | 1x |" % (reference, shares.get("reference", 0.0)))
    print()


def compare(folder):
    print("### 3. Cost at 70 monitors\n")
    print("#### Side by side with fping and curl\n")
    side_by_side_table(folder, {kind: case for kind, (case, _) in COMPARE_REFERENCES.items()},
                       ("Orvalen.exe", "orvalen"))


def floor(folder):
    print("### The calls alone\n")
    print("callfloor.exe: only the calls a check is made of, and the report sent to a window.\n")
    side_by_side_table(folder, FLOOR_CASES, ("callfloor.exe", "callfloor"))


def cost(folder):
    proc = read_lines(os.path.join(folder, "proc.txt"))
    head = fields(proc[0])
    ticks_per_s = float(head["clock_ticks"])
    samples = [fields(line) for line in proc[1:] if line.startswith("t_s=")]
    watch = [fields(line) for line in read_lines(os.path.join(folder, "watch.txt")) if "answer_ms=" in line]
    ended = [line for line in read_lines(os.path.join(folder, "watch.txt")) if "ended=1" in line]
    exit_line = " ".join(read_lines(os.path.join(folder, "exit.txt"))).strip()
    minutes = float(samples[-1]["t_s"]) / 60 if samples else 0
    print("#### The mixed load\n")
    print("70 monitors checking loopback every second (24 Ping, 23 TCP, 23 URL) for %.1f minutes;" % minutes)
    print("figures after a %d s warm-up. CPU as a share of one core.\n" % WARM_UP_S)
    print("| process | CPU |")
    print("|---|---:|")
    for label, key in (("Orvalen.exe", "orvalen_ticks"), ("wineserver (all of the session)", "server_ticks"),
                       ("fping, the same 70 pings a second", "fping_ticks")):
        share = cpu_share(samples, key, ticks_per_s)
        print("| %s | %s |" % (label, "-" if share is None else "%.1f %%" % share))
    print("\n| count | after warm-up | min | max | at the end | first tenth | last tenth |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    for label, rows, key in (("threads", watch, "threads"), ("handles", watch, "handles"),
                             ("GDI objects", watch, "gdi"), ("windows", watch, "windows"),
                             ("private bytes (KiB)", watch, "private_kb"), ("working set (KiB)", watch, "ws_kb"),
                             ("resident, from /proc (KiB)", samples, "orvalen_rss_kb")):
        t = trend(rows, key)
        if t is None:
            print("| %s | - | - | - | - | - | - |" % label)
        else:
            print("| %s | %.0f | %.0f | %.0f | %.0f | %.1f | %.1f |" % ((label,) + t))
    answers = [float(x["answer_ms"]) for x in watch]
    late = [a for a in answers if a < 0]
    if answers:
        print("\nThe window answered WM_NULL in %.1f ms (median), %.1f ms at most; %d of %d samples not within 1 s."
              % (statistics.median([a for a in answers if a >= 0] or [0]), max(answers), len(late), len(answers)))
    print("%s Exit: %s.\n" % ("The process ended during the run!" if ended else "The process ran throughout.",
                              exit_line or "unknown"))
    grow = []
    for method in ("ping", "tcp", "url"):
        lines = [fields(line) for line in read_lines(os.path.join(folder, "grow-%s.txt" % method))
                 if line.startswith("private_kb_half=")]
        if lines:
            g = lines[-1]
            grow.append((method, int(g["checks_after_half"]),
                         1024.0 * (int(g["private_kb_end"]) - int(g["private_kb_half"])) / int(g["checks_after_half"])))
    if grow:
        print("Private bytes left behind per check, each method alone in a process of its own (checktimer.exe,")
        print("growth over its last %d checks): %s.\n" % (grow[0][1], ", ".join(
            "%s %.0f bytes" % (method.upper() if method != "ping" else "Ping", per) for method, _, per in grow)))


# --- Figure 5: soak ------------------------------------------------------------------

def soak(folder):
    watch = [fields(line) for line in read_lines(os.path.join(folder, "watch.txt")) if "answer_ms=" in line]
    ended = any("ended=1" in line for line in read_lines(os.path.join(folder, "watch.txt")))
    verify = read_lines(os.path.join(folder, "verify.txt"))
    exit_line = " ".join(read_lines(os.path.join(folder, "exit.txt"))).strip()
    cpu = {}
    for line in read_lines(os.path.join(folder, "cpu.txt")):
        cpu.update(fields(line))
    minutes = float(watch[-1]["t_s"]) / 60 if watch else 0
    print("### 5. Soak\n")
    print("70 \"*RAND*\" monitors checking every second for %.1f minutes, logging on, and an" % minutes)
    print("execute-file notification running a recording program at every change to Down.\n")
    answers = [float(x["answer_ms"]) for x in watch]
    late = [a for a in answers if a < 0 or a >= 1000]
    print("- Window answers (WM_NULL, SendMessageTimeout of 1 s, every second): %d samples, median %.1f ms,"
          % (len(answers), statistics.median(answers) if answers else -1))
    print("  %.1f ms at most, %d not within one second." % (max(answers) if answers else -1, len(late)))
    if cpu.get("end_ticks", "-1") != "-1" and "start_ticks" in cpu:
        share = 100.0 * (float(cpu["end_ticks"]) - float(cpu["start_ticks"])) / float(cpu["clock_ticks"]) \
            / float(cpu["seconds"])
        print("- CPU of Orvalen.exe: %.1f %% of one core (the recording programs are processes of their own)." % share)
    print("- Log lines and program runs against the seed-1 sequence: `%s`" % (verify[0] if verify else "not verified"))
    for line in verify[1:]:
        print("  - %s" % line.strip())
    print("- %s Exit code after closing: %s." % ("The process ENDED during the run." if ended else "No crash.",
                                                 exit_line or "unknown"))
    print("\n| count | after 1 min | min | max | at the end | first tenth | last tenth |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    for label, key in (("threads", "threads"), ("handles", "handles"), ("GDI objects", "gdi"),
                       ("private bytes (KiB)", "private_kb"), ("working set (KiB)", "ws_kb")):
        t = trend(watch, key)
        if t is None:
            print("| %s | - | - | - | - | - | - |" % label)
        else:
            print("| %s | %.0f | %.0f | %.0f | %.0f | %.1f | %.1f |" % ((label,) + t))
    print()


def main():
    figure, args = sys.argv[1], sys.argv[2:]
    {"timeouts": lambda: timeouts(args),
     "accuracy": lambda: accuracy(args[0]),
     "startup": lambda: startup(args[0]),
     "cost": lambda: cost(args[0]),
     "compare": lambda: compare(args[0]),
     "floor": lambda: floor(args[0]),
     "soak": lambda: soak(args[0])}[figure]()


if __name__ == "__main__":
    main()
