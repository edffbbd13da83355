#include "control/SafetyModule.hpp"

#include <array>

namespace orvantis::SafetyModule {
namespace {

struct ThreadFlags {
    bool safeForScripting = false;
    bool safeForInitializing = false;
};

thread_local ThreadFlags flags;

constexpr std::wstring_view kDispatch = L"{00020400-0000-0000-C000-000000000046}";
constexpr std::array<std::wstring_view, 3> kPersistence = {
    L"{0000010A-0000-0000-C000-000000000046}",  // IPersistStorage
    L"{00000109-0000-0000-C000-000000000046}",  // IPersistStream
    L"{37D84F60-42CB-11CE-8135-00AA004BB851}",  // IPersistPropertyBag
};

// The one option that applies to the interface and whether this thread has it on; no option
// for an interface the control makes no claim about.
struct Claim {
    std::uint32_t option = 0;
    bool on = false;
};

Claim ClaimFor(std::wstring_view interfaceId) {
    if (interfaceId == kDispatch) return {kSafeForScripting, flags.safeForScripting};
    for (const auto persistence : kPersistence) {
        if (interfaceId == persistence) return {kSafeForInitializing, flags.safeForInitializing};
    }
    return {};
}

}  // namespace

void StartThread() {
    flags.safeForScripting = true;
    flags.safeForInitializing = true;
}

std::int32_t GetInterfaceSafetyOptions(const std::wstring_view* interfaceId,
                                       std::uint32_t& supported, std::uint32_t& enabled) {
    supported = kSafeForScripting | kSafeForInitializing;
    if (!interfaceId) return kOk;
    const Claim claim = ClaimFor(*interfaceId);
    if (claim.option == 0) return kNoInterface;
    enabled = claim.on ? claim.option : 0;
    return kOk;
}

std::int32_t SetInterfaceSafetyOptions(const std::wstring_view* interfaceId, std::uint32_t mask,
                                       std::uint32_t options) {
    if (!interfaceId) return kOk;
    const Claim claim = ClaimFor(*interfaceId);
    if (claim.option == 0) return kNoInterface;
    // Nothing is stored: only the one option that is already on may be asked for.
    return (mask & options) == claim.option && claim.on ? kOk : kFailed;
}

}  // namespace orvantis::SafetyModule
