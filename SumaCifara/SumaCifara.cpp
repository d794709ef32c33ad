// SumaCifara: asks for a number and prints the sum of its decimal digits.
#include "../Dijalog/Dijalog.h"
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
    const int broj = procitaj("Unesite broj: ");
    std::cout << "Suma znamenki u broju je: " << sumaZnamenki(broj);
    return zavrsi();
}
