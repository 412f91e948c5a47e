#include <QDateTime>
#include <QEvent>
#include <QLocale>

#include <algorithm>

#include "pages/pages.h"
#include "window/tform1.h"

// The date and the running clock on the Friends Game page, written the way
// the player's locale writes them.

namespace {

// The locale's own case rules, not ASCII's: "μ.μ." becomes "Μ.Μ.".
std::string InCase(const QLocale& here, const QString& designator, DesignatorCase shown)
{
    switch (shown) {
    case DesignatorCase::Upper: return here.toUpper(designator).toStdString();
    case DesignatorCase::Lower: return here.toLower(designator).toStdString();
    case DesignatorCase::AsTheLocaleWritesIt: break;
    }
    return designator.toStdString();
}

// A clock row stands where the layout puts it while its text fits the page;
// a longer text (a 12-hour clock with its designator, a wide face) keeps its
// right end at the page's edge, so that no character is ever cut off.
void ShowOnClockRow(Label* label, const QString& text)
{
    label->ShowText(text);
    const int room = label->parentWidget()->width() - label->width();
    label->move(std::max(0, std::min(ClockRowsLeft, room)), label->y());
}

}  // namespace

void TForm1::ShowDate()
{
    ShowOnClockRow(Label27, QStringLiteral("日付 : ") + locale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void TForm1::ShowClock()
{
    const QTime now = LocalTime();
    const QLocale here = locale();
    const DesignatorCase shown = clock_format_.designator_case;
    ShowOnClockRow(Label28, QStringLiteral("現在の時刻 : ") +
                                QString::fromStdString(FormatClock(clock_format_, now.hour(), now.minute(), now.second(),
                                                                   InCase(here, here.amText(), shown),
                                                                   InCase(here, here.pmText(), shown))));
}

void TForm1::ReadClockFormat()
{
    clock_format_ = ClockFormatFromPattern(locale().timeFormat(QLocale::ShortFormat).toStdString());
}

void TForm1::Timer1Timer()
{
    ShowClock();
}

void TForm1::changeEvent(QEvent* event)
{
    // New locale settings change how later clock updates read; the date
    // keeps what it showed at start.
    if (event->type() == QEvent::LocaleChange)
        ReadClockFormat();
    QWidget::changeEvent(event);
}
