#include "automation/Variant.hpp"

#include <gtest/gtest.h>

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

TEST(TextToInteger, ReadsBlanksSignsAndRoundsHalvesToEven) {
    const std::pair<const wchar_t*, std::int16_t> cases[] = {
        {L"015", 15}, {L"  42\t", 42}, {L"+7", 7},           {L"2.5", 2},       {L"3.5", 4},
        {L"2.51", 3}, {L"1e2", 100},    {L"-32768", -32768}, {L"-1e-999", 0}};  // the last too small for a double: zero
    for (const auto& [text, value] : cases) EXPECT_EQ(TextToInteger(text), value) << text;
}

TEST(TextToInteger, RaisesOverflowOutOfRangeAndTypeMismatchForNonNumbers) {
    // 32767.5 rounds to 32768; 1e999 and the like are too large even for a double, so they
    // overflow rather than read as zero.
    for (const auto* text : {L"32768", L"-32769", L"32767.5", L"1e999", L"-1e999", L"0.001e312",
                             L"1e99999999999999999999"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToInteger(text); }), 6) << text;
    }
    for (const auto* text : {L"1e999", L"-1e999", L"0.001e312"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToBoolean(text); }), 6) << text;
    }
    for (const auto* text : {L"", L"   ", L"1 2", L"12abc", L"-", L"1e", L"0x10"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToInteger(text); }), 13) << text;
    }
}

TEST(TextToBoolean, TakesWordsInAnyCaseAndNumbers) {
    for (const auto* text : {L"true", L"TRUE", L"1", L"-3.5"}) EXPECT_TRUE(TextToBoolean(text)) << text;
    for (const auto* text : {L"False", L"0", L" 0.0 "}) EXPECT_FALSE(TextToBoolean(text)) << text;
    for (const auto* text : {L"", L"yes", L"t", L"truee", L"on"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToBoolean(text); }), 13) << text;
    }
}

TEST(Variant, ConvertsToTextAsAutomationDoesDatesWithoutTheirEmptyHalf) {
    const std::pair<Variant, const wchar_t*> cases[] = {
        {Variant(), L""},
        {Variant(L"x y"), L"x y"},
        {Variant(std::int16_t{-5}), L"-5"},
        {Variant(70000), L"70000"},
        {Variant(1.5), L"1.5"},
        {Variant(true), L"True"},
        {Variant(DateValue{*MakeDate({2006, 3, 15, 10, 30, 5})}), L"2006-03-15 10:30:05"},
        {Variant(DateValue{0.5}), L"12:00:00"},  // day zero: the time alone
        {Variant(DateValue{0}), L"1899-12-30"},
        {Variant(DateValue{-1.25}), L"1899-12-29 06:00:00"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(value.ToText(), text) << text;
    EXPECT_EQ(ErrorNumberOf([] { Variant::Null().ToText(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { Variant::Missing().ToText(); }), 13);
}

TEST(Variant, ConvertsBetweenKindsAndTellsNothingFromNonObjects) {
    EXPECT_EQ(Variant(true).ToInteger(), -1);  // automation's true
    EXPECT_EQ(ErrorNumberOf([] { Variant(L"2006-03-15").ToDate(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { Variant::Null().ToDouble(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { Variant(ObjectRef()).ToDouble(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { Variant(L"text").ToObject(); }), 424);
    EXPECT_EQ(Variant(ObjectRef()).ToObject(), nullptr);
}

TEST(DateTime, RoundTripsAcrossTheEpochAndBeforeIt) {
    for (const CivilTime t : {CivilTime{1899, 12, 29, 6, 0, 0}, CivilTime{100, 1, 1, 0, 0, 0},
                              CivilTime{9999, 12, 31, 23, 59, 59}, CivilTime{2000, 2, 29, 12, 0, 0}}) {
        const auto date = MakeDate(t);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(SplitDate(*date), t);
    }
    EXPECT_DOUBLE_EQ(*MakeDate({1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_DOUBLE_EQ(*MakeDate({1900, 1, 1, 12, 0, 0}), 2.5);
    // A time that rounds up to midnight belongs to the next day.
    EXPECT_EQ(SplitDate(1.0 - 1e-9), (CivilTime{1899, 12, 31, 0, 0, 0}));
    EXPECT_EQ(SplitDate(-1.0 - (1.0 - 1e-9)), (CivilTime{1899, 12, 30, 0, 0, 0}));
}

TEST(DateTime, RefusesDaysTheMonthDoesNotHave) {
    for (const CivilTime t : {CivilTime{1900, 2, 29, 0, 0, 0}, CivilTime{2006, 4, 31, 0, 0, 0},
                              CivilTime{2006, 13, 1, 0, 0, 0}, CivilTime{2006, 1, 1, 24, 0, 0},
                              CivilTime{2006, 1, 1, 0, 60, 0}, CivilTime{99, 1, 1, 0, 0, 0}}) {
        EXPECT_FALSE(MakeDate(t)) << t.year << "-" << t.month << "-" << t.day;
    }
}

}  // namespace
}  // namespace orvantis
