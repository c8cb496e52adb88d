#!/usr/bin/env python3
"""Counts the requests in one stretch of a wineserver trace (-d1):
request_counts.py TRACE FROM_BYTE TO_BYTE SECONDS LOAD

Prints a Markdown table of requests a check, by the kind of thread that made them. A
thread is named by the requests it makes: the window's thread fetches and answers sent
messages, a monitoring thread sends them, Wine's ICMP service takes device requests,
and a thread of the call pool makes the echo (ioctl) or the fetch (socket) itself. The
number of checks is the number of reports sent to the window."""
import collections
import re
import sys

path, start, end, seconds, load = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), float(sys.argv[4]), sys.argv[5]
with open(path, "rb") as f:
    f.seek(start)
    lines = f.read(end - start).decode(errors="replace").splitlines()

request = re.compile(r"^([0-9a-f]{4}): (\w+)\((.*)$")
by_thread = collections.defaultdict(collections.Counter)
for line in lines:
    m = request.match(line)
    if m and not m.group(3).startswith(") ="):  # a reply line reads "name() = ..."
        by_thread[m.group(1)][m.group(2)] += 1


def role(counts):
    if counts["reply_message"]:
        return "the window's thread"
    if counts["send_message"]:
        return "monitoring threads"
    if counts["get_next_device_request"] or counts["set_irp_result"]:
        return "Wine's device host (winedevice.exe)"
    if counts["recv_socket"] or counts["send_socket"]:
        return "call pool: page fetches"
    if counts["ioctl"]:
        return "call pool: echoes"
    return "other threads"


roles = collections.Counter()
for counts in by_thread.values():
    roles[role(counts)] += sum(counts.values())
checks = sum(counts["send_message"] for counts in by_thread.values() if role(counts) == "monitoring threads")
if not checks:
    print(f"{load}: no check reported in the stretch")
    sys.exit(0)
print(f"| {load}: {checks / seconds:.0f} checks a second | requests a check |")
print("|---|---:|")
for name, total in sorted(roles.items(), key=lambda kv: -kv[1]):
    print(f"| {name} | {total / checks:.1f} |")
print(f"| **in all** | **{sum(roles.values()) / checks:.1f}** |")
print()
