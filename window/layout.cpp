#include "window/layout.h"

#include <algorithm>
#include <concepts>

#include <QFile>

#include "window/tform1.h"

namespace {

Qt::CursorShape ToShape(Cursor cursor)
{
    switch (cursor) {
    case Cursor::HandPoint: return Qt::PointingHandCursor;
    case Cursor::MultiDrag: return Qt::DragCopyCursor;
    case Cursor::Standard: break;
    }
    return Qt::ArrowCursor;
}

// Gives the new control every property its row names that all kinds share.
void Place(QWidget* control, const ControlRow& row)
{
    control->setObjectName(QString::fromLatin1(row.name));
    if (row.font.pixels != WindowFontPixels || row.font.bold)
        control->setFont(LayoutFont(row.font.pixels, row.font.bold));
    control->setGeometry(row.box);
    if (row.cursor != Cursor::Standard)
        control->setCursor(ToShape(row.cursor));
    // Shown or hidden outright: a control made on a page that is already on
    // the screen would otherwise stay hidden.
    control->setVisible(!(row.flags & Hidden));
    if (row.description)
        control->setAccessibleName(QString::fromUtf8(row.description));
}

QWidget* Build(TForm1& form, QWidget* page, const ControlRow& row, Label* TForm1::*member)
{
    auto* label = new Label(page);
    label->SetTextColour(row.font.colour);
    if (row.flags & Centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Place(label, row);
    label->SetSizesToText(!(row.flags & FixedSize));
    label->ShowText(QString::fromUtf8(row.text));
    form.*member = label;
    return label;
}

QWidget* Build(TForm1& form, QWidget* page, const ControlRow& row, EditBox* TForm1::*member)
{
    auto* edit = new EditBox(page);
    edit->setText(QString::fromUtf8(row.text));
    edit->SetTextColour(row.font.colour);
    edit->setReadOnly(row.flags & ReadOnly);
    if (row.max_length > 0)
        edit->setMaxLength(row.max_length);
    edit->setFocusPolicy(row.flags & NoTabStop ? Qt::ClickFocus : Qt::StrongFocus);
    Place(edit, row);
    edit->SetFontPixels(row.font.pixels);
    form.*member = edit;
    return edit;
}

void ConnectClick(TForm1& form, Button* button, const ControlRow& row)
{
    button->SetCaption(QString::fromUtf8(row.text));
    button->setFocusPolicy(row.flags & NoTabStop ? Qt::ClickFocus : Qt::StrongFocus);
    if (Handler click = row.click)
        QObject::connect(button, &QPushButton::clicked, &form, [&form, click] { form.Dispatch(click); });
}

template <std::derived_from<Button> Kind>
QWidget* Build(TForm1& form, QWidget* page, const ControlRow& row, Kind* TForm1::*member)
{
    auto* button = new Kind(page);
    ConnectClick(form, button, row);
    Place(button, row);
    form.*member = button;
    return button;
}

QWidget* Build(TForm1& form, QWidget* page, const ControlRow& row, Picture* TForm1::*member)
{
    auto* picture = new Picture(page);
    // A picture's row names the resource that holds its JPEG.
    QFile file(QString::fromUtf8(row.text));
    const QByteArray jpeg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    picture->ShowJpeg({reinterpret_cast<const std::uint8_t*>(jpeg.constData()), std::size_t(jpeg.size())});
    Place(picture, row);
    form.*member = picture;
    return picture;
}

bool DrawnOnPage(const ControlRow& row)
{
    return std::holds_alternative<Label* TForm1::*>(row.member) || std::holds_alternative<Picture* TForm1::*>(row.member);
}

}  // namespace

std::vector<QWidget*> BuildPage(TForm1& form, QWidget* page, std::span<const ControlRow> rows)
{
    std::vector<std::pair<int, QWidget*>> ordered;
    std::vector<QWidget*> built;
    for (const ControlRow& row : rows) {
        QWidget* control = std::visit([&](auto member) { return Build(form, page, row, member); }, row.member);
        built.push_back(control);
        if (row.tab_order >= 0)
            ordered.emplace_back(row.tab_order, control);
    }
    // Labels and pictures lie on the page itself, later rows over earlier
    // ones; every edit box and button lies above them.
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (DrawnOnPage(rows[i]))
            built[i]->raise();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!DrawnOnPage(rows[i]))
            built[i]->raise();

    std::stable_sort(ordered.begin(), ordered.end(), [](auto& a, auto& b) { return a.first < b.first; });
    std::vector<QWidget*> tab_order;
    for (auto& entry : ordered)
        tab_order.push_back(entry.second);
    for (std::size_t i = 1; i < tab_order.size(); ++i)
        QWidget::setTabOrder(tab_order[i - 1], tab_order[i]);
    return tab_order;
}
