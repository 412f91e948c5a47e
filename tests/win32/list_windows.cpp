// Lists the windows of a running program from outside, as a Windows screen
// reader reads them: every top-level window of its process and every
// descendant, the captions and selection of its tab controls, and the
// focused control. The tests run it in the same Wine prefix as the program
// and check what it prints.
//
//   list_windows [--caption TEXT | --exe NAME] [--wait SECONDS] [--dpi-changed DPI]
//   list_windows --monitors
//
// The program is found by the caption of one of its top-level windows (by
// default the game's main window, "- ホ ル ミ ナ - Ver 1.00") or by the
// file name of its executable; with --wait, for up to SECONDS until it is
// there, and then until it waits for input. With --dpi-changed, the window
// found by its caption is then told, as Windows tells it, that it has moved
// to a monitor of DPI pixels per inch. Exits 0 when it listed it, 1 when it
// found no such program or the window did not take the message, 2 on a
// wrong command line. With --monitors, it lists instead the monitors as a
// program sees them (EnumDisplayMonitors), and exits 1 when there is none.
//
// Output, UTF-8, one record a line: the record's kind, then tab-separated
// key=value fields, always the same keys in the same order. Texts are
// escaped so that a field never holds a tab or a line break: \\ \t \n \r,
// and \xHH for the other control characters. Handles are hexadecimal.
//
//   process  pid exe
//   window   hwnd parent owner depth class text x y w h client_w client_h
//            style exstyle visible enabled id alpha
//   tab      hwnd count selected focused
//   tabitem  hwnd index text
//   focus    thread focus active
//   monitor  x y w h primary
//
// Windows come in their process's top-level order, each followed by its
// descendants depth first in their Z order, which is the dialog's tab
// order. x y w h are the rectangle in the parent's client coordinates, on
// the screen for a top-level window; depth is 0 for a top-level window;
// id is the control id (0 for a top-level window); alpha is the layered
// window's opacity, 0 to 255, or - for a window that is not layered or has
// no alpha of its own. A tab control's line and its items' lines follow its
// window line. A monitor's x y w h are its rectangle on the virtual screen,
// primary 1 for the primary monitor, else 0, in the order Windows lists them.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kGameCaption = L"- ホ ル ミ ナ - Ver 1.00";
// A hung program must not hang the lister.
constexpr UINT kSendTimeoutMs = 2000;

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::string Escaped(const std::wstring& text)
{
    std::string out;
    for (char c : Utf8(text)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                out += hex;
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string Hex(unsigned long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}

std::string Handle(HWND window)
{
    return Hex(reinterpret_cast<std::uintptr_t>(window));
}

// One record: Record("window").Field("hwnd", ...)...; each field after a tab.
class Record {
public:
    explicit Record(const char* kind) : line_(kind) {}
    Record& Field(const char* key, const std::string& value)
    {
        line_ += '\t';
        line_ += key;
        line_ += '=';
        line_ += value;
        return *this;
    }
    Record& Field(const char* key, long long value) { return Field(key, std::to_string(value)); }
    std::string Line() const { return line_ + '\n'; }

private:
    std::string line_;
};

// The text of a window of another process: WM_GETTEXT, which Windows
// carries across processes (GetWindowTextW would give only a caption).
std::wstring WindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
        return {};
    text.resize(copied);
    return text;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, std::size_t(length > 0 ? length : 0));
}

std::string Alpha(HWND window)
{
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED))
        return "-";
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
        return "-";
    return std::to_string(alpha);
}

// A tab control's captions, read through a buffer in its own process:
// TCM_GETITEMW writes where the item's pszText points, and that must be
// memory the control's process can write. The lister and the program must
// be built for the same Windows (64-bit or 32-bit), as TCITEMW holds a
// pointer.
std::vector<std::wstring> TabCaptions(HWND tab, HANDLE process, int count)
{
    constexpr int kTextMax = 512;
    const SIZE_T size = sizeof(TCITEMW) + kTextMax * sizeof(wchar_t);
    std::vector<std::wstring> captions;
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    if (!remote)
        return captions;
    for (int i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
        item.cchTextMax = kTextMax;
        std::vector<wchar_t> text(kTextMax, L'\0');
        DWORD_PTR ok = 0;
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
            WriteProcessMemory(process, item.pszText, text.data(), text.size() * sizeof(wchar_t), nullptr) &&
            SendMessageTimeoutW(tab, TCM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                kSendTimeoutMs, &ok) &&
            ok && ReadProcessMemory(process, remote, &item, sizeof item, nullptr) &&
            ReadProcessMemory(process, item.pszText, text.data(), (text.size() - 1) * sizeof(wchar_t), nullptr)) {
            captions.emplace_back(text.data());
        } else {
            captions.emplace_back();
        }
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return captions;
}

std::string ListTab(HWND tab, HANDLE process)
{
    DWORD_PTR count = 0, selected = 0, focused = 0;
    SendMessageTimeoutW(tab, TCM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count);
    SendMessageTimeoutW(tab, TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &selected);
    SendMessageTimeoutW(tab, TCM_GETCURFOCUS, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &focused);
    std::string out = Record("tab")
                          .Field("hwnd", Handle(tab))
                          .Field("count", static_cast<long long>(count))
                          .Field("selected", static_cast<long long>(static_cast<int>(selected)))
                          .Field("focused", static_cast<long long>(static_cast<int>(focused)))
                          .Line();
    const std::vector<std::wstring> captions = TabCaptions(tab, process, int(count));
    for (std::size_t i = 0; i < captions.size(); ++i)
        out += Record("tabitem").Field("hwnd", Handle(tab)).Field("index", static_cast<long long>(i)).Field("text", Escaped(captions[i])).Line();
    return out;
}

// WM_DPICHANGED as Windows sends it: the new pixels per inch, and a suggested
// rectangle that keeps the window's corner and grows by the ratio of the new
// pixels per inch to its present ones. The message carries a pointer, so the
// rectangle is handed over in the window's own process.
bool SendDpiChanged(HWND window, HANDLE process, int dpi)
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto dpi_for_window = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const int now = dpi_for_window && dpi_for_window(window) ? int(dpi_for_window(window)) : USER_DEFAULT_SCREEN_DPI;
    RECT rect{};
    GetWindowRect(window, &rect);
    rect.right = rect.left + MulDiv(rect.right - rect.left, dpi, now);
    rect.bottom = rect.top + MulDiv(rect.bottom - rect.top, dpi, now);
    void* remote = process ? VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote)
        return false;
    DWORD_PTR result = 0;
    const bool sent = WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr) &&
                      SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote),
                                          SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return sent;
}

std::string ListWindow(HWND window, int depth, HANDLE process)
{
    const HWND parent = depth == 0 ? nullptr : GetAncestor(window, GA_PARENT);
    RECT rect{};
    GetWindowRect(window, &rect);
    if (parent)
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    RECT client{};
    GetClientRect(window, &client);
    const std::wstring class_name = ClassName(window);
    std::string out = Record("window")
                          .Field("hwnd", Handle(window))
                          .Field("parent", Handle(parent))
                          .Field("owner", Handle(GetWindow(window, GW_OWNER)))
                          .Field("depth", depth)
                          .Field("class", Escaped(class_name))
                          .Field("text", Escaped(WindowText(window)))
                          .Field("x", rect.left)
                          .Field("y", rect.top)
                          .Field("w", rect.right - rect.left)
                          .Field("h", rect.bottom - rect.top)
                          .Field("client_w", client.right - client.left)
                          .Field("client_h", client.bottom - client.top)
                          .Field("style", Hex(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE))))
                          .Field("exstyle", Hex(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE))))
                          .Field("visible", IsWindowVisible(window) ? 1 : 0)
                          .Field("enabled", IsWindowEnabled(window) ? 1 : 0)
                          .Field("id", depth == 0 ? 0 : GetDlgCtrlID(window))
                          .Field("alpha", Alpha(window))
                          .Line();
    if (_wcsicmp(class_name.c_str(), WC_TABCONTROLW) == 0)
        out += ListTab(window, process);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        out += ListWindow(child, depth + 1, process);
    return out;
}

struct TopLevels {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param)
{
    auto* top = reinterpret_cast<TopLevels*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == top->pid)
        top->windows.push_back(window);
    return TRUE;
}

DWORD ProcessOfExe(const std::wstring& exe)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD pid = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !pid; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, exe.c_str()) == 0)
            pid = entry.th32ProcessID;
    CloseHandle(snapshot);
    return pid;
}

std::wstring ExeName(HANDLE process)
{
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    if (!QueryFullProcessImageNameW(process, 0, path, &size))
        return {};
    const std::wstring full(path, size);
    const std::size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

// The thread whose focus counts: that of the window found by its caption,
// or else of the process's first visible top-level window.
DWORD GuiThread(HWND found, const std::vector<HWND>& windows)
{
    if (found)
        return GetWindowThreadProcessId(found, nullptr);
    for (HWND window : windows)
        if (IsWindowVisible(window))
            return GetWindowThreadProcessId(window, nullptr);
    return windows.empty() ? 0 : GetWindowThreadProcessId(windows.front(), nullptr);
}

void Write(const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
}

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        *reinterpret_cast<std::string*>(param) += Record("monitor")
                                                      .Field("x", r.left)
                                                      .Field("y", r.top)
                                                      .Field("w", r.right - r.left)
                                                      .Field("h", r.bottom - r.top)
                                                      .Field("primary", (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0)
                                                      .Line();
    }
    return TRUE;
}

int ListMonitors()
{
    std::string out;
    EnumDisplayMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&out));
    Write(out.empty() ? "no monitor\n" : out);
    return out.empty() ? 1 : 0;
}

int Usage()
{
    Write("usage: list_windows [--caption TEXT | --exe NAME] [--wait SECONDS] [--dpi-changed DPI]\n"
          "       list_windows --monitors\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    std::wstring caption = kGameCaption;
    std::wstring exe;
    double wait_seconds = 0;
    int dpi = 0;
    if (argc == 2 && std::wstring(argv[1]) == L"--monitors")
        return ListMonitors();
    for (int i = 1; i < argc; ++i) {
        const std::wstring option = argv[i];
        if (i + 1 >= argc)
            return Usage();
        if (option == L"--caption")
            caption = argv[++i];
        else if (option == L"--exe")
            exe = argv[++i];
        else if (option == L"--wait")
            wait_seconds = _wtof(argv[++i]);
        else if (option == L"--dpi-changed" && (dpi = _wtoi(argv[++i])) > 0)
            continue;
        else
            return Usage();
    }

    HWND found = nullptr;
    DWORD pid = 0;
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(wait_seconds * 1000);
    for (;;) {
        if (exe.empty()) {
            found = FindWindowW(nullptr, caption.c_str());
            if (found)
                GetWindowThreadProcessId(found, &pid);
        } else {
            pid = ProcessOfExe(exe);
        }
        if (pid || GetTickCount64() >= deadline)
            break;
        Sleep(100);
    }
    if (!pid) {
        Write(exe.empty() ? "no window captioned " + Utf8(caption) + "\n" : "no process " + Utf8(exe) + "\n");
        return 1;
    }

    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION | PROCESS_VM_READ |
                                           PROCESS_VM_WRITE | SYNCHRONIZE, FALSE, pid);
    // A program still making its windows has not yet waited for input: it is
    // listed once it has (within the wait), as the player first meets it.
    if (process) {
        const ULONGLONG now = GetTickCount64();
        WaitForInputIdle(process, now < deadline ? DWORD(deadline - now) : 0);
    }
    if (dpi && !(found && SendDpiChanged(found, process, dpi))) {
        Write("the window did not take WM_DPICHANGED\n");
        return 1;
    }
    TopLevels top{pid, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&top));
    std::string out = Record("process").Field("pid", static_cast<long long>(pid)).Field("exe", Escaped(process ? ExeName(process) : L"")).Line();
    for (HWND window : top.windows)
        out += ListWindow(window, 0, process);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    const DWORD thread = GuiThread(found, top.windows);
    const bool have_gui = thread && GetGUIThreadInfo(thread, &gui);
    out += Record("focus")
               .Field("thread", static_cast<long long>(thread))
               .Field("focus", Handle(have_gui ? gui.hwndFocus : nullptr))
               .Field("active", Handle(have_gui ? gui.hwndActive : nullptr))
               .Line();
    if (process)
        CloseHandle(process);
    Write(out);
    return 0;
}
