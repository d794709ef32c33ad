"""The dialogue table: one row per run of a program.

(program, standard input, expected standard output, expected standard error,
exit status). Every "\n" in an expected text means the platform's line end.
"""

P1, P2, P3 = b"Unesite broj: ", b"Unesite broj 2: ", b"Unesite broj 3: "
ERR = b"Greska: unos nije cijeli broj od -2147483648 do 2147483647\n"
WRITE_ERR = b"Greska: ispis nije uspio\n"
KV = P1 + b"Kvadrat unesenog broja je: "
US = P1 + P2
MANJI, VECI, JEDNAKI = b"Manji: ", b"\nVe\xe6i: ", b"Brojevi su jednaki"
DU = P1 + b"Broj znamenki u broju je: "
NT = P1 + P2 + P3 + b"Najveci od tri broja je: "
SC = P1 + b"Suma znamenki u broju je: "
OB = P1 + b"Obrnuti broj je: "
PA = P1 + b"Broje je palindroman: "
SD = P1 + b"Suma brojeva do "

CASES = [
    ("Kvadriranje", b"7\n", KV + b"49", b"", 0),
    ("Kvadriranje", b"7", KV + b"49", b"", 0),
    ("Kvadriranje", b"0\n", KV + b"0", b"", 0),
    ("Kvadriranje", b"-5\n", KV + b"25", b"", 0),
    ("Kvadriranje", b"46340\n", KV + b"2147395600", b"", 0),
    ("Kvadriranje", b"-46340\n", KV + b"2147395600", b"", 0),
    ("Kvadriranje", b"46341\n", KV + b"2147488281", b"", 0),
    ("Kvadriranje", b"50000\n", KV + b"2500000000", b"", 0),
    # Squares from 2^51 to 2^52, where half a unit is a double's last bit.
    ("Kvadriranje", b"47453133\n", KV + b"2251799831515689", b"", 0),
    ("Kvadriranje", b"50000000\n", KV + b"2500000000000000", b"", 0),
    ("Kvadriranje", b"-50000000\n", KV + b"2500000000000000", b"", 0),
    ("Kvadriranje", b"67108863\n", KV + b"4503599493152769", b"", 0),
    ("Kvadriranje", b"94906267\n", KV + b"9007199515875289", b"", 0),
    ("Kvadriranje", b"2147483647\n", KV + b"4611686014132420609", b"", 0),
    ("Kvadriranje", b"-2147483647\n", KV + b"4611686014132420609", b"", 0),
    ("Kvadriranje", b"-2147483648\n", KV + b"4611686018427387904", b"", 0),
    ("Kvadriranje", b"   42\n", KV + b"1764", b"", 0),
    ("Kvadriranje", b"\n\n\t 42\n", KV + b"1764", b"", 0),
    ("Kvadriranje", b"+5\n", KV + b"25", b"", 0),
    ("Kvadriranje", b"12abc\n", KV + b"144", b"", 0),
    ("Kvadriranje", b"3 4\n", KV + b"9", b"", 0),
    ("Kvadriranje", b"", P1, ERR, 1),
    ("Kvadriranje", b"   \n\n", P1, ERR, 1),
    ("Kvadriranje", b"abc\n", P1, ERR, 1),
    ("Kvadriranje", b"-\n", P1, ERR, 1),
    ("Kvadriranje", b"2147483648\n", P1, ERR, 1),
    ("Kvadriranje", b"-2147483649\n", P1, ERR, 1),
    ("Kvadriranje", b"99999999999999999999\n", P1, ERR, 1),

    ("Brojanje", b"5\n", P1 + b"1 2 3 4 5 ", b"", 0),
    ("Brojanje", b"3\n", P1 + b"1 2 3 ", b"", 0),
    ("Brojanje", b"1\n", P1 + b"1 ", b"", 0),
    ("Brojanje", b"0\n", P1, b"", 0),
    ("Brojanje", b"-1\n", P1, b"", 0),
    ("Brojanje", b"-2147483648\n", P1, b"", 0),
    ("Brojanje", b"12\n", P1 + b"1 2 3 4 5 6 7 8 9 10 11 12 ", b"", 0),
    ("Brojanje", b"x\n", P1, ERR, 1),
    ("Brojanje", b"2147483648\n", P1, ERR, 1),

    ("Usporedba", b"3 8\n", US + MANJI + b"3" + VECI + b"8", b"", 0),
    ("Usporedba", b"8 3\n", US + MANJI + b"3" + VECI + b"8", b"", 0),
    ("Usporedba", b"3\n8\n", US + MANJI + b"3" + VECI + b"8", b"", 0),
    ("Usporedba", b"5 5\n", US + JEDNAKI, b"", 0),
    ("Usporedba", b"-1 -7\n", US + MANJI + b"-7" + VECI + b"-1", b"", 0),
    ("Usporedba", b"-2147483648 2147483647\n", US + MANJI + b"-2147483648" + VECI + b"2147483647", b"", 0),
    ("Usporedba", b"2147483647 -2147483648\n", US + MANJI + b"-2147483648" + VECI + b"2147483647", b"", 0),
    ("Usporedba", b"-2147483648 -2147483648\n", US + JEDNAKI, b"", 0),
    ("Usporedba", b"0 -0\n", US + JEDNAKI, b"", 0),
    ("Usporedba", b"", P1, ERR, 1),
    ("Usporedba", b"x 3\n", P1, ERR, 1),
    ("Usporedba", b"3\n", US, ERR, 1),
    ("Usporedba", b"3 x\n", US, ERR, 1),
    ("Usporedba", b"3 2147483648\n", US, ERR, 1),

    ("DuzinaBroja", b"123\n", DU + b"3", b"", 0),
    ("DuzinaBroja", b"0\n", DU + b"1", b"", 0),
    ("DuzinaBroja", b"7\n", DU + b"1", b"", 0),
    ("DuzinaBroja", b"9\n", DU + b"1", b"", 0),
    ("DuzinaBroja", b"10\n", DU + b"2", b"", 0),
    ("DuzinaBroja", b"99\n", DU + b"2", b"", 0),
    ("DuzinaBroja", b"100\n", DU + b"3", b"", 0),
    ("DuzinaBroja", b"999999999\n", DU + b"9", b"", 0),
    ("DuzinaBroja", b"1000000000\n", DU + b"10", b"", 0),
    ("DuzinaBroja", b"2147483647\n", DU + b"10", b"", 0),
    ("DuzinaBroja", b"-7\n", DU + b"1", b"", 0),
    ("DuzinaBroja", b"-123\n", DU + b"3", b"", 0),
    ("DuzinaBroja", b"-2147483648\n", DU + b"10", b"", 0),
    ("DuzinaBroja", b"007\n", DU + b"1", b"", 0),
    ("DuzinaBroja", b"abc\n", P1, ERR, 1),

    ("NajveciOdTri", b"1 2 3\n", NT + b"3", b"", 0),
    ("NajveciOdTri", b"3 2 1\n", NT + b"3", b"", 0),
    ("NajveciOdTri", b"2 3 1\n", NT + b"3", b"", 0),
    ("NajveciOdTri", b"5 5 3\n", NT + b"5", b"", 0),
    ("NajveciOdTri", b"5 3 5\n", NT + b"5", b"", 0),
    ("NajveciOdTri", b"3 5 5\n", NT + b"5", b"", 0),
    ("NajveciOdTri", b"4\n4\n4\n", NT + b"4", b"", 0),
    ("NajveciOdTri", b"-1 -2 -3\n", NT + b"-1", b"", 0),
    ("NajveciOdTri", b"-2147483648 0 2147483647\n", NT + b"2147483647", b"", 0),
    ("NajveciOdTri", b"-2147483648 -2147483648 -2147483648\n", NT + b"-2147483648", b"", 0),
    ("NajveciOdTri", b"", P1, ERR, 1),
    ("NajveciOdTri", b"1\n", P1 + P2, ERR, 1),
    ("NajveciOdTri", b"1 2\n", P1 + P2 + P3, ERR, 1),
    ("NajveciOdTri", b"1 2 -2147483649\n", P1 + P2 + P3, ERR, 1),

    ("SumaCifara", b"123\n", SC + b"6", b"", 0),
    ("SumaCifara", b"0\n", SC + b"0", b"", 0),
    ("SumaCifara", b"7\n", SC + b"7", b"", 0),
    ("SumaCifara", b"100\n", SC + b"1", b"", 0),
    ("SumaCifara", b"909\n", SC + b"18", b"", 0),
    ("SumaCifara", b"2147483647\n", SC + b"46", b"", 0),
    ("SumaCifara", b"1999999999\n", SC + b"82", b"", 0),
    ("SumaCifara", b"-123\n", SC + b"6", b"", 0),
    ("SumaCifara", b"-2147483648\n", SC + b"47", b"", 0),
    ("SumaCifara", b"", P1, ERR, 1),

    ("Obrtanje", b"123\n", OB + b"321", b"", 0),
    ("Obrtanje", b"7\n", OB + b"7", b"", 0),
    ("Obrtanje", b"9\n", OB + b"9", b"", 0),
    ("Obrtanje", b"0\n", OB + b"0", b"", 0),
    ("Obrtanje", b"120\n", OB + b"21", b"", 0),
    ("Obrtanje", b"100\n", OB + b"1", b"", 0),
    ("Obrtanje", b"2147483647\n", OB + b"7463847412", b"", 0),
    ("Obrtanje", b"1000000009\n", OB + b"9000000001", b"", 0),
    ("Obrtanje", b"1000000000\n", OB + b"1", b"", 0),
    ("Obrtanje", b"-7\n", OB + b"-7", b"", 0),
    ("Obrtanje", b"-9\n", OB + b"-9", b"", 0),
    ("Obrtanje", b"-123\n", OB + b"-321", b"", 0),
    ("Obrtanje", b"-120\n", OB + b"-21", b"", 0),
    ("Obrtanje", b"-2147483648\n", OB + b"-8463847412", b"", 0),
    ("Obrtanje", b"1.5\n", OB + b"1", b"", 0),
    ("Obrtanje", b"-2147483649\n", P1, ERR, 1),

    ("Palindromi", b"121\n", PA + b"1", b"", 0),
    ("Palindromi", b"123\n", PA + b"0", b"", 0),
    ("Palindromi", b"44\n", PA + b"1", b"", 0),
    ("Palindromi", b"0\n", PA + b"1", b"", 0),
    ("Palindromi", b"9\n", PA + b"1", b"", 0),
    ("Palindromi", b"10\n", PA + b"0", b"", 0),
    ("Palindromi", b"1000000000\n", PA + b"0", b"", 0),
    ("Palindromi", b"2147447412\n", PA + b"1", b"", 0),
    ("Palindromi", b"2147483647\n", PA + b"0", b"", 0),
    ("Palindromi", b"1000000001\n", PA + b"1", b"", 0),
    ("Palindromi", b"-121\n", PA + b"1", b"", 0),
    ("Palindromi", b"-7\n", PA + b"1", b"", 0),
    ("Palindromi", b"-10\n", PA + b"0", b"", 0),
    ("Palindromi", b"-2147483648\n", PA + b"0", b"", 0),
    ("Palindromi", b"-2147447412\n", PA + b"1", b"", 0),
    ("Palindromi", b"pet\n", P1, ERR, 1),

    ("SumaDoN", b"10\n", SD + b"10 je: 55", b"", 0),
    ("SumaDoN", b"1\n", SD + b"1 je: 1", b"", 0),
    ("SumaDoN", b"3\n", SD + b"3 je: 6", b"", 0),
    ("SumaDoN", b"7\n", SD + b"7 je: 28", b"", 0),
    ("SumaDoN", b"0\n", SD + b"0 je: 0", b"", 0),
    ("SumaDoN", b"-3\n", SD + b"-3 je: 0", b"", 0),
    ("SumaDoN", b"-2147483648\n", SD + b"-2147483648 je: 0", b"", 0),
    ("SumaDoN", b"+10\n", SD + b"10 je: 55", b"", 0),
    ("SumaDoN", b"65535\n", SD + b"65535 je: 2147450880", b"", 0),
    ("SumaDoN", b"65536\n", SD + b"65536 je: 2147516416", b"", 0),
    ("SumaDoN", b"2147483647\n", SD + b"2147483647 je: 2305843008139952128", b"", 0),
    ("SumaDoN", b"10x\n", SD + b"10 je: 55", b"", 0),
    ("SumaDoN", b"x10\n", P1, ERR, 1),
]

# The longest output, too large to hold: its length after the prompt, the
# CRC-32 of all of it, prompt included, and its last bytes. The CRC was worked
# out once, apart from the program, as
#   { printf 'Unesite broj: '; seq -s ' ' 1 2147483647 | tr '\n' ' '; } |
#   python3 -c 'import functools, sys, zlib; print(hex(functools.reduce(lambda crc, b:
#     zlib.crc32(b, crc), iter(lambda: sys.stdin.buffer.read(1 << 20), b""), 0)))'
# Its input is also the run into a full disk, and into a file that cannot grow
# past the first 1 MB of the answer, which must then hold exactly those bytes.
LONGEST = {"Brojanje": (b"2147483647\n", 22511209016, 0x7bcdc571, b"2147483646 2147483647 ",
                        (P1 + b"".join(b"%d " % i for i in range(1, 200000)))[:1 << 20])}

# The same programs on a terminal, as a person sees them there: (program,
# locale, input, all the terminal shows, exit status). The locale is LC_ALL's
# value, or a dict of variables. Typed input is a list, one string of keys a
# prompt, typed once that prompt stands at the cursor ("\r" is Enter); Ctrl-D
# rows run only on POSIX terminals, Ctrl-Z rows only on Windows. Piped input
# is bytes. On the screen "\n" ends a line: every answer and error ends its
# line, and an error starts one of its own. A row may end with where the answer
# goes instead, the terminal showing the rest.
UTF8, C = "C.UTF-8", "C"
CTRL_D, CTRL_Z = "\x04", "\x1a"
SHOWN_ERR = ERR.decode()
ERR_AT_PROMPT = "Unesite broj: \n" + SHOWN_ERR
TERMINAL = [
    ("Kvadriranje", UTF8, ["7\r"], "Unesite broj: 7\nKvadrat unesenog broja je: 49\n", 0),
    ("Kvadriranje", UTF8, ["7" + CTRL_D * 2], "Unesite broj: 7\nKvadrat unesenog broja je: 49\n", 0),
    ("Kvadriranje", UTF8, b"7", "Unesite broj: Kvadrat unesenog broja je: 49\n", 0),
    ("Kvadriranje", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("Kvadriranje", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("Kvadriranje", UTF8, ["x\r"], "Unesite broj: x\n" + SHOWN_ERR, 1),
    ("Kvadriranje", UTF8, b"x\n", ERR_AT_PROMPT, 1),
    # A line ended with Ctrl-D where the number is not the last thing on it.
    ("Kvadriranje", UTF8, ["7 " + CTRL_D], "Unesite broj: 7 \nKvadrat unesenog broja je: 49\n", 0),
    ("Kvadriranje", UTF8, ["x" + CTRL_D], "Unesite broj: x\n" + SHOWN_ERR, 1),
    # A line ended with Ctrl-D and one typed before the program read it.
    ("Kvadriranje", UTF8, [" " + CTRL_D + "x\r"], "Unesite broj:  x\n" + SHOWN_ERR, 1),
    ("Kvadriranje", UTF8, ["12abc" + CTRL_D], "Unesite broj: 12abc\nKvadrat unesenog broja je: 144\n", 0),
    ("Brojanje", UTF8, ["3\r"], "Unesite broj: 3\n1 2 3 \n", 0),
    ("Brojanje", UTF8, ["0\r"], "Unesite broj: 0\n\n", 0),
    ("Brojanje", UTF8, ["3" + CTRL_D * 2], "Unesite broj: 3\n1 2 3 \n", 0),
    ("Brojanje", UTF8, b"3", "Unesite broj: 1 2 3 \n", 0),
    ("Brojanje", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("Brojanje", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("Brojanje", UTF8, b"x", ERR_AT_PROMPT, 1),
    ("Usporedba", UTF8, ["3 8\r"], "Unesite broj: 3 8\nUnesite broj 2: Manji: 3\nVe\u0107i: 8\n", 0),
    ("Usporedba", C, ["3\r", "8\r"], "Unesite broj: 3\nUnesite broj 2: 8\nManji: 3\nVeci: 8\n", 0),
    # A locale of several variables, one of them not installed: only LC_CTYPE counts.
    ("Usporedba", {"LANG": UTF8, "LC_TIME": "xx_XX.UTF-8"}, ["3\r", "8\r"],
     "Unesite broj: 3\nUnesite broj 2: 8\nManji: 3\nVe\u0107i: 8\n", 0),
    ("Usporedba", UTF8, b"8 3", "Unesite broj: Unesite broj 2: Manji: 3\nVe\u0107i: 8\n", 0),
    ("Usporedba", UTF8, ["5\r", "5\r"], "Unesite broj: 5\nUnesite broj 2: 5\nBrojevi su jednaki\n", 0),
    ("Usporedba", UTF8, ["3\r", "8" + CTRL_D * 2],
     "Unesite broj: 3\nUnesite broj 2: 8\nManji: 3\nVe\u0107i: 8\n", 0),
    ("Usporedba", UTF8, ["3\r", CTRL_D], "Unesite broj: 3\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3" + CTRL_D * 2], "Unesite broj: 3\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("Usporedba", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3 x\r"], "Unesite broj: 3 x\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3\r", "x\r"], "Unesite broj: 3\nUnesite broj 2: x\n" + SHOWN_ERR, 1),
    # Pasted: each line is echoed as it arrives, before the next prompt.
    ("Usporedba", UTF8, ["3\rx\r"], "Unesite broj: 3\nx\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3\r8\r"], "Unesite broj: 3\n8\nUnesite broj 2: Manji: 3\nVe\u0107i: 8\n", 0),
    ("Usporedba", UTF8, ["3 \r", "x\r"], "Unesite broj: 3 \nUnesite broj 2: x\n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3\t\r", "x\r"], "Unesite broj: 3\t\nUnesite broj 2: x\n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, b"3\nx\n", "Unesite broj: Unesite broj 2: \n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3 8" + CTRL_D * 2], "Unesite broj: 3 8\nUnesite broj 2: Manji: 3\nVe\u0107i: 8\n", 0),
    ("Usporedba", UTF8, ["3\r", "x" + CTRL_D], "Unesite broj: 3\nUnesite broj 2: x\n" + SHOWN_ERR, 1),
    ("Usporedba", UTF8, ["3 " + CTRL_D, "8\r"],
     "Unesite broj: 3 \nUnesite broj 2: 8\nManji: 3\nVe\u0107i: 8\n", 0),
    ("DuzinaBroja", UTF8, ["123\r"], "Unesite broj: 123\nBroj znamenki u broju je: 3\n", 0),
    ("DuzinaBroja", UTF8, ["123" + CTRL_D * 2], "Unesite broj: 123\nBroj znamenki u broju je: 3\n", 0),
    ("DuzinaBroja", UTF8, b"123", "Unesite broj: Broj znamenki u broju je: 3\n", 0),
    ("DuzinaBroja", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("DuzinaBroja", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("DuzinaBroja", UTF8, b"x\n", ERR_AT_PROMPT, 1),
    ("NajveciOdTri", UTF8, ["1 3 2\r"],
     "Unesite broj: 1 3 2\nUnesite broj 2: Unesite broj 3: Najveci od tri broja je: 3\n", 0),
    ("NajveciOdTri", UTF8, ["1\r", "3\r", "2" + CTRL_D * 2],
     "Unesite broj: 1\nUnesite broj 2: 3\nUnesite broj 3: 2\nNajveci od tri broja je: 3\n", 0),
    ("NajveciOdTri", UTF8, b"1 3 2",
     "Unesite broj: Unesite broj 2: Unesite broj 3: Najveci od tri broja je: 3\n", 0),
    ("NajveciOdTri", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("NajveciOdTri", UTF8, ["1" + CTRL_D * 2], "Unesite broj: 1\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1\r", "2" + CTRL_D * 2],
     "Unesite broj: 1\nUnesite broj 2: 2\nUnesite broj 3: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, b"1 x\n", "Unesite broj: Unesite broj 2: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, b"1\n2\nx\n",
     "Unesite broj: Unesite broj 2: Unesite broj 3: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1 x\r"], "Unesite broj: 1 x\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1 2\r", "x\r"],
     "Unesite broj: 1 2\nUnesite broj 2: Unesite broj 3: x\n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1\r", "2 x\r"],
     "Unesite broj: 1\nUnesite broj 2: 2 x\nUnesite broj 3: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1\r", "2 \r", "x\r"],
     "Unesite broj: 1\nUnesite broj 2: 2 \nUnesite broj 3: x\n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1 3 2" + CTRL_D * 2],
     "Unesite broj: 1 3 2\nUnesite broj 2: Unesite broj 3: Najveci od tri broja je: 3\n", 0),
    ("NajveciOdTri", UTF8, ["1\r2\rx\r"],
     "Unesite broj: 1\n2\nx\nUnesite broj 2: Unesite broj 3: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1\r\r", CTRL_D], "Unesite broj: 1\n\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("NajveciOdTri", UTF8, ["1 x" + CTRL_D], "Unesite broj: 1 x\nUnesite broj 2: \n" + SHOWN_ERR, 1),
    ("SumaCifara", UTF8, ["909\r"], "Unesite broj: 909\nSuma znamenki u broju je: 18\n", 0),
    ("SumaCifara", UTF8, ["909" + CTRL_D * 2], "Unesite broj: 909\nSuma znamenki u broju je: 18\n", 0),
    ("SumaCifara", UTF8, b"909", "Unesite broj: Suma znamenki u broju je: 18\n", 0),
    ("SumaCifara", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("SumaCifara", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("SumaCifara", UTF8, b"x\n", ERR_AT_PROMPT, 1),
    ("Obrtanje", UTF8, ["120\r"], "Unesite broj: 120\nObrnuti broj je: 21\n", 0),
    ("Obrtanje", UTF8, ["120" + CTRL_D * 2], "Unesite broj: 120\nObrnuti broj je: 21\n", 0),
    ("Obrtanje", UTF8, b"120", "Unesite broj: Obrnuti broj je: 21\n", 0),
    ("Obrtanje", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("Obrtanje", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("Obrtanje", UTF8, b"x\n", ERR_AT_PROMPT, 1),
    ("Obrtanje", UTF8, ["120\t" + CTRL_D], "Unesite broj: 120\t\nObrnuti broj je: 21\n", 0),
    ("Palindromi", UTF8, ["121\r"], "Unesite broj: 121\nBroje je palindroman: 1\n", 0),
    ("Palindromi", UTF8, ["121" + CTRL_D * 2], "Unesite broj: 121\nBroje je palindroman: 1\n", 0),
    ("Palindromi", UTF8, b"121", "Unesite broj: Broje je palindroman: 1\n", 0),
    ("Palindromi", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("Palindromi", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("Palindromi", UTF8, b"x\n", ERR_AT_PROMPT, 1),
    ("SumaDoN", UTF8, ["10\r"], "Unesite broj: 10\nSuma brojeva do 10 je: 55\n", 0),
    ("SumaDoN", UTF8, ["10" + CTRL_D * 2], "Unesite broj: 10\nSuma brojeva do 10 je: 55\n", 0),
    ("SumaDoN", UTF8, b"10", "Unesite broj: Suma brojeva do 10 je: 55\n", 0),
    ("SumaDoN", UTF8, [CTRL_D], ERR_AT_PROMPT, 1),
    ("SumaDoN", C, [CTRL_Z + "\r"], "Unesite broj: ^Z\n" + SHOWN_ERR, 1),
    ("SumaDoN", UTF8, b"x\n", ERR_AT_PROMPT, 1),
    # Typed, with the answer into a "file", a "pipe" (Usporedba > out.txt) or
    # "full" (/dev/full): the row ends with that and the bytes it receives,
    # those the same numbers piped in give. The terminal shows the echo, its
    # line ended at the run's end, and any error.
    ("Usporedba", UTF8, ["3\r", "8\r"], "3\n8\n", 0, "file", US + MANJI + b"3" + VECI + b"8"),
    ("Usporedba", UTF8, ["8 3\r"], "8 3\n", 0, "pipe", US + MANJI + b"3" + VECI + b"8"),
    ("Usporedba", UTF8, ["3" + CTRL_D * 2], "3\n" + SHOWN_ERR, 1, "file", US),
    ("Usporedba", UTF8, ["3\r", CTRL_D], "3\n" + SHOWN_ERR, 1, "file", US),
    ("Usporedba", UTF8, ["3 x\r"], "3 x\n" + SHOWN_ERR, 1, "file", US),
    ("Usporedba", UTF8, ["3\r", "x\r"], "3\nx\n" + SHOWN_ERR, 1, "file", US),
    ("Kvadriranje", UTF8, ["7" + CTRL_D * 2], "7\n", 0, "file", KV + b"49"),
    ("Kvadriranje", UTF8, ["7" + CTRL_D * 2], "7\n", 0, "pipe", KV + b"49"),
    ("Kvadriranje", UTF8, ["7" + CTRL_D * 2], "7\n" + WRITE_ERR.decode(), 1, "full", b""),
    ("Kvadriranje", UTF8, ["x\r"], "x\n" + SHOWN_ERR, 1, "file", P1),
    ("Kvadriranje", UTF8, ["x" + CTRL_D], "x\n" + SHOWN_ERR, 1, "file", P1),
    ("Brojanje", UTF8, ["12" + CTRL_D * 2], "12\n", 0, "file", P1 + b"1 2 3 4 5 6 7 8 9 10 11 12 "),
    ("Brojanje", UTF8, ["3\r"], "3\n", 0, "pipe", P1 + b"1 2 3 "),
]

# Started by a double-click: Explorer's child, on a console that closes as the
# program ends, so the last screen waits for Enter (typed once the line asking
# for it stands at the cursor), whatever keys went before it. Run under Wine
# only, through a stand-in of that name: (program, input, all the terminal
# shows, exit status).
HOLD = "Pritisnite Enter za kraj."
EXPLORER = [
    ("Kvadriranje", ["7\r", "\r"], "Unesite broj: 7\nKvadrat unesenog broja je: 49\n" + HOLD + "\n", 0),
    ("Kvadriranje", ["x\r", "\r"], "Unesite broj: x\n" + SHOWN_ERR + HOLD + "\n", 1),
    ("Kvadriranje", ["7 8\r", "\r"], "Unesite broj: 7 8\nKvadrat unesenog broja je: 49\n" + HOLD + "\n", 0),
    ("Kvadriranje", ["7\r\r", "\r"], "Unesite broj: 7\nKvadrat unesenog broja je: 49\n" + HOLD + "\n", 0),
    ("Kvadriranje", b"7\n", "Unesite broj: Kvadrat unesenog broja je: 49\n", 0),
]
