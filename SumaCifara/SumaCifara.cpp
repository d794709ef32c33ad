#include <cstdlib>
#include <iostream>

int sumaZnamenki(int n)
{
    // The remainder of a negative number is its last digit negated; taking
    // digits this way avoids the magnitude of -2147483648, which is no int.
    int suma = 0;
    while (n != 0) {
        suma += std::abs(n % 10);
        n /= 10;
    }
    return suma;
}

int main()
{
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Suma znamenki u broju je: " << sumaZnamenki(broj);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
