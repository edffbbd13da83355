#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "control/SiteOrigin.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// What a rule, a remembered answer or the machine's policy says about a site.
enum class SiteVerdict { Allow, Refuse, Ask };

// One rule of the machine's policy, written "allow https example.com": the verdict, one
// scheme, and a domain that also covers its subdomains; "=crm.example.com" covers that host
// alone, "*" every host. A domain without a port covers the scheme's default port only.
struct SiteRule {
    bool allow = false;
    std::wstring scheme;
    std::wstring domain;  // as NormalHost gives it; "*" for every host
    bool exact = false;
    int port = 0;
};

// None for a text that is no rule.
std::optional<SiteRule> ParseSiteRule(std::wstring_view text);
bool RuleMatches(const SiteRule& rule, const SiteOrigin& origin);

// Where administrators put the policy: numbered rules "1", "2", ... (the first missing
// number ends the list; the first rule that matches decides) and "Unlisted", "refuse" to
// refuse every site no rule names instead of leaving it to the user.
inline constexpr wchar_t kSitePolicyKey[] = L"Software\\Policies\\OrvantisAgent\\SiteLock";

// The machine's verdict on a site: its first matching rule's, else Refuse when unlisted
// sites are refused, else Ask. A rule that cannot be read raises 70 naming it: a policy
// that was meant to refuse must not allow by a typing error.
SiteVerdict MachinePolicy(Host& host, const SiteOrigin& origin);

}  // namespace orvantis
