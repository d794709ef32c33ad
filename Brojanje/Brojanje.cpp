#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

// Formatting each number through the stream would cost most of the run. From
// 10000 on, numbers come ten thousand at a time: those of a block share their
// leading digits, formatted once a block, and end in one of the fixed "0000 "
// to "9999 ", so a number costs two 8-byte copies. They go out in pieces,
// each written as soon as it is full, while it is still in the cache.
void ispisi(int n)
{
    // A quarter of a Linux pipe's 64 KB: a reader can empty the pipe while the
    // next piece is made, where writes that fill it make the two take turns.
    constexpr int velicinaKomada = 1 << 14;
    // A piece, the number that crosses its end, and that copy's spill.
    char komad[velicinaKomada + 11 + 8];
    int popunjeno = 0;
    // Once a write has failed nothing more can reach the output.
    const auto posalji = [&] {
        if (popunjeno < velicinaKomada)
            return true;
        if (!std::cout.write(komad, velicinaKomada))
            return false;
        popunjeno -= velicinaKomada;
        std::memcpy(komad, komad + velicinaKomada, static_cast<std::size_t>(popunjeno));
        return true;
    };

    for (int i = 1; i <= n && i < 10000; ++i) {
        popunjeno += std::snprintf(komad + popunjeno, 8, "%d ", i);
        if (!posalji())
            return;
    }

    char repovi[10000][8] = {};
    for (int j = 0; j < 10000; ++j)
        std::snprintf(repovi[j], sizeof repovi[j], "%04d ", j);

    // vodeci * 10000 never passes n, so int arithmetic cannot overflow.
    for (int vodeci = 1; vodeci <= n / 10000; ++vodeci) {
        char glava[16] = {};
        const int duzina = std::snprintf(glava, sizeof glava, "%d", vodeci);
        const int sirina = duzina + 5;
        const int koliko = std::min(10000, n - vodeci * 10000 + 1);
        for (int j = 0; j < koliko;) {
            // As many numbers as fill the piece: the last one crosses its end.
            const int kraj = std::min(koliko, j + (velicinaKomada - popunjeno + sirina - 1) / sirina);
            for (; j < kraj; ++j) {
                // Each copy spills past its part; the copy after it overwrites the spill.
                std::memcpy(komad + popunjeno, glava, 8);
                std::memcpy(komad + popunjeno + duzina, repovi[j], 8);
                popunjeno += sirina;
            }
            if (!posalji())
                return;
        }
    }
    std::cout.write(komad, popunjeno);
}

int main()
{
    int broj = 0;
    // Each piece reaches Linux whole, in one write; a buffer there would only
    // cut it in two. Windows writes a console or NUL unbuffered, and each write
    // costs there, so pieces gather into 64 KB.
#ifdef _WIN32
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
#else
    std::setvbuf(stdout, nullptr, _IONBF, 0);
#endif
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    ispisi(broj);
    return std::cout.flush() ? 0 : 1;
}
