#include "standards/ContentLines.hpp"

#include <cstdio>

#include "automation/DateTime.hpp"
#include "automation/Unicode.hpp"

namespace orvantis {
namespace {

constexpr std::size_t kLineOctets = 75;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string UtcText(double utc, DateTimeForm form) {
    const CivilTime t = SplitDate(utc);
    const char* format = form == DateTimeForm::Basic ? "%04d%02d%02dT%02d%02d%02dZ"
                                                     : "%04d-%02d-%02dT%02d:%02d:%02dZ";
    char text[24];
    std::snprintf(text, sizeof text, format, t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

std::string EscapedText(std::wstring_view text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        switch (c) {
            case L'\\': escaped += L"\\\\"; break;
            case L';': escaped += L"\\;"; break;
            case L',': escaped += L"\\,"; break;
            case L'\r':
                if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
                [[fallthrough]];
            case L'\n': escaped += L"\\n"; break;
            default:
                if ((c < 0x20 && c != L'\t') || c == 0x7F) break;
                escaped += c;
        }
    }
    return Utf8FromWide(escaped);
}

std::string StructuredText(std::initializer_list<std::wstring_view> components) {
    std::string value;
    bool first = true;
    for (const auto component : components) {
        if (!first) value += ';';
        first = false;
        value += EscapedText(component);
    }
    return value;
}

void ContentLines::Add(std::string_view nameAndParameters, std::string_view value) {
    const std::string line = std::string(nameAndParameters) + ':' + std::string(value);
    std::size_t room = kLineOctets;
    std::size_t start = 0;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        while (cut > start && IsContinuationByte(line[cut])) --cut;
        text_.append(line, start, cut - start).append("\r\n ");
        start = cut;
        room = kLineOctets - 1;  // the leading space counts
    }
    text_.append(line, start).append("\r\n");
}

void ContentLines::AddText(std::string_view name, std::wstring_view text) {
    if (!text.empty()) Add(name, EscapedText(text));
}

}  // namespace orvantis
