// The window's face and colours as the system it runs on allows them: the
// layout's face, or the nearest proportional Japanese Gothic installed, in
// which the texts keep to their boxes; and the tables' fixed colours, which
// give way to the system's under a high-contrast scheme. Run in both of the
// tests' Wine prefixes: the one that maps the layout's face and the one that
// maps none.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "form/tform1.h"
#include "pages/pages.h"
#include "win32/child_window.h"
#include "win32/layout_scale.h"
#include "win32/main_window.h"
#include "win32/platform.h"

namespace {

HWND WindowOf(Control* control) { return dynamic_cast<ChildWindow*>(control)->Handle(); }

struct Win32Look : testing::Test {
    LayoutScale scale = LayoutScale::OfScreen();
    Win32Platform platform{scale};
    FakeTicks ticks;
    TForm1 form{Form1Design(), ticks, platform};
    MainWindow window{form, platform, scale};
};

// A label of a fixed size is drawn as a static control draws it, broken
// into lines where its text is wider than the box: in the layout's face
// every one keeps to one line inside its box.
TEST_F(Win32Look, TheLayoutFaceIsProportionalAndTheFixedLabelsKeepToOneLine)
{
    for (const PageLayout& page : form.Design().pages)
        for (const ControlRow& row : page.rows) {
            const auto* member = std::get_if<Label* TForm1::*>(&row.member);
            if (!member || !Has(row.flags, Flag::FixedSize))
                continue;
            HWND label = WindowOf(form.*(*member));
            std::wstring text(std::size_t(GetWindowTextLengthW(label)) + 1, L'\0');
            text.resize(std::size_t(GetWindowTextW(label, text.data(), int(text.size()))));
            HDC dc = GetDC(label);
            HGDIOBJ before = SelectObject(dc, HFONT(SendMessageW(label, WM_GETFONT, 0, 0)));
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            RECT needed{};
            DrawTextW(dc, text.c_str(), int(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, before);
            ReleaseDC(label, dc);
            // The bit is named for its opposite: set, the face is proportional.
            EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) << row.name << " in a fixed-pitch face";
            EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET) << row.name;
            RECT box;
            GetClientRect(label, &box);
            EXPECT_LE(needed.right, box.right) << row.name << " breaks into a second line";
            EXPECT_LE(needed.bottom, box.bottom) << row.name << " is cut at its foot";
        }
}

// Wine answers SPI_GETHIGHCONTRAST with "off" whatever its registry says,
// and sets no scheme: the test answers for the system instead, in the entry
// of this program's import table that the front end calls through.
class HighContrastAnswer {
public:
    HighContrastAnswer()
    {
        EXPECT_NE(entry_, nullptr) << "no import of SystemParametersInfoW";
        Put(reinterpret_cast<void*>(&Answer));
    }
    ~HighContrastAnswer()
    {
        Put(reinterpret_cast<void*>(real_));
        on = false;
    }
    HighContrastAnswer(const HighContrastAnswer&) = delete;
    HighContrastAnswer& operator=(const HighContrastAnswer&) = delete;

    static inline bool on = false;

private:
    using Function = BOOL(WINAPI*)(UINT, UINT, void*, UINT);

    static void** ImportEntry()
    {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name; ++dll)
            for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk); slot->u1.Function; ++slot)
                if (slot->u1.Function == reinterpret_cast<ULONG_PTR>(real_))
                    return reinterpret_cast<void**>(&slot->u1.Function);
        return nullptr;
    }

    static BOOL WINAPI Answer(UINT action, UINT size, void* data, UINT flags)
    {
        if (action != SPI_GETHIGHCONTRAST)
            return real_(action, size, data, flags);
        static_cast<HIGHCONTRASTW*>(data)->dwFlags = on ? HCF_HIGHCONTRASTON : 0;
        return TRUE;
    }

    void Put(void* function)
    {
        DWORD protection;
        if (entry_ && VirtualProtect(entry_, sizeof(void*), PAGE_READWRITE, &protection)) {
            *entry_ = function;
            VirtualProtect(entry_, sizeof(void*), protection, &protection);
        }
    }

    static inline const Function real_ = &SystemParametersInfoW;
    void** entry_ = ImportEntry();
};

// The text colour a label asks its page for, as the control does when it
// paints; a colour of none of the tables' where the page does not answer.
COLORREF AskedColour(HWND label)
{
    HDC dc = GetDC(label);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(label));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(label, dc);
    return colour;
}

// Told that the scheme has come, the window draws the navy score label and
// the blue count (a read-only edit box) in the system's window text colour,
// and paints them anew; told that it has gone, in the tables' colours again.
TEST_F(Win32Look, UnderHighContrastTheFixedColoursGiveWayToTheSystems)
{
    HighContrastAnswer system;
    window.Show(SW_SHOWNORMAL);
    form.TabbedNotebook1->SetPageIndex(2);
    HWND navy = WindowOf(form.Label7);
    HWND blue = WindowOf(form.Edit2);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    ASSERT_NE(text, COLORREF(clNavy));
    EXPECT_EQ(AskedColour(navy), COLORREF(clNavy));
    EXPECT_EQ(AskedColour(blue), COLORREF(clBlue));

    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_FALSE(GetUpdateRect(navy, nullptr, FALSE));
    system.on = true;
    SendMessageW(window.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_TRUE(GetUpdateRect(navy, nullptr, FALSE)) << "not painted anew";
    EXPECT_EQ(AskedColour(navy), text);
    EXPECT_EQ(AskedColour(blue), text);

    system.on = false;
    SendMessageW(window.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(AskedColour(navy), COLORREF(clNavy));
}

}  // namespace
