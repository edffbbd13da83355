#pragma once

#include <gtest/gtest.h>

#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::testing {

// The test host with the products' stand-ins answering. A product object left alive after a
// test is a leak the real product would keep too, so every test ends by counting them.
class StandInTest : public ::testing::Test {
protected:
    StandInTest() { sandbox.Register(test.objects); }
    void TearDown() override { EXPECT_EQ(sandbox.LiveObjects(), 0u); }

    // Makes every call (or the n-th) of `member` fail as the product would.
    static void Fail(standins::Ledger& ledger, std::wstring object, std::wstring member,
                     std::int32_t number, std::size_t call = 0) {
        ledger.failures.push_back(
            {std::move(object), std::move(member), call, number, L"product", L"refused", 0});
    }
    // The arguments of every call of `member`, as logged, each as "a;b;".
    static std::vector<std::wstring> Calls(const standins::Ledger& ledger,
                                           std::wstring_view member) {
        std::vector<std::wstring> calls;
        for (const auto& call : ledger.calls) {
            if (call.member != member) continue;
            std::wstring arguments;
            for (const auto& argument : call.arguments) arguments += argument.ToText() + L";";
            calls.push_back(arguments);
        }
        return calls;
    }

    TestHost test;
    standins::Sandbox sandbox;
};

}  // namespace orvantis::testing
