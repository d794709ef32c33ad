// DuzinaBroja: asks for a number and prints how many decimal digits it has.
#include "../Dijalog/Dijalog.h"
#include <iostream>

int brojZnamenki(int n)
{
    // Division truncates toward zero, so a negative number sheds a digit per
    // step just as a positive one does: -123 has 3 digits.
    int znamenki = 1;
    while (n / 10 != 0) {
        n /= 10;
        ++znamenki;
    }
    return znamenki;
}

int main()
{
    const int broj = procitaj("Unesite broj: ");
    std::cout << "Broj znamenki u broju je: " << brojZnamenki(broj);
    return zavrsi();
}
