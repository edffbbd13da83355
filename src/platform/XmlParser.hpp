#pragma once

#include <string_view>
#include <variant>

#include "platform/XmlDocument.hpp"

namespace orvantis {

// Port: parses a text that is already decoded (an encoding declaration in it is ignored).
// An adapter never reads a file or network resource that the document names, and refuses
// entity-expansion bombs as parse errors.
class XmlParser {
public:
    virtual ~XmlParser() = default;
    virtual std::variant<XmlDocument, XmlParseError> Parse(std::wstring_view text) = 0;
};

}  // namespace orvantis
