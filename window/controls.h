#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/colours.h"

// The kinds of controls the pages are made of, each with the one behaviour
// the layout asks of it beyond what Qt already does.

// The colour a layout value names, with system colours taken from the palette.
QColor ToQColor(ColourValue colour, const QPalette& palette);

// Static text on the page background, painting its whole box first.
class Label final : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    void SetTextColour(ColourValue colour);
    // Whether the label resizes itself to fit every text it is given.
    void SetSizesToText(bool sizes) { sizes_to_text_ = sizes; }
    void ShowText(const QString& text);
    // Every text goes through ShowText, so that the sizing is never skipped.
    void setText(const QString&) = delete;

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
class EditBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent);
    // clNone draws in the box's default text colour.
    void SetTextColour(ColourValue colour);
    void SetFontPixels(int pixels);
};

// A push button whose "&" marks its accelerator; the window, not Qt's
// shortcut map, decides when the accelerator fires.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget* parent);
    void SetCaption(const QString& caption);
    // The upper-case character after "&", or a null character.
    QChar Accelerator() const { return accelerator_; }

private:
    QChar accelerator_;
};

// A button with a small picture left of its caption, 4 pixels apart and the
// pair centred, and a greyed twin of it for the disabled state. The game has
// one, of the close kind, so the picture is the door.
class BitmapButton final : public Button {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget* parent);
};

// A picture drawn at natural size at the control's top-left corner.
class Picture final : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent);
    // Shows a JPEG; damaged data leaves the control empty.
    void ShowJpeg(std::span<const std::uint8_t> data);
};
