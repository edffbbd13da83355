#include "control/SafetyModule.hpp"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

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
    const std::wstring_view lowerCase = L"{37d84f60-42cb-11ce-8135-00aa004bb851}";
    // The interface asked about; the status; the option enabled (0xDEAD: left as it was).
    const std::tuple<const std::wstring_view*, std::int32_t, std::uint32_t> answers[] = {{&kDispatch, kOk, 1},          {&kPropertyBag, kOk, 2}, {&kStream, kOk, 2},
                   {&kStorage, kOk, 2},           {&kUnknown, kNoInterface, 0xDEAD},
                   {&lowerCase, kNoInterface, 0xDEAD},  // the text form is upper case
                   {nullptr, kOk, 0xDEAD}};             // no identifier: only what is supported
    for (const auto& [id, status, enabled] : answers) {
        const auto options = Get(id);
        // Supported is written whatever the answer.
        EXPECT_EQ(std::tuple(options.status, options.supported, options.enabled), std::tuple(status, 3u, enabled))
            << (id ? std::wstring(*id) : L"none");
    }
}

TEST(SafetyModule, SettingOnlyConfirmsTheOptionAlreadyOn) {
    StartThread();
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 3, 1), kOk);  // masked value is 1
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 3, 3), kFailed);
    EXPECT_EQ(SetInterfaceSafetyOptions(&kDispatch, 1, 0), kFailed);  // turning it off
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
