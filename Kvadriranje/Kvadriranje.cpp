#include <cmath>
#include <iostream>

// A square of an int needs up to 62 bits, a double holds 53. pow's answer is
// within an ulp of the square, so what it lost is itself a double, and fma
// gives it exactly; the two, each a whole number, add up to the exact square.
long long kvadrat(int broj)
{
    const double x = broj;
    const double potencija = std::pow(x, 2.0);
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
    return std::cout.flush() ? 0 : 1;
}
