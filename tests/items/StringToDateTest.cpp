#include "items/StringToDate.hpp"

#include <gtest/gtest.h>

#include "automation/DateTime.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using testing::ErrorNumberOf;

CivilTime Read(const wchar_t* text) { return SplitDate(StringToDate(text).days); }

TEST(StringToDate, ReadsFieldsByPositionAndDropsSeconds) {
    EXPECT_EQ(Read(L"20060315T103000"), (CivilTime{2006, 3, 15, 10, 30, 0}));
    // Day before month whatever the locale: 5 March, not 3 May.
    EXPECT_EQ(Read(L"20060305T103059"), (CivilTime{2006, 3, 5, 10, 30, 0}));
    EXPECT_EQ(Read(L"20061231X235900"), (CivilTime{2006, 12, 31, 23, 59, 0}));
    EXPECT_EQ(Read(L"20060315T1030"), (CivilTime{2006, 3, 15, 10, 30, 0}));
    // A zone designator and anything else after the seconds is not read: no shift.
    EXPECT_EQ(Read(L"20060315T103000Z"), (CivilTime{2006, 3, 15, 10, 30, 0}));
    EXPECT_EQ(Read(L"20060315T103000+05:00garbage"), (CivilTime{2006, 3, 15, 10, 30, 0}));
    // A date alone is midnight.
    EXPECT_EQ(Read(L"20060315"), (CivilTime{2006, 3, 15, 0, 0, 0}));
    EXPECT_EQ(Read(L"20000229T000000"), (CivilTime{2000, 2, 29, 0, 0, 0}));
}

TEST(StringToDate, RefusesWhatIsNotADateAndTimeWithTypeMismatch) {
    for (const auto* text : {
             L"20060230T100000",  // 30 February
             L"20050229T100000",  // not a leap year
             L"20061301T100000",  // month 13
             L"20060015T100000",  // month 0
             L"20060300T100000",  // day 0
             L"20060315T240000",  // hour 24
             L"20060315T106000",  // minute 60
             L"2006-03-15T10:30",  // separators shift the fields
             L"20060315T10",       // an hour without minutes
             L"2006031",           // a day of one digit then nothing: a partial date
             L"",
             L"2006",
             L"abcd0315T103000",
             L"2006 315T103000",
             L"-0060315T103000",
             L"00990315T103000",  // year 99 is outside the date range
         }) {
        EXPECT_EQ(ErrorNumberOf([&] { StringToDate(text); }), 13) << "text: " << text;
    }
}

}  // namespace
}  // namespace orvantis
