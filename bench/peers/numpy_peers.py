"""numpy's samplers, timed per value on columns as large as the add-in's
benchmarks draw; SciPy's unscrambled Sobol points, per point in the add-in
benchmark's shapes; SciPy's rank correlations and an Iman-Conover
reordering written in numpy, per table on the tables of the add-in's
benchmarks: one line each, "name nanoseconds", the best of `rounds` timings
of about a fifth of a second each, in processor time."""
import sys
import time
import timeit

import numpy as np
from scipy.special import ndtri
from scipy.stats import kendalltau, qmc, spearmanr

SIZE = 32767


def samplers():
    legacy = np.random.RandomState(1)
    generator = np.random.default_rng(1)
    return {
        "random_sample": lambda: legacy.random_sample(SIZE),
        "generator_standard_normal": lambda: generator.standard_normal(SIZE),
        "legacy_standard_normal": lambda: legacy.standard_normal(SIZE),
        "poisson_5": lambda: generator.poisson(5.0, SIZE),
        "poisson_50": lambda: generator.poisson(50.0, SIZE),
        "beta_2_3": lambda: generator.beta(2.0, 3.0, SIZE),
    }


def sobol_points():
    """The sequence made and 2^m points drawn, per (dimensions, m)."""
    return {f"sobol_{d}": (lambda d=d, m=m: qmc.Sobol(d, scramble=False).random_base2(m), 2**m)
            for d, m in ((10, 16), (1000, 10))}


def iman_conover(x, target, rng):
    """Van der Waerden scores shuffled per column, their correlation
    corrected towards the target by Cholesky factors, and each column of x,
    sorted, laid out in the rank order of its corrected scores."""
    n, d = x.shape
    scores = ndtri(np.arange(1, n + 1) / (n + 1))
    s = np.column_stack([rng.permutation(scores) for _ in range(d)])
    e = np.linalg.cholesky(np.corrcoef(s, rowvar=False))
    t = s @ (np.linalg.cholesky(target) @ np.linalg.inv(e)).T
    ordered = np.sort(x, axis=0, kind="stable")
    out = np.empty_like(x)
    for j in range(d):
        out[np.argsort(t[:, j], kind="stable"), j] = ordered[:, j]
    return out


def iman_conover_table():
    """10,000 x 10 uniforms towards the correlation 0.5^|i - j|, as the
    add-in's benchmark."""
    rng = np.random.default_rng(1)
    x = rng.random((10000, 10))
    i = np.arange(10)
    target = 0.5 ** np.abs(i[:, None] - i[None, :])
    return {"iman_conover_10000x10": lambda: iman_conover(x, target, rng)}


def correlated_table(rows, columns):
    """Cell (i, j) = uniform(i, j) + uniform(i, 0), each uniform the top 53
    bits of SplitMix64 of the cell's index, as the add-in's benchmark makes
    it (numpy's 64-bit integers wrap as C++'s do)."""
    z = (np.arange(rows * columns, dtype=np.uint64).reshape(rows, columns) + np.uint64(1)) * np.uint64(0x9E3779B97F4A7C15)
    z = (z ^ (z >> np.uint64(30))) * np.uint64(0xBF58476D1CE4E5B9)
    z = (z ^ (z >> np.uint64(27))) * np.uint64(0x94D049BB133111EB)
    z ^= z >> np.uint64(31)
    u = (z >> np.uint64(11)).astype(np.float64) * 2.0**-53
    return u + u[:, :1]


def rank_correlations():
    spearman_table = correlated_table(100000, 10)
    kendall_table = correlated_table(10000, 10)
    pairs = [(j, k) for j in range(10) for k in range(j + 1, 10)]
    return {
        "spearmanr_100000x10": lambda: spearmanr(spearman_table),
        "kendalltau_10000x10": lambda: [kendalltau(kendall_table[:, j], kendall_table[:, k]) for j, k in pairs],
    }


def moment_tables():
    """numpy's population covariance and correlation matrices of the
    32,767 x 50 table of the add-in's correlation benchmark."""
    table = correlated_table(32767, 50)
    return {
        "corrcoef_32767x50": lambda: np.corrcoef(table, rowvar=False),
        "cov_32767x50": lambda: np.cov(table, rowvar=False, bias=True),
    }


def eigen_decompositions():
    """numpy.linalg.eigh of 0.5^|i - j|, as the add-in's ZqPCA benchmark, per order."""
    def power_decay(d):
        i = np.arange(d)
        return 0.5 ** np.abs(i[:, None] - i[None, :])
    return {f"eigh_{d}": (lambda a=power_decay(d): np.linalg.eigh(a)) for d in (100, 256, 400, 512, 600, 1024)}

# The multivariate normal sampler: one vector, whose cost is the covariance's
# decomposition, on the add-in benchmark's dense covariance (0.3 off the
# diagonal, variances 1 + i / d).
MULTI_NORMAL_DIMENSIONS = (100, 256, 400, 512, 600, 1024)


def multi_normal_one_vector():
    generator = np.random.default_rng(1)
    calls = {}
    for d in MULTI_NORMAL_DIMENSIONS:
        cov = np.full((d, d), 0.3)
        np.fill_diagonal(cov, 1.0 + np.arange(d) / d)
        calls[f"multivariate_normal_svd_{d}"] = \
            lambda cov=cov, d=d: generator.multivariate_normal(np.zeros(d), cov, 1, method="svd")
    return calls


def best_seconds(call, rounds):
    call()
    calls = max(1, int(0.2 / max(timeit.timeit(call, number=1, timer=time.process_time), 1e-6)))
    return min(timeit.repeat(call, number=calls, repeat=rounds, timer=time.process_time)) / calls


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 1
    for name, draw in samplers().items():
        print(f"{name} {best_seconds(draw, rounds) / SIZE * 1e9:.4f}")
    for name, (draw, points) in sobol_points().items():
        print(f"{name} {best_seconds(draw, rounds) / points * 1e9:.4f}")
    for name, table in {**rank_correlations(), **iman_conover_table(), **moment_tables()}.items():
        print(f"{name} {best_seconds(table, rounds) * 1e9:.0f}")
    for name, decompose in eigen_decompositions().items():
        print(f"{name} {best_seconds(decompose, rounds) * 1e9:.0f}")
    for name, draw in multi_normal_one_vector().items():
        print(f"{name} {best_seconds(draw, rounds) * 1e9:.0f}")


if __name__ == "__main__":
    main()
