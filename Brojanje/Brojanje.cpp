#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

// Formatting each number through the stream would cost most of the run. From
// 10000 on, numbers go out ten thousand at a time: those of a block share their
// leading digits, formatted once a block, and end in one of the fixed "0000 "
// to "9999 ", so a number costs two 8-byte copies and a block one write.
void ispisi(int n)
{
    for (int i = 1; i <= n && i < 10000; ++i)
        std::cout << i << ' ';

    char repovi[10000][8] = {};
    for (int j = 0; j < 10000; ++j)
        std::snprintf(repovi[j], sizeof repovi[j], "%04d ", j);

    // Up to 10 digits and a space a number, and room for the last copy's spill.
    char blok[10000 * 11 + 8];
    // vodeci * 10000 never passes n, so int arithmetic cannot overflow.
    for (int vodeci = 1; vodeci <= n / 10000; ++vodeci) {
        char glava[16] = {};
        const int duzina = std::snprintf(glava, sizeof glava, "%d", vodeci);
        const int sirina = duzina + 5;
        const int koliko = std::min(10000, n - vodeci * 10000 + 1);
        // Each copy spills past its part; the copy after it overwrites the spill.
        for (int j = 0; j < koliko; ++j) {
            std::memcpy(blok + j * sirina, glava, 8);
            std::memcpy(blok + j * sirina + duzina, repovi[j], 8);
        }
        // Once a write has failed nothing more can reach the output.
        if (!std::cout.write(blok, koliko * sirina))
            return;
    }
}

int main()
{
    int broj = 0;
    // Windows leaves a console or NUL unbuffered, a system call per insertion;
    // a full buffer still lets the prompt out, as reading flushes it.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    ispisi(broj);
    return std::cout.flush() ? 0 : 1;
}
