// Prints what a shortcut (.lnk) starts, as the shell resolves it: one UTF-8
// line of tab-separated fields, as list_windows prints them,
//   shortcut  target args workdir icon icon_index
// for the shortcut file named on the command line (a Windows path).
// Exits 1 when it cannot be read.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace {

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
    wchar_t target[MAX_PATH] = L"", args[1024] = L"", workdir[MAX_PATH] = L"", icon[MAX_PATH] = L"";
    int icon_index = 0;
    const bool read =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(argv[1], STGM_READ)) && SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
        SUCCEEDED(link->GetArguments(args, 1024)) && SUCCEEDED(link->GetWorkingDirectory(workdir, MAX_PATH)) &&
        SUCCEEDED(link->GetIconLocation(icon, MAX_PATH, &icon_index));
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
