#include "control/SiteAnswers.hpp"

#include <algorithm>

#include "control/SiteOrigin.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {
namespace {

constexpr std::wstring_view kAllow = L"allow ";
constexpr std::wstring_view kRefuse = L"refuse ";

std::vector<std::wstring> Entries(Host& host) {
    const std::wstring text = ConfigUtilities::GetSiteAnswers(host).ToText();
    std::vector<std::wstring> entries;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find(L';', at), text.size());
        if (end > at) entries.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

std::optional<RememberedSite> Read(std::wstring_view entry) {
    if (entry.starts_with(kAllow)) return RememberedSite{std::wstring(entry.substr(kAllow.size())), true};
    if (entry.starts_with(kRefuse)) return RememberedSite{std::wstring(entry.substr(kRefuse.size())), false};
    return std::nullopt;
}

void Save(Host& host, const std::vector<std::wstring>& entries) {
    std::wstring text;
    for (const auto& entry : entries) text += (text.empty() ? L"" : L";") + entry;
    ConfigUtilities::SaveSiteAnswers(host, text);
}

bool IsAbout(const std::wstring& entry, const std::wstring& origin) {
    const auto site = Read(entry);
    return site && site->origin == origin;
}

}  // namespace

std::vector<RememberedSite> RememberedSites(Host& host) {
    std::vector<RememberedSite> sites;
    for (const auto& entry : Entries(host)) {
        if (auto site = Read(entry)) sites.push_back(std::move(*site));
    }
    return sites;
}

std::optional<bool> RememberedAnswer(Host& host, const std::wstring& origin) {
    for (const auto& site : RememberedSites(host)) {
        if (site.origin == origin) return site.allowed;
    }
    return std::nullopt;
}

void RememberSite(Host& host, const std::wstring& origin, bool allowed) {
    auto entries = Entries(host);
    std::erase_if(entries, [&](const std::wstring& entry) { return IsAbout(entry, origin); });
    entries.push_back(std::wstring(allowed ? kAllow : kRefuse) + origin);
    Save(host, entries);
}

bool ForgetSite(Host& host, const std::wstring& address) {
    const auto origin = ParseOrigin(address);
    const std::wstring wanted = origin ? origin->Text() : address;
    auto entries = Entries(host);
    if (std::erase_if(entries, [&](const std::wstring& entry) { return IsAbout(entry, wanted); }) == 0) {
        return false;
    }
    Save(host, entries);
    return true;
}

}  // namespace orvantis
