"""The dialogue table: one row per run of a program.

(program, standard input, expected standard output, expected standard error,
exit status). Every "\n" in an expected text means the platform's line end.
"""

P1 = b"Unesite broj: "
ERR = b"Greska: unos nije cijeli broj od -2147483648 do 2147483647\n"
KV = b"Kvadrat unesenog broja je: "

CASES = [
    ("Kvadriranje", b"7\n", P1 + KV + b"49", b"", 0),
    ("Kvadriranje", b"7", P1 + KV + b"49", b"", 0),
    ("Kvadriranje", b"0\n", P1 + KV + b"0", b"", 0),
    ("Kvadriranje", b"-5\n", P1 + KV + b"25", b"", 0),
    ("Kvadriranje", b"46340\n", P1 + KV + b"2147395600", b"", 0),
    ("Kvadriranje", b"-46340\n", P1 + KV + b"2147395600", b"", 0),
    ("Kvadriranje", b"46341\n", P1 + KV + b"2147488281", b"", 0),
    ("Kvadriranje", b"50000\n", P1 + KV + b"2500000000", b"", 0),
    ("Kvadriranje", b"94906267\n", P1 + KV + b"9007199515875289", b"", 0),
    ("Kvadriranje", b"2147483647\n", P1 + KV + b"4611686014132420609", b"", 0),
    ("Kvadriranje", b"-2147483647\n", P1 + KV + b"4611686014132420609", b"", 0),
    ("Kvadriranje", b"-2147483648\n", P1 + KV + b"4611686018427387904", b"", 0),
    ("Kvadriranje", b"   42\n", P1 + KV + b"1764", b"", 0),
    ("Kvadriranje", b"\n\n\t 42\n", P1 + KV + b"1764", b"", 0),
    ("Kvadriranje", b"+5\n", P1 + KV + b"25", b"", 0),
    ("Kvadriranje", b"12abc\n", P1 + KV + b"144", b"", 0),
    ("Kvadriranje", b"3 4\n", P1 + KV + b"9", b"", 0),
    ("Kvadriranje", b"", P1, ERR, 1),
    ("Kvadriranje", b"   \n\n", P1, ERR, 1),
    ("Kvadriranje", b"abc\n", P1, ERR, 1),
    ("Kvadriranje", b"-\n", P1, ERR, 1),
    ("Kvadriranje", b"2147483648\n", P1, ERR, 1),
    ("Kvadriranje", b"-2147483649\n", P1, ERR, 1),
    ("Kvadriranje", b"99999999999999999999\n", P1, ERR, 1),
]
