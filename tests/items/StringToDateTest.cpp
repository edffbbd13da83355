#include "items/StringToDate.hpp"

#include <gtest/gtest.h>

#include "automation/DateTime.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

CivilTime Read(const wchar_t* text) { return SplitDate(StringToDate(text).days); }

TEST(StringToDate, ReadsFieldsByPositionAndDropsSeconds) {
    EXPECT_EQ(Read(L"20060315T103000"), (CivilTime{2006, 3, 15, 10, 30, 0}));
    // Day before month whatever the locale: 5 March, not 3 May.
    EXPECT_EQ(Read(L"20060305T103059"), (CivilTime{2006, 3, 5, 10, 30, 0}));
    EXPECT_EQ(Read(L"20060315T1030"), (CivilTime{2006, 3, 15, 10, 30, 0}));
    // Nothing after the seconds is read, a zone designator neither: no shift.
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
             L"20060315T240000",  // hour 24
             L"2006-03-15T10:30",  // separators shift the fields
             L"20060315T10",       // an hour without minutes
             L"",
             L"abcd0315T103000",
             L"00990315T103000",  // year 99 is outside the date range
         }) {
        EXPECT_EQ(ErrorNumberOf([&] { StringToDate(text); }), 13) << "text: " << text;
    }
}

}  // namespace
}  // namespace orvantis
