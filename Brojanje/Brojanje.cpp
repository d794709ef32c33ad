#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

// Formatting each number through the stream would cost most of the run. Block k
// holds k0000 to k9999: they share the digits of k, formatted once, and end in
// one of the fixed "0000 " to "9999 ", so that a number costs two 8-byte copies.
void ispisi(int n)
{
    // Up to ten digits and a space a number, and the 8 bytes the last copy spills.
    static char blok[10000 * 11 + 8];
    static char repovi[10000][8];
    for (int j = 0; j < 10000; ++j)
        std::snprintf(repovi[j], sizeof repovi[j], "%04d ", j);

    // k * 10000 never passes n, so int arithmetic cannot overflow.
    for (int k = 0; k <= n / 10000; ++k) {
        char* kraj = blok;
        if (k == 0) {
            for (int i = 1; i <= n && i < 10000; ++i)
                kraj += std::snprintf(kraj, 8, "%d ", i);
        } else {
            char glava[16] = {};
            const int duzina = std::snprintf(glava, sizeof glava, "%d", k);
            // Each copy spills past its part; the copy after it overwrites the spill.
            for (int j = 0; j < 10000 && j <= n - k * 10000; ++j, kraj += duzina + 5) {
                std::memcpy(kraj, glava, 8);
                std::memcpy(kraj + duzina, repovi[j], 8);
            }
        }
        // 32 KB slices, half a Linux pipe, let a reader empty one half while the
        // other fills. Nothing can reach the output after a failed write.
        const int velicina = static_cast<int>(kraj - blok);
        for (int poslano = 0; poslano < velicina; poslano += 1 << 15)
            if (!std::cout.write(blok + poslano, std::min(velicina - poslano, 1 << 15)))
                return;
    }
}

int main()
{
    int broj = 0;
    // Each slice reaches the system whole, in one write: no buffer to cut it,
    // nor Windows' text mode, which cuts writes into 2 KB pieces.
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    ispisi(broj);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
