#pragma once

#include "platform/XmlParser.hpp"

namespace orvantis {

// libxml2, configured never to load anything the document names: no external entities, no
// external DTD, no network; entity expansion is bounded by libxml2's amplification checks.
class NativeXmlParser : public XmlParser {
public:
    std::variant<XmlDocument, XmlParseError> Parse(std::wstring_view text) override;
};

}  // namespace orvantis
