// NajveciOdTri: asks for three numbers and prints the largest.
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

// Whether the line of the number just read goes on: what follows was typed
// ahead and echoed before the next prompt. A terminal hands over whole lines,
// so looking past blanks does not wait; a pipe is never echoed and is not
// looked into, lest a slow one hold back the next prompt.
bool josNaRedu()
{
    if (!terminal(0))
        return false;
    while (std::cin.peek() == ' ' || std::cin.peek() == '\t')
        std::cin.ignore();
    return std::cin.peek() != '\n';
}

// Whether a terminal's cursor still stands after the prompt: the input came
// from a pipe, never echoed, or ended there without Enter, or the number was
// typed ahead, on the line of the one before.
bool izaUpita(bool unaprijed)
{
    return terminal(1) && (!terminal(0) || bezEntera() || unaprijed);
}

int main()
{
    int broj = 0;
    int broj2 = 0;
    int broj3 = 0;
    bool unaprijed = false;
    std::cout << "Unesite broj: ";
    if (std::cin >> broj) {
        unaprijed = josNaRedu();
        std::cout << "Unesite broj 2: ";
        if (std::cin >> broj2) {
            unaprijed = josNaRedu();
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
    if (terminal(1) && bezEntera())
        std::cout << '\n';
    std::cout << "Najveci od tri broja je: " << najveci(broj, broj2, broj3);
    if (terminal(1))
        std::cout << '\n';
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}
