"""The add-in's samplers, elementary functions and modelling kernels (Sobol
points, rank correlations, the Iman-Conover reordering) against their peers, all measured in one run: runs the add-in's benchmarks, the same benchmarks built
on the C library's elementary functions instead of the add-in's own, and
numpy's samplers, `rounds` times in turn, and prints the best figure of each
as a table with the ratio ZqRand / peer (below 1 is faster). A second table
gives the samplers built on the C library's functions against the same
peers: what they cost once the add-in's own functions are as fast. Every figure is processor time of the measuring process, which
other work on a shared machine disturbs less than elapsed time."""
import json
import os
import subprocess
import sys

ROWS = [
    # what, add-in benchmark, peer, peer source and name
    ("ZqRand", "BM_ZqRandEntryPoint", "numpy RandomState.random_sample", ("numpy", "random_sample")),
    ("ZqRandNorm, inversion", "BM_ZqRandNormInversion", "numpy Generator.standard_normal",
     ("numpy", "generator_standard_normal")),
    ("ZqRandNorm, polar", "BM_ZqRandNormPolar", "numpy legacy standard_normal (the same polar method)",
     ("numpy", "legacy_standard_normal")),
    ("ZqRandPoisson, mean 5", "BM_ZqRandPoissonMean5", "numpy Generator.poisson", ("numpy", "poisson_5")),
    ("ZqRandPoisson, mean 50", "BM_ZqRandPoissonMean50", "numpy Generator.poisson", ("numpy", "poisson_50")),
    ("ZqRandBeta(2, 3)", "BM_ZqRandBeta23", "numpy Generator.beta", ("numpy", "beta_2_3")),
    ("own exp", "Exp", "glibc exp", ("libm", "Exp")),
    ("own log", "Log", "glibc log", ("libm", "Log")),
    ("own pow", "Pow", "glibc pow", ("libm", "Pow")),
    ("own tan", "Tan", "glibc tan", ("libm", "Tan")),
    ("own sinh", "Sinh", "glibc sinh", ("libm", "Sinh")),
    ("own cosh", "Cosh", "glibc cosh", ("libm", "Cosh")),
    ("own tanh", "Tanh", "glibc tanh", ("libm", "Tanh")),
    ("forward-rate Monte Carlo, n = 10, M = 20 (per path)", "BM_LfmSchemeOne/10/iterations:1",
     "the same simulation on glibc's exp and log", ("libm", "BM_LfmSchemeOne/10/iterations:1")),
]

# Sobol points per point; whole tables per call. The C library's functions
# play no part in them.
MODELLING_ROWS = [
    ("Sobol points, d = 10, 2^16 points (per point)", "BM_SobolPoints/10/65536",
     "scipy qmc.Sobol(10, scramble=False).random_base2(16)", ("numpy", "sobol_10")),
    ("Sobol points, d = 1000, 2^10 points (per point)", "BM_SobolPoints/1000/1024",
     "scipy qmc.Sobol(1000, scramble=False).random_base2(10)", ("numpy", "sobol_1000")),
    ("SpearmanMatrix, 100,000 x 10", "BM_SpearmanMatrix/100000/10", "scipy.stats.spearmanr",
     ("numpy", "spearmanr_100000x10")),
    ("KendallMatrix, 10,000 x 10", "BM_KendallMatrix/10000/10", "scipy.stats.kendalltau over the 45 pairs",
     ("numpy", "kendalltau_10000x10")),
    ("Iman-Conover reordering, 10,000 x 10", "BM_ImanConover", "the same reordering written in numpy",
     ("numpy", "iman_conover_10000x10")),
]

# Principal components per call, on the matrix 0.5^|i - j| at orders around
# and at powers of two; numpy's eigh decomposes the same matrices.
EIGEN_ORDERS = (100, 256, 400, 512, 600, 1024)
EIGEN_ROWS = [(f"ZqPCA, d = {d}", f"BM_ZqPCAPeer/{d}", "numpy.linalg.eigh", ("numpy", f"eigh_{d}"))
              for d in EIGEN_ORDERS]
EIGEN_FILTER = "^BM_ZqPCAPeer/.*$"

# One multivariate normal vector per call: the covariance's decomposition.
MULTI_NORMAL_ROWS = [
    (f"ZqRandMultiNorm, Size 1, d = {d}", f"BM_ZqRandMultiNormOneVector/{d}",
     "numpy Generator.multivariate_normal(method='svd')", ("numpy", f"multivariate_normal_svd_{d}"))
    for d in (100, 256, 400, 512, 600, 1024)
]

LIBM_FILTER = "^(BM_ZqRandEntryPoint|BM_ZqRandNormInversion|BM_ZqRandNormPolar|BM_ZqRandPoissonMean(5|50)|" \
              "BM_ZqRandBeta23|Exp|Log|Pow|Tan|Sinh|Cosh|Tanh|BM_LfmSchemeOne/10/.*)$"

# Correlation and covariance tables, whole tables per call through the entry
# points (mean and deviation rows included); numpy gives the matrix alone.
CORRELATION_ROWS = [
    ("ZqMultiCorrel, 32,767 x 50", "BM_ZqMultiCorrel/32767/50", "numpy.corrcoef", ("numpy", "corrcoef_32767x50")),
    ("ZqMultiCovarp, 32,767 x 50", "BM_ZqMultiCovarp/32767/50", "numpy.cov(bias=True)", ("numpy", "cov_32767x50")),
]
MODELLING_ROWS += CORRELATION_ROWS

# The add-in's benchmarks besides those built twice: the modelling and
# multivariate kernels (principal components run on their own, EIGEN_FILTER).
ADDIN_FILTER = LIBM_FILTER[:-2] + "|" + "|".join(
    name for _, name, _, _ in MODELLING_ROWS + MULTI_NORMAL_ROWS) + ")$"


def nanoseconds(entry):
    """Nanoseconds per value (samplers), per call (functions) or per path."""
    if "paths_per_s" in entry:
        return 1e9 / entry["paths_per_s"]
    if "items_per_second" in entry:
        return 1e9 / entry["items_per_second"]
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[entry["time_unit"]]
    return entry["cpu_time"] * scale


def google_benchmark(executable, pattern):
    output = subprocess.run([executable, f"--benchmark_filter={pattern}", "--benchmark_format=json",
                             "--benchmark_min_time=0.2"], check=True, capture_output=True, text=True).stdout
    return {entry["name"]: nanoseconds(entry) for entry in json.loads(output)["benchmarks"]}


def numpy_samplers(script):
    # OpenBLAS's kernel override set on some machines slows a current numpy;
    # it is lifted for this command alone.
    environment = {k: v for k, v in os.environ.items() if k not in ("OPENBLAS_CORETYPE", "OPENBLAS_L2_SIZE")}
    # One thread, as a worksheet call runs: OpenBLAS's other threads would
    # also count their waiting in the processor time.
    environment["OPENBLAS_NUM_THREADS"] = "1"
    output = subprocess.run(["/usr/bin/python3", script, "1"], check=True, capture_output=True, text=True,
                            env=environment).stdout
    return {name: float(ns) for name, ns in (line.split() for line in output.splitlines())}


def keep_best(best, source, figures):
    for name, ns in figures.items():
        key = (source, name)
        best[key] = min(ns, best.get(key, ns))


def shown(ns):
    if ns >= 1e7:
        return f"{ns / 1e6:.1f} ms"
    if ns >= 1e4:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.1f} ns" if ns >= 10 else f"{ns:.2f} ns"


def main():
    build, rounds = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 3
    here = os.path.dirname(os.path.abspath(__file__))
    best = {}
    for round_number in range(1, rounds + 1):
        print(f"peers: round {round_number} of {rounds}", file=sys.stderr)
        keep_best(best, "addin", google_benchmark(os.path.join(build, "zqbench"), ADDIN_FILTER))
        keep_best(best, "addin", google_benchmark(os.path.join(build, "zqbench"), EIGEN_FILTER))
        keep_best(best, "libm", google_benchmark(os.path.join(build, "zqlibmbench"), LIBM_FILTER))
        keep_best(best, "numpy", numpy_samplers(os.path.join(here, "numpy_peers.py")))
    print(f"Best of {rounds} rounds of processor time; ratio = ZqRand's time / the peer's (below 1 is faster).\n")
    print("| what | ZqRand | peer | peer | ratio |")
    print("|---|---|---|---|---|")
    for what, name, peer, peer_key in ROWS + MODELLING_ROWS + MULTI_NORMAL_ROWS:
        print(row(what, best.get(("addin", name)), peer, best.get(peer_key)))
    for what, name, peer, peer_key in EIGEN_ROWS:
        print(row(what, best.get(("addin", name)), peer, best.get(peer_key)))
    print("\nThe samplers built on the C library's exp, log, pow and tan:\n")
    print("| what | ZqRand on the C library's functions | peer | peer | ratio |")
    print("|---|---|---|---|---|")
    for what, name, peer, peer_key in ROWS:
        if peer_key[0] == "numpy":
            print(row(what, best.get(("libm", name)), peer, best.get(peer_key)))


def row(what, ours, peer, theirs):
    if ours is None or theirs is None:
        return f"| {what} | {shown(ours) if ours else 'missing'} | {peer} | {shown(theirs) if theirs else 'missing'} | |"
    return f"| {what} | {shown(ours)} | {peer} | {shown(theirs)} | {ours / theirs:.2f} |"

if __name__ == "__main__":
    main()
