// NajveciOdTri: asks for three numbers and prints the largest.
#include "../Dijalog/Dijalog.h"
#include <algorithm>
#include <iostream>

int najveci(int a, int b, int c)
{
    return std::max({a, b, c});
}

int main()
{
    const int broj = procitaj("Unesite broj: ");
    const int broj2 = procitaj("Unesite broj 2: ");
    const int broj3 = procitaj("Unesite broj 3: ");
    std::cout << "Najveci od tri broja je: " << najveci(broj, broj2, broj3);
    return zavrsi();
}
