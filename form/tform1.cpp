#include "form/tform1.h"

#include <algorithm>

#include "core/app_title.h"
#include "core/error_text.h"

TForm1::TForm1(const FormDesign& design, const TickSource& ticks, Platform& platform)
    : Title(AppTitleFromPath(platform.ExecutablePath())), design_(design), ticks_(ticks), platform_(platform)
{
}

// Gives the next page without one its tab order.
void TForm1::OrderNextPage()
{
    std::vector<std::pair<int, Focusable>> ordered;
    for (const ControlRow& row : design_.pages[tab_orders_.size()].rows) {
        if (row.tab_order < 0)
            continue;
        Control* control = std::visit([this](auto member) -> Control* { return this->*member; }, row.member);
        const bool edit_box = std::holds_alternative<EditBox* TForm1::*>(row.member);
        ordered.push_back({row.tab_order,
                           {control, !Has(row.flags, Flag::NoTabStop), edit_box, edit_box ? 0 : AcceleratorOf(row.text)}});
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](auto& a, auto& b) { return a.first < b.first; });
    auto& order = tab_orders_.emplace_back();
    for (auto& [place, focusable] : ordered)
        order.push_back(focusable);
}

void TForm1::CreateFirstPage()
{
    OrderNextPage();
    Run(design_.on_first_page);
}

void TForm1::Create()
{
    while (tab_orders_.size() < design_.pages.size())
        OrderNextPage();
    for (const TimerRow& row : design_.timers)
        this->*row.member =
            std::make_unique<LayoutTimer>(platform_.MakeTimer([this, tick = row.on_timer] { Dispatch(tick); }));
    clock_locale_ = platform_.ReadClockLocale();
    whole_ = true;
    // Even a timer the design starts can be refused; that too is the game's error.
    Run(&TForm1::StartTimers);
    Run(design_.on_create);
}

void TForm1::Dispatch(Handler handler)
{
    // A handler may use any control and timer: until the form is whole,
    // nothing reaches one.
    if (whole_)
        Run(handler);
}

void TForm1::Run(Handler handler)
{
    try {
        (this->*handler)();
    } catch (...) {
        ReportCurrentError();
    }
}

void TForm1::StartTimers()
{
    for (const TimerRow& row : design_.timers)
        if (row.interval > 0)
            (this->*row.member)->SetInterval(row.interval);
}

// Called from inside a catch block: the error that left a handler ends up
// here, never in the front end's event loop.
void TForm1::ReportCurrentError()
{
    std::string message = "不明なエラー";
    try {
        throw;
    } catch (const GameError& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
    }
    platform_.ShowError(Title, ErrorBoxText(message));
}

void TForm1::LocaleChanged()
{
    clock_locale_ = platform_.ReadClockLocale();
}

KeyAction TForm1::OnKey(const KeyPress& key, const Control* focus, bool on_tab_strip) const
{
    const int page = TabbedNotebook1->PageIndex();
    return KeyRule(key, TabOrder(page), focus, on_tab_strip, page, int(tab_orders_.size()));
}

Control* TForm1::FirstFocus() const
{
    return NextFocus(TabOrder(0), -1, true, true);
}

bool TForm1::FocusLeavesWith(int leaving, const Control* focus) const
{
    const std::vector<Focusable>& page = TabOrder(leaving);
    return std::any_of(page.begin(), page.end(), [focus](const Focusable& f) { return f.control == focus; });
}
