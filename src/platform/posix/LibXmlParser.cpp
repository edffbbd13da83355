#include "platform/posix/LibXmlParser.hpp"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <memory>
#include <mutex>
#include <string>

#include "automation/Unicode.hpp"

namespace orvantis {
namespace {

// Whatever the document names, nothing is loaded from outside it.
xmlParserInputPtr RefuseExternalEntity(const char*, const char*, xmlParserCtxtPtr) {
    return nullptr;
}

void InitializeLibXml() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(RefuseExternalEntity);
    });
}

struct ContextDeleter {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
struct XmlCharDeleter {
    void operator()(xmlChar* text) const { xmlFree(text); }
};
struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

std::wstring Wide(const xmlChar* text) {
    if (!text) return {};
    return WideFromUtf8(reinterpret_cast<const char*>(text)).value_or(std::wstring());
}

// The line (1-based) of the text, without its line end.
std::wstring SourceLine(std::wstring_view text, int line) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) {
        const auto next = text.find(L'\n', start);
        if (next == std::wstring_view::npos) return {};
        start = next + 1;
    }
    auto end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view source = text.substr(start, end - start);
    if (!source.empty() && source.back() == L'\r') source.remove_suffix(1);
    return std::wstring(source);
}

XmlParseError ErrorOf(const xmlParserCtxt& context, std::wstring_view text) {
    XmlParseError error;
    const xmlError& last = context.lastError;
    error.code = last.code != 0 ? last.code : XML_ERR_INTERNAL_ERROR;
    error.reason = last.message ? Wide(reinterpret_cast<const xmlChar*>(last.message))
                                : L"the document is not well formed";
    while (!error.reason.empty() && (error.reason.back() == L'\n' || error.reason.back() == L' ')) {
        error.reason.pop_back();
    }
    error.sourceText = SourceLine(text, last.line);
    return error;
}

void CopyChildren(const xmlNode* parent, XmlDocument& document) {
    for (const xmlNode* node = parent->children; node; node = node->next) {
        switch (node->type) {
            case XML_ELEMENT_NODE:
                document.StartElement(Wide(node->name));
                for (const xmlAttr* attribute = node->properties; attribute;
                     attribute = attribute->next) {
                    std::unique_ptr<xmlChar, XmlCharDeleter> value(
                        xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute)));
                    document.AddAttribute(Wide(attribute->name), Wide(value.get()));
                }
                CopyChildren(node, document);
                document.EndElement();
                break;
            case XML_TEXT_NODE:
                document.AddCharacterData(XmlNodeKind::Text, Wide(node->content));
                break;
            case XML_CDATA_SECTION_NODE:
                document.AddCharacterData(XmlNodeKind::CData, Wide(node->content));
                break;
            case XML_COMMENT_NODE:
                document.AddCharacterData(XmlNodeKind::Comment, Wide(node->content));
                break;
            case XML_PI_NODE:
                document.AddCharacterData(XmlNodeKind::ProcessingInstruction, Wide(node->content),
                                          Wide(node->name));
                break;
            default:
                break;  // the DTD and entity declarations carry nothing the readers use
        }
    }
}

}  // namespace

std::variant<XmlDocument, XmlParseError> LibXmlParser::Parse(std::wstring_view text) {
    InitializeLibXml();
    const std::string utf8 = Utf8FromWide(text);
    if (utf8.size() > static_cast<std::size_t>(INT32_MAX)) {
        return XmlParseError{XML_ERR_INTERNAL_ERROR, L"the document is too large", {}};
    }
    std::unique_ptr<xmlParserCtxt, ContextDeleter> context(xmlNewParserCtxt());
    if (!context) return XmlParseError{XML_ERR_NO_MEMORY, L"out of memory", {}};

    // NOENT expands internal entities in place; external ones reach RefuseExternalEntity.
    // No DTDLOAD, no HUGE: the external subset is never read and expansion stays bounded.
    const int options = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR |
                        XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;
    std::unique_ptr<xmlDoc, DocDeleter> doc(xmlCtxtReadMemory(
        context.get(), utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8", options));
    if (!doc || !context->wellFormed) return ErrorOf(*context, text);

    XmlDocument document;
    CopyChildren(reinterpret_cast<const xmlNode*>(doc.get()), document);
    document.Finish();
    return document;
}

}  // namespace orvantis
