#include "standins/WorldListing.hpp"

#include "automation/Unicode.hpp"

namespace orvantis::standins {
namespace {

constexpr std::size_t kShortValue = 60;

std::string Shown(const Field& field, const ValueShown& product) {
    if (!field.productValue.is_null()) {
        if (product) {
            if (auto text = product(field.productValue)) return *text;
        }
        std::string json = field.productValue.dump();
        if (json.size() > kShortValue) json = json.substr(0, kShortValue) + "...";
        return json;
    }
    if (const std::wstring* text = field.value.TextIf()) {
        return Quoted(*text);
    }
    return field.value.IsEmpty() ? "(empty)" : Utf8FromWide(field.value.ToText());
}

void List(const Container& container, int depth, const ValueShown& shown, std::string& out) {
    const std::string indent(2 * static_cast<std::size_t>(depth), ' ');
    out += indent + Utf8FromWide(container.name);
    for (std::size_t i = 0; i < container.attributes.size(); ++i) {
        const Field& attribute = container.attributes[i];
        out += (i == 0 ? "  [" : ", ") + Utf8FromWide(attribute.name) + " " + Shown(attribute, shown);
    }
    out += container.attributes.empty() ? "\n" : "]\n";
    for (const auto& item : container.items) {
        out += indent + "  - " + Utf8FromWide(item.kind) + "\n";
        for (const auto& field : item.fields) {
            out += indent + "      " + Utf8FromWide(field.name) + ": " + Shown(field, shown) + "\n";
        }
    }
    for (const auto& child : container.containers) List(child, depth + 1, shown, out);
}

}  // namespace

std::string ListContainers(const std::vector<Container>& containers, int depth,
                           const ValueShown& shown) {
    std::string out;
    for (const auto& container : containers) List(container, depth, shown, out);
    return out;
}

std::string Quoted(std::wstring_view text) {
    return nlohmann::ordered_json(Utf8FromWide(text)).dump();
}

}  // namespace orvantis::standins
