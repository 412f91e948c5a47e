#include <QDateTime>
#include <QEvent>
#include <QLocale>

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

}  // namespace

void TForm1::ReadClockFormat()
{
    clock_format_ = ClockFormatFromPattern(locale().timeFormat(QLocale::ShortFormat).toStdString());
}

QString TForm1::DateText() const
{
    return QStringLiteral("日付 : ") + locale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString TForm1::ClockText() const
{
    const QTime now = QTime::currentTime();
    const QLocale here = locale();
    const DesignatorCase shown = clock_format_.designator_case;
    return QStringLiteral("現在の時刻 : ") +
           QString::fromStdString(FormatClock(clock_format_, now.hour(), now.minute(), now.second(),
                                              InCase(here, here.amText(), shown), InCase(here, here.pmText(), shown)));
}

void TForm1::Timer1Timer()
{
    Label28->ShowText(ClockText());
}

void TForm1::changeEvent(QEvent* event)
{
    // New locale settings change how later clock updates read; the date
    // keeps what it showed at start.
    if (event->type() == QEvent::LocaleChange)
        ReadClockFormat();
    QWidget::changeEvent(event);
}
