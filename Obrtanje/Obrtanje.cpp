// Obrtanje: asks for a number and prints it with its digits reversed.
#include "../Dijalog/Dijalog.h"
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
    const int broj = procitaj("Unesite broj: ");
    std::cout << "Obrnuti broj je: " << obrni(broj);
    return zavrsi();
}
