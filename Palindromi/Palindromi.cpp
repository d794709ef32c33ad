// Palindromi: prints 1 if a number's digits read the same backwards, else 0.
#include "../Dijalog/Dijalog.h"
#include <iostream>

// The reversal can leave the int range (2147483647 reversed is 7463847412), so
// it is built in 64 bits and compared exactly; it keeps the number's sign.
bool palindrom(int n)
{
    const long long kopija = n;
    long long obrnut = n % 10;
    while (n / 10 != 0) {
        n /= 10;
        obrnut = obrnut * 10 + n % 10;
    }
    return obrnut == kopija;
}

int main()
{
    const int broj = procitaj("Unesite broj: ");
    std::cout << "Broje je palindroman: " << palindrom(broj);
    return zavrsi();
}
