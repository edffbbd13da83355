#include "control/SitePolicy.hpp"

#include <algorithm>
#include <vector>

#include "automation/AutomationError.hpp"
#include "automation/Text.hpp"

namespace orvantis {
namespace {

// Far more rules than any policy holds; an end to the reading should the registry be odd.
constexpr int kMostRules = 10000;

std::vector<std::wstring_view> Words(std::wstring_view text) {
    std::vector<std::wstring_view> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(L" \t", at)) != std::wstring_view::npos) {
        const auto end = std::min(text.find_first_of(L" \t", at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

bool IsIpAddress(std::wstring_view host) {
    return host.starts_with(L'[') ||
           (!host.empty() && host.find_first_not_of(L"0123456789.") == std::wstring_view::npos);
}

}  // namespace

std::optional<SiteRule> ParseSiteRule(std::wstring_view text) {
    const auto words = Words(text);
    if (words.size() != 3) return std::nullopt;
    SiteRule rule;
    if (EqualsIgnoringCase(words[0], L"allow")) {
        rule.allow = true;
    } else if (!EqualsIgnoringCase(words[0], L"refuse")) {
        return std::nullopt;
    }
    // The scheme and host are read as an address's would be, so a rule means what it says.
    std::wstring_view domain = words[2];
    if (domain.starts_with(L'=')) {
        rule.exact = true;
        domain.remove_prefix(1);
    }
    if (domain == L"*" && !rule.exact) {
        const auto origin = ParseOrigin(std::wstring(words[1]) + L"://x");
        if (!origin) return std::nullopt;
        rule.scheme = origin->scheme;
        rule.domain = L"*";
        rule.port = -1;
        return rule;
    }
    // Anything after the host (a path, a user name, a second '=') is no part of a rule.
    if (domain.find_first_of(L"/?#@\\=") != std::wstring_view::npos) return std::nullopt;
    const auto origin = ParseOrigin(std::wstring(words[1]) + L"://" + std::wstring(domain));
    if (!origin || origin->host.empty()) return std::nullopt;
    rule.scheme = origin->scheme;
    rule.domain = origin->host;
    rule.port = origin->port;
    return rule;
}

bool RuleMatches(const SiteRule& rule, const SiteOrigin& origin) {
    if (rule.scheme != origin.scheme) return false;
    if (rule.domain == L"*") return true;
    if (rule.port != origin.port) return false;
    if (origin.host == rule.domain) return true;
    // A subdomain ends in a dot and the domain: "evil-example.com" is no subdomain of
    // "example.com", nor is "example.com.evil.test"; an address has no subdomains.
    return !rule.exact && !IsIpAddress(origin.host) &&
           origin.host.size() > rule.domain.size() &&
           origin.host.ends_with(L"." + rule.domain);
}

SiteVerdict MachinePolicy(Host& host, const SiteOrigin& origin) {
    for (int number = 1; number <= kMostRules; ++number) {
        const auto text = host.registry.ReadValue(RegistryRoot::LocalMachine, kSitePolicyKey,
                                                  std::to_wstring(number));
        if (!text) break;
        const auto rule = ParseSiteRule(*text);
        if (!rule) {
            throw AutomationError::Standard(
                errors::kPermissionDenied,
                origin.Text() + L" may not load documents: rule " + std::to_wstring(number) +
                    L" of the machine's site policy, \"" + *text + L"\", cannot be read");
        }
        if (RuleMatches(*rule, origin)) return rule->allow ? SiteVerdict::Allow : SiteVerdict::Refuse;
    }
    const auto unlisted =
        host.registry.ReadValue(RegistryRoot::LocalMachine, kSitePolicyKey, L"Unlisted");
    return unlisted && EqualsIgnoringCase(*unlisted, L"refuse") ? SiteVerdict::Refuse
                                                                : SiteVerdict::Ask;
}

}  // namespace orvantis
