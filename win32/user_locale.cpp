#include "win32/user_locale.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace {

std::wstring LocaleItem(LCTYPE item, const wchar_t* fallback)
{
    wchar_t value[96];
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, value, int(std::size(value))) <= 0)
        return fallback;
    return value;
}

}  // namespace

// The clock is built from the locale's separate settings rather than from its
// time pattern: they are what the player chose in the regional settings.
ClockLocale ReadUserClockLocale()
{
    ClockLocale locale;
    locale.format.twelve_hour = LocaleItem(LOCALE_ITIME, L"1") == L"0";
    locale.format.hour_leading_zero = LocaleItem(LOCALE_ITLZERO, L"0") == L"1";
    locale.format.separator = Utf8(LocaleItem(LOCALE_STIME, L":"));
    locale.format.designator_first = LocaleItem(LOCALE_ITIMEMARKPOSN, L"0") == L"1";
    locale.am = Utf8(LocaleItem(LOCALE_S1159, L"AM"));
    locale.pm = Utf8(LocaleItem(LOCALE_S2359, L"PM"));
    return locale;
}

// The short date in the user's calendar, era calendars included, as the
// system itself writes it.
std::string TodayInShortDate()
{
    wchar_t date[96];
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date,
                                       int(std::size(date)), nullptr);
    if (length > 0)
        return Utf8(std::wstring_view(date, std::size_t(length - 1)));
    SYSTEMTIME today;
    GetLocalTime(&today);
    // The pattern "m/d/yy" where the locale gives none.
    return std::to_string(today.wMonth) + "/" + std::to_string(today.wDay) + "/" +
           (today.wYear % 100 < 10 ? "0" : "") + std::to_string(today.wYear % 100);
}
