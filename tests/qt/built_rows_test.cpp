#include <algorithm>
#include <set>

#include "pages/pages.h"
#include "qt/form_fixture.h"

namespace {

using BuiltRows = FormTest;

// A layout colour as Qt should draw it: plain values as they are written,
// system colours from the standard palette.
QColor Drawn(ColourValue colour, QPalette::ColorRole system)
{
    if (IsSystemColour(colour))
        return QApplication::palette().color(system);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// An edit box shows the text cursor unless it is read-only.
Qt::CursorShape CursorOf(const ControlRow& row, bool edit_box)
{
    switch (row.cursor) {
    case Cursor::HandPoint: return Qt::PointingHandCursor;
    case Cursor::MultiDrag: return Qt::BitmapCursor;  // the game's own art
    case Cursor::Standard: break;
    }
    return edit_box && !Has(row.flags, Flag::ReadOnly) ? Qt::IBeamCursor : Qt::ArrowCursor;
}

// Every row of every page, read back from the widget built for it.
TEST_F(BuiltRows, EveryWidgetIsWhatItsRowSays)
{
    // Creation writes the eye prompt, the date and the clock, which moves to fit.
    const std::set<std::string> written{"Edit1", "Label27", "Label28"};
    std::set<std::string> names;
    std::set<Control*> controls;
    for (int page = 0; page < int(Form1Design().pages.size()); ++page) {
        QWidget* surface = window->TabbedNotebook1->Page(page);
        std::vector<QWidget*> on_page;
        std::vector<std::pair<int, QWidget*>> above;
        for (const ControlRow& row : Form1Design().pages[std::size_t(page)].rows) {
            SCOPED_TRACE(row.name);
            EXPECT_TRUE(names.insert(row.name).second) << "a second row of that name";
            Control* control = std::visit([this](auto member) -> Control* { return form.*member; }, row.member);
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(controls.insert(control).second) << "a second row for that member";
            QWidget* w = W(control);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->objectName(), QString::fromLatin1(row.name));
            EXPECT_EQ(w->parentWidget(), surface);
            if (DrawnOnPage(row))
                on_page.push_back(w);
            else
                above.emplace_back(row.tab_order, w);

            const Box& box = row.box;
            const QRect designed(box.left, box.top, box.width, box.height);
            EXPECT_EQ(w->font().pixelSize(), row.font.pixels);
            EXPECT_EQ(w->font().bold(), row.font.bold);
            EXPECT_EQ(w->isHidden(), Has(row.flags, Flag::Hidden));
            const auto* edit = qobject_cast<QLineEdit*>(w);
            EXPECT_EQ(w->cursor().shape(), CursorOf(row, edit != nullptr));
            if (const auto* label = qobject_cast<QtLabel*>(w)) {
                if (Has(row.flags, Flag::FixedSize)) {
                    EXPECT_EQ(w->geometry(), designed);
                } else if (!written.contains(row.name)) {
                    EXPECT_EQ(w->pos(), designed.topLeft());
                } else {
                    EXPECT_EQ(w->y(), designed.top());
                }
                if (!written.contains(row.name)) {
                    EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
                }
                EXPECT_EQ(label->palette().color(QPalette::WindowText), Drawn(row.font.colour, QPalette::WindowText));
                EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), Has(row.flags, Flag::Centred));
                EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
            } else if (edit) {
                EXPECT_EQ(w->geometry(), QRect(designed.topLeft(), QSize(box.width, row.font.pixels + 8)));
                if (!written.contains(row.name)) {
                    EXPECT_EQ(edit->text(), QString::fromUtf8(row.text));
                }
                EXPECT_EQ(edit->palette().color(QPalette::Text), Drawn(row.font.colour, QPalette::Text));
                EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
                EXPECT_EQ(edit->isReadOnly(), Has(row.flags, Flag::ReadOnly));
                EXPECT_EQ(edit->maxLength(), row.max_length > 0 ? row.max_length : 32767);
                EXPECT_EQ(bool(edit->focusPolicy() & Qt::TabFocus), !Has(row.flags, Flag::NoTabStop));
            } else if (const auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_EQ(w->geometry(), designed);
                EXPECT_EQ(button->text(), QString::fromUtf8(row.text));
                EXPECT_EQ(bool(button->focusPolicy() & Qt::TabFocus), !Has(row.flags, Flag::NoTabStop));
                EXPECT_FALSE(button->autoDefault());
            } else {
                EXPECT_EQ(w->geometry(), designed);
                EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
                EXPECT_FALSE(static_cast<QLabel*>(w)->pixmap().isNull()) << "the picture " << row.text;
            }
            if (row.description) {
                EXPECT_EQ(w->accessibleName(), QString::fromUtf8(row.description));
            }
        }
        // Bottom to top: what lies on the page in the rows' order, then the
        // rest in tab order, the order a screen reader walks the children in.
        std::stable_sort(above.begin(), above.end(), [](auto& a, auto& b) { return a.first < b.first; });
        std::vector<QWidget*> stacked = on_page;
        for (auto& [tab_order, w] : above)
            stacked.push_back(w);
        std::vector<QWidget*> children;
        for (QObject* child : surface->children())
            children.push_back(qobject_cast<QWidget*>(child));
        EXPECT_EQ(children, stacked) << "page " << page;
        // Qt's focus chain walks the page's tab order.
        const std::vector<Focusable>& order = form.TabOrder(page);
        for (std::size_t i = 1; i < order.size(); ++i)
            EXPECT_EQ(W(order[i - 1].control)->nextInFocusChain(), W(order[i].control))
                << "page " << page << " after " << W(order[i - 1].control)->objectName().toStdString();
    }
    EXPECT_EQ(names.size(), 28u + 18u + 13u + 1u) << "every label, edit box, button and the picture";
}

}  // namespace
