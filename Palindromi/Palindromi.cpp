// Palindromi: prints 1 if a number's digits read the same backwards, else 0.
#include <iostream>
#ifdef _WIN32
#define NOMINMAX 1
#include <windows.h>
#else
#include <unistd.h>
#endif

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
    std::cout << "Broje je palindroman: " << palindrom(broj);
    if (terminal(1))
        std::cout << '\n';
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
