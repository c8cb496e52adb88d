#!/usr/bin/env python3
"""CPU ticks so far of every process of one Wine session, of the X server and of the
reference processes: session_cpu.py PREFIX DISPLAY [REFERENCE_PID...]

One line per process: pid=N kind=K ticks=T, where K is orvalen, callfloor, wineserver,
winedevice (Wine's device host, which does the ICMP work), wine-other (the session's
other Wine processes), xvfb or reference. Ticks are user and system time with the
waited-for children's (a reference loop's curl runs)."""
import os
import sys

prefix, display, references = sys.argv[1], sys.argv[2], set(sys.argv[3:])


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def ticks(pid):
    stat = read("/proc/%s/stat" % pid)
    if stat is None:
        return None
    fields = stat[stat.rindex(b")") + 2:].split()
    return sum(int(v) for v in fields[11:15])  # utime stime cutime cstime


for pid in filter(str.isdigit, os.listdir("/proc")):
    cmdline = read("/proc/%s/cmdline" % pid)
    if not cmdline:
        continue
    args = cmdline.split(b"\0")
    command = args[0].decode(errors="replace").replace("\\", "/").lower()
    kind = None
    if pid in references:
        kind = "reference"
    elif os.path.basename(command) == "xvfb" and display.encode() in args:
        kind = "xvfb"
    else:
        environ = read("/proc/%s/environ" % pid) or b""
        if ("WINEPREFIX=%s" % prefix).encode() not in environ.split(b"\0"):
            continue
        if command.endswith("orvalen.exe"):
            kind = "orvalen"
        elif command.endswith("callfloor.exe"):
            kind = "callfloor"
        elif os.path.basename(command).startswith("wineserver"):
            kind = "wineserver"
        elif command.endswith("winedevice.exe"):
            kind = "winedevice"
        elif command.endswith(".exe"):
            kind = "wine-other"
        else:
            continue
    t = ticks(pid)
    if t is not None:
        print("pid=%s kind=%s ticks=%d" % (pid, kind, t))
