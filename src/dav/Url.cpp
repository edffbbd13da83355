#include "dav/Url.hpp"

#include <cctype>

namespace orvantis::dav {

std::string OriginOf(std::string_view url) {
    const auto scheme = url.find("://");
    if (scheme == std::string_view::npos) return {};
    const std::string_view name = url.substr(0, scheme);
    if (name != "http" && name != "https") return {};
    std::string_view authority = url.substr(scheme + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    // User information ("user:password@") never leaves in a message.
    if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    if (authority.empty()) return {};
    return std::string(name) + "://" + std::string(authority);
}

std::string Shown(std::string_view url) {
    const std::string origin = OriginOf(url);
    if (origin.empty()) return {};
    const std::string_view rest = url.substr(url.find("://") + 3);
    const auto path = rest.find_first_of("/?#");
    return origin + std::string(path == std::string_view::npos ? "" : rest.substr(path));
}

std::string Resolve(std::string_view base, std::string_view href) {
    if (href.starts_with("http://") || href.starts_with("https://")) return std::string(href);
    if (href.starts_with('/')) return OriginOf(base) + std::string(href);
    // A relative reference: beside the last segment of the base.
    const std::string_view path = base.substr(0, base.find_first_of("?#"));
    return std::string(path.substr(0, path.rfind('/') + 1)) + std::string(href);
}

std::string PathSegment(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string segment;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80) {
            segment += c;
        } else if (c == '-' || c == '.' || c == '_' || c == '~') {
            segment += c;
        } else {
            segment += '%';
            segment += kHex[byte >> 4];
            segment += kHex[byte & 0xF];
        }
    }
    return segment;
}

std::string AsCollection(std::string url) {
    if (!url.ends_with('/')) url += '/';
    return url;
}

}  // namespace orvantis::dav
