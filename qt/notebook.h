#pragma once

#include <functional>

#include <QTabBar>
#include <QWidget>

#include "form/controls.h"
#include "form/layout.h"

// The tabbed notebook: a strip of tabs over a framed area, and one page per
// tab. The page in front is the only one shown and enabled, so no control of
// another page takes clicks, focus or accelerators.
class QtNotebook final : public QWidget, public Notebook {
    Q_OBJECT
public:
    explicit QtNotebook(QWidget* parent);

    QWidget* AddPage(const QString& caption);
    int PageCount() const { return int(pages_.size()); }
    QWidget* Page(int index) const { return pages_.at(std::size_t(index)); }
    int PageIndex() const override { return tabs_->currentIndex(); }
    void SetPageIndex(int index) override { tabs_->setCurrentIndex(index); }
    QTabBar* TabStrip() const { return tabs_; }

    // Whether the focus is on a control of the page `leaving`, as that page
    // goes away; the focus then moves to the tab strip.
    std::function<bool(int leaving)> FocusLeavesWith = [](int) { return false; };

    // Where every page's content begins, inside the notebook.
    static constexpr QPoint PageOrigin{PageOriginLeft, PageOriginTop};

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BringToFront(int index);
    QRect PageRect() const;

    QTabBar* tabs_;
    std::vector<QWidget*> pages_;
    int front_ = -1;
};
