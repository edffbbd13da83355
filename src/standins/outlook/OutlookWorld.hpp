#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "standins/Ledger.hpp"
#include "standins/WorldData.hpp"

namespace orvantis::standins {

// Outlook's numbers for item types (a folder's DefaultItemType, CreateItem, Items.Add) and
// for the default folders (GetDefaultFolder).
namespace outlook {
inline constexpr std::int32_t kMailItem = 0;
inline constexpr std::int32_t kAppointmentItem = 1;
inline constexpr std::int32_t kContactItem = 2;
inline constexpr std::int32_t kTaskItem = 3;
inline constexpr std::int32_t kFolderInbox = 6;
inline constexpr std::int32_t kFolderCalendar = 9;
inline constexpr std::int32_t kFolderContacts = 10;
inline constexpr std::int32_t kFolderTasks = 13;
}  // namespace outlook

// A folder's place: its position among the stores, then among each parent's folders.
// Folders are never added or removed while handles live, so positions stay true.
using FolderPath = std::vector<std::size_t>;

// What a running Outlook holds: its version, its stores (top-level folders) with their
// folders and saved items. Every Outlook.Application created shares one world.
struct OutlookWorld {
    static constexpr std::wstring_view kSource = L"Microsoft Outlook";
    // Outlook's error for a collection's position outside it, whatever the position.
    static std::wstring NoElementAt(std::int32_t) { return L"Array index out of bounds."; }

    std::wstring version = L"16.0.0.0";
    std::vector<Container> stores;
    Ledger ledger;
    std::size_t logons = 0;
    std::size_t logoffs = 0;
    std::uint64_t lastItemId = 0;

    OutlookWorld();
    // The world a file describes; one without folders gets the default ones. Raises
    // DamagedWorld for anything Outlook could not hold.
    static OutlookWorld FromData(const WorldData& data);
    WorldData ToData() const;

    // The digits before the first "."; 0 when there are none.
    int MajorVersion() const;
    Container& FolderAt(const FolderPath& path);
    // Where GetDefaultFolder(folderId) leads; empty when no folder is that default.
    std::optional<FolderPath> DefaultFolder(std::int32_t folderId) const;
    // The folder GetDefaultFolder(folderId) gives, for tests; std::out_of_range when none.
    Container& DefaultFolderContainer(std::int32_t folderId);
};

}  // namespace orvantis::standins
