#include <algorithm>
#include <iostream>

int najveci(int a, int b, int c)
{
    return std::max({a, b, c});
}

int main()
{
    int broj = 0;
    int broj2 = 0;
    int broj3 = 0;
    std::cout << "Unesite broj: ";
    if (std::cin >> broj) {
        std::cout << "Unesite broj 2: ";
        if (std::cin >> broj2) {
            std::cout << "Unesite broj 3: ";
            std::cin >> broj3;
        }
    }
    if (!std::cin) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Najveci od tri broja je: " << najveci(broj, broj2, broj3);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
