// Dijalog: the console dialogue the nine programs share: ask, read, answer, end.
#ifndef DIJALOG_H
#define DIJALOG_H

#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <iostream>
#include <streambuf>
#include <string>
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>
#else
#include <sys/ioctl.h>
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

// The cursor: at a line's start, after a prompt, after an echo without Enter.
enum class Kursor {
    naPocetku,
    izaUpita,
    izaOdjeka,
};

// Typed input, as a terminal in canonical mode hands it over: a line a read,
// up to and including Enter, or up to a Ctrl-D without it, each line echoed as
// typed on the terminal that stdout and stderr show. The last byte read tells
// where the echo left the cursor, unless a whole line was already waiting when
// a prompt went out: it was echoed before the prompt, which the cursor still
// follows. A Windows console echoes a line only as it is read, and always ends
// it with Enter, which Ctrl-Z needs too.
class Tipkovnica : public std::streambuf {
    char znakovi[4096];

    int_type underflow() override
    {
#ifdef _WIN32
        const int procitano = _read(0, znakovi, static_cast<unsigned>(sizeof znakovi));
        kursor = Kursor::naPocetku;
#else
        int ceka = 0;
        const bool ispredUpita = kursor == Kursor::izaUpita && ioctl(0, FIONREAD, &ceka) == 0 && ceka > 0;
        // With no signal handler installed, an interrupted read is restarted.
        const ssize_t procitano = read(0, znakovi, sizeof znakovi);
        if (procitano > 0 && !ispredUpita)
            kursor = znakovi[procitano - 1] == '\n' ? Kursor::naPocetku : Kursor::izaOdjeka;
#endif
        if (procitano <= 0)
            return traits_type::eof();
        setg(znakovi, znakovi, znakovi + procitano);
        return traits_type::to_int_type(znakovi[0]);
    }

public:
    Kursor kursor = Kursor::naPocetku;
};

// The terminal's input, and so where its cursor stands, one for the whole run.
inline Tipkovnica& tipkovnica()
{
    static Tipkovnica tipke;
    return tipke;
}

// Ends the cursor's line where the terminal shows it: on stdout, or, where that
// is a file or a pipe, on stderr if asked; never into a file or a pipe.
inline void noviRed(bool iNaGreske)
{
    if (terminal(1) || (iNaGreske && terminal(2))) {
        (terminal(1) ? std::cout : std::cerr) << '\n';
        tipkovnica().kursor = Kursor::naPocetku;
    }
}

#ifdef _WIN32
// Finds a process in a snapshot of them all: its name and its parent's id.
inline bool nadjiProces(HANDLE snimak, DWORD id, PROCESSENTRY32W& proces)
{
    proces.dwSize = sizeof proces;
    BOOL ima = Process32FirstW(snimak, &proces);
    while (ima && proces.th32ProcessID != id)
        ima = Process32NextW(snimak, &proces);
    return ima != FALSE;
}
#endif

// The run's end. A double-click in Explorer gives a program a console of its
// own, closed as the program ends: there the last screen waits for Enter, keys
// typed ahead dropped first. Whatever else starts it (cmd, PowerShell, a
// terminal, an IDE, Wine from a shell) keeps the screen, or pauses itself.
inline int kraj(int status)
{
#ifdef _WIN32
    const HANDLE snimak = terminal(0) && terminal(1) ? CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0) : INVALID_HANDLE_VALUE;
    if (snimak == INVALID_HANDLE_VALUE)
        return status;
    PROCESSENTRY32W proces {};
    const bool odExplorera = nadjiProces(snimak, GetCurrentProcessId(), proces)
        && nadjiProces(snimak, proces.th32ParentProcessID, proces) && _wcsicmp(proces.szExeFile, L"explorer.exe") == 0;
    CloseHandle(snimak);
    if (odExplorera) {
        std::cout << "Pritisnite Enter za kraj." << std::flush;
        const HANDLE ulaz = GetStdHandle(STD_INPUT_HANDLE);
        FlushConsoleInputBuffer(ulaz);
        wchar_t red[64];
        DWORD procitano = 0;
        ReadConsoleW(ulaz, red, 64, &procitano, nullptr);
    }
#endif
    return status;
}

// Writes the prompt and reads a number. A prompt or an answer starts a new line
// only where the echo of a line without Enter left the cursor; an error starts
// one wherever the cursor is not at a line's start. Pipes and files keep cin's
// own buffer, a terminal gets ours.
inline int procitaj(const char* upit)
{
    Tipkovnica& tipke = tipkovnica();
    if (terminal(0) && std::cin.rdbuf() != &tipke)
        std::cin.rdbuf(&tipke);
    std::cout << upit;
    if (terminal(1))
        tipke.kursor = Kursor::izaUpita;
    int broj = 0;
    const bool procitan = static_cast<bool>(std::cin >> broj);
    if (procitan ? tipke.kursor == Kursor::izaOdjeka : tipke.kursor != Kursor::naPocetku)
        noviRed(!procitan);
    if (!procitan) {
        std::cerr << "Greska: unos nije cijeli broj od -2147483648 do 2147483647\n";
        std::exit(kraj(1));
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

// On a terminal the answer ends its line, and so does the echo of a line ended
// with Ctrl-D where the answer went elsewhere. An answer that could not be
// written (a full disk, a closed output) ends as a failure, not a success.
inline int zavrsi()
{
    if (terminal(1) || tipkovnica().kursor == Kursor::izaOdjeka)
        noviRed(true);
    if (!std::cout.flush()) {
        std::cerr << "Greska: ispis nije uspio\n";
        return kraj(1);
    }
    return kraj(0);
}

#endif
