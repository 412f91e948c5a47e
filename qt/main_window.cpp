#include "qt/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "form/build.h"
#include "form/placement.h"
#include "pages/pages.h"
#include "qt/control_factory.h"
#include "qt/frame_watch.h"
#include "qt/controls.h"
#include "qt/layout_font.h"
#include "qt/timed_phase.h"
#include "qt/timer.h"
#include "qt/wayland_native.h"

MainWindow::MainWindow(const TickSource& ticks, Showing showing) : Form1(ticks, *this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("- ホ ル ミ ナ - Ver 1.00"));
    // An ordinary top-level window, transient for nothing, so that task bars
    // and window switchers list it, with the fixed frame of a dialog.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // From a picture, not a file name: given a name, Qt first looks through
    // its icon-engine plug-ins for one that reads the file's kind.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/horumina.png"))));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(LayoutFont(WindowFontPixels));
    setCursor(Qt::CrossCursor);

    TabbedNotebook1 = new QtNotebook(this);
    TabbedNotebook1->setGeometry(NotebookBox.left, NotebookBox.top, NotebookBox.width, NotebookBox.height);
    TabbedNotebook1->FocusLeavesWith = [this](int leaving) {
        return Form1.FocusLeavesWith(leaving, dynamic_cast<const Control*>(QApplication::focusWidget()));
    };
    Form1.TabbedNotebook1 = TabbedNotebook1;
    // Translucency is on from the start, at fully opaque.
    PrepareTranslucency();
    const std::span<const PageLayout> pages = Pages();
    for (const PageLayout& page : pages)
        TabbedNotebook1->AddPage(QString::fromUtf8(page.caption));
    factory_ = std::make_unique<QtControlFactory>(Form1, *TabbedNotebook1);
    qApp->installEventFilter(this);
    if (showing == Showing::Later) {
        BuildTheRest();
    } else {
        BuildPages(1);
        Form1.CreateFirstPage();
    }
    if (Control* first = Form1.FirstFocus())
        WidgetOf(first)->setFocus(Qt::TabFocusReason);
    if (showing == Showing::FirstPageFirst) {
        const TimedPhase timed("show");
        show();
        // Where no picture is drawn soon (a window started hidden), the
        // pages are built all the same.
        QTimer::singleShot(std::chrono::milliseconds(100), this, &MainWindow::BuildTheRest);
    }
}

void MainWindow::BuildPages(std::size_t count)
{
    const std::span<const PageLayout> pages = Pages();
    while (built_ < count) {
        const TimedPhase timed(pages[built_].caption);
        BuildPage(Form1, *factory_, int(built_));
        factory_->StackPage();
        ++built_;
    }
    if (built_ < pages.size() || created_)
        return;
    created_ = true;
    Form1.Create();
    // Qt's own focus chain follows the pages' tab order too, for whatever
    // walks it (a screen reader among them).
    for (int page = 0; page < TabbedNotebook1->PageCount(); ++page) {
        const std::vector<Focusable>& order = Form1.TabOrder(page);
        for (std::size_t i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(WidgetOf(order[i - 1].control), WidgetOf(order[i].control));
    }
}

void MainWindow::BuildTheRest()
{
    BuildPages(Pages().size());
}

MainWindow::~MainWindow() = default;

std::unique_ptr<TimerDriver> MainWindow::MakeTimer(std::function<void()> tick)
{
    return std::make_unique<QtTimer>(this, std::move(tick));
}

void MainWindow::ShowError(const std::string& title, const std::string& text)
{
    if (ReportError)
        ReportError(QString::fromStdString(text));
    else
        ShowErrorBox(QString::fromStdString(title), QString::fromStdString(text));
}

void MainWindow::ShowErrorBox(const QString& title, const QString& text)
{
    // Modal over the whole program; the timers go on ticking underneath.
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
    // The message quotes what the player typed, which is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::string MainWindow::ExecutablePath()
{
    return QCoreApplication::applicationFilePath().toStdString();
}

namespace {

// A screen in the window system's own pixels. Scaled, Qt gives a screen's
// size in its scaled units but its corner in the window system's pixels, so
// the screens' rectangles as Qt gives them overlap or leave gaps, and their
// union is no desktop.
QRect NativeArea(const QScreen& screen)
{
    const QRect area = screen.geometry();
    return {area.topLeft(), (QSizeF(area.size()) * screen.devicePixelRatio()).toSize()};
}

}  // namespace

QPoint MainWindow::CentredFramePosition(const QMargins& frame) const
{
    // Worked out in the window system's pixels: the desktop measured from
    // 0, 0, and the frame as drawn, with the window.
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens())
        desktop |= NativeArea(*screen);
    const QSize outer = (QSizeF(size().grownBy(frame)) * windowHandle()->devicePixelRatio()).toSize();
    const FramePosition centred = CentredFrame(desktop.right() + 1, desktop.bottom() + 1, outer.width(), outer.height());
    const QPoint native(centred.left, centred.top);
    // Back in Qt's units, by the screen the corner falls on.
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = NativeArea(*screen);
        if (area.contains(native))
            return area.topLeft() + (QPointF(native - area.topLeft()) / screen->devicePixelRatio()).toPoint();
    }
    return native;
}

void MainWindow::showEvent(QShowEvent* event)
{
    // A Wayland client cannot place itself: the compositor does.
    if (!centred_ && !IsWaylandNative()) {
        centred_ = true;
        // Always asked for as the frame's position, never as the client
        // area's: the window manager then keeps the frame's corner where it
        // was asked for, whatever frame it draws.
        windowHandle()->setFramePosition(CentredFramePosition(QMargins()));
        // On X11 the frame's size is known only once the window manager has
        // framed the window, a moment after it is shown: centre it again as
        // each step of the framing is reported. Elsewhere the frame is known
        // at once.
        frame_watch_ = std::make_unique<FrameWatch>(windowHandle(), [this] { PlaceByFrame(); });
        if (!frame_watch_->Start())
            PlaceByFrame();
    }
    QWidget::showEvent(event);
}

void MainWindow::PlaceByFrame()
{
    // Read from the window system each time. The widget's own idea of its
    // frame is cached on its first move and is not refreshed if the window
    // manager frames the window without moving it, so it may show no frame
    // for good.
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull())
        return;
    if (frame_watch_)
        frame_watch_->FrameSeen();
    // Asked again whenever the frame stands anywhere else or has changed,
    // whatever was asked before: a window manager still busy framing the
    // window may pass over a move.
    const QPoint centred = CentredFramePosition(frame);
    if (centred == windowHandle()->framePosition() && frame == placed_by_)
        return;
    placed_by_ = frame;
    windowHandle()->setFramePosition(centred);
}
