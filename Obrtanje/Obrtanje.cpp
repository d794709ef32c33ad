#include <iostream>

// A reversal can exceed the int range (2147483647 gives 7463847412), so it is
// built in 64 bits. The remainder keeps the dividend's sign, so a negative
// number reverses into a negative one: -123 gives -321.
long long obrni(int n)
{
    long long obrnut = n % 10;
    while (n / 10 != 0) {
        n /= 10;
        obrnut = obrnut * 10 + n % 10;
    }
    return obrnut;
}

int main()
{
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Obrnuti broj je: " << obrni(broj);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
