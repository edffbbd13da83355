#pragma once

#include <cstdint>
#include <string_view>

#include "standins/outlook/OutlookItem.hpp"

namespace orvantis::standins {

// An Outlook item class: its name (an item's "kind" in the world file), the DefaultItemType
// number that makes one, and its members. A contact's picture is kept as the field
// "Picture", written by AddPicture only.
struct OutlookItemKind {
    std::wstring_view name;
    std::int32_t type;
    std::span<const Answered<OutlookItem>> members;
};

inline constexpr std::wstring_view kPictureField = L"Picture";

const OutlookItemKind* ItemKindOfType(std::int32_t type);
const OutlookItemKind* ItemKindNamed(std::wstring_view name);

// The members an item of `kind` answers in an Outlook of that major version: AddPicture
// came with Outlook 2003 (version 11).
std::span<const Answered<OutlookItem>> ItemMembers(const OutlookItemKind& kind, int majorVersion);

}  // namespace orvantis::standins
