#include "control/SiteOrigin.hpp"

namespace orvantis {
namespace {

wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

bool IsAsciiAlpha(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsHostCharacter(wchar_t c) {
    return IsAsciiAlpha(c) || IsDigit(c) || c == L'-' || c == L'_' || c == L'.';
}

bool IsSchemeCharacter(wchar_t c) {
    return IsAsciiAlpha(c) || IsDigit(c) || c == L'+' || c == L'-' || c == L'.';
}

std::optional<int> ParsePort(std::wstring_view digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int port = 0;
    for (wchar_t c : digits) {
        if (!IsDigit(c)) return std::nullopt;
        port = port * 10 + (c - L'0');
    }
    if (port > 65535) return std::nullopt;
    return port;
}

bool IsIpv6Literal(std::wstring_view host) {
    for (wchar_t c : host) {
        if (!IsDigit(c) && !(Lower(c) >= L'a' && Lower(c) <= L'f') && c != L':' && c != L'.') {
            return false;
        }
    }
    return !host.empty();
}

}  // namespace

std::wstring SiteOrigin::Text() const {
    std::wstring text = scheme + L":";
    if (host.empty() && scheme != L"file") return text;
    text += L"//" + host;
    if (port != DefaultPort(scheme)) text += L":" + std::to_wstring(port);
    return text;
}

int DefaultPort(std::wstring_view scheme) {
    if (scheme == L"http") return 80;
    if (scheme == L"https") return 443;
    return 0;
}

std::wstring NormalHost(std::wstring_view host) {
    std::wstring normal;
    for (wchar_t c : host) normal += Lower(c);
    if (normal.ends_with(L'.')) normal.pop_back();
    return normal;
}

std::optional<SiteOrigin> ParseOrigin(std::wstring_view address) {
    // Blanks and control characters around an address are no part of it, as browsers read it.
    const auto first = address.find_first_not_of(L" \t\r\n");
    if (first == std::wstring_view::npos) return std::nullopt;
    address = address.substr(first, address.find_last_not_of(L" \t\r\n") + 1 - first);

    const auto colon = address.find(L':');
    if (colon == 0 || colon == std::wstring_view::npos || !IsAsciiAlpha(address[0])) {
        return std::nullopt;
    }
    SiteOrigin origin;
    for (wchar_t c : address.substr(0, colon)) {
        if (!IsSchemeCharacter(c)) return std::nullopt;
        origin.scheme += Lower(c);
    }
    std::wstring_view rest = address.substr(colon + 1);
    const bool web = origin.scheme == L"http" || origin.scheme == L"https";
    // Browsers read a backslash as a slash in web addresses, so it ends the host here too.
    const auto isSlash = [web](wchar_t c) { return c == L'/' || (web && c == L'\\'); };
    if (rest.size() < 2 || !isSlash(rest[0]) || !isSlash(rest[1])) {
        if (web) return std::nullopt;
        return origin;  // about:, data:, javascript: ... have no host
    }
    rest.remove_prefix(2);
    std::size_t end = 0;
    while (end < rest.size() && !isSlash(rest[end]) && rest[end] != L'?' && rest[end] != L'#') ++end;
    std::wstring_view authority = rest.substr(0, end);
    if (const auto at = authority.rfind(L'@'); at != std::wstring_view::npos) {
        authority.remove_prefix(at + 1);  // user name and password are not the site
    }
    std::wstring_view host = authority;
    std::wstring_view port;
    if (authority.starts_with(L'[')) {
        const auto close = authority.find(L']');
        if (close == std::wstring_view::npos || !IsIpv6Literal(authority.substr(1, close - 1))) {
            return std::nullopt;
        }
        host = authority.substr(0, close + 1);
        const auto after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after[0] != L':') return std::nullopt;
            port = after.substr(1);
        }
    } else if (const auto portColon = authority.find(L':'); portColon != std::wstring_view::npos) {
        host = authority.substr(0, portColon);
        port = authority.substr(portColon + 1);
    }
    if (!host.starts_with(L'[')) {
        for (wchar_t c : host) {
            if (!IsHostCharacter(c)) return std::nullopt;
        }
    }
    origin.host = NormalHost(host);
    if (origin.host.empty() && web) return std::nullopt;
    origin.port = DefaultPort(origin.scheme);
    if (!port.empty()) {
        const auto number = ParsePort(port);
        if (!number) return std::nullopt;
        origin.port = *number;
    }
    return origin;
}

}  // namespace orvantis
