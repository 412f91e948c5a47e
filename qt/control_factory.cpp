#include "qt/control_factory.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

#include "form/glyphs.h"
#include "form/tform1.h"
#include "qt/controls.h"
#include "qt/layout_font.h"
#include "qt/notebook.h"

namespace {

QCursor MultiDragShape()
{
    const MultiDragPixels& pixels = MultiDragCursor();
    const QImage art(reinterpret_cast<const uchar*>(pixels.data()), MultiDragSide, MultiDragSide, MultiDragSide * 4,
                     QImage::Format_ARGB32);
    return QCursor(QPixmap::fromImage(art), 0, 0);
}

QCursor ToShape(Cursor cursor)
{
    switch (cursor) {
    case Cursor::HandPoint: return Qt::PointingHandCursor;
    case Cursor::MultiDrag: return MultiDragShape();
    case Cursor::Standard: break;
    }
    return Qt::ArrowCursor;
}

Qt::FocusPolicy FocusPolicyOf(const ControlRow& row)
{
    return Has(row.flags, Flag::NoTabStop) ? Qt::ClickFocus : Qt::StrongFocus;
}

}  // namespace

// Gives the new control every property its row names that all kinds share.
template <class Kind>
Kind* QtControlFactory::Place(Kind* control, const ControlRow& row)
{
    control->setObjectName(QString::fromLatin1(row.name));
    if (row.font.pixels != WindowFontPixels || row.font.bold)
        control->setFont(LayoutFont(row.font.pixels, row.font.bold));
    const Box& box = row.box;
    control->setGeometry(box.left, box.top, box.width, box.height);
    if (row.cursor != Cursor::Standard)
        control->setCursor(ToShape(row.cursor));
    // Shown or hidden outright: a control made on a page that is already on
    // the screen would otherwise stay hidden.
    control->setVisible(!Has(row.flags, Flag::Hidden));
    if (row.description)
        control->setAccessibleName(QString::fromUtf8(row.description));
    made_.emplace(&row, control);
    return control;
}

Label* QtControlFactory::MakeLabel(int page, const ControlRow& row)
{
    auto* label = new QtLabel(notebook_.Page(page));
    label->SetTextColour(row.font.colour);
    if (Has(row.flags, Flag::Centred))
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Place(label, row);
    label->SetSizesToText(!Has(row.flags, Flag::FixedSize));
    label->ShowText(QString::fromUtf8(row.text));
    return label;
}

EditBox* QtControlFactory::MakeEditBox(int page, const ControlRow& row)
{
    auto* edit = new QtEditBox(notebook_.Page(page));
    edit->setText(QString::fromUtf8(row.text));
    edit->SetTextColour(row.font.colour);
    edit->setReadOnly(Has(row.flags, Flag::ReadOnly));
    if (row.max_length > 0)
        edit->setMaxLength(row.max_length);
    edit->setFocusPolicy(FocusPolicyOf(row));
    Place(edit, row);
    edit->SetFontPixels(row.font.pixels);
    return edit;
}

template <class Kind>
Kind* QtControlFactory::MakeButtonOf(int page, const ControlRow& row)
{
    auto* button = new Kind(notebook_.Page(page));
    ShowCaption(*button, QString::fromUtf8(row.text));
    button->setFocusPolicy(FocusPolicyOf(row));
    if (Handler click = row.click)
        QObject::connect(button, &QPushButton::clicked, button, [press = press_, click] { press(click); });
    return Place(button, row);
}

Button* QtControlFactory::MakeButton(int page, const ControlRow& row) { return MakeButtonOf<QtButton>(page, row); }

BitmapButton* QtControlFactory::MakeBitmapButton(int page, const ControlRow& row)
{
    return MakeButtonOf<QtBitmapButton>(page, row);
}

Picture* QtControlFactory::MakePicture(int page, const ControlRow& row)
{
    auto* picture = new QtPicture(notebook_.Page(page));
    // A picture's row names the asset that holds its JPEG, a resource of the program.
    QFile file(QStringLiteral(":/") + QString::fromUtf8(row.text));
    const QByteArray jpeg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    picture->ShowJpeg({reinterpret_cast<const std::uint8_t*>(jpeg.constData()), std::size_t(jpeg.size())});
    return Place(picture, row);
}

void QtControlFactory::StackPage(int page)
{
    // Raised from the bottom up; Qt's list of a page's children, which its
    // screen readers walk, ends in the same order.
    const PageStacking stacking = StackingOf(form_.Design().pages[std::size_t(page)].rows);
    for (const auto* group : {&stacking.on_page, &stacking.above})
        for (const ControlRow* row : *group)
            made_.at(row)->raise();
    made_.clear();
}
