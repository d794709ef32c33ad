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
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Kvadrat unesenog broja je: " << kvadrat(broj);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
