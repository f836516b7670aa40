"""numpy's samplers, timed per value on columns as large as the add-in's
benchmarks draw, and SciPy's unscrambled Sobol points, timed per point in
the add-in benchmark's shapes: one line per sampler, "name nanoseconds", the
best of `rounds` timings of about a fifth of a second each, in processor
time."""
import sys
import time
import timeit

import numpy as np

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
    from scipy.stats import qmc
    return {f"sobol_{d}": (lambda d=d, m=m: qmc.Sobol(d, scramble=False).random_base2(m), 2**m)
            for d, m in ((10, 16), (1000, 10))}


def best_time(draw, rounds):
    draw()
    calls = max(1, int(0.2 / max(timeit.timeit(draw, number=1, timer=time.process_time), 1e-6)))
    return min(timeit.repeat(draw, number=calls, repeat=rounds, timer=time.process_time)) / calls


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 1
    for name, draw in samplers().items():
        print(f"{name} {best_time(draw, rounds) / SIZE * 1e9:.4f}")
    for name, (draw, points) in sobol_points().items():
        print(f"{name} {best_time(draw, rounds) / points * 1e9:.4f}")


if __name__ == "__main__":
    main()
