#include <algorithm>
#include <iostream>
#ifdef _WIN32
#define NOMINMAX 1
#include <windows.h>
#else
#include <unistd.h>
#endif

int najveci(int a, int b, int c)
{
    return std::max({a, b, c});
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

// Whether a terminal's cursor still stands after the prompt: the input came
// from a pipe, never echoed, or ended there with Ctrl-D, or the number was
// typed ahead, on the line of the one before, and echoed before its prompt.
// (A Windows console's Ctrl-Z needs Enter, which ends the line.)
bool izaUpita(bool unaprijed)
{
#ifdef _WIN32
    return terminal(1) && (!terminal(0) || unaprijed);
#else
    return terminal(1) && (!terminal(0) || std::cin.eof() || unaprijed);
#endif
}

int main()
{
    int broj = 0;
    int broj2 = 0;
    int broj3 = 0;
    // Whether the line of the number just read goes on past it. The stream
    // has already seen the character after the number: looking does not wait.
    bool unaprijed = false;
    std::cout << "Unesite broj: ";
    if (std::cin >> broj) {
        unaprijed = std::cin.peek() != '\n';
        std::cout << "Unesite broj 2: ";
        if (std::cin >> broj2) {
            unaprijed = std::cin.peek() != '\n';
            std::cout << "Unesite broj 3: ";
            std::cin >> broj3;
        }
    }
    if (!std::cin) {
        if (izaUpita(unaprijed))
            std::cout << '\n';
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        return 1;
    }
    std::cout << "Najveci od tri broja je: " << najveci(broj, broj2, broj3);
    if (terminal(1))
        std::cout << '\n';
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
