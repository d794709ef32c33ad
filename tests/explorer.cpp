// A stand-in for Explorer, for the tests under Wine: what a double-click does,
// less the console of the program's own. Starts the program named on the
// command line, on this console and these standard handles, waits for it and
// passes on its exit status.
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    STARTUPINFOA start {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION program {};
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &program))
        return 2;
    DWORD status = 2;
    WaitForSingleObject(program.hProcess, INFINITE);
    GetExitCodeProcess(program.hProcess, &status);
    return static_cast<int>(status);
}
