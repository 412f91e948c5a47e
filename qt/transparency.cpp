#include <QGraphicsOpacityEffect>
#include <QPainter>

#include "qt/main_window.h"
#include "qt/title_bar.h"
#include "qt/wayland_native.h"
#include "qt/xwayland.h"

// On X11 the window manager fades the whole window. A Wayland compositor
// offers clients no opacity of their own, and under XWayland not every one
// honours the X property, so there the window draws itself at the opacity on
// a translucent surface and the compositor blends that: the
// margin around the notebook painted by hand, the notebook with everything on
// it through an opacity effect (Qt applies none to a window itself). Fully
// opaque, the effect draws the notebook straight through, as without it.

void MainWindow::PrepareTranslucency()
{
    if (IsWaylandNative() || UnderXWayland()) {
        setAttribute(Qt::WA_TranslucentBackground);
        drawn_opacity_ = new QGraphicsOpacityEffect(this);
        drawn_opacity_->setOpacity(1.0);  // Qt starts an effect at 0.7
        TabbedNotebook1->setGraphicsEffect(drawn_opacity_);
    }
    setWindowOpacity(1.0);
}

void MainWindow::SetOpacity(int opacity)
{
    if (!drawn_opacity_) {
        setWindowOpacity(opacity / 255.0);
        return;
    }
    drawn_opacity_->setOpacity(opacity / 255.0);
    if (title_bar_)
        title_bar_->SetOpacity(opacity / 255.0);
    update();
}

void MainWindow::PaintMargin()
{
    // A translucent surface starts out clear: the margin is painted by hand
    // at the notebook's opacity, so that only the opacity lets the desktop
    // through.
    if (!drawn_opacity_)
        return;
    QPainter painter(this);
    QRegion margin = QRegion(rect()).subtracted(TabbedNotebook1->geometry());
    if (title_bar_)
        margin -= title_bar_->geometry();
    painter.setClipRegion(margin);
    painter.setOpacity(drawn_opacity_->opacity());
    painter.fillRect(rect(), palette().window());
}
