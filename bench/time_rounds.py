#!/usr/bin/env python3
"""Times commands side by side: round after round, each command runs once, so that a change
in the machine's load touches all alike. Prints, per command, the median wall-clock time and
the median CPU time (user + system, which the load hardly changes) in milliseconds:

    time_rounds.py ROUNDS 'COMMAND A' 'COMMAND B' ...
    -> wall_a cpu_a wall_b cpu_b ...
"""
import os
import shlex
import statistics
import subprocess
import sys
import time


def run_once(argv):
    start = time.perf_counter_ns()
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = (time.perf_counter_ns() - start) / 1e6
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{argv[0]} ended with {child.returncode}")
    return wall, (usage.ru_utime + usage.ru_stime) * 1e3


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    rounds = int(sys.argv[1])
    commands = [shlex.split(text) for text in sys.argv[2:]]
    # One round unmeasured: the first start after a build reads the files from disk.
    for argv in commands:
        run_once(argv)
    times = [([], []) for _ in commands]
    for _ in range(rounds):
        for argv, (walls, cpus) in zip(commands, times):
            wall, cpu = run_once(argv)
            walls.append(wall)
            cpus.append(cpu)
    print(" ".join(f"{statistics.median(walls):.1f} {statistics.median(cpus):.1f}"
                   for walls, cpus in times))


if __name__ == "__main__":
    main()
