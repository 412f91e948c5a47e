#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/colours.h"
#include "form/controls.h"

// The kinds of controls the pages are made of, as Qt widgets that are also
// the form's controls: each converts the form's UTF-8 at its edge and adds
// the one behaviour the layout asks of it beyond what Qt already does.

// A Qt widget of one kind that is also the form's control of that kind. It
// counts as shown unless it was hidden itself, whichever page is in front.
template <class Widget, class Kind>
class QtControl : public Widget, public Kind {
public:
    using Widget::Widget;
    bool Visible() const override { return !this->isHidden(); }
    void SetVisible(bool visible) override { this->setVisible(visible); }
};

// The widget that draws a control of the form.
inline QWidget* WidgetOf(Control* control) { return dynamic_cast<QWidget*>(control); }

// The colour a layout value names, with system colours taken from the palette.
QColor ToQColor(ColourValue colour, const QPalette& palette);

// The form's UTF-8 as Qt's text, NULs and all.
QString FromUtf8(std::string_view text);

// Static text on the page background, painting its whole box first.
class QtLabel final : public QtControl<QLabel, Label> {
    Q_OBJECT
public:
    explicit QtLabel(QWidget* parent);
    void SetTextColour(ColourValue colour);
    // Whether the label resizes itself to fit every text it is given.
    void SetSizesToText(bool sizes) { sizes_to_text_ = sizes; }
    void ShowText(const QString& text);
    // Every text goes through ShowText, so that the sizing is never skipped.
    void setText(const QString&) = delete;

    std::string Text() const override { return text().toStdString(); }
    void SetText(std::string_view text) override { ShowText(FromUtf8(text)); }
    int Width() const override { return width(); }
    int Left() const override { return x(); }
    void SetLeft(int left) override { move(left, y()); }

protected:
    // The whole box in the page colour, then the text; an empty label (the
    // one under the live readout) stops at the colour.
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool sizes_to_text_ = true;
    // The size last measured, with its text's digits set aside, and whether
    // the face's digits share one advance (asked once, when first needed).
    QString measured_run_;
    QSize measured_size_;
    std::optional<bool> one_digit_advance_;
};

// A single-line text box whose height follows its font: the character
// height plus 8 pixels, the top edge staying where it is.
class QtEditBox final : public QtControl<QLineEdit, EditBox> {
    Q_OBJECT
public:
    explicit QtEditBox(QWidget* parent);
    std::string Text() const override { return text().toStdString(); }
    void SetText(std::string_view text) override { setText(FromUtf8(text)); }
    // clNone draws in the box's default text colour.
    void SetTextColour(ColourValue colour) override;
    void SetFontPixels(int pixels) override;
};

// A button's caption, its "&" underlining the accelerator. The form's
// keyboard rule, not Qt's shortcut map, decides when the accelerator fires.
void ShowCaption(QPushButton& button, const QString& caption);

class QtButton final : public QtControl<QPushButton, Button> {
    Q_OBJECT
public:
    explicit QtButton(QWidget* parent);
};

// A button with a small picture left of its caption, 4 pixels apart and the
// pair centred, and a greyed twin of it for the disabled state. The game has
// one, of the close kind, so the picture is the door.
class QtBitmapButton final : public QtControl<QPushButton, BitmapButton> {
    Q_OBJECT
public:
    explicit QtBitmapButton(QWidget* parent);
};

// A picture drawn at natural size at the control's top-left corner.
class QtPicture final : public QtControl<QLabel, Picture> {
    Q_OBJECT
public:
    explicit QtPicture(QWidget* parent);
    // Shows a JPEG; damaged data leaves the control empty.
    void ShowJpeg(std::span<const std::uint8_t> data);
};
