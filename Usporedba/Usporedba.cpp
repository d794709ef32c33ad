// Usporedba: asks for two numbers and names the smaller and the larger.
#include "../Dijalog/Dijalog.h"
#include <algorithm>
#include <iostream>

void usporedi(int a, int b)
{
    if (a == b) {
        std::cout << "Brojevi su jednaki";
        return;
    }
    std::cout << "Manji: " << std::min(a, b) << std::endl;
    // Its c with acute is the byte 0xE6 in Windows-1250, a plain c in ASCII.
    ispisiOznaku("Ve\xE6i: ", L"Ve\u0107i: ", "Veci: ");
    std::cout << std::max(a, b);
}

int main()
{
    const int broj = procitaj("Unesite broj: ");
    const int broj2 = procitaj("Unesite broj 2: ");
    usporedi(broj, broj2);
    return zavrsi();
}
