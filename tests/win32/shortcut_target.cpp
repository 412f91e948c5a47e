// Prints what a shortcut (.lnk) starts, as the shell resolves it: one UTF-8
// line of tab-separated fields, as list_windows prints them,
//   shortcut  target args workdir icon icon_index
// for the shortcut file named on the command line (a Windows path).
// Exits 1 when it cannot be read.
//
// The target is read from the shortcut's item list, as the shell starts it.
// The path GetPath gives may be the shortcut's ANSI copy of it instead
// (Wine's is), where a name the ANSI code page cannot spell is '?'.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace {

// The item list's file system path, through shell32's own reading of it
// (loaded here: the tests' programs are linked with ole32 alone).
bool PathOfItems(PCIDLIST_ABSOLUTE items, wchar_t (&path)[MAX_PATH])
{
    using PathFromItems = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR);
    HMODULE shell32 = LoadLibraryW(L"shell32.dll");
    const auto path_from_items =
        shell32 ? reinterpret_cast<PathFromItems>(
                      reinterpret_cast<void*>(GetProcAddress(shell32, "SHGetPathFromIDListW")))
                : nullptr;
    const bool found = path_from_items && path_from_items(items, path);
    if (shell32)
        FreeLibrary(shell32);
    return found;
}

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(size > 0 ? size - 1 : 0), '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

void Write(const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 2) {
        Write("usage: shortcut_target FILE.lnk\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    PIDLIST_ABSOLUTE items = nullptr;
    wchar_t target[MAX_PATH] = L"", args[1024] = L"", workdir[MAX_PATH] = L"", icon[MAX_PATH] = L"";
    int icon_index = 0;
    const bool read =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(argv[1], STGM_READ)) && link->GetIDList(&items) == S_OK && PathOfItems(items, target) &&
        SUCCEEDED(link->GetArguments(args, 1024)) && SUCCEEDED(link->GetWorkingDirectory(workdir, MAX_PATH)) &&
        SUCCEEDED(link->GetIconLocation(icon, MAX_PATH, &icon_index));
    CoTaskMemFree(items);
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    if (!read)
        return 1;
    Write("shortcut\ttarget=" + Utf8(target) + "\targs=" + Utf8(args) + "\tworkdir=" + Utf8(workdir) + "\ticon=" +
          Utf8(icon) + "\ticon_index=" + std::to_string(icon_index) + "\n");
    return 0;
}
