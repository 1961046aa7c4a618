#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
"""Runs a command and prints "wall_ms cpu_ms peak_rss_kib" for it.

CPU is user + system time as wait4 reports it, so it counts every thread from the start to
the end of the close and nothing of this wrapper. The child's own output goes where this
wrapper's goes; a failing child makes this exit with its code.

With --descendants the figures take in every process the command starts, even one that its
starter leaves behind: under Wine, `wine program.exe` is start.exe, which starts the program
as a process of its own and only waits for it. This wrapper becomes their reaper, sums their
CPU, keeps the largest peak memory, and waits for them to end (up to 60 s after the command).
Usage: wait4_run.py [--descendants] OUTPUT_FILE COMMAND [ARGS...]
"""
import ctypes
import os
import sys
import time

PR_SET_CHILD_SUBREAPER = 36


def reap_all(first, deadline_after_first):
    """Waits for the first child and then for any descendant left, summing their usage."""
    cpu, peak, first_status, deadline = 0.0, 0, None, None
    while True:
        flags = 0 if deadline is None else os.WNOHANG
        try:
            pid, status, usage = os.wait4(-1, flags)
        except ChildProcessError:
            break
        if pid == 0:
            if time.perf_counter() > deadline:
                break
            time.sleep(0.01)
            continue
        cpu += usage.ru_utime + usage.ru_stime
        peak = max(peak, usage.ru_maxrss)
        if pid == first:
            first_status = status
            deadline = time.perf_counter() + deadline_after_first
    return cpu, peak, first_status


def main():
    args = sys.argv[1:]
    descendants = bool(args) and args[0] == "--descendants"
    if descendants:
        args = args[1:]
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    if len(args) < 2:
        sys.stderr.write("usage: wait4_run.py [--descendants] OUTPUT_FILE COMMAND [ARGS...]\n")
        return 2
    output, command = args[0], args[1:]
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        try:
            os.execvp(command[0], command)
        finally:
            os._exit(127)
    if descendants:
        cpu, peak, status = reap_all(pid, 60.0)
    else:
        _, status, usage = os.wait4(pid, 0)
        cpu, peak = usage.ru_utime + usage.ru_stime, usage.ru_maxrss
    wall_ms = (time.perf_counter() - start) * 1000
    with open(output, "w", encoding="ascii") as out:
        out.write(f"{wall_ms:.2f} {cpu * 1000:.2f} {peak}\n")
    return os.waitstatus_to_exitcode(status)


if __name__ == "__main__":
    sys.exit(main())
