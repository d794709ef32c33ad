"""Independent answers for the randomised sweep, worked out on Python's
unbounded integers and on decimal strings, never by the programs' loops."""

INT_MIN, INT_MAX = -2**31, 2**31 - 1
PROMPT = b"Unesite broj: "


def any_int(rng):
    # Half from the whole range, half short numbers, where most digit cases lie.
    if rng.random() < 0.5:
        return rng.randint(INT_MIN, INT_MAX)
    return rng.randint(-99999, 99999)


def kvadriranje(rng):
    n = any_int(rng)
    return b"%d\n" % n, PROMPT + b"Kvadrat unesenog broja je: %d" % (n * n)


SWEEPS = {
    "Kvadriranje": kvadriranje,
}
