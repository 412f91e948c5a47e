#include "win32/control_factory.h"

#include <algorithm>

#include "form/placement.h"
#include "form/tform1.h"
#include "win32/colours.h"
#include "win32/cursors.h"
#include "win32/door_glyph.h"
#include "win32/wide_text.h"

namespace {

HWND MakeChild(const wchar_t* kind, const ControlRow& row, const char* text, DWORD style, DWORD extended,
               const Box& box, PageOf page, HFONT font)
{
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (!Has(row.flags, Flag::Hidden))
        style |= WS_VISIBLE;
    HWND window = CreateWindowExW(extended, kind, Wide(text).c_str(), style, box.left, box.top, box.width, box.height,
                                  page.Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
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

// A line of text in a font, as wide as the text and as high as the font's
// lines, measured off the screen.
SIZE TextSize(HFONT font, const std::wstring& text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    DeleteDC(dc);
    return {extent.cx, metrics.tmHeight};
}

class Win32Label final : public Win32Control<Label> {
public:
    Win32Label(const ControlRow& row, PageOf page, FontCache& fonts, const LayoutScale& scale)
        : row_(row),
          page_(page),
          fonts_(fonts),
          scale_(scale),
          colour_(row.font.colour),
          fits_text_(!Has(row.flags, Flag::FixedSize)),
          designed_(row.box),
          text_(Wide(row.text))
    {
    }

    // The label keeps its text and place itself, so that one written before
    // its window is made (the date and the clock are, at creation) needs no
    // window yet.
    std::string Text() const override { return Utf8(text_); }
    void SetText(std::string_view text) override
    {
        text_ = Wide(text);
        measured_at_ = 0;
        if (Made()) {
            SetWindowTextW(Handle(), text_.c_str());
            if (fits_text_) {
                const Box box = ScreenBox();
                SetWindowPos(Handle(), nullptr, 0, 0, box.width, box.height,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    int Width() const override { return scale_.ToLayout(ScreenBox().width); }
    int Left() const override { return designed_.left; }
    // A label moved to keep its right end inside the page stays inside it on
    // the screen too, where the scaled left edge and width round apart.
    void SetLeft(int left) override
    {
        designed_.left = left;
        kept_inside_ = true;
        if (const int x = ScreenBox().left; Made() && x != placed_left_) {
            SetWindowPos(Handle(), nullptr, x, scale_.ToScreen(designed_.top), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            placed_left_ = x;
        }
    }

    HBRUSH Colours(HDC dc) const override
    {
        SetTextColor(dc, ScreenColour(colour_, GetSysColor(COLOR_WINDOWTEXT)));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return PageBrush();
    }

    void Rescale() override
    {
        SendMessageW(Handle(), WM_SETFONT, WPARAM(Font()), TRUE);
        const Box box = ScreenBox();
        Place(Handle(), box);
        placed_left_ = box.left;
    }

private:
    HWND Make() const override
    {
        // A label is one line: a left-aligned one is cut at its edge rather
        // than broken into a second line.
        const DWORD alignment = Has(row_.flags, Flag::Centred) ? SS_CENTER : SS_LEFTNOWORDWRAP;
        const Box box = ScreenBox();
        placed_left_ = box.left;
        return MakeChild(L"STATIC", row_, Utf8(text_).c_str(), alignment | SS_NOPREFIX, 0, box, page_, Font());
    }

    HFONT Font() const { return fonts_.Font(row_.font.pixels, row_.font.bold); }

    // Where the label stands on the screen: one that sizes itself takes its
    // text's width and its font's line height, an empty one its designed
    // width; one that was moved to keep inside the page is kept inside it.
    Box ScreenBox() const
    {
        Box box = scale_.ToScreen(designed_);
        if (fits_text_) {
            if (measured_at_ != scale_.PixelsPerInch()) {
                measured_ = TextSize(Font(), text_);
                measured_at_ = scale_.PixelsPerInch();
            }
            if (!text_.empty())
                box.width = measured_.cx;
            box.height = measured_.cy;
        }
        if (kept_inside_)
            box.left = ClockRowLeft(box.left, PageWindowBox(scale_).width, box.width);
        return box;
    }

    const ControlRow& row_;
    PageOf page_;
    FontCache& fonts_;
    const LayoutScale& scale_;
    ColourValue colour_;
    bool fits_text_;
    Box designed_;
    std::wstring text_;
    // The text's size in the font, measured once for each text and scale:
    // the clock's row asks for it three times at each second's tick. It is
    // known by the pixels per inch it was measured at (0 until it is), as a
    // label measured before its window is made (the date, at creation) may
    // be made only after the scale has changed.
    mutable SIZE measured_{};
    mutable int measured_at_ = 0;
    bool kept_inside_ = false;
    // The left edge the window stands at, once made.
    mutable int placed_left_ = 0;
};

class Win32EditBox final : public Win32Control<EditBox> {
public:
    Win32EditBox(const ControlRow& row, PageOf page, FontCache& fonts, const LayoutScale& scale)
        : row_(row), page_(page), fonts_(fonts), scale_(scale), pixels_(row.font.pixels), bold_(row.font.bold),
          colour_(row.font.colour)
    {
    }

    std::string Text() const override { return Utf8(WideWindowText(Handle())); }
    void SetText(std::string_view text) override { SetWindowTextW(Handle(), Wide(text).c_str()); }
    void SetTextColour(ColourValue colour) override
    {
        if (colour == colour_)
            return;
        colour_ = colour;
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    void SetFontPixels(int pixels) override
    {
        pixels_ = pixels;
        SendMessageW(Handle(), WM_SETFONT, WPARAM(Font()), TRUE);
        RECT frame;
        GetWindowRect(Handle(), &frame);
        SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, scale_.ToScreen(EditBoxHeight(pixels)),
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
        SendMessageW(Handle(), WM_SETFONT, WPARAM(Font()), TRUE);
        Place(Handle(), ScreenBox());
    }

private:
    HWND Make() const override
    {
        DWORD style = ES_AUTOHSCROLL | ES_LEFT;
        if (Has(row_.flags, Flag::ReadOnly))
            style |= ES_READONLY;
        if (!Has(row_.flags, Flag::NoTabStop))
            style |= WS_TABSTOP;
        HWND window = MakeChild(L"EDIT", row_, row_.text, style, WS_EX_CLIENTEDGE, ScreenBox(), page_, Font());
        if (row_.max_length > 0)
            SendMessageW(window, EM_LIMITTEXT, WPARAM(row_.max_length), 0);
        return window;
    }

    HFONT Font() const { return fonts_.Font(pixels_, bold_); }
    Box ScreenBox() const
    {
        return scale_.ToScreen(Box{row_.box.left, row_.box.top, row_.box.width, EditBoxHeight(pixels_)});
    }

    const ControlRow& row_;
    PageOf page_;
    FontCache& fonts_;
    const LayoutScale& scale_;
    int pixels_;
    bool bold_;
    ColourValue colour_;
};

// A push button, never a default one: Enter clicks the button that has the
// focus and no other.
template <class Interface>
class Win32PushButton : public Win32Control<Interface> {
public:
    Win32PushButton(const ControlRow& row, PageOf page, TForm1& form, FontCache& fonts, const LayoutScale& scale,
                    DWORD kind)
        : scale_(scale), row_(row), page_(page), fonts_(fonts), kind_(kind), form_(form), click_(row.click),
          cursor_(CursorOf(row.cursor))
    {
    }

    void Clicked() override
    {
        if (click_)
            form_.Dispatch(click_);
    }
    HCURSOR CursorShape() const override { return cursor_; }
    void Rescale() override
    {
        SendMessageW(this->Handle(), WM_SETFONT, WPARAM(Font()), TRUE);
        Place(this->Handle(), scale_.ToScreen(row_.box));
    }

protected:
    HFONT Font() const { return fonts_.Font(row_.font.pixels, row_.font.bold); }

    const LayoutScale& scale_;

private:
    HWND Make() const override
    {
        return MakeChild(L"BUTTON", row_, row_.text, kind_ | WS_TABSTOP, 0, scale_.ToScreen(row_.box), page_, Font());
    }

    const ControlRow& row_;
    PageOf page_;
    FontCache& fonts_;
    DWORD kind_;
    TForm1& form_;
    Handler click_;
    HCURSOR cursor_;
};

// The close button draws itself: the door glyph left of the caption, 4
// pixels apart, the pair centred on the button's face, and the focus
// rectangle 4 pixels inside its edge; glyph, gap and inset all grow with the
// layout's scale.
class Win32BitmapButton final : public Win32PushButton<BitmapButton> {
public:
    Win32BitmapButton(const ControlRow& row, PageOf page, TForm1& form, FontCache& fonts, const LayoutScale& scale)
        : Win32PushButton(row, page, form, fonts, scale, BS_OWNERDRAW)
    {
    }

    void Draw(const DRAWITEMSTRUCT& item) const override
    {
        HDC dc = item.hDC;
        RECT face = item.rcItem;
        const bool pushed = (item.itemState & ODS_SELECTED) != 0;
        const bool disabled = (item.itemState & ODS_DISABLED) != 0;
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        const std::wstring caption = WideWindowText(Handle());
        HGDIOBJ before = SelectObject(dc, Font());
        RECT measured{};
        DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
        const int shift = pushed ? 1 : 0;
        const int glyph = scale_.ToScreen(DoorGlyphSide);
        const int gap = scale_.ToScreen(4);
        const int pair = glyph + gap + (measured.right - measured.left);
        const int left = face.left + (face.right - face.left - pair) / 2 + shift;
        DrawDoorGlyph(dc, left, face.top + (face.bottom - face.top - glyph) / 2 + shift, disabled, scale_);
        RECT text{left + glyph + gap, face.top + shift, face.right, face.bottom + shift};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        const UINT hide_underline = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | hide_underline);
        SelectObject(dc, before);
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
            RECT focus = face;
            const int inset = scale_.ToScreen(4);
            InflateRect(&focus, -inset, -inset);
            DrawFocusRect(dc, &focus);
        }
    }
};

// The picture at its natural size at the control's top-left corner, the page
// showing around it. The window's text names the picture for screen readers.
class Win32Picture final : public Win32Control<Picture> {
public:
    Win32Picture(const ControlRow& row, PageOf page, const LayoutScale& scale) : row_(row), page_(page), scale_(scale) {}

    void Draw(const DRAWITEMSTRUCT& item) const override
    {
        FillRect(item.hDC, &item.rcItem, PageBrush());
        if (picture_)
            picture_->Draw(item.hDC, 0, 0);
    }

    void Rescale() override { Place(Handle(), scale_.ToScreen(row_.box)); }

private:
    // The picture is decoded with its window, after the first frame.
    HWND Make() const override
    {
        picture_ = LoadResourcePicture(Wide(row_.text).c_str());
        return MakeChild(L"STATIC", row_, row_.description ? row_.description : "", SS_OWNERDRAW, 0,
                         scale_.ToScreen(row_.box), page_, nullptr);
    }

    const ControlRow& row_;
    PageOf page_;
    const LayoutScale& scale_;
    mutable std::optional<DibPicture> picture_;
};

}  // namespace

Win32ControlFactory::Win32ControlFactory(TForm1& form, const PageWindows& pages, FontCache& fonts,
                                         const LayoutScale& scale)
    : form_(form), pages_(pages), fonts_(fonts), scale_(scale), stacks_(std::size_t(pages.Count()))
{
}

template <class Made, class... Arguments>
Made* Win32ControlFactory::Keep(int page, const ControlRow& row, Arguments&&... arguments)
{
    auto made = std::make_unique<Made>(row, PageOf{pages_, page}, std::forward<Arguments>(arguments)...);
    Made* kept = made.get();
    stacks_[std::size_t(page)].emplace(&row, kept);
    made_.push_back(std::move(made));
    return kept;
}

void Win32ControlFactory::MakePage(int page) const
{
    // Windows stacks a page's windows from the top down, and its screen
    // readers walk them in that order: the edit boxes and buttons first, in
    // tab order, then the labels and the picture from the last row down.
    const PageStacking stacking = StackingOf(form_.Design().pages[std::size_t(page)].rows);
    const std::unordered_map<const ControlRow*, const ChildWindow*>& made = stacks_[std::size_t(page)];
    std::vector<const ChildWindow*> top_down;
    for (const ControlRow* row : stacking.above)
        top_down.push_back(made.at(row));
    for (auto row = stacking.on_page.rbegin(); row != stacking.on_page.rend(); ++row)
        top_down.push_back(made.at(*row));
    // A window is made beneath its page's others, as a dialog's controls
    // are: made top first, the page's windows stack as they should. Where
    // some were made earlier, all are stacked again.
    const bool any_made = std::any_of(top_down.begin(), top_down.end(), [](const ChildWindow* c) { return c->Made(); });
    for (const ChildWindow* control : top_down)
        control->Handle();
    if (any_made)
        for (const ChildWindow* control : top_down)
            SetWindowPos(control->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
        if (control->Made())
            control->Rescale();
}
