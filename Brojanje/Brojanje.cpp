// Brojanje: asks for a number N and writes 1 to N, each followed by a space.
#include "../Dijalog/Dijalog.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#ifdef _WIN32
#include <io.h>
#endif

// Formatting each number through the stream would cost most of the run. Block k
// holds k0000 to k9999: they share the digits of k, formatted once, and end in
// one of the fixed "0000 " to "9999 ", so that a number costs two 8-byte copies.
constexpr int uBloku = 10000;
constexpr int najduzi = 11; // ten digits and a space
// A part is copied as 8 bytes whatever its length: the next copy overwrites the
// spill, and the block's last copy needs that room past its end.
constexpr int preliv = 8;
// A pipe that stays small (64 KB, or 8 KB once its user's pipe quota is spent)
// or whose size is unknown gets 8 KB writes, which its reader keeps pace with;
// whole blocks into a small pipe were the slowest writes measured. Windows and
// macOS keep 8 KB too: a Windows pipe is as large as its maker asked.
constexpr int malaCijev = 8192;

void ispisi(int n)
{
    static char blok[uBloku * najduzi + preliv];
    static char repovi[uBloku][preliv];
    for (int j = 0; j < uBloku; ++j)
        std::snprintf(repovi[j], sizeof repovi[j], "%04d ", j);
    int komad = malaCijev;
#ifdef F_SETPIPE_SZ
    // Whole blocks go where there is no pipe (EBADF: a file, a device, a
    // terminal), with the fewest system calls, and into a pipe of 1 MB, which
    // takes a block whole and drains it while the next is made. A pipe is
    // enlarged only for more than one block (N from 10000 on): it stays 1 MB
    // for the rest of the pipeline, charged to its user's pipe quota, and a
    // single block (1 to 9999, 48,888 bytes) gains nothing from that.
    constexpr int velikaCijev = 1 << 20;
    const int cijev = fcntl(1, F_GETPIPE_SZ);
    if ((cijev < 0 && errno == EBADF) || cijev >= velikaCijev
        || (cijev > 0 && n >= uBloku && fcntl(1, F_SETPIPE_SZ, velikaCijev) >= 0))
        komad = uBloku * najduzi;
#endif

    // k * uBloku never passes n, so int arithmetic cannot overflow.
    for (int k = 0; k <= n / uBloku; ++k) {
        char* kraj = blok;
        if (k == 0) {
            for (int i = 1; i <= n && i < uBloku; ++i)
                kraj += std::snprintf(kraj, preliv, "%d ", i);
        } else {
            char glava[16] = {};
            const int duzina = std::snprintf(glava, sizeof glava, "%d", k);
            // k's digits, then the tail's four digits and space.
            for (int j = 0; j < uBloku && j <= n - k * uBloku; ++j, kraj += duzina + 5) {
                std::memcpy(kraj, glava, preliv);
                std::memcpy(kraj + duzina, repovi[j], preliv);
            }
        }
        // Nothing can reach the output after a failed write.
        const int velicina = static_cast<int>(kraj - blok);
        for (int poslano = 0; poslano < velicina; poslano += komad)
            if (!std::cout.write(blok + poslano, std::min(velicina - poslano, komad)))
                return;
    }
}

int main()
{
    // Each slice reaches the system whole, in one write: no buffer to cut it,
    // nor Windows' text mode, which cuts writes into 2 KB pieces.
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int broj = procitaj("Unesite broj: ");
    ispisi(broj);
    return zavrsi();
}
