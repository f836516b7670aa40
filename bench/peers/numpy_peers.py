"""numpy's samplers, timed per value on columns as large as the add-in's
benchmarks draw: one line per sampler, "name nanoseconds", the best of
`rounds` timings of about a fifth of a second each, in processor time."""
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


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 1
    for name, draw in samplers().items():
        draw()
        calls = max(1, int(0.2 / max(timeit.timeit(draw, number=1, timer=time.process_time), 1e-6)))
        best = min(timeit.repeat(draw, number=calls, repeat=rounds, timer=time.process_time)) / calls
        print(f"{name} {best / SIZE * 1e9:.4f}")


if __name__ == "__main__":
    main()
