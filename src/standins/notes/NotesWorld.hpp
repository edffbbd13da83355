#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "standins/Ledger.hpp"
#include "standins/WorldData.hpp"

namespace orvantis::standins {

// What the user's Notes holds: its databases (by file name) with their saved documents, and
// how the client answers what the system asks of it. Every Lotus.NotesSession shares one.
struct NotesWorld {
    // How Initialize answers: every call accepted; only a call without a password (the
    // client then uses its own); or every call refused with `refusal`.
    enum class Login { Accept, WithoutArgument, Refuse };

    static constexpr std::wstring_view kSource = L"Lotus Notes";

    Login login = Login::Accept;
    std::int32_t refusalNumber = 0;
    std::wstring refusalDescription;
    std::wstring mailDatabase = L"mail.nsf";  // what OpenMailDatabase opens
    // The error that ComputeWithForm reports for every document; none when it validates.
    std::optional<std::wstring> validationFailure;
    std::vector<Container> databases;  // one container per database, named by its file
    Ledger ledger;
    std::uint64_t lastDocumentId = 0;

    NotesWorld();
    // The world a file describes; one without databases gets the address book and the mail
    // database. Raises DamagedWorld for anything Notes could not hold.
    static NotesWorld FromData(const WorldData& data);
    WorldData ToData() const;

    // The position of the database of that file name; empty when there is none.
    std::optional<std::size_t> FindDatabase(std::wstring_view fileName) const;
    // The database of that file name, for tests; std::out_of_range when there is none.
    Container& Database(std::wstring_view fileName);
};

// The file forms of the values Notes keeps beside text, numbers and dates.
namespace notes {
inline constexpr std::wstring_view kDocument = L"Document";
inline constexpr char kDateTimeKey[] = "datetime";  // {"datetime": TEXT}
inline constexpr char kRichTextKey[] =
    "richtext";  // {"richtext": {"text": ..., "attachments": [...]}}
}  // namespace notes

}  // namespace orvantis::standins
