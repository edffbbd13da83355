#pragma once

#include <string_view>
#include <variant>

#include "automation/ReplacedText.hpp"
#include "platform/XmlDocument.hpp"

namespace orvantis {

// Port: parses a text that is already decoded (an encoding declaration in it is ignored).
// An adapter never reads a file or network resource that the document names, and refuses
// entity-expansion bombs as parse errors.
class XmlParser {
public:
    virtual ~XmlParser() = default;
    // The text as its replacements make it; an adapter that reads it in parts holds no replaced
    // copy of a large document.
    virtual std::variant<XmlDocument, XmlParseError> Parse(const ReplacedText& text) = 0;
    std::variant<XmlDocument, XmlParseError> Parse(std::wstring_view text) {
        return Parse(ReplacedText(text, {}, {}));
    }
};

}  // namespace orvantis
