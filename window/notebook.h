#pragma once

#include <QTabBar>
#include <QWidget>

// The tabbed notebook: a strip of tabs over a framed area, and one page per
// tab. The page in front is the only one shown and enabled, so no control of
// another page takes clicks, focus or accelerators.
class Notebook final : public QWidget {
    Q_OBJECT
public:
    explicit Notebook(QWidget* parent);

    QWidget* AddPage(const QString& caption);
    int PageCount() const { return int(pages_.size()); }
    QWidget* Page(int index) const { return pages_.at(std::size_t(index)); }
    int PageIndex() const { return tabs_->currentIndex(); }
    void SetPageIndex(int index) { tabs_->setCurrentIndex(index); }
    QWidget* CurrentPage() const { return Page(PageIndex()); }
    QTabBar* TabStrip() const { return tabs_; }

    // Where every page's content begins, inside the notebook.
    static constexpr QPoint PageOrigin{4, 23};

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
