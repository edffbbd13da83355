#pragma once

#include <cstdint>
#include <string_view>

namespace orvantis::SafetyModule {

// Status codes of the scripting-safety answers, as the platform numbers them.
inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kNoInterface = static_cast<std::int32_t>(0x80004002);
inline constexpr std::int32_t kFailed = static_cast<std::int32_t>(0x80004005);

// Option bits: 1 safe for untrusted callers (scripting), 2 safe for untrusted data.
inline constexpr std::uint32_t kSafeForScripting = 1;
inline constexpr std::uint32_t kSafeForInitializing = 2;

// The start routine: run when a thread first uses the component. The two flags are held per
// thread; until a thread has started, both are false there.
void StartThread();

// The answers. An interface identifier is given in its text form ("{00020400-...}", upper
// case), or as null when the caller passed no identifier. enabled is left alone where the
// answer gives no value for it.
std::int32_t GetInterfaceSafetyOptions(const std::wstring_view* interfaceId,
                                       std::uint32_t& supported, std::uint32_t& enabled);
std::int32_t SetInterfaceSafetyOptions(const std::wstring_view* interfaceId, std::uint32_t mask,
                                       std::uint32_t options);

}  // namespace orvantis::SafetyModule
