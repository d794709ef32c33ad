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
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Broj znamenki u broju je: " << brojZnamenki(broj);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
