#pragma once

#include "platform/XmlParser.hpp"

namespace orvantis {

// libxml2, configured never to load anything the document names: no external entities, no
// external DTD, no network; entity expansion is bounded by libxml2's amplification checks.
class NativeXmlParser : public XmlParser {
public:
    using XmlParser::Parse;
    std::variant<XmlDocument, XmlParseError> Parse(const ReplacedText& text) override;
};

}  // namespace orvantis
