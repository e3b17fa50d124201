#!/usr/bin/env python3
"""Whole-process start-up and peak memory of the program's render mode.

    benchmarks/measure_startup.py BINARY [RUNS]

Runs `BINARY --render OUT.png --state OUT.json` RUNS times (default 21) on the
offscreen platform and prints the median wall time and the largest peak
resident set size of the runs.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(binary, out_dir):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    start = time.perf_counter()
    proc = subprocess.Popen([binary, "--render", os.path.join(out_dir, "bench.png"),
                             "--state", os.path.join(out_dir, "state.json"), "--wavelength", "589",
                             "--grating", "2,0", "--order", "2"],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{binary} failed: {proc.stderr.read().decode(errors='replace')}")
    return elapsed, usage.ru_maxrss / 1024.0


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    binary = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    with tempfile.TemporaryDirectory() as out_dir:
        run_once(binary, out_dir)  # warm the file cache
        results = [run_once(binary, out_dir) for _ in range(runs)]
    times = sorted(t for t, _ in results)
    print(f"render mode start-up: median {statistics.median(times) * 1000:.0f} ms, "
          f"min {times[0] * 1000:.0f} ms, max {times[-1] * 1000:.0f} ms over {runs} runs")
    print(f"peak memory: {max(m for _, m in results):.1f} MB (largest resident set of the runs)")


if __name__ == "__main__":
    main()
