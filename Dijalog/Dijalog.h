// Dijalog: the console dialogue the nine programs share: ask, read, answer, end.
#ifndef DIJALOG_H
#define DIJALOG_H

#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <iostream>
#include <string>
#ifdef _WIN32
#define NOMINMAX 1
#include <windows.h>
#else
#include <unistd.h>
#endif

// A terminal gets text for a person, a pipe or a file the bytes as they are.
// On Windows a console has a mode; _isatty is true for NUL as well.
inline bool terminal(int tok)
{
#ifdef _WIN32
    DWORD mod = 0;
    const DWORD ruke[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    return GetConsoleMode(GetStdHandle(ruke[tok]), &mod) != 0;
#else
    return isatty(tok) == 1;
#endif
}

// Whether typed input ended with Ctrl-D instead of Enter: the cursor then
// stands after what was typed. (A Windows console's Ctrl-Z needs Enter, which
// ends the line.)
inline bool bezEntera()
{
#ifdef _WIN32
    return false;
#else
    return terminal(0) && std::cin.eof();
#endif
}

// Whether the line of the number just read goes on: what follows was typed
// ahead and echoed before the next prompt, or the number ended with Ctrl-D,
// the cursor still after it. A terminal hands over whole lines, so looking past
// blanks does not wait; a pipe is never echoed and is not looked into, lest a
// slow one hold back the next prompt.
inline bool josNaRedu()
{
    if (!terminal(0))
        return false;
    while (std::cin.peek() == ' ' || std::cin.peek() == '\t')
        std::cin.ignore();
    return std::cin.peek() != '\n';
}

// Writes the prompt and reads a number. With none, the error starts a line of
// its own, so a line end comes first where a terminal's cursor still stands
// after the prompt: the input came from a pipe, never echoed, or ended there
// without Enter, or it was typed ahead (unaprijed), on the line of the number
// before. With the answer going into a file or a pipe the terminal shows just
// the echo, and its cursor stands after it where that number ended with Ctrl-D:
// there the line end goes to standard error, before the error. After a number
// ended with Ctrl-D, what follows starts a new line.
inline int procitaj(const char* upit, bool unaprijed = false)
{
    int broj = 0;
    std::cout << upit;
    if (!(std::cin >> broj)) {
        if (terminal(1) && (!terminal(0) || bezEntera() || unaprijed))
            std::cout << '\n';
        if (!terminal(1) && terminal(2) && unaprijed && bezEntera())
            std::cerr << '\n';
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        std::exit(1);
    }
    if (terminal(1) && bezEntera())
        std::cout << '\n';
    return broj;
}

// A second or third number, which may have been typed on the line of the one
// before. The first is not looked ahead of: that would wait before its prompt.
inline int procitajJos(const char* upit)
{
    return procitaj(upit, josNaRedu());
}

// A label with a letter beyond ASCII goes to pipes and files as its
// Windows-1250 bytes. A terminal shows the letter: a Windows console takes wide
// text whatever its code page; elsewhere it is written in the encoding of the
// user's locale, in plain letters where that has none (the C locale).
inline void ispisiOznaku(const char* bajtovi, const wchar_t* slova, const char* obicno)
{
    if (!terminal(1)) {
        std::cout << bajtovi;
        return;
    }
#ifdef _WIN32
    static_cast<void>(obicno); // a console shows every letter
    DWORD napisano = 0;
    if (!std::cout.flush()
        || !WriteConsoleW(GetStdHandle(STD_OUTPUT_HANDLE), slova, static_cast<DWORD>(std::wcslen(slova)),
            &napisano, nullptr))
        std::cout.setstate(std::ios::badbit);
#else
    std::setlocale(LC_CTYPE, "");
    std::mbstate_t stanje {};
    const std::size_t duzina = std::wcsrtombs(nullptr, &slova, 0, &stanje);
    if (duzina == static_cast<std::size_t>(-1)) {
        std::cout << obicno;
        return;
    }
    std::string tekst(duzina, '\0');
    std::wcsrtombs(&tekst[0], &slova, duzina, &stanje);
    std::cout << tekst;
#endif
}

// On a terminal the answer ends its line. An answer that could not be written
// (a full disk, a closed output) ends as a failure, not a success.
inline int zavrsi()
{
    if (terminal(1))
        std::cout << '\n';
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return 1;
    }
    return 0;
}

#endif
