#include "qt/controls.h"

#include <unordered_map>

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

#include "core/jpeg_picture.h"
#include "form/layout.h"
#include "qt/door_glyph.h"

QColor ToQColor(ColourValue colour, const QPalette& palette)
{
    if (IsSystemColour(colour)) {
        switch (colour & 0xFF) {
        case 5: return palette.color(QPalette::Base);
        case 15: return palette.color(QPalette::Button);
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QtLabel::QtLabel(QWidget* parent) : QtControl(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void QtLabel::SetTextColour(ColourValue colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(colour, QApplication::palette()));
    setPalette(p);
}

namespace {

QString DigitsAside(QString text)
{
    for (QChar& c : text)
        if (c >= u'0' && c <= u'9')
            c = u'0';
    return text;
}

// Compared unrounded, so that advances a pixel's rounding would hide still differ.
bool AllDigitsOneAdvance(const QFontMetricsF& metrics)
{
    const qreal advance = metrics.horizontalAdvance(QChar(u'0'));
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) != advance)
            return false;
    return true;
}

}  // namespace

void QtLabel::ShowText(const QString& text)
{
    QLabel::setText(text);
    if (!sizes_to_text_)
        return;
    // Measuring a text means laying it out and shaping it, which costs the
    // running clock more than all else it does in a second. Where the face's
    // digits all share one advance, a text that differs from the last only in
    // its digits has the last one's size. The face is checked the first time
    // it could matter, not at start-up.
    QString run = DigitsAside(text);
    if (run == measured_run_ && measured_size_.isValid()) {
        if (!one_digit_advance_)
            one_digit_advance_ = AllDigitsOneAdvance(QFontMetricsF(font()));
        if (*one_digit_advance_) {
            resize(measured_size_);
            return;
        }
    }
    measured_size_ = sizeHint();
    measured_run_ = std::move(run);
    resize(measured_size_);
}

void QtLabel::changeEvent(QEvent* event)
{
    // A new font or style measures anew.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        measured_run_.clear();
        measured_size_ = QSize();
        one_digit_advance_.reset();
    }
    QLabel::changeEvent(event);
}

namespace {

// Draws each edit box's panel once and then copies it until the box's look
// changes: the style's panel is an anti-aliased rounded frame that costs many
// times what the few characters of the live readout do, and the readout
// repaints its box a hundred times a second. One picture a box, so the
// pictures take no more memory however long the game runs.
class CachedPanels final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element != PE_PanelLineEdit || !frame || !widget)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        const Look look{option->state, option->palette.cacheKey(), option->rect.size(),
                        painter->device()->devicePixelRatioF()};
        auto [panel, added] = panels_.try_emplace(widget);
        if (added)
            connect(widget, &QObject::destroyed, this, [this, widget] { panels_.erase(widget); });
        if (added || panel->second.look != look) {
            QPixmap picture(look.size * look.ratio);
            picture.setDevicePixelRatio(look.ratio);
            picture.fill(Qt::transparent);
            QStyleOptionFrame placed = *frame;
            placed.rect.moveTopLeft({0, 0});
            QPainter on_picture(&picture);
            QProxyStyle::drawPrimitive(element, &placed, &on_picture, widget);
            on_picture.end();
            panel->second = {look, picture};
        }
        painter->drawPixmap(option->rect.topLeft(), panel->second.picture);
    }

private:
    struct Look {
        State state;
        qint64 palette;
        QSize size;
        qreal ratio;
        bool operator==(const Look&) const = default;
    };
    struct Panel {
        Look look;
        QPixmap picture;
    };
    mutable std::unordered_map<const QWidget*, Panel> panels_;
};

// One for the whole program, made again if the application is.
QStyle* PanelStyle()
{
    static QPointer<CachedPanels> style;
    if (!style) {
        style = new CachedPanels;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

void QtLabel::paintEvent(QPaintEvent* event)
{
    // The whole box in the page colour first, by hand: a label that Qt
    // filled itself would count as opaque and be repainted past a fading
    // notebook, at full opacity.
    QPainter(this).fillRect(rect(), palette().window());
    if (!text().isEmpty())
        QLabel::paintEvent(event);
}

QtEditBox::QtEditBox(QWidget* parent) : QtControl(parent)
{
    setStyle(PanelStyle());
    // A box only the game writes (a verdict, a score, a readout) tells
    // assistive technology of every new text, so that it can be read out.
    // Nothing is sent when no assistive technology listens: the live readout
    // changes a hundred times a second.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!isReadOnly() || !QAccessible::isActive())
            return;
        QAccessibleValueChangeEvent news(this, text);
        QAccessible::updateAccessibility(&news);
    });
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(clWindow, QApplication::palette()));
    setPalette(p);
}

void QtEditBox::SetTextColour(ColourValue colour)
{
    const QPalette& standard = QApplication::palette();
    QPalette p = palette();
    p.setColor(QPalette::Text, colour == clNone ? standard.color(QPalette::Text) : ToQColor(colour, standard));
    setPalette(p);
}

void QtEditBox::SetFontPixels(int pixels)
{
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
    resize(width(), EditBoxHeight(pixels));
}

QtButton::QtButton(QWidget* parent) : QtControl(parent)
{
    setAutoDefault(false);
}

void ShowCaption(QPushButton& button, const QString& caption)
{
    button.setText(caption);
    button.setShortcut(QKeySequence());
}

QtBitmapButton::QtBitmapButton(QWidget* parent) : QtControl(parent)
{
    setAutoDefault(false);
    // Qt's push button puts 4 pixels between glyph and caption and centres the pair.
    setIcon(DoorGlyphIcon());
    setIconSize(QSize(18, 18));
}

QtPicture::QtPicture(QWidget* parent) : QtControl(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void QtPicture::ShowJpeg(std::span<const std::uint8_t> data)
{
    const std::optional<RgbPicture> decoded = DecodeJpeg(data);
    if (!decoded) {
        clear();
        return;
    }
    const QImage view(decoded->rgb.data(), decoded->width, decoded->height, decoded->width * 3, QImage::Format_RGB888);
    // The pixmap must own its pixels: the decoded buffer goes away here.
    setPixmap(QPixmap::fromImage(view.copy()));
}
