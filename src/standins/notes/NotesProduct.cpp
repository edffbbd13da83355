#include "standins/notes/NotesProduct.hpp"

#include "standins/WorldListing.hpp"
#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {

void NotesProduct::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kNotesProgId),
                     [world = world_] { return CreateNotesSession(world); });
}

namespace {

// A date-time with the text it was made from; a rich text with its text and attachments.
std::optional<std::string> NotesValueShown(const nlohmann::ordered_json& value) {
    if (value.contains(notes::kDateTimeKey))
        return "date-time " + value[notes::kDateTimeKey].dump();
    const auto& richText = value[notes::kRichTextKey];
    std::string shown = "rich text " + richText["text"].dump();
    for (const auto& attachment : richText["attachments"]) {
        shown += " + attachment " + attachment["name"].dump() + " (" +
                 std::to_string(attachment["bytes"].get<std::string>().size() / 2) + " bytes)";
    }
    return shown;
}

}  // namespace

std::string NotesProduct::Describe() const {
    return "Lotus Notes\n" + ListContainers(world_->databases, 1, NotesValueShown);
}

}  // namespace orvantis::standins
