#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QTime>
#include <QTimer>
#include <QWidget>

#include "core/tick_source.h"
#include "form/platform.h"
#include "form/tform1.h"
#include "qt/notebook.h"

class FrameWatch;
class QtControlFactory;
class QGraphicsOpacityEffect;
class QKeyEvent;
class QMessageBox;
class TitleBar;

// The game's one window as Qt shows it: the form with its controls built as
// Qt widgets on a notebook of five pages, and everything the form asks of
// the platform. Qt's events become calls of the form: clicks and ticks go
// through Form1.Dispatch, keys through Form1.OnKey.
class MainWindow final : public QWidget, public Platform {
    Q_OBJECT
public:
    // The window shows itself once the tabs and the first page are made,
    // the page the player sees, and makes the other pages right after its
    // first picture is drawn, or before any input or press that comes
    // sooner is handled.
    explicit MainWindow(const TickSource& ticks);
    ~MainWindow() override;

    TForm1 Form1;
    // The form's notebook, as the widget it is.
    QtNotebook* TabbedNotebook1 = nullptr;

    // Shows an error box's text; the modal box when empty. Tests set it to
    // watch without a modal loop.
    std::function<void(const QString& text)> ReportError;

    // The local time of day the clock shows; replaceable so tests can set it.
    std::function<QTime()> LocalClock = [] { return QTime::currentTime(); };

    std::unique_ptr<TimerDriver> MakeTimer(std::function<void()> tick) override;
    void ShowError(const std::string& title, const std::string& text) override;
    void CloseWindow() override { close(); }
    void SetOpacity(int opacity) override;
    std::string Today() override;
    TimeOfDay LocalTime() override;
    ClockLocale ReadClockLocale() override;
    std::string ExecutablePath() override;
    int PixelsPerInch() override { return logicalDpiY(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Builds the pages up to `count`, and completes the form once all are.
    void BuildPages(std::size_t count);
    void BuildTheRest();
    void Press(Handler click);
    void SetIcon();
    void PrepareAccelerators();
    bool HandleKey(const QKeyEvent& key);
    bool CarryOut(const KeyPress& press);
    void ShowErrorBox(const QString& title, const QString& text);
    void ShowErrorPanel(QMessageBox& box, const QString& title);
    QPoint CentredFramePosition(const QMargins& frame) const;
    void PlaceByFrame();
    void PrepareTranslucency();
    void PaintMargin();

    std::unique_ptr<QtControlFactory> factory_;
    std::size_t built_ = 0;  // pages built so far
    bool created_ = false;
    bool rest_asked_ = false;
    bool centred_ = false;
    std::unique_ptr<FrameWatch> frame_watch_;
    QMargins placed_by_;  // the frame the window was last placed by
    // The opacity the window draws itself at, where the platform has no
    // per-window opacity of its own; null where it has.
    QGraphicsOpacityEffect* drawn_opacity_ = nullptr;
    // The title bar the window draws itself, where the window system leaves
    // the frame to it; null elsewhere.
    TitleBar* title_bar_ = nullptr;
    bool error_panel_open_ = false;
};
