#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fakes.h"
#include "form/build.h"
#include "form/tform1.h"
#include "pages/pages.h"

// A front end that draws nothing: controls that remember what they were
// told, a platform that records what it was asked, and time that passes only
// when the test says so.

class FakeLabel final : public Label {
public:
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    std::string Text() const override { return text; }
    void SetText(std::string_view t) override
    {
        text = t;
        if (sizes_to_text)
            width = int(text.size()) * PixelsPerByte;
    }
    int Width() const override { return width; }
    int Left() const override { return left; }
    void SetLeft(int l) override { left = l; }

    // A stand-in for measuring a text in the window's face.
    static constexpr int PixelsPerByte = 4;
    bool sizes_to_text = true;
    bool visible = true;
    std::string text;
    int left = 0, width = 0;
};

class FakeEditBox final : public EditBox {
public:
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    std::string Text() const override { return text; }
    void SetText(std::string_view t) override { text = t; }
    void SetTextColour(ColourValue c) override { colour = c; }
    void SetFontPixels(int p) override { font_pixels = p; }

    bool visible = true;
    std::string text;
    ColourValue colour = clWindowText;
    int font_pixels = WindowFontPixels;
};

class FakeButton final : public BitmapButton {
public:
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    bool visible = true;
    Handler click = nullptr;
};

class FakePicture final : public Picture {
public:
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    bool visible = true;
};

class FakeNotebook final : public Notebook {
public:
    int PageIndex() const override { return index; }
    void SetPageIndex(int i) override { index = i; }
    int index = 0;
};

class FakeTimerDriver final : public TimerDriver {
public:
    explicit FakeTimerDriver(std::function<void()> tick, bool refuse) : tick(std::move(tick)), refuse(refuse) {}
    bool Arm(int ms) override
    {
        ++arms;
        armed = refuse ? 0 : ms;
        return !refuse;
    }
    void Disarm() override { armed = 0; }

    std::function<void()> tick;
    bool refuse;
    int armed = 0;  // the period it ticks at, 0 when it does not
    int arms = 0;
};

class FakePlatform final : public Platform {
public:
    std::unique_ptr<TimerDriver> MakeTimer(std::function<void()> tick) override
    {
        auto timer = std::make_unique<FakeTimerDriver>(std::move(tick), refuse_timers);
        timers.push_back(timer.get());
        return timer;
    }
    void ShowError(const std::string& title, const std::string& text) override { errors.push_back(title + "|" + text); }
    void CloseWindow() override { ++closes; }
    void SetOpacity(int o) override
    {
        if (opacity_fails)
            opacity_fails();
        opacity = o;
    }
    std::string Today() override { return today; }
    TimeOfDay LocalTime() override { return time; }
    ClockLocale ReadClockLocale() override { return clock; }
    std::string ExecutablePath() override { return path; }
    int PixelsPerInch() override { return ppi; }

    bool refuse_timers = false;
    std::function<void()> opacity_fails;  // throws what the platform would
    std::vector<FakeTimerDriver*> timers;  // Timer1, Timer2, Timer3
    std::vector<std::string> errors;       // "title|text"
    int closes = 0;
    int opacity = 255;
    std::string today = "2026/12/09";
    TimeOfDay time{9, 5, 7};
    ClockLocale clock{{}, "AM", "PM"};
    std::string path = "/opt/games/HORUMINA.EXE";
    int ppi = 96;
};

// The whole window built on the fakes, created as the game creates it
// (or, asked to, built and not yet created).
class FakeFrontEnd final : public ControlFactory {
public:
    explicit FakeFrontEnd(bool refuse_timers = false, bool create = true)
    {
        platform.refuse_timers = refuse_timers;
        form.TabbedNotebook1 = &notebook;
        for (int page = 0; page < int(Form1Design().pages.size()); ++page)
            BuildPage(form, *this, page);
        if (create)
            form.Create();
    }

    // A click as the player makes it: only a shown button on the page in front reacts.
    void Click(Button* button)
    {
        auto* fake = static_cast<FakeButton*>(button);
        if (fake->visible && page_of.at(fake) == notebook.index)
            form.Dispatch(fake->click);
    }

    // Lets `ms` of fake time pass, then delivers one tick to each running
    // refresh timer.
    void Elapse(std::uint32_t ms)
    {
        ticks.Advance(ms);
        for (FakeTimerDriver* timer : {platform.timers[1], platform.timers[2]})
            if (timer->armed > 0)
                timer->tick();
    }

    FakeLabel* Of(Label* l) { return static_cast<FakeLabel*>(l); }
    FakeEditBox* Of(EditBox* e) { return static_cast<FakeEditBox*>(e); }
    FakeButton* Of(Button* b) { return static_cast<FakeButton*>(b); }

    Label* MakeLabel(int page, const ControlRow& row) override
    {
        auto* label = Keep<FakeLabel>(page, row);
        label->sizes_to_text = !Has(row.flags, Flag::FixedSize);
        label->width = row.box.width;
        label->left = row.box.left;
        label->SetText(row.text);
        return label;
    }
    EditBox* MakeEditBox(int page, const ControlRow& row) override
    {
        auto* edit = Keep<FakeEditBox>(page, row);
        edit->text = row.text;
        edit->colour = row.font.colour;
        edit->font_pixels = row.font.pixels;
        return edit;
    }
    Button* MakeButton(int page, const ControlRow& row) override { return MakeBitmapButton(page, row); }
    BitmapButton* MakeBitmapButton(int page, const ControlRow& row) override
    {
        auto* button = Keep<FakeButton>(page, row);
        button->click = row.click;
        return button;
    }
    Picture* MakePicture(int page, const ControlRow& row) override { return Keep<FakePicture>(page, row); }

    FakeTicks ticks;
    FakePlatform platform;
    FakeNotebook notebook;
    TForm1 form{Form1Design(), ticks, platform};
    std::map<const Control*, int> page_of;

private:
    template <class Kind>
    Kind* Keep(int page, const ControlRow& row)
    {
        auto& control = controls_.emplace_back(std::make_unique<Kind>());
        auto* made = static_cast<Kind*>(control.get());
        made->visible = !Has(row.flags, Flag::Hidden);
        page_of[made] = page;
        return made;
    }
    std::deque<std::unique_ptr<Control>> controls_;
};
