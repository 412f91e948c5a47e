// Starts a program with the show command a shortcut or "start" would give it
// (STARTUPINFO's wShowWindow), waits for it, and exits with its exit code:
// start_shown SHOW_COMMAND PROGRAM. Wine's own "start /min" asks for
// SW_SHOWMINIMIZED where Windows' asks for SW_SHOWMINNOACTIVE, so the tests
// say which they mean.
#include <windows.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: start_shown SHOW_COMMAND PROGRAM\n");
        return 2;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(std::wcstol(argv[1], nullptr, 10));
    std::wstring command = L"\"" + std::wstring(argv[2]) + L"\"";
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[2], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fwprintf(stderr, L"start_shown: cannot start %ls (error %lu)\n", argv[2], GetLastError());
        return 2;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(code);
}
