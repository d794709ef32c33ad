// Dijalog: the console dialogue the nine programs share: ask, read, answer, end.
#ifndef DIJALOG_H
#define DIJALOG_H

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <iostream>
#include <streambuf>
#include <string>
#ifdef _WIN32
#define NOMINMAX 1
#include <io.h>
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

// Where a terminal's cursor stands: at a line's start, after a prompt, or after
// the echo of a line ended with Ctrl-D instead of Enter.
enum class Kursor {
    naPocetku,
    izaUpita,
    izaOdjeka,
};

// Typed input, taken as the terminal hands it over: one read a line, up to and
// including Enter, or up to a Ctrl-D without it. The last byte read then tells
// where the echo left the cursor. (A Windows console's line always ends with
// Enter, which Ctrl-Z needs too.)
class Tipkovnica : public std::streambuf {
public:
    Kursor kursor = Kursor::naPocetku;

private:
    char znakovi[4096];

    int_type underflow() override
    {
        long procitano = 0;
        do {
#ifdef _WIN32
            procitano = _read(0, znakovi, static_cast<unsigned>(sizeof znakovi));
#else
            procitano = read(0, znakovi, sizeof znakovi);
#endif
        } while (procitano < 0 && errno == EINTR);
#ifdef _WIN32
        kursor = Kursor::naPocetku;
#else
        if (procitano > 0)
            kursor = znakovi[procitano - 1] == '\n' ? Kursor::naPocetku : Kursor::izaOdjeka;
#endif
        if (procitano <= 0)
            return traits_type::eof();
        setg(znakovi, znakovi, znakovi + procitano);
        return traits_type::to_int_type(znakovi[0]);
    }
};

// Writes the prompt and reads a number. A prompt or an answer starts a new line
// only where the echo of a line without Enter left the cursor; an error starts
// one wherever the cursor is not at a line's start. That line end goes where
// the terminal shows it, to stdout, or before an error to stderr; never into a
// file or a pipe. Pipes and files keep cin's own buffer, a terminal gets ours.
inline int procitaj(const char* upit)
{
    static Tipkovnica tipkovnica;
    if (terminal(0) && std::cin.rdbuf() != &tipkovnica)
        std::cin.rdbuf(&tipkovnica);
    Kursor& kursor = tipkovnica.kursor;
    std::cout << upit;
    if (terminal(1))
        kursor = Kursor::izaUpita;
    int broj = 0;
    const bool procitan = static_cast<bool>(std::cin >> broj);
    if (procitan ? kursor == Kursor::izaOdjeka : kursor != Kursor::naPocetku) {
        if (terminal(1)) {
            std::cout << '\n';
            kursor = Kursor::naPocetku;
        } else if (!procitan && terminal(2)) {
            std::cerr << '\n';
        }
    }
    if (!procitan) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        std::exit(1);
    }
    return broj;
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
