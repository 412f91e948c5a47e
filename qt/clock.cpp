#include <QDate>
#include <QEvent>
#include <QLocale>

#include "qt/clock_pattern.h"

#include "qt/main_window.h"

// The local date and time, and how the player's locale writes them, for the
// date and the running clock on the Friends Game page.

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

std::string MainWindow::Today()
{
    return locale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

TimeOfDay MainWindow::LocalTime()
{
    const QTime now = LocalClock();
    return {now.hour(), now.minute(), now.second()};
}

ClockLocale MainWindow::ReadClockLocale()
{
    const QLocale here = locale();
    const ClockFormat format = ClockFormatFromPattern(here.timeFormat(QLocale::ShortFormat).toStdString());
    return {format, InCase(here, here.amText(), format.designator_case), InCase(here, here.pmText(), format.designator_case),
            here.zeroDigit().toStdString()};
}

void MainWindow::changeEvent(QEvent* event)
{
    // New locale settings change how later clock updates read; the date
    // keeps what it showed at start.
    if (event->type() == QEvent::LocaleChange)
        Form1.LocaleChanged();
    QWidget::changeEvent(event);
}
