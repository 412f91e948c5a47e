#include "win32/control_factory.h"

#include <algorithm>

#include "form/tform1.h"
#include "win32/colours.h"
#include "win32/cursors.h"
#include "win32/door_glyph.h"
#include "win32/wide_text.h"

namespace {

HWND MakeChild(const wchar_t* kind, const ControlRow& row, const char* text, DWORD style, DWORD extended,
               const Box& box, HWND page, HFONT font)
{
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (!Has(row.flags, Flag::Hidden))
        style |= WS_VISIBLE;
    HWND window = CreateWindowExW(extended, kind, Wide(text).c_str(), style, box.left, box.top, box.width, box.height,
                                  page, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, WPARAM(font), FALSE);
    return window;
}

void Place(HWND window, const Box& box)
{
    SetWindowPos(window, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring WideWindowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// Labels and pictures stand on the page and show its face colour around
// what they draw.
HBRUSH PageBrush() { return GetSysColorBrush(COLOR_BTNFACE); }

class Win32Label final : public Win32Control<Label> {
public:
    Win32Label(const ControlRow& row, HWND page, FontCache& fonts, const LayoutScale& scale)
        : fonts_(fonts),
          scale_(scale),
          style_(row.font),
          font_(fonts.Font(row.font.pixels, row.font.bold)),
          colour_(row.font.colour),
          fits_text_(!Has(row.flags, Flag::FixedSize)),
          designed_(row.box)
    {
        // A label is one line: a left-aligned one is cut at its edge rather
        // than broken into a second line.
        const DWORD alignment = Has(row.flags, Flag::Centred) ? SS_CENTER : SS_LEFTNOWORDWRAP;
        Adopt(MakeChild(L"STATIC", row, row.text, alignment | SS_NOPREFIX, 0, scale.ToScreen(row.box), page, font_));
        if (fits_text_)
            Fit();
    }

    std::string Text() const override { return Utf8(WideWindowText(window_)); }
    void SetText(std::string_view text) override
    {
        SetWindowTextW(window_, Wide(text).c_str());
        if (fits_text_)
            Fit();
    }
    int Width() const override
    {
        RECT frame;
        GetWindowRect(window_, &frame);
        return scale_.ToLayout(frame.right - frame.left);
    }
    int Left() const override { return designed_.left; }
    // A label moved to keep its right end inside the page stays inside it on
    // the screen too, where the scaled left edge and width round apart.
    void SetLeft(int left) override
    {
        designed_.left = left;
        RECT page;
        GetClientRect(GetParent(window_), &page);
        RECT frame;
        GetWindowRect(window_, &frame);
        MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&frame), 2);
        const int x = std::max(0L, std::min(LONG(scale_.ToScreen(left)), page.right - (frame.right - frame.left)));
        if (x != frame.left)
            SetWindowPos(window_, nullptr, x, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HBRUSH Colours(HDC dc) const override
    {
        SetTextColor(dc, ScreenColour(colour_, GetSysColor(COLOR_WINDOWTEXT)));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return PageBrush();
    }

    void Rescale() override
    {
        font_ = fonts_.Font(style_.pixels, style_.bold);
        SendMessageW(window_, WM_SETFONT, WPARAM(font_), TRUE);
        Place(window_, scale_.ToScreen(designed_));
        if (fits_text_)
            Fit();
        SetLeft(designed_.left);
    }

private:
    // A label that sizes itself takes its text's width and its font's line
    // height; an empty one keeps its designed size.
    void Fit()
    {
        const std::wstring text = WideWindowText(window_);
        HDC dc = GetDC(window_);
        HGDIOBJ before = SelectObject(dc, font_);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, before);
        ReleaseDC(window_, dc);
        const int width = text.empty() ? scale_.ToScreen(designed_.width) : extent.cx;
        SetWindowPos(window_, nullptr, 0, 0, width, metrics.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    FontCache& fonts_;
    const LayoutScale& scale_;
    FontStyle style_;
    HFONT font_;
    ColourValue colour_;
    bool fits_text_;
    Box designed_;
};

// The box's height follows its font: the character height and 8 pixels of
// border and margin.
int EditHeight(int font_pixels) { return font_pixels + 8; }

class Win32EditBox final : public Win32Control<EditBox> {
public:
    Win32EditBox(const ControlRow& row, HWND page, FontCache& fonts, const LayoutScale& scale)
        : fonts_(fonts), scale_(scale), designed_(row.box), pixels_(row.font.pixels), bold_(row.font.bold),
          colour_(row.font.colour)
    {
        DWORD style = ES_AUTOHSCROLL | ES_LEFT;
        if (Has(row.flags, Flag::ReadOnly))
            style |= ES_READONLY;
        if (!Has(row.flags, Flag::NoTabStop))
            style |= WS_TABSTOP;
        Box box = row.box;
        box.height = EditHeight(row.font.pixels);
        Adopt(MakeChild(L"EDIT", row, row.text, style, WS_EX_CLIENTEDGE, scale.ToScreen(box), page,
                        fonts.Font(row.font.pixels, bold_)));
        if (row.max_length > 0)
            SendMessageW(window_, EM_LIMITTEXT, WPARAM(row.max_length), 0);
    }

    std::string Text() const override { return Utf8(WideWindowText(window_)); }
    void SetText(std::string_view text) override { SetWindowTextW(window_, Wide(text).c_str()); }
    void SetTextColour(ColourValue colour) override
    {
        if (colour == colour_)
            return;
        colour_ = colour;
        InvalidateRect(window_, nullptr, TRUE);
    }
    void SetFontPixels(int pixels) override
    {
        pixels_ = pixels;
        SendMessageW(window_, WM_SETFONT, WPARAM(fonts_.Font(pixels, bold_)), TRUE);
        RECT frame;
        GetWindowRect(window_, &frame);
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, scale_.ToScreen(EditHeight(pixels)),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Read-only boxes ask with WM_CTLCOLORSTATIC and keep the window colour
    // all the same: they are not greyed.
    HBRUSH Colours(HDC dc) const override
    {
        SetTextColor(dc, ScreenColour(colour_, GetSysColor(COLOR_WINDOWTEXT)));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }

    void Rescale() override
    {
        SendMessageW(window_, WM_SETFONT, WPARAM(fonts_.Font(pixels_, bold_)), TRUE);
        Place(window_, scale_.ToScreen(Box{designed_.left, designed_.top, designed_.width, EditHeight(pixels_)}));
    }

private:
    FontCache& fonts_;
    const LayoutScale& scale_;
    Box designed_;
    int pixels_;
    bool bold_;
    ColourValue colour_;
};

// A push button, never a default one: Enter clicks the button that has the
// focus and no other.
template <class Interface>
class Win32PushButton : public Win32Control<Interface> {
public:
    Win32PushButton(const ControlRow& row, HWND page, TForm1& form, FontCache& fonts, const LayoutScale& scale,
                    DWORD kind)
        : fonts_(fonts), scale_(scale), designed_(row.box), style_(row.font), form_(form), click_(row.click),
          cursor_(CursorOf(row.cursor))
    {
        this->Adopt(MakeChild(L"BUTTON", row, row.text, kind | WS_TABSTOP, 0, scale.ToScreen(row.box), page, Font()));
    }

    void Clicked() override
    {
        if (click_)
            form_.Dispatch(click_);
    }
    HCURSOR CursorShape() const override { return cursor_; }
    void Rescale() override
    {
        SendMessageW(this->window_, WM_SETFONT, WPARAM(Font()), TRUE);
        Place(this->window_, scale_.ToScreen(designed_));
    }

protected:
    HFONT Font() const { return fonts_.Font(style_.pixels, style_.bold); }

    FontCache& fonts_;
    const LayoutScale& scale_;

private:
    Box designed_;
    FontStyle style_;
    TForm1& form_;
    Handler click_;
    HCURSOR cursor_;
};

// The close button draws itself: the door glyph left of the caption, 4
// pixels apart, the pair centred on the button's face.
class Win32BitmapButton final : public Win32PushButton<BitmapButton> {
public:
    Win32BitmapButton(const ControlRow& row, HWND page, TForm1& form, FontCache& fonts, const LayoutScale& scale)
        : Win32PushButton(row, page, form, fonts, scale, BS_OWNERDRAW), font_(Font()), gap_(scale.ToScreen(4))
    {
    }

    void Rescale() override
    {
        font_ = Font();
        gap_ = scale_.ToScreen(4);
        Win32PushButton::Rescale();
    }

    void Draw(const DRAWITEMSTRUCT& item) const override
    {
        HDC dc = item.hDC;
        RECT face = item.rcItem;
        const bool pushed = (item.itemState & ODS_SELECTED) != 0;
        const bool disabled = (item.itemState & ODS_DISABLED) != 0;
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        const std::wstring caption = WideWindowText(window_);
        HGDIOBJ before = SelectObject(dc, font_);
        RECT measured{};
        DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
        const int shift = pushed ? 1 : 0;
        const int pair = DoorGlyphSide + gap_ + (measured.right - measured.left);
        const int left = face.left + (face.right - face.left - pair) / 2 + shift;
        DrawDoorGlyph(dc, left, face.top + (face.bottom - face.top - DoorGlyphSide) / 2 + shift, disabled);
        RECT text{left + DoorGlyphSide + gap_, face.top + shift, face.right, face.bottom + shift};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        const UINT hide_underline = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | hide_underline);
        SelectObject(dc, before);
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
            RECT focus = face;
            InflateRect(&focus, -4, -4);
            DrawFocusRect(dc, &focus);
        }
    }

private:
    HFONT font_;
    int gap_;
};

// The picture at its natural size at the control's top-left corner, the page
// showing around it. The window's text names the picture for screen readers.
class Win32Picture final : public Win32Control<Picture> {
public:
    Win32Picture(const ControlRow& row, HWND page, const LayoutScale& scale)
        : scale_(scale), designed_(row.box), picture_(LoadResourcePicture(Wide(row.text).c_str()))
    {
        Adopt(MakeChild(L"STATIC", row, row.description ? row.description : "", SS_OWNERDRAW, 0, scale.ToScreen(row.box),
                        page, nullptr));
    }

    void Draw(const DRAWITEMSTRUCT& item) const override
    {
        FillRect(item.hDC, &item.rcItem, PageBrush());
        if (picture_)
            picture_->Draw(item.hDC, 0, 0);
    }

    void Rescale() override { Place(window_, scale_.ToScreen(designed_)); }

private:
    const LayoutScale& scale_;
    Box designed_;
    std::optional<DibPicture> picture_;
};

}  // namespace

Win32ControlFactory::Win32ControlFactory(TForm1& form, std::span<const HWND> pages, FontCache& fonts,
                                         const LayoutScale& scale)
    : form_(form), pages_(pages), fonts_(fonts), scale_(scale), stacks_(pages.size())
{
}

template <class Made, class... Arguments>
Made* Win32ControlFactory::Keep(int page, const ControlRow& row, Arguments&&... arguments)
{
    auto made = std::make_unique<Made>(row, pages_[std::size_t(page)], std::forward<Arguments>(arguments)...);
    Made* kept = made.get();
    stacks_[std::size_t(page)].push_back({kept->Handle(), DrawnOnPage(row), row.tab_order});
    made_.push_back(std::move(made));
    return kept;
}

void Win32ControlFactory::StackPage(int page) const
{
    std::vector<Stacked> top_down = stacks_[std::size_t(page)];
    std::stable_sort(top_down.begin(), top_down.end(), [](const Stacked& a, const Stacked& b) {
        if (a.drawn_on_page != b.drawn_on_page)
            return !a.drawn_on_page;
        return a.drawn_on_page ? false : a.tab_order < b.tab_order;
    });
    // Labels and pictures stand in the layout's order; later rows go higher.
    const auto labels = std::find_if(top_down.begin(), top_down.end(), [](const Stacked& s) { return s.drawn_on_page; });
    std::reverse(labels, top_down.end());
    for (const Stacked& stacked : top_down)
        SetWindowPos(stacked.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Label* Win32ControlFactory::MakeLabel(int page, const ControlRow& row)
{
    return Keep<Win32Label>(page, row, fonts_, scale_);
}

EditBox* Win32ControlFactory::MakeEditBox(int page, const ControlRow& row)
{
    return Keep<Win32EditBox>(page, row, fonts_, scale_);
}

Button* Win32ControlFactory::MakeButton(int page, const ControlRow& row)
{
    return Keep<Win32PushButton<Button>>(page, row, form_, fonts_, scale_, DWORD(BS_PUSHBUTTON));
}

BitmapButton* Win32ControlFactory::MakeBitmapButton(int page, const ControlRow& row)
{
    return Keep<Win32BitmapButton>(page, row, form_, fonts_, scale_);
}

Picture* Win32ControlFactory::MakePicture(int page, const ControlRow& row)
{
    return Keep<Win32Picture>(page, row, scale_);
}

void Win32ControlFactory::Rescale() const
{
    for (const std::unique_ptr<ChildWindow>& control : made_)
        control->Rescale();
}
