#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
"""Runs a command and prints "wall_ms cpu_ms peak_rss_kib" for it.

CPU is user + system time of the child as wait4 reports it, so it counts every thread
from the start to the end of the close and nothing of this wrapper. The child's own
output goes where this wrapper's goes; a failing child makes this exit with its code.
Usage: wait4_run.py OUTPUT_FILE COMMAND [ARGS...]
"""
import os
import sys
import time


def main():
    if len(sys.argv) < 3:
        sys.stderr.write("usage: wait4_run.py OUTPUT_FILE COMMAND [ARGS...]\n")
        return 2
    output, command = sys.argv[1], sys.argv[2:]
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        try:
            os.execvp(command[0], command)
        finally:
            os._exit(127)
    _, status, usage = os.wait4(pid, 0)
    wall_ms = (time.perf_counter() - start) * 1000
    cpu_ms = (usage.ru_utime + usage.ru_stime) * 1000
    with open(output, "w", encoding="ascii") as out:
        out.write(f"{wall_ms:.2f} {cpu_ms:.2f} {usage.ru_maxrss}\n")
    return os.waitstatus_to_exitcode(status) if hasattr(os, "waitstatus_to_exitcode") else status


if __name__ == "__main__":
    code = main()
    sys.exit(code if code >= 0 else 128 - code)
