#include "standards/ItemUids.hpp"

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "automation/DateTime.hpp"
#include "automation/Unicode.hpp"

namespace orvantis {
namespace {

// FNV-1a, 64 bits: a UID needs a fixed and well-spread value, not secrecy.
std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::wstring Hex(std::uint64_t value, int digits) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return std::wstring(text + 16 - digits, text + 16);
}

std::wstring DateKey(DateValue date) {
    const CivilTime t = SplitDate(date.days);
    wchar_t text[20];
    std::swprintf(text, 20, L"%04d%02d%02dT%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

// The fields joined by a separator no field holds in practice, so that ("ab", "c") and
// ("a", "bc") differ.
std::wstring Derived(std::initializer_list<std::wstring_view> fields) {
    std::wstring joined;
    for (const auto field : fields) joined.append(field).push_back(L'\x1F');
    return L"orvantis-" + Hex(Fnv1a(Utf8FromWide(joined)), 16);
}

}  // namespace

std::wstring ItemUids::Of(const AgentContact& c) {
    if (!c.OrvantisID.empty()) return Unique(c.OrvantisID);
    return Unique(Derived({L"contact", c.Firstname, c.Lastname, c.CompanyName, c.Email}));
}

std::wstring ItemUids::Of(const AgentEvent& e) {
    if (!e.OrvantisID.empty()) return Unique(e.OrvantisID);
    return Unique(Derived({L"event", e.Subject, DateKey(e.StarDate)}));
}

std::wstring ItemUids::Of(const AgentTodo& t) {
    if (!t.OrvantisID.empty()) return Unique(t.OrvantisID);
    return Unique(Derived({L"todo", t.Subject, DateKey(t.StarDate), DateKey(t.EndDate)}));
}

std::wstring ItemUids::Unique(const std::wstring& uid) {
    std::wstring unique = uid;
    for (int n = 2; seen_.contains(unique); ++n) unique = uid + L'-' + std::to_wstring(n);
    seen_.insert(unique);
    all_.append(unique).push_back(L'\x1F');
    return unique;
}

std::wstring ItemUids::Digest() const { return Hex(Fnv1a(Utf8FromWide(all_)), 12); }

}  // namespace orvantis
