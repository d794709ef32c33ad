"""Independent answers for the randomised sweep, worked out on Python's
unbounded integers and on decimal strings, never by the programs' loops."""

from cases import P1, P2, P3

INT_MIN, INT_MAX = -2**31, 2**31 - 1


def any_int(rng):
    # Half from the whole range, half short numbers, where most digit cases lie.
    if rng.random() < 0.5:
        return rng.randint(INT_MIN, INT_MAX)
    return rng.randint(-99999, 99999)


def magnitude_digits(n):
    return str(abs(n))


def one(label, answer, pick=any_int):
    def sweep(rng):
        n = pick(rng)
        return b"%d\n" % n, P1 + label + str(answer(n)).encode()
    return sweep


def count_to(n):
    return b"%d\n" % n, P1 + "".join(f"{i} " for i in range(1, n + 1)).encode()


def counting(rng):
    # Output grows with N, so positive N stays small; negatives span the range.
    return count_to(rng.choice([rng.randint(INT_MIN, 0), rng.randint(1, 3000)]))


def comparing(rng):
    a, b = any_int(rng), any_int(rng)
    if rng.random() < 0.2:
        b = a
    if a == b:
        answer = b"Brojevi su jednaki"
    else:
        answer = b"Manji: %d\nVe\xe6i: %d" % (min(a, b), max(a, b))
    return b"%d %d\n" % (a, b), P1 + P2 + answer


def largest(rng):
    xs = [any_int(rng) for _ in range(3)]
    return b"%d\n%d\n%d\n" % tuple(xs), P1 + P2 + P3 + b"Najveci od tri broja je: %d" % max(xs)


def reversed_number(n):
    return (-1 if n < 0 else 1) * int(magnitude_digits(n)[::-1])


def palindrome(n):
    return int(magnitude_digits(n) == magnitude_digits(n)[::-1])


def palindrome_pick(rng):
    # Random ints are seldom palindromes: mirror a random half for every other one.
    if rng.random() < 0.5:
        return any_int(rng)
    half = str(rng.randint(1, 99999))
    n = int(half + half[::-1][rng.randint(0, 1):]) * rng.choice([1, -1])
    return n if INT_MIN <= n <= INT_MAX else any_int(rng)


def sum_to(n):
    return n * (n + 1) // 2 if n > 0 else 0


def sum_line(rng):
    # A run adds N numbers one by one: keep N small enough for unoptimised builds.
    n = rng.choice([rng.randint(INT_MIN, 0), rng.randint(1, 10**6)])
    return b"%d\n" % n, P1 + b"Suma brojeva do %d je: %d" % (n, sum_to(n))


SWEEPS = {
    "Kvadriranje": one(b"Kvadrat unesenog broja je: ", lambda n: n * n),
    "Brojanje": counting,
    "Usporedba": comparing,
    "DuzinaBroja": one(b"Broj znamenki u broju je: ", lambda n: len(magnitude_digits(n))),
    "NajveciOdTri": largest,
    "SumaCifara": one(b"Suma znamenki u broju je: ",
                      lambda n: sum(int(d) for d in magnitude_digits(n))),
    "Obrtanje": one(b"Obrnuti broj je: ", reversed_number),
    "Palindromi": one(b"Broje je palindroman: ", palindrome, palindrome_pick),
    "SumaDoN": sum_line,
}

# Where a fast counter goes wrong: each new digit, and the edges of the
# ten-thousand-number blocks it writes at once.
COUNT_EDGES = sorted({*range(1, 12), *(p + d for p in (10**k for k in range(2, 7))
                                       for d in (-1, 0, 1)),
                      19999, 20000, 20001, 129999, 130000, 130001, 123456})
BOUNDARIES = {
    "Brojanje": lambda: [count_to(n) for n in COUNT_EDGES],
}
