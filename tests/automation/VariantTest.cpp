#include "automation/Variant.hpp"

#include <gtest/gtest.h>

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using testing::ErrorNumberOf;

TEST(TextToInteger, ReadsBlanksSignsAndRoundsHalvesToEven) {
    EXPECT_EQ(TextToInteger(L"015"), 15);
    EXPECT_EQ(TextToInteger(L"  42\t"), 42);
    EXPECT_EQ(TextToInteger(L"-7"), -7);
    EXPECT_EQ(TextToInteger(L"+7"), 7);
    EXPECT_EQ(TextToInteger(L"2.5"), 2);
    EXPECT_EQ(TextToInteger(L"3.5"), 4);
    EXPECT_EQ(TextToInteger(L"-2.5"), -2);
    EXPECT_EQ(TextToInteger(L"2.51"), 3);
    EXPECT_EQ(TextToInteger(L"1e2"), 100);
    EXPECT_EQ(TextToInteger(L"32767"), 32767);
    EXPECT_EQ(TextToInteger(L"-32768"), -32768);
    EXPECT_EQ(TextToInteger(L"-1e-999"), 0);  // too small for a double: zero
}

TEST(TextToInteger, RaisesOverflowOutOfRangeAndTypeMismatchForNonNumbers) {
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"32768"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"40000"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"-32769"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"32767.5"); }), 6);  // rounds to 32768
    EXPECT_EQ(ErrorNumberOf([] { TextToInteger(L"1e10"); }), 6);
    // Too large even for a double: the conversion overflows rather than reading as zero.
    for (const auto* text : {L"1e999", L"-1e999", L"0.001e312", L"1e99999999999999999999"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToInteger(text); }), 6) << text;
        EXPECT_EQ(ErrorNumberOf([&] { TextToBoolean(text); }), 6) << text;
    }
    for (const auto* text : {L"", L"   ", L"abc", L"1 2", L"12abc", L"-", L".", L"1e", L"0x10"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToInteger(text); }), 13) << text;
    }
}

TEST(TextToBoolean, TakesWordsInAnyCaseAndNumbers) {
    EXPECT_TRUE(TextToBoolean(L"true"));
    EXPECT_TRUE(TextToBoolean(L"TRUE"));
    EXPECT_FALSE(TextToBoolean(L"False"));
    EXPECT_TRUE(TextToBoolean(L"1"));
    EXPECT_TRUE(TextToBoolean(L"-3.5"));
    EXPECT_FALSE(TextToBoolean(L"0"));
    EXPECT_FALSE(TextToBoolean(L" 0.0 "));
    for (const auto* text : {L"", L"yes", L"t", L"truee", L"on"}) {
        EXPECT_EQ(ErrorNumberOf([&] { TextToBoolean(text); }), 13) << text;
    }
}

TEST(Variant, ConvertsToTextAsAutomationDoes) {
    EXPECT_EQ(Variant().ToText(), L"");
    EXPECT_EQ(Variant(L"x y").ToText(), L"x y");
    EXPECT_EQ(Variant(std::int16_t{-5}).ToText(), L"-5");
    EXPECT_EQ(Variant(70000).ToText(), L"70000");
    EXPECT_EQ(Variant(1.5).ToText(), L"1.5");
    EXPECT_EQ(Variant(true).ToText(), L"True");
    EXPECT_EQ(ErrorNumberOf([] { Variant::Null().ToText(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { Variant::Missing().ToText(); }), 13);
}

TEST(Variant, DatesReadAsTextWithoutTheirEmptyHalfAndNumbersConvertBetweenKinds) {
    EXPECT_EQ(Variant(DateValue{*MakeDate({2006, 3, 15, 0, 0, 0})}).ToText(), L"2006-03-15");
    EXPECT_EQ(Variant(DateValue{*MakeDate({2006, 3, 15, 10, 30, 5})}).ToText(),
              L"2006-03-15 10:30:05");
    EXPECT_EQ(Variant(DateValue{0.5}).ToText(), L"12:00:00");  // day zero: the time alone
    EXPECT_EQ(Variant(DateValue{0}).ToText(), L"1899-12-30");
    EXPECT_EQ(Variant(DateValue{-1.25}).ToText(), L"1899-12-29 06:00:00");

    EXPECT_EQ(Variant(true).ToInteger(), -1);  // automation's true
    EXPECT_EQ(ErrorNumberOf([] { Variant(L"2006-03-15").ToDate(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { Variant::Null().ToDouble(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { Variant(ObjectRef()).ToDouble(); }), 13);
}

TEST(Variant, ObjectConversionsDistinguishNothingFromNonObjects) {
    EXPECT_EQ(ErrorNumberOf([] { Variant(L"text").ToObject(); }), 424);
    EXPECT_EQ(Variant(ObjectRef()).ToObject(), nullptr);
}

TEST(DateTime, RoundTripsAcrossTheEpochAndBeforeIt) {
    for (const CivilTime t : {CivilTime{2006, 3, 15, 10, 30, 0}, CivilTime{1899, 12, 30, 0, 0, 0},
                              CivilTime{1899, 12, 29, 6, 0, 0}, CivilTime{100, 1, 1, 0, 0, 0},
                              CivilTime{9999, 12, 31, 23, 59, 59}, CivilTime{2000, 2, 29, 12, 0, 0}}) {
        const auto date = MakeDate(t);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(SplitDate(*date), t);
    }
    EXPECT_DOUBLE_EQ(*MakeDate({1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_DOUBLE_EQ(*MakeDate({1900, 1, 1, 12, 0, 0}), 2.5);
}

TEST(DateTime, ATimeThatRoundsUpToMidnightBelongsToTheNextDay) {
    EXPECT_EQ(SplitDate(1.0 - 1e-9), (CivilTime{1899, 12, 31, 0, 0, 0}));
    EXPECT_EQ(SplitDate(-1.0 - (1.0 - 1e-9)), (CivilTime{1899, 12, 30, 0, 0, 0}));
}

TEST(DateTime, RefusesDaysTheMonthDoesNotHave) {
    EXPECT_FALSE(MakeDate({2006, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(MakeDate({1900, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(MakeDate({2006, 4, 31, 0, 0, 0}));
    EXPECT_FALSE(MakeDate({2006, 13, 1, 0, 0, 0}));
    EXPECT_FALSE(MakeDate({2006, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(MakeDate({2006, 1, 1, 0, 60, 0}));
    EXPECT_FALSE(MakeDate({99, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace orvantis
