#pragma once

#include <optional>
#include <string>

#include "platform/Host.hpp"
#include "platform/XmlDocument.hpp"

namespace orvantis {

// A document ready to be read: its tree and the target name it gives.
struct Request {
    XmlDocument document;
    std::wstring target;
};

// At most 80 characters of a source line around the (1-based) column, "..." where it is
// cut, control characters escaped: a one-line document may be megabytes long.
std::wstring SourceExcerpt(std::wstring_view line, std::size_t column);

// The parse-error box's text.
std::wstring ParseErrorPrompt(const XmlParseError& error);

// Drops a leading byte order mark, replaces the line-break tags, parses, and takes the target
// from the last datas element's open attribute (91 when a datas element lacks it). A document
// that does not parse is reported in the parse-error box and gives nothing.
std::optional<Request> ParseRequest(Host& host, std::wstring_view text);

}  // namespace orvantis
