#pragma once

#include <functional>

#include <QIcon>
#include <QWidget>

// A title bar the game draws itself, where the window system leaves the frame
// to the window: an icon, a caption and a close button, nothing else, drawn
// at the window's opacity like the rest of the window. Dragging it moves the
// window.
class TitleBar final : public QWidget {
public:
    static constexpr int Height = 24;
    TitleBar(QWidget* parent, const QString& caption, const QIcon& icon, std::function<void()> close);
    void SetOpacity(qreal opacity);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect CloseBox() const { return {width() - Height, 0, Height, Height}; }

    QString caption_;
    QIcon icon_;
    std::function<void()> close_;
    qreal opacity_ = 1.0;
    bool pressed_on_close_ = false;
};
