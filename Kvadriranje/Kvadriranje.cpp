#include <cmath>
#include <iostream>

// A double's 53 bits cannot hold every square of an int (up to 2^62); a long
// double's 64-bit mantissa can, and rounding guards against a result a hair low.
long long kvadrat(int broj)
{
    return std::llround(std::pow(static_cast<long double>(broj), 2.0L));
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
