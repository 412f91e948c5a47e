#include "qt/notebook.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionTabWidgetFrame>

#include "qt/layout_font.h"

namespace {
// The tabs stand in a strip this tall; the framed page area starts below it.
constexpr int StripHeight = 21;

// Tabs as narrow as their captions allow, so that all five fit in one row.
class CompactTabs final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_TabBarTabHSpace: return 12;
        case PM_TabBarTabVSpace: return 6;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

QtNotebook::QtNotebook(QWidget* parent) : QWidget(parent), tabs_(new QTabBar(this))
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    tabs_->setObjectName(QStringLiteral("TabbedNotebook1Tabs"));
    auto* compact = new CompactTabs;
    compact->setParent(this);
    tabs_->setStyle(compact);
    tabs_->setFont(LayoutFont(TabFontPixels));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    // Not a tab stop; it takes the focus only when a tab is clicked.
    tabs_->setFocusPolicy(Qt::ClickFocus);
    tabs_->setCursor(Qt::PointingHandCursor);
    connect(tabs_, &QTabBar::currentChanged, this, &QtNotebook::BringToFront);
}

QWidget* QtNotebook::AddPage(const QString& caption)
{
    // The notebook paints the page's background: a page that filled its own
    // would count to Qt as opaque and be repainted past a fading notebook.
    auto* page = new QWidget(this);
    page->setCursor(Qt::ArrowCursor);
    page->setGeometry(PageRect());
    page->hide();
    page->setEnabled(false);
    pages_.push_back(page);
    // The first tab becomes the current one, which brings its page to the front.
    tabs_->addTab(caption);
    return page;
}

void QtNotebook::BringToFront(int index)
{
    if (index < 0 || index >= PageCount() || index == front_)
        return;
    if (front_ >= 0) {
        QWidget* leaving = Page(front_);
        // The focus never stays on a page that goes away: it moves to the tabs.
        if (FocusLeavesWith(front_))
            tabs_->setFocus(Qt::OtherFocusReason);
        leaving->hide();
        leaving->setEnabled(false);
    }
    front_ = index;
    QWidget* page = Page(index);
    page->setEnabled(true);
    page->show();
}

QRect QtNotebook::PageRect() const
{
    return QRect(PageOrigin, QSize(width() - 2 * PageOrigin.x(), height() - PageOrigin.y() - PageOrigin.x()));
}

void QtNotebook::resizeEvent(QResizeEvent*)
{
    tabs_->setGeometry(2, 0, width() - 4, StripHeight + 2);
    for (QWidget* page : pages_)
        page->setGeometry(PageRect());
}

void QtNotebook::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // On a translucent window nothing lies beneath the notebook, and it fades
    // as one piece only if its whole box is painted.
    if (window()->testAttribute(Qt::WA_TranslucentBackground))
        painter.fillRect(rect(), palette().window());
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, StripHeight, width(), height() - StripHeight);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarRect = tabs_->geometry();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    painter.fillRect(PageRect(), palette().window());
}
