// The call log keeps each call as numbers into one table of values: what it gives back must be
// what it was given, kind for kind, however often a value repeats.

#include <gtest/gtest.h>

#include "standins/Ledger.hpp"

namespace orvantis::test {
namespace {

using standins::CallLog;

void Add(CallLog& log, std::wstring_view member, std::vector<Variant> values) {
    std::vector<Argument> arguments;
    for (auto& value : values) arguments.push_back({std::move(value)});
    log.Add(L"Items", member, CallKind::Method, arguments);
}

TEST(CallLogTest, GivesBackEveryArgumentOfItsOwnKind) {
    // Values that compare alike across kinds (1 as 16-bit, 32-bit, double, date, text).
    const std::vector<Variant> values{
        Variant(std::int16_t{1}), Variant(std::int32_t{1}), Variant(1.0), Variant(DateValue{1}),
        Variant(L"1"), Variant(true), Variant(), Variant::Null(), Variant::Missing(), Variant(L""),
    };
    CallLog log;
    for (int round = 0; round < 2; ++round) Add(log, L"Data", values);
    Add(log, L"Execute", {Variant(ObjectRef())});
    ASSERT_EQ(log.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto call = log[i];
        EXPECT_EQ(call.object, L"Items");
        EXPECT_EQ(call.member, L"Data");
        ASSERT_EQ(call.arguments.size(), values.size());
        for (std::size_t k = 0; k < values.size(); ++k) {
            EXPECT_EQ(call.arguments[k].GetKind(), values[k].GetKind()) << k;
            EXPECT_EQ(call.arguments[k], values[k]) << k;
        }
    }
    // An object is logged as text, so that the log keeps none alive.
    EXPECT_EQ(log.back().arguments, std::vector<Variant>{Variant(L"(object)")});
}

TEST(CallLogTest, CountsWithoutKeepingOnceAskedTo) {
    CallLog log;
    Add(log, L"Save", {});
    log.CountOnly();
    Add(log, L"Save", {Variant(L"x")});
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].member, L"Save");
    EXPECT_THROW(log[1], std::out_of_range);
}

}  // namespace
}  // namespace orvantis::test
