#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/tick_source.h"
#include "form/controls.h"
#include "form/keyboard.h"
#include "form/layout.h"
#include "form/layout_timer.h"
#include "form/platform.h"

// The game's one window as its handlers know it: the game state, the
// controls by their layout names, the three timers and every handler. It
// knows no toolkit: a front end builds the controls of the page tables into
// the members, turns its platform's events into calls of Dispatch and
// OnKey, and carries out what they decide.
//
// This file and form/tform1.cpp are the form's machinery: building, the
// timers, dispatch and the error box, the keyboard. Every handler is defined
// with its page, in pages/, which also gives the design the form is made
// from; nothing here knows a page.
class TForm1 final {
public:
    TForm1(const FormDesign& design, const TickSource& ticks, Platform& platform);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    const FormDesign& Design() const { return design_; }

    // Called once every control of the page tables is built: makes the
    // timers, starts those designed to run and runs the creation handler.
    void Create();
    // For a front end that shows the first page before it builds the
    // others: called once the first page's controls are built, it gives that
    // page its tab order and what the creation handler writes on it, so that
    // the page is drawn as it will stay. Create, called once all are built,
    // does the rest.
    void CreateFirstPage();

    // Runs one handler; an error that leaves it is reported in the error box
    // and the game goes on. Before Create has made the form whole, nothing
    // runs.
    void Dispatch(Handler handler);

    // The application's title, the caption of every error box.
    std::string Title;

    GameState State;

    Notebook* TabbedNotebook1 = nullptr;
    std::unique_ptr<LayoutTimer> Timer1, Timer2, Timer3;

    // Mind's Eye
    Label *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    EditBox *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
    Button *Button1 = nullptr, *Button2 = nullptr, *Button11 = nullptr;
    // Heart's Voice
    Label *Label8 = nullptr, *Label9 = nullptr, *Label15 = nullptr;
    EditBox *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr;
    Button *Button3 = nullptr, *Button4 = nullptr;
    // Hall of Memory
    Label *Label1 = nullptr, *Label7 = nullptr, *Label10 = nullptr, *Label11 = nullptr;
    Picture* Image1 = nullptr;
    EditBox *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr;
    Button *Bt5 = nullptr, *Button5 = nullptr;
    BitmapButton* BitBtn1 = nullptr;
    // Mystery Domain
    Label *Label2 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr;
    EditBox *Edit10 = nullptr, *Edit11 = nullptr;
    Button *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr;
    // Friends Game
    Label *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
          *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr,
          *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr;
    EditBox *Edit12 = nullptr, *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr,
            *Edit17 = nullptr, *Edit18 = nullptr;
    Button *Button9 = nullptr, *Button10 = nullptr;

    // Handlers, named after their control and event; each is defined with
    // its page in pages/.
    void FormCreate();
    void ShowFirstPage();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Bt5Click();
    void BitBtn1Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // New locale settings: later clock ticks follow them, the date stays.
    void LocaleChanged();

    // The keyboard of a dialog. `focus` is the control that has the focus,
    // or null (the tab strip, or nothing).
    KeyAction OnKey(const KeyPress& key, const Control* focus, bool on_tab_strip) const;
    // Where the focus starts: the first page's first tab stop.
    Control* FirstFocus() const;
    // Whether the focus must move to the tab strip when `leaving` goes away.
    bool FocusLeavesWith(int leaving, const Control* focus) const;

    // The focusable controls of a page, in tab order.
    const std::vector<Focusable>& TabOrder(int page) const { return tab_orders_.at(std::size_t(page)); }

private:
    void Run(Handler handler);
    void ReportCurrentError();
    void StartTimers();
    void OrderNextPage();

    const FormDesign& design_;
    const TickSource& ticks_;
    Platform& platform_;
    ClockLocale clock_locale_;
    std::vector<std::vector<Focusable>> tab_orders_;
    bool whole_ = false;
};
