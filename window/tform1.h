#pragma once

#include <functional>
#include <vector>

#include <QTime>
#include <QTimer>
#include <QWidget>

#include "core/clock_format.h"
#include "core/game_state.h"
#include "core/tick_source.h"
#include "window/controls.h"
#include "window/layout.h"
#include "window/layout_timer.h"
#include "window/notebook.h"

class QGraphicsOpacityEffect;
class QKeyEvent;

// The game's one window: a notebook of five pages, three timers, and the
// handlers that connect them to the rules. Controls are public members named
// as the layout names them, so the page tables can place them and tests can
// read them back.
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    // Whether the window shows itself before its tabs and pages are made,
    // making them while the window system maps it. Either way every
    // control exists when the constructor returns, before any event (a
    // paint, a key, a screen reader's question) is handled.
    enum class Showing { Later, BeforeTabs };
    explicit TForm1(const TickSource& ticks, Showing showing = Showing::Later);
    ~TForm1() override;

    // Runs one handler; an error that leaves it is reported and the game goes on.
    void Dispatch(Handler handler)
    {
        Dispatch([this, handler] { (this->*handler)(); });
    }
    template <class Action>
    void Dispatch(Action&& action)
    {
        try {
            action();
        } catch (...) {
            ReportCurrentError();
        }
    }

    // Shows an error box's text; replaceable so tests can watch without a
    // modal loop.
    std::function<void(const QString& text)> ReportError;

    // The local time of day the clock shows; replaceable so tests can set it.
    std::function<QTime()> LocalTime = [] { return QTime::currentTime(); };

    // The application's title, the caption of every error box.
    QString Title;

    GameState State;

    Notebook* TabbedNotebook1 = nullptr;
    LayoutTimer* Timer1 = nullptr;
    LayoutTimer* Timer2 = nullptr;
    LayoutTimer* Timer3 = nullptr;

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

    // Handlers, named after their control and event.
    void FormCreate();
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

    // The focusable controls of a page, in tab order.
    const std::vector<QWidget*>& TabOrder(int page) const { return tab_orders_.at(std::size_t(page)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ReportCurrentError();
    bool HandleKey(QKeyEvent* key);
    void MoveFocus(bool forward, bool tab_stops_only);
    bool ClickAccelerator(QChar character);
    void ShowErrorBox(const QString& text);
    QPoint CentredFramePosition(const QMargins& frame) const;
    void WatchForFrame();
    void PrepareTranslucency();
    void ReadClockFormat();
    void ShowDate();
    void ShowClock();

    const TickSource& ticks_;
    std::vector<std::vector<QWidget*>> tab_orders_;
    bool centred_ = false;
    QTimer frame_watch_;
    int frame_checks_ = 0;
    int framed_checks_ = 0;
    ClockFormat clock_format_;
    // The opacity the window draws itself at, where the platform has no
    // per-window opacity of its own; null where it has.
    QGraphicsOpacityEffect* drawn_opacity_ = nullptr;
};
