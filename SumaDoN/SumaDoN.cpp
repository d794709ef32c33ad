#include <iostream>

// The sum reaches 2305843008139952128 for the largest int, so sum and counter
// are 64-bit: neither overflows, and the counter can step past the largest int.
long long sumaDo(int n)
{
    long long suma = 0;
    for (long long i = 1; i <= n; ++i)
        suma += i;
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
    const long long suma = sumaDo(broj);
    std::cout << "Suma brojeva do " << broj << " je: " << suma;
    return std::cout.flush() ? 0 : 1;
}
