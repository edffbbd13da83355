#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orvantis {

// A TEXT value of iCalendar and vCard 3.0 in UTF-8: "\" ";" "," escaped, each line break
// (CR LF, CR or LF) as "\n". The other control characters have no place in a content line
// and are left out.
std::string EscapedText(std::wstring_view text);

// A UTC date value as a DATE-TIME: iCalendar's basic form "20261214T090000Z", or with
// separators "2026-12-14T09:00:00Z", which vCard 3.0 readers expect of REV.
enum class DateTimeForm { Basic, Extended };
std::string UtcText(double utc, DateTimeForm form);

// A structured value (a name, an address): each component escaped, joined by ";".
std::string StructuredText(std::initializer_list<std::wstring_view> components);

// The lines of an iCalendar or vCard object: "NAME;PARAMS:value" in UTF-8, folded so that no
// line is longer than 75 octets (continuations start with a space, never inside a UTF-8
// sequence), each ended by CR LF.
class ContentLines {
public:
    // nameAndParameters and value are written as they are: escape values first.
    void Add(std::string_view nameAndParameters, std::string_view value);
    // A TEXT property, left out when the text is empty.
    void AddText(std::string_view name, std::wstring_view text);
    void Append(std::string_view lines) { text_ += lines; }

    const std::string& Text() const& { return text_; }
    std::string Text() && { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace orvantis
