#include "exports/DesktopNoteNames.hpp"

#include <algorithm>

#include "automation/Text.hpp"
#include "support/SafeFileName.hpp"

namespace orvantis {
namespace {

constexpr std::wstring_view kExtension = L".rtf";

bool IsBlank(std::wstring_view text) { return text.find_first_not_of(L' ') == text.npos; }

std::wstring PersonName(const AgentContact& contact) {
    if (IsBlank(contact.Firstname)) return contact.Lastname;
    if (IsBlank(contact.Lastname)) return contact.Firstname;
    return contact.Firstname + L' ' + contact.Lastname;
}

}  // namespace

bool DesktopNoteNames::IsGiven(const std::wstring& name) const {
    return std::any_of(given_.begin(), given_.end(),
                       [&](const std::wstring& given) { return EqualsIgnoringCase(given, name); });
}

std::wstring DesktopNoteNames::Next(const AgentContact& contact) {
    const std::wstring person = PersonName(contact);
    const bool hasCompany = !IsBlank(contact.CompanyName);
    std::vector<std::wstring> shown = {hasCompany         ? contact.CompanyName
                                       : !IsBlank(person) ? person
                                                          : std::wstring(L"Contact")};
    if (hasCompany && !IsBlank(person)) shown.push_back(contact.CompanyName + L" - " + person);
    // The number goes with the extension, so that cutting a long name never cuts it off.
    std::wstring name;
    for (const auto& candidate : shown) {
        name = SafeFileName(candidate, kExtension, folder_);
        if (!IsGiven(name)) return given_.emplace_back(std::move(name));
    }
    for (int number = 2;; ++number) {
        const std::wstring suffix = L" (" + std::to_wstring(number) + L')' + std::wstring(kExtension);
        name = SafeFileName(shown.back(), suffix, folder_);
        if (!IsGiven(name)) return given_.emplace_back(std::move(name));
    }
}

}  // namespace orvantis
