#include <iostream>

void ispisi(int n)
{
    // A 64-bit counter can step past the largest int, so the loop ends there too.
    for (long long i = 1; i <= n; ++i)
        std::cout << i << ' ';
}

int main()
{
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    ispisi(broj);
    return std::cout.flush() ? 0 : 1;
}
