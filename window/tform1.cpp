#include "window/tform1.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "core/app_title.h"
#include "core/error_text.h"
#include "core/stopwatch.h"
#include "core/training.h"
#include "pages/pages.h"
#include "window/platform.h"
#include "window/timed_phase.h"

namespace {
constexpr QSize ClientSize{494, 265};
constexpr QRect NotebookBox{8, 8, 481, 249};
// How often, and how many times at most, to look for the window manager's
// frame, and for how many looks after it came to keep the frame centred.
constexpr int FrameCheckMs = 10;
constexpr int FrameChecks = 500;
constexpr int SettleChecks = 30;
}  // namespace

TForm1::TForm1(const TickSource& ticks, Showing showing) : ticks_(ticks)
{
    setObjectName(QStringLiteral("Form1"));
    Title = QString::fromStdString(AppTitleFromPath(QCoreApplication::applicationFilePath().toStdString()));
    ReportError = [this](const QString& text) { ShowErrorBox(text); };

    setWindowTitle(QStringLiteral("- ホ ル ミ ナ - Ver 1.00"));
    // An ordinary top-level window, transient for nothing, so that task bars
    // and window switchers list it, with the fixed frame of a dialog.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // From a picture, not a file name: given a name, Qt first looks through
    // its icon-engine plug-ins for one that reads the file's kind.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/horumina.png"))));
    setFixedSize(ClientSize);
    setFont(LayoutFont(WindowFontPixels));
    setCursor(Qt::CrossCursor);

    TabbedNotebook1 = new Notebook(this);
    TabbedNotebook1->setGeometry(NotebookBox);
    // Translucency is on from the start, at fully opaque.
    PrepareTranslucency();
    frame_watch_.setInterval(FrameCheckMs);
    connect(&frame_watch_, &QTimer::timeout, this, &TForm1::WatchForFrame);
    const std::pair<const char*, std::span<const ControlRow>> pages[] = {
        {"～ 心 の 目 ～", MindsEyeRows()},     {"～ 心 の 声 ～", HeartsVoiceRows()},
        {"- 記 憶 の 館 -", HallOfMemoryRows()}, {"＊謎ノ領域＊ ", MysteryDomainRows()},
        {"フレンズゲーム", FriendsGameRows()},
    };
    // Shown before the tabs are measured and the pages built, so that the
    // window system maps the window while the rest is made; nothing is
    // painted before the constructor returns.
    if (showing == Showing::BeforeTabs) {
        const TimedPhase timed("show");
        show();
    }
    std::vector<QWidget*> page_widgets;
    for (auto& [caption, rows] : pages)
        page_widgets.push_back(TabbedNotebook1->AddPage(QString::fromUtf8(caption)));
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const TimedPhase timed(pages[i].first);
        tab_orders_.push_back(BuildPage(*this, page_widgets[i], pages[i].second));
    }

    Timer1 = new LayoutTimer(this, "Timer1");
    Timer2 = new LayoutTimer(this, "Timer2");
    Timer3 = new LayoutTimer(this, "Timer3");
    connect(Timer1, &LayoutTimer::Ticked, this, [this] { Dispatch(&TForm1::Timer1Timer); });
    connect(Timer2, &LayoutTimer::Ticked, this, [this] { Dispatch(&TForm1::Timer2Timer); });
    connect(Timer3, &LayoutTimer::Ticked, this, [this] { Dispatch(&TForm1::Timer3Timer); });
    ReadClockFormat();
    Timer1->SetInterval(1000);

    qApp->installEventFilter(this);

    Dispatch(&TForm1::FormCreate);
    // The focus starts on the first page's first tab stop.
    MoveFocus(true, true);
}

TForm1::~TForm1() = default;

// Called from inside a catch block: the error that left a handler ends up
// here, never in Qt's event loop.
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
    ReportError(QString::fromStdString(ErrorBoxText(message)));
}

void TForm1::ShowErrorBox(const QString& text)
{
    // Modal over the whole program; the timers go on ticking underneath.
    QMessageBox box(QMessageBox::Critical, Title, text, QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QPoint TForm1::CentredFramePosition(const QMargins& frame) const
{
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens())
        desktop |= screen->geometry();
    // The desktop is measured from 0, 0; the frame counts with the window.
    const QSize outer = size().grownBy(frame);
    return {std::max(0, (desktop.right() + 1 - outer.width()) / 2), std::max(0, (desktop.bottom() + 1 - outer.height()) / 2)};
}

void TForm1::showEvent(QShowEvent* event)
{
    // A Wayland client cannot place itself: the compositor does.
    if (!centred_ && !IsWaylandNative()) {
        centred_ = true;
        // Always asked for as the frame's position, never as the client
        // area's: the window manager then keeps the frame's corner where it
        // was asked for, whatever frame it draws.
        windowHandle()->setFramePosition(CentredFramePosition(QMargins()));
        // The frame's size is known only once the window manager has framed
        // the window, a moment after it is shown: centre it again then.
        frame_watch_.start();
    }
    QWidget::showEvent(event);
}

void TForm1::WatchForFrame()
{
    ++frame_checks_;
    // Read from the window system each time. The widget's own idea of its
    // frame is cached on its first move and is not refreshed if the window
    // manager frames the window without moving it, so it may show no frame
    // for good.
    const QMargins frame = windowHandle()->frameMargins();
    if (!frame.isNull()) {
        ++framed_checks_;
        // Asked of the window system every time, whatever Qt believes the
        // position is: a window manager still busy framing the window may
        // pass over a move.
        windowHandle()->setFramePosition(CentredFramePosition(frame));
    }
    if (framed_checks_ >= SettleChecks || frame_checks_ >= FrameChecks)
        frame_watch_.stop();
}

void TForm1::FormCreate()
{
    ShowDate();
    ShowClock();
    Edit1->setText(QString::fromUtf8(EyePrompt));
    State.OpacityCounter = 230;
}

void TForm1::Timer2Timer()
{
    RefreshDigits(State, ticks_);
}

void TForm1::BitBtn1Click()
{
    close();
}
