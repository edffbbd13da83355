#pragma once

#include "platform/XmlParser.hpp"

namespace orvantis::windows {

// The platform's XML document object (MSXML 6, else 3): a fresh document per parse, loaded
// synchronously, whitespace-only text dropped, every property that could make it read
// something the document names (external entities, DTDs, XSLT script) switched off, and any
// document type declaration refused.
class NativeXmlParser : public XmlParser {
public:
    using XmlParser::Parse;
    std::variant<XmlDocument, XmlParseError> Parse(const ReplacedText& text) override;
};

}  // namespace orvantis::windows
