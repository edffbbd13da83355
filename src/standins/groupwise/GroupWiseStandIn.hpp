#pragma once

#include <cstdint>
#include <memory>

#include "automation/Object.hpp"
#include "standins/groupwise/GroupWiseWorld.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kGroupWiseProgId = L"NovellGroupWareSession";

// GroupWise's members that its type library gives by identifier alone: the entry's final
// call, the appointment's integer and Boolean properties. The stand-in answers them only by
// identifier, and logs them under these names.
namespace groupwise {
inline constexpr std::int32_t kEntryFinalCall = 0x60020003;
inline constexpr std::int32_t kAppointmentInteger = 0x60010013;
inline constexpr std::int32_t kAppointmentBoolean = 0x60020009;
inline constexpr std::wstring_view kEntryFinalCallName = L"[0x60020003]";
inline constexpr std::wstring_view kAppointmentIntegerName = L"[0x60010013]";
inline constexpr std::wstring_view kAppointmentBooleanName = L"[0x60020009]";
}  // namespace groupwise

// A new session object onto the GroupWise account that `world` is.
ObjectRef CreateGroupWiseSession(std::shared_ptr<GroupWiseWorld> world);

}  // namespace orvantis::standins
