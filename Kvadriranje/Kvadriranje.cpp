// Kvadriranje: asks for a number and prints its square.
#include "../Dijalog/Dijalog.h"
#include <cmath>
#include <iostream>

// A square of an int needs up to 63 bits (2^62, for -2147483648), a double
// holds 53, and pow may be an ulp off besides. Rounded, pow's answer is a whole
// number at most a few ulps (some thousands) from the square, so the difference
// is a whole number a double holds exactly; fma, rounding once, gives it
// exactly, and the two add up to the exact square in 64 bits.
long long kvadrat(int broj)
{
    const double x = broj;
    const double potencija = std::round(std::pow(x, 2.0));
    const double ostatak = std::fma(x, x, -potencija);
    return std::llround(potencija) + std::llround(ostatak);
}

int main()
{
    const int broj = procitaj("Unesite broj: ");
    std::cout << "Kvadrat unesenog broja je: " << kvadrat(broj);
    return zavrsi();
}
