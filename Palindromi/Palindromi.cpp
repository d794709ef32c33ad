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
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Broje je palindroman: " << palindrom(broj);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
