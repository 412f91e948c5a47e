// Checks the game's windows, as list_windows prints them, against the page
// tables and the main window's layout: every control of every page as a
// window of its standard class with its text, place, size, styles and
// visibility, in its page's tab order; the pages, the tab strip and its
// captions, all on the strip; the main window's frame, caption, size and
// place on the desktop, its owner, the application window's title, and the
// focus at start.
//
//   list_windows | table_check DESKTOP_WIDTH DESKTOP_HEIGHT
//   list_windows | table_check --moved
//
// --moved: the window has been moved since it was first shown, and its
// place on the desktop is not checked.
//
// Prints each mismatch and exits 1 when there is one; 2 when the listing
// holds no game at all.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "form/layout.h"
#include "form/placement.h"
#include "pages/pages.h"

namespace {

using Fields = std::map<std::string, std::string>;

struct Listing {
    std::vector<Fields> windows;
    std::vector<std::string> tab_captions;
    Fields tab;
    Fields focus;
};

std::string Unescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        if (next == 't')
            out += '\t';
        else if (next == 'n')
            out += '\n';
        else if (next == 'r')
            out += '\r';
        else if (next == 'x' && i + 2 < text.size()) {
            out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else
            out += next;
    }
    return out;
}

Listing Read(std::istream& in)
{
    Listing listing;
    std::string line;
    while (std::getline(in, line)) {
        Fields fields;
        std::size_t start = line.find('\t');
        const std::string kind = line.substr(0, start);
        while (start != std::string::npos) {
            const std::size_t end = line.find('\t', start + 1);
            const std::string field = line.substr(start + 1, end == std::string::npos ? end : end - start - 1);
            const std::size_t equals = field.find('=');
            fields[field.substr(0, equals)] = Unescaped(field.substr(equals + 1));
            start = end;
        }
        if (kind == "window")
            listing.windows.push_back(fields);
        else if (kind == "tabitem")
            listing.tab_captions.push_back(fields["text"]);
        else if (kind == "tab")
            listing.tab = fields;
        else if (kind == "focus")
            listing.focus = fields;
    }
    return listing;
}

long long Number(const Fields& window, const char* key) { return std::stoll(window.at(key), nullptr, 0); }

class Checker {
public:
    void Expect(bool holds, const std::string& what)
    {
        ++checked_;
        if (!holds) {
            ++failed_;
            std::cout << "FAILED: " << what << "\n";
        }
    }
    void ExpectEqual(long long actual, long long expected, const std::string& what)
    {
        Expect(actual == expected, what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected));
    }
    void ExpectText(const std::string& actual, const std::string& expected, const std::string& what)
    {
        Expect(actual == expected, what + ": \"" + actual + "\", expected \"" + expected + "\"");
    }
    int Result() const
    {
        std::cout << checked_ - failed_ << " of " << checked_ << " checks passed\n";
        return failed_ == 0 ? 0 : 1;
    }

private:
    int checked_ = 0;
    int failed_ = 0;
};

// The layout's pixels on this screen: the window's client width tells the
// scale, and rounding may differ by one from the front end's own.
struct Scale {
    long long client_width;
    long long Of(int layout) const { return MulDiv(layout, int(client_width), ClientWidth); }
    bool Near(long long actual, int layout) const
    {
        const long long expected = Of(layout);
        return client_width == ClientWidth ? actual == expected : std::llabs(actual - expected) <= 1;
    }
};

const char* ClassOf(const ControlRow& row)
{
    if (std::holds_alternative<EditBox* TForm1::*>(row.member))
        return "Edit";
    if (DrawnOnPage(row))
        return "Static";
    return "Button";
}

// The stack a page's windows stand in, top first: its edit boxes and buttons
// in tab order, then its labels and picture, the last row's on top.
std::vector<const ControlRow*> Stacked(const PageLayout& page)
{
    std::vector<const ControlRow*> focusable, drawn;
    for (const ControlRow& row : page.rows)
        (DrawnOnPage(row) ? drawn : focusable).push_back(&row);
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab_order < b->tab_order; });
    focusable.insert(focusable.end(), drawn.rbegin(), drawn.rend());
    return focusable;
}

void CheckRow(Checker& check, const Scale& scale, const ControlRow& row, const Fields& window)
{
    const std::string name = row.name;
    const long long style = Number(window, "style");
    check.ExpectText(window.at("class"), ClassOf(row), name + " class");
    const char* text = std::holds_alternative<Picture* TForm1::*>(row.member) ? row.description : row.text;
    // An empty text is the creation handler's to fill.
    if (text && *text)
        check.ExpectText(window.at("text"), text, name + " text");
    check.Expect(((style & WS_VISIBLE) != 0) == !Has(row.flags, Flag::Hidden), name + " shown as the table says");
    const bool sized_by_text = std::holds_alternative<Label* TForm1::*>(row.member) && !Has(row.flags, Flag::FixedSize);
    const bool clock_row = sized_by_text && !*row.text;
    if (!clock_row)
        check.Expect(scale.Near(Number(window, "x"), row.box.left), name + " left at " + std::to_string(row.box.left));
    check.Expect(scale.Near(Number(window, "y"), row.box.top), name + " top at " + std::to_string(row.box.top));
    if (!sized_by_text)
        check.Expect(scale.Near(Number(window, "w"), row.box.width), name + " width " + std::to_string(row.box.width));
    const int height = std::holds_alternative<EditBox* TForm1::*>(row.member) ? row.font.pixels + 8 : row.box.height;
    if (!sized_by_text)
        check.Expect(scale.Near(Number(window, "h"), height), name + " height " + std::to_string(height));
    // Nothing of a page is cut off at its edges.
    check.Expect(Number(window, "x") >= 0 && Number(window, "x") + Number(window, "w") <= scale.Of(PageWidth),
                 name + " inside its page");

    if (std::holds_alternative<EditBox* TForm1::*>(row.member)) {
        check.Expect(((style & ES_READONLY) != 0) == Has(row.flags, Flag::ReadOnly), name + " read-only as the table says");
        check.Expect(((style & WS_TABSTOP) != 0) == !Has(row.flags, Flag::NoTabStop), name + " tab stop as the table says");
        check.Expect((Number(window, "exstyle") & WS_EX_CLIENTEDGE) != 0, name + " sunken");
    } else if (std::holds_alternative<Label* TForm1::*>(row.member)) {
        const long long alignment = Has(row.flags, Flag::Centred) ? SS_CENTER : SS_LEFTNOWORDWRAP;
        check.ExpectEqual(style & SS_TYPEMASK, alignment, name + " alignment");
        check.Expect((style & SS_NOPREFIX) != 0, name + " shows & as it stands");
    } else if (std::holds_alternative<Picture* TForm1::*>(row.member)) {
        check.ExpectEqual(style & SS_TYPEMASK, SS_OWNERDRAW, name + " draws its picture");
    } else {
        const long long kind = std::holds_alternative<BitmapButton* TForm1::*>(row.member) ? BS_OWNERDRAW : BS_PUSHBUTTON;
        check.ExpectEqual(style & BS_TYPEMASK, kind, name + " kind (never a default button)");
        check.Expect((style & WS_TABSTOP) != 0, name + " tab stop");
    }
}

// The page window that holds a page's controls: the one whose children's
// texts agree with the most of its rows.
const Fields* PageWindow(const Listing& listing, const PageLayout& page)
{
    const Fields* best = nullptr;
    int best_matches = -1;
    for (const Fields& window : listing.windows) {
        if (window.at("class") != "TTabPage")
            continue;
        int matches = 0;
        for (const Fields& child : listing.windows)
            if (child.at("parent") == window.at("hwnd"))
                for (const ControlRow& row : page.rows)
                    matches += *row.text && child.at("text") == row.text;
        if (matches > best_matches) {
            best = &window;
            best_matches = matches;
        }
    }
    return best;
}

const Fields* ByClass(const Listing& listing, const char* window_class)
{
    for (const Fields& window : listing.windows)
        if (window.at("class") == window_class)
            return &window;
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool moved = argc == 2 && std::string(argv[1]) == "--moved";
    if (argc != 3 && !moved) {
        std::cerr << "usage: list_windows | table_check DESKTOP_WIDTH DESKTOP_HEIGHT | --moved\n";
        return 2;
    }
    const Listing listing = Read(std::cin);
    const Fields* main = ByClass(listing, "TForm1");
    const Fields* application = ByClass(listing, "TApplication");
    const Fields* tabs = ByClass(listing, "SysTabControl32");
    if (!main || !application || !tabs) {
        std::cerr << "table_check: the listing holds no game window\n";
        return 2;
    }
    Checker check;
    const Scale scale{Number(*main, "client_w")};

    check.ExpectText(main->at("text"), WindowCaption, "main window caption");
    check.Expect(scale.Near(Number(*main, "client_h"), ClientHeight), "main window client height");
    check.ExpectText(main->at("owner"), application->at("hwnd"), "main window owned by the application window");
    const long long style = Number(*main, "style");
    check.Expect((style & WS_POPUP) && (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU), "main window frame");
    check.Expect(!(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)), "main window fixed, without min or max box");
    check.Expect(Number(*main, "exstyle") & WS_EX_DLGMODALFRAME, "main window has a dialog frame");
    check.ExpectText(main->at("alpha"), "255", "main window layered and opaque at start");
    if (!moved) {
        // One screen: the frame's middle is the screen's.
        check.ExpectEqual(Number(*main, "x"), std::max(0LL, (std::atoll(argv[1]) - Number(*main, "w")) / 2),
                          "main window left");
        check.ExpectEqual(Number(*main, "y"), std::max(0LL, (std::atoll(argv[2]) - Number(*main, "h")) / 2),
                          "main window top");
    }
    check.ExpectText(application->at("text"), "Horumina", "application window title");
    check.Expect(Number(*application, "w") == 0 && Number(*application, "h") == 0 && application->at("visible") == "1",
                 "application window shown, of no size");

    check.Expect(scale.Near(Number(*tabs, "x"), NotebookBox.left) && scale.Near(Number(*tabs, "y"), NotebookBox.top) &&
                     scale.Near(Number(*tabs, "w"), NotebookBox.width) && scale.Near(Number(*tabs, "h"), NotebookBox.height),
                 "notebook's place and size");
    check.Expect(!(Number(*tabs, "style") & WS_TABSTOP), "notebook not a tab stop");
    // Tabs too wide for the strip bring up its scroll arrows, a window of its own.
    check.Expect(std::none_of(listing.windows.begin(), listing.windows.end(),
                              [&](const Fields& w) { return w.at("parent") == tabs->at("hwnd") && w.at("visible") == "1"; }),
                 "every tab on the strip, with no scroll arrows");
    check.ExpectText(listing.tab.count("selected") ? listing.tab.at("selected") : "", "0", "first page in front");

    const std::span<const PageLayout> pages = Form1Design().pages;
    check.ExpectEqual(static_cast<long long>(listing.tab_captions.size()), static_cast<long long>(pages.size()), "tab count");
    std::string first_focus;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::string page_name = "page " + std::to_string(p + 1);
        if (p < listing.tab_captions.size())
            check.ExpectText(listing.tab_captions[p], pages[p].caption, page_name + " caption");
        const Fields* page = PageWindow(listing, pages[p]);
        if (!page) {
            check.Expect(false, page_name + " window");
            continue;
        }
        const std::string shown = p == 0 ? "1" : "0";
        check.Expect(page->at("visible") == shown && page->at("enabled") == shown, page_name + " shown only in front");
        check.Expect(Number(*page, "exstyle") & WS_EX_CONTROLPARENT, page_name + " holds its controls as a dialog does");
        check.Expect(scale.Near(Number(*page, "x"), NotebookBox.left + PageOriginLeft) &&
                         scale.Near(Number(*page, "y"), NotebookBox.top + PageOriginTop) &&
                         scale.Near(Number(*page, "w"), PageWidth) && scale.Near(Number(*page, "h"), PageHeight),
                     page_name + " place and size");
        std::vector<const Fields*> children;
        for (const Fields& window : listing.windows)
            if (window.at("parent") == page->at("hwnd"))
                children.push_back(&window);
        const std::vector<const ControlRow*> stacked = Stacked(pages[p]);
        check.ExpectEqual(static_cast<long long>(children.size()), static_cast<long long>(stacked.size()), page_name + " control count");
        for (std::size_t i = 0; i < std::min(children.size(), stacked.size()); ++i) {
            CheckRow(check, scale, *stacked[i], *children[i]);
            const long long child_style = Number(*children[i], "style");
            if (p == 0 && first_focus.empty() && (child_style & WS_TABSTOP) && (child_style & WS_VISIBLE))
                first_focus = children[i]->at("hwnd");
        }
    }
    check.ExpectText(listing.focus.count("focus") ? listing.focus.at("focus") : "", first_focus,
                     "focus at start on the first page's first tab stop");
    return check.Result();
}
