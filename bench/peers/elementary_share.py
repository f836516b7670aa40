"""The share of each sampler's time spent in the add-in's own elementary
functions (exp, log, pow, tan and the rest, with their helpers), sampled by
perf on the add-in's benchmarks: what the samplers stand to gain from faster
elementary functions, and what is left to their own code."""
import os
import re
import subprocess
import sys
import tempfile

SAMPLERS = [
    ("ZqRandNorm, inversion", "BM_ZqRandNormInversion$"),
    ("ZqRandNorm, polar", "BM_ZqRandNormPolar$"),
    ("ZqRandPoisson, mean 5", "BM_ZqRandPoissonMean5$"),
    ("ZqRandPoisson, mean 50", "BM_ZqRandPoissonMean50$"),
    ("ZqRandBeta(2, 3)", "BM_ZqRandBeta23$"),
    ("forward-rate Monte Carlo, n = 10, M = 20", "BM_LfmSchemeOne/10/"),
]

# The objects that hold the elementary functions and their helpers.
ELEMENTARY_OBJECTS = tuple(f"numerics/{name}.cpp.o" for name in ("c_library_names", "exp", "log", "pow", "hyperbolic",
                                                                    "tangent"))


def bare_name(demangled):
    """A symbol as perf shows it: without its parameter list or clone suffix."""
    name = demangled.replace("(anonymous namespace)", "\0")
    name = re.sub(r" \[clone [^]]*\]", "", name)
    return name.split("(")[0].replace("\0", "(anonymous namespace)").strip()


def elementary_symbols(build):
    symbols = set()
    for obj in ELEMENTARY_OBJECTS:
        path = os.path.join(build, "CMakeFiles/zqcore.dir", obj)
        if not os.path.exists(path):
            continue
        listing = subprocess.run(["nm", "-C", "--defined-only", path], check=True, capture_output=True,
                                 text=True).stdout
        for line in listing.splitlines():
            parts = line.split(" ", 2)
            if len(parts) == 3 and parts[1] in ("t", "T"):
                symbols.add(bare_name(parts[2]))
    return symbols


def share(build, pattern, symbols):
    with tempfile.TemporaryDirectory() as scratch:
        data = os.path.join(scratch, "perf.data")
        subprocess.run(["perf", "record", "-q", "-e", "cpu-clock", "-F", "4000", "-o", data,
                        os.path.join(build, "zqbench"), f"--benchmark_filter={pattern}", "--benchmark_min_time=0.5"],
                       check=True, capture_output=True)
        report = subprocess.run(["perf", "report", "-i", data, "--stdio", "--no-children", "--sort", "sym", "-q"],
                                check=True, capture_output=True, text=True).stdout
    total = elementary = 0.0
    for line in report.splitlines():
        match = re.match(r"\s*([0-9.]+)%\s+\[[.k]\]\s+(.*?)\s*$", line)
        if not match:
            continue
        percent = float(match.group(1))
        total += percent
        if bare_name(match.group(2)) in symbols:
            elementary += percent
    return elementary / total if total else float("nan")


def main():
    build = sys.argv[1]
    symbols = elementary_symbols(build)
    print("| sampler | share of time in the elementary functions |")
    print("|---|---|")
    for what, pattern in SAMPLERS:
        print(f"| {what} | {100 * share(build, pattern, symbols):.0f}% |", flush=True)


if __name__ == "__main__":
    main()
