#include "qt/main_window.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFrame>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "form/build.h"
#include "form/placement.h"
#include "pages/pages.h"
#include "qt/control_factory.h"
#include "qt/frame_watch.h"
#include "qt/controls.h"
#include "qt/layout_font.h"
#include "qt/timer.h"
#include "qt/title_bar.h"
#include "qt/wayland_native.h"

MainWindow::MainWindow(const TickSource& ticks) : Form1(Form1Design(), ticks, *this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("- ホ ル ミ ナ - Ver 1.00"));
    // An ordinary top-level window, transient for nothing, so that task bars
    // and window switchers list it, with the fixed frame of a dialog; where
    // the window system leaves the frame to the window, with none, and the
    // window draws its own title bar above the client area.
    const bool own_frame = CompositorLeavesFrameToWindow();
    if (own_frame)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    const int top = own_frame ? TitleBar::Height : 0;
    setFixedSize(ClientWidth, top + ClientHeight);
    setFont(LayoutFont(WindowFontPixels));
    setCursor(Qt::CrossCursor);
    // The icon stands in the frame, not in the window's own picture, unless
    // the window draws its own title bar: elsewhere it waits until the rest
    // of the window is made.
    if (own_frame) {
        SetIcon();
        title_bar_ = new TitleBar(this, windowTitle(), windowIcon(), [this] { close(); });
        title_bar_->setGeometry(0, 0, ClientWidth, top);
    }

    TabbedNotebook1 = new QtNotebook(this);
    TabbedNotebook1->setGeometry(NotebookBox.left, top + NotebookBox.top, NotebookBox.width, NotebookBox.height);
    TabbedNotebook1->FocusLeavesWith = [this](int leaving) {
        return Form1.FocusLeavesWith(leaving, dynamic_cast<const Control*>(QApplication::focusWidget()));
    };
    Form1.TabbedNotebook1 = TabbedNotebook1;
    // Translucency is on from the start, at fully opaque.
    PrepareTranslucency();
    const std::span<const PageLayout> pages = Form1.Design().pages;
    for (const PageLayout& page : pages)
        TabbedNotebook1->AddPage(QString::fromUtf8(page.caption));
    factory_ = std::make_unique<QtControlFactory>(Form1, *TabbedNotebook1, [this](Handler click) { Press(click); });
    qApp->installEventFilter(this);
    BuildPages(1);
    Form1.CreateFirstPage();
    if (Control* first = Form1.FirstFocus())
        WidgetOf(first)->setFocus(Qt::TabFocusReason);
    show();
    // Where no picture is drawn soon (a window started hidden), the pages
    // are built all the same.
    QTimer::singleShot(std::chrono::milliseconds(100), this, &MainWindow::BuildTheRest);
}

void MainWindow::Press(Handler click)
{
    // A press may come before the pages behind the first are built, and not
    // only from input: a screen reader's "press" action clicks the button
    // itself. The form is made whole first.
    BuildTheRest();
    Form1.Dispatch(click);
}

void MainWindow::BuildPages(std::size_t count)
{
    const std::span<const PageLayout> pages = Form1.Design().pages;
    while (built_ < count) {
        BuildPage(Form1, *factory_, int(built_));
        factory_->StackPage(int(built_));
        ++built_;
    }
    if (built_ < pages.size() || created_)
        return;
    created_ = true;
    if (windowIcon().isNull())
        SetIcon();
    Form1.Create();
    PrepareAccelerators();
    // Qt's own focus chain follows the pages' tab order too, for whatever
    // walks it (a screen reader among them).
    for (int page = 0; page < TabbedNotebook1->PageCount(); ++page) {
        const std::vector<Focusable>& order = Form1.TabOrder(page);
        for (std::size_t i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(WidgetOf(order[i - 1].control), WidgetOf(order[i].control));
    }
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    // The first picture is being drawn: the pages it does not show are
    // built once it is on its way to the screen. Qt sends what it drew to
    // the window system as its event loop is about to wait, and not before:
    // built at once, they would hold the picture back.
    if (!created_ && !rest_asked_) {
        rest_asked_ = true;
        connect(
            QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::BuildTheRest); }, Qt::SingleShotConnection);
    }
    PaintMargin();
    QWidget::paintEvent(event);
}

void MainWindow::SetIcon()
{
    // From a picture, not a file name: given a name, Qt first looks through
    // its icon-engine plug-ins for one that reads the file's kind. Decoding
    // it still loads Qt's image plug-ins, about a millisecond's work here.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/horumina.png"))));
}

void MainWindow::BuildTheRest()
{
    BuildPages(Form1.Design().pages.size());
}

MainWindow::~MainWindow() = default;

std::unique_ptr<TimerDriver> MainWindow::MakeTimer(std::function<void()> tick)
{
    return std::make_unique<QtTimer>(std::move(tick));
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
    if (title_bar_) {
        ShowErrorPanel(box, title);
        return;
    }
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void MainWindow::ShowErrorPanel(QMessageBox& box, const QString& title)
{
    // Where the window draws its own frame, a box of its own would be placed
    // apart from the window (such a compositor puts a window over the one it
    // belongs to only when told it is a modal dialog, in a protocol of GTK's
    // that Qt does not speak), and Qt's frame would give it maximise and
    // minimise: the box is drawn inside the window, over its middle, with a
    // caption of its own, and the rest of the window takes no input while
    // it is open.
    QFrame panel(this);
    panel.setFrameShape(QFrame::Box);
    panel.setAutoFillBackground(true);
    box.setParent(&panel, Qt::Widget);
    TitleBar caption(&panel, title, QIcon(), [&box] { box.accept(); });
    caption.setFixedHeight(TitleBar::Height);
    auto* column = new QVBoxLayout(&panel);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    column->addWidget(&caption);
    column->addWidget(&box);
    QWidget* focus = QApplication::focusWidget();
    TabbedNotebook1->setEnabled(false);
    title_bar_->setEnabled(false);
    panel.show();
    panel.adjustSize();
    panel.move((width() - panel.width()) / 2, (height() - panel.height()) / 2);
    panel.raise();
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setFocus();
    error_panel_open_ = true;
    box.exec();
    error_panel_open_ = false;
    // The box is the caller's: the panel must not take it along when it goes.
    box.setParent(nullptr);
    TabbedNotebook1->setEnabled(true);
    title_bar_->setEnabled(true);
    if (focus)
        focus->setFocus();
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
    // Worked out in the window system's pixels, the primary screen first,
    // and the frame as drawn, with the window.
    std::vector<ScreenArea> monitors;
    QList<QScreen*> screens = QGuiApplication::screens();
    std::stable_partition(screens.begin(), screens.end(),
                          [](const QScreen* screen) { return screen == QGuiApplication::primaryScreen(); });
    for (const QScreen* screen : screens) {
        const QRect area = NativeArea(*screen);
        monitors.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    const QSize outer = (QSizeF(size().grownBy(frame)) * windowHandle()->devicePixelRatio()).toSize();
    const FramePosition centred = CentredFrame(monitors, outer.width(), outer.height());
    const QPoint native(centred.left, centred.top);
    // Back in Qt's units, by the screen the corner falls on.
    for (const QScreen* screen : screens) {
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
