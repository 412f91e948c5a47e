#include "qt/title_bar.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TitleBar::TitleBar(QWidget* parent, const QString& caption, const QIcon& icon, std::function<void()> close)
    : QWidget(parent), caption_(caption), icon_(icon), close_(std::move(close))
{
    setCursor(Qt::ArrowCursor);
}

void TitleBar::SetOpacity(qreal opacity)
{
    opacity_ = opacity;
    update();
}

void TitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setOpacity(opacity_);
    // A shade darker than the window's face, so that the bar stands apart
    // from the margin below it.
    painter.fillRect(rect(), palette().window().color().darker(112));
    int left = 6;
    if (!icon_.isNull()) {
        icon_.paint(&painter, QRect(left, (Height - 16) / 2, 16, 16));
        left += 16 + 6;
    }
    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    painter.setPen(ink);
    // Centred over the whole bar while there is room, as window systems
    // centre captions.
    const int room = width() - 2 * std::max(left, Height);
    const QRect caption = room >= fontMetrics().horizontalAdvance(caption_)
                              ? rect()
                              : QRect(left, 0, width() - left - Height, Height);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    // The close button: a cross.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 2));
    const QRectF cross = QRectF(CloseBox()).adjusted(7.5, 7.5, -7.5, -7.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
}

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_on_close_ = CloseBox().contains(event->position().toPoint());
    // Anywhere else the compositor moves the window, as it does by a frame
    // of its own.
    if (!pressed_on_close_ && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
}

void TitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    // A click on the cross closes; a press that slides off it does not.
    if (event->button() == Qt::LeftButton && pressed_on_close_ && CloseBox().contains(event->position().toPoint()))
        close_();
    pressed_on_close_ = false;
}
