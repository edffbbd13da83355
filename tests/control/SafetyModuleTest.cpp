#include "control/SafetyModule.hpp"

#include <gtest/gtest.h>

#include <thread>

namespace orvantis::SafetyModule {
namespace {

constexpr std::wstring_view kDispatch = L"{00020400-0000-0000-C000-000000000046}";
constexpr std::wstring_view kPropertyBag = L"{37D84F60-42CB-11CE-8135-00AA004BB851}";
constexpr std::wstring_view kStream = L"{00000109-0000-0000-C000-000000000046}";
constexpr std::wstring_view kStorage = L"{0000010A-0000-0000-C000-000000000046}";
constexpr std::wstring_view kUnknown = L"{00000000-0000-0000-C000-000000000046}";

struct Options {
    std::int32_t status;
    std::uint32_t supported;
    std::uint32_t enabled;
};

Options Get(const std::wstring_view* id) {
    Options options{0, 0, 0xDEAD};
    options.status = GetInterfaceSafetyOptions(id, options.supported, options.enabled);
    return options;
}

TEST(SafetyModule, AnswersEachInterfaceWithTheOneOptionThatFitsIt) {
    StartThread();
    const auto dispatch = Get(&kDispatch);
    EXPECT_EQ(dispatch.status, kOk);
    EXPECT_EQ(dispatch.supported, 3u);
    EXPECT_EQ(dispatch.enabled, 1u);
    for (const auto* persistence : {&kPropertyBag, &kStream, &kStorage}) {
        const auto answer = Get(persistence);
        EXPECT_EQ(answer.status, kOk);
        EXPECT_EQ(answer.enabled, 2u);
    }
    // An interface it makes no claim about: no such interface, supported still written.
    const auto unknown = Get(&kUnknown);
    EXPECT_EQ(unknown.status, kNoInterface);
    EXPECT_EQ(unknown.supported, 3u);
    EXPECT_EQ(unknown.enabled, 0xDEADu);
    const std::wstring_view lowerCase = L"{37d84f60-42cb-11ce-8135-00aa004bb851}";
    EXPECT_EQ(Get(&lowerCase).status, kNoInterface);  // the text form is upper case
    // No identifier: success, and only the supported options are written.
    const auto none = Get(nullptr);
    EXPECT_EQ(none.status, kOk);
    EXPECT_EQ(none.supported, 3u);
    EXPECT_EQ(none.enabled, 0xDEADu);
}

TEST(SafetyModule, SettingOnlyConfirmsTheOptionAlreadyOn) {
    StartThread();
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 1, 1), kOk);
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 3, 1), kOk);  // masked value is 1
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 3, 3), kFailed);
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 1, 0), kFailed);  // turning it off
    EXPECT_EQ(SetInterfaceSafetyOptions(&kStream, 2, 2), kOk);
    EXPECT_EQ(SetInterfaceSafetyOptions(&kStream, 1, 1), kFailed);
    EXPECT_EQ(SetInterfaceSafetyOptions(&kUnknown, 1, 1), kNoInterface);
    EXPECT_EQ(SetInterfaceSafetyOptions(nullptr, 0, 0), kOk);
    // Nothing was stored by the refused requests.
    EXPECT_EQ(Get(&kDispatch).enabled, 1u);
}

TEST(SafetyModule, FlagsBelongToEachThreadFromItsStartOn) {
    StartThread();
    Options before{};
    Options after{};
    std::thread other([&] {
        before = Get(&kDispatch);
        StartThread();
        after = Get(&kDispatch);
    });
    other.join();
    EXPECT_EQ(before.enabled, 0u);
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 1, 1), kOk);
    EXPECT_EQ(after.enabled, 1u);
}

}  // namespace
}  // namespace orvantis::SafetyModule
