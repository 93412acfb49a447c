#include "FileTimeText.h"

namespace {

constexpr std::uint64_t kIntervalsPerMillisecond = 10'000;
constexpr std::uint64_t kMillisecondsPerDay = 86'400'000;

struct CivilDate {
    std::uint64_t year;
    unsigned month;
    unsigned day;
};

// The Gregorian date of a day counted from 1600-03-01, the start of a 400-year cycle that
// puts the leap day last in its year (Howard Hinnant's days-to-civil reckoning). 1601-01-01
// is day 306 of it.
CivilDate DateOfDay(std::uint64_t daysSince16000301)
{
    constexpr std::uint64_t kDaysPerEra = 146'097;
    const std::uint64_t era = daysSince16000301 / kDaysPerEra;
    const std::uint64_t dayOfEra = daysSince16000301 % kDaysPerEra;
    const std::uint64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<unsigned>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const auto month = static_cast<unsigned>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::uint64_t year = 1600 + era * 400 + yearOfEra + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

void AppendDigits(std::wstring& text, std::uint64_t value, std::size_t width)
{
    std::wstring digits = std::to_wstring(value);
    if (digits.size() < width) text.append(width - digits.size(), L'0');
    text += digits;
}

}  // namespace

std::wstring IsoTimeFromFileTime(std::uint64_t fileTime)
{
    constexpr std::uint64_t kDayOf16010101 = 306;
    const std::uint64_t milliseconds = fileTime / kIntervalsPerMillisecond;
    const CivilDate date = DateOfDay(kDayOf16010101 + milliseconds / kMillisecondsPerDay);
    const std::uint64_t ofDay = milliseconds % kMillisecondsPerDay;

    std::wstring text;
    AppendDigits(text, date.year, 4);
    text += L'-';
    AppendDigits(text, date.month, 2);
    text += L'-';
    AppendDigits(text, date.day, 2);
    text += L'T';
    AppendDigits(text, ofDay / 3'600'000, 2);
    text += L':';
    AppendDigits(text, ofDay / 60'000 % 60, 2);
    text += L':';
    AppendDigits(text, ofDay / 1000 % 60, 2);
    text += L'.';
    AppendDigits(text, ofDay % 1000, 3);
    return text + L'Z';
}
