#!/usr/bin/env python3
"""Turns the benchmarks' JSON output into the table of docs/performance.md."""
import json
import platform
import subprocess
import sys


def machine():
    cpu = "unknown processor"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    cores = subprocess.run(["nproc"], capture_output=True, text=True).stdout.strip()
    mem = ""
    try:
        with open("/proc/meminfo") as f:
            kb = int(f.readline().split()[1])
            mem = f"{kb / 1024 / 1024:.0f} GiB"
    except OSError:
        pass
    return f"{cpu}, {cores} cores, {mem}, {platform.system()} {platform.release()}"


def rows(path):
    with open(path) as f:
        data = json.load(f)
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate":
            continue
        unit = b.get("time_unit", "ns")
        extra = ", ".join(
            f"{k} {v:.3g}" for k, v in b.items()
            if k not in ("name", "run_name", "run_type", "repetitions", "repetition_index",
                         "threads", "iterations", "real_time", "cpu_time", "time_unit",
                         "family_index", "per_family_instance_index", "label",
                         "aggregate_name", "aggregate_unit")
            and isinstance(v, (int, float)))
        label = b.get("label", "")
        yield b["name"], f"{b['real_time']:.3g} {unit}", ", ".join(x for x in (label, extra) if x)


def main():
    out = sys.argv[1]
    inputs = sys.argv[2:]
    lines = ["| benchmark | time per iteration | notes |", "|---|---|---|"]
    for path in inputs:
        for name, time, notes in rows(path):
            lines.append(f"| {name} | {time} | {notes} |")
    with open(out, "w") as f:
        f.write("Machine: " + machine() + "\n\n" + "\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
