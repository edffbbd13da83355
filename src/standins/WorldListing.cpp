#include "standins/WorldListing.hpp"

#include "automation/Unicode.hpp"

namespace orvantis::standins {
namespace {

constexpr std::size_t kShortValue = 60;

std::string Shown(const Field& field) {
    if (!field.productValue.is_null()) {
        std::string json = field.productValue.dump();
        if (json.size() > kShortValue) json = json.substr(0, kShortValue) + "...";
        return json;
    }
    if (const std::wstring* text = field.value.TextIf()) {
        return nlohmann::ordered_json(Utf8FromWide(*text)).dump();
    }
    return field.value.IsEmpty() ? "(empty)" : Utf8FromWide(field.value.ToText());
}

void List(const Container& container, int depth, std::string& out) {
    const std::string indent(2 * static_cast<std::size_t>(depth), ' ');
    out += indent + Utf8FromWide(container.name);
    for (std::size_t i = 0; i < container.attributes.size(); ++i) {
        const Field& attribute = container.attributes[i];
        out += (i == 0 ? "  [" : ", ") + Utf8FromWide(attribute.name) + " " + Shown(attribute);
    }
    out += container.attributes.empty() ? "\n" : "]\n";
    for (const auto& item : container.items) {
        out += indent + "  - " + Utf8FromWide(item.kind) + "\n";
        for (const auto& field : item.fields) {
            out += indent + "      " + Utf8FromWide(field.name) + ": " + Shown(field) + "\n";
        }
    }
    for (const auto& child : container.containers) List(child, depth + 1, out);
}

}  // namespace

std::string ListContainers(const std::vector<Container>& containers, int depth) {
    std::string out;
    for (const auto& container : containers) List(container, depth, out);
    return out;
}

}  // namespace orvantis::standins
