#include <algorithm>
#include <iostream>

void usporedi(int a, int b)
{
    if (a == b) {
        std::cout << "Brojevi su jednaki";
        return;
    }
    // The larger one's label is in Windows-1250: its c with acute is the byte 0xE6.
    std::cout << "Manji: " << std::min(a, b) << std::endl
              << "Ve\xE6i: " << std::max(a, b);
}

int main()
{
    int broj = 0;
    int broj2 = 0;
    std::cout << "Unesite broj: ";
    if (std::cin >> broj) {
        std::cout << "Unesite broj 2: ";
        std::cin >> broj2;
    }
    if (!std::cin) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    usporedi(broj, broj2);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
