#include "platform/posix/NativeXmlParser.hpp"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/SAX2.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

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

// Appends UTF-8 that libxml2 has already validated to wide text.
void AppendWide(std::wstring& out, const xmlChar* text, std::size_t length) {
    AppendWideFromUtf8(out, std::string_view(reinterpret_cast<const char*>(text), length));
}

// UTF-8 to hand the parser.
void AppendUtf8(std::string& out, std::wstring_view text) {
    const auto isAscii = [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0x80; };
    for (auto at = text.begin(); at != text.end();) {
        const auto other = std::find_if_not(at, text.end(), isAscii);
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(other - at));
        std::transform(at, other, out.begin() + static_cast<std::ptrdiff_t>(start),
                       [](wchar_t c) { return static_cast<char>(c); });
        at = std::find_if(other, text.end(), isAscii);
        if (other != at) out += Utf8FromWide(std::wstring_view(&*other, at - other));
    }
}

// Builds the core's document straight from libxml2's SAX events: no libxml2 tree is made,
// and character data is kept as the UTF-8 libxml2 hands it. It stops the parser at what the
// control refuses: a document type declaration (the door to entities, internal or external,
// and to expansion bombs) and nesting deeper than MSXML allows.
class DocumentBuilder {
public:
    DocumentBuilder(XmlDocument& document, xmlParserCtxt& context)
        : document_(document), context_(context) {}

    const std::optional<XmlParseError>& Refusal() const { return refusal_; }

    void Refuse(XmlParseError error) {
        if (!refusal_) refusal_ = std::move(error);
        xmlStopParser(&context_);
    }

    void StartElement(const xmlChar* localName, const xmlChar* prefix, int attributeCount,
                      const xmlChar** attributes) {
        if (refusal_) return;
        if (document_.Depth() >= kMaxElementDepth) return Refuse(NestingTooDeepError());
        document_.StartElement(NameOf(localName, prefix));
        // Five pointers per attribute: local name, prefix, namespace, value start, value end.
        for (int i = 0; i < attributeCount; ++i, attributes += 5) {
            buffer_.clear();
            const auto length = static_cast<std::size_t>(attributes[4] - attributes[3]);
            AppendWide(buffer_, attributes[3], length);
            document_.AddAttribute(NameOf(attributes[0], attributes[1]), buffer_);
        }
    }
    void EndElement() {
        if (!refusal_) document_.EndElement();
    }
    void Characters(XmlNodeKind kind, const xmlChar* text, std::size_t length,
                    std::wstring_view name = {}) {
        if (refusal_) return;
        document_.AddUtf8CharacterData(
            kind, std::string_view(reinterpret_cast<const char*>(text), length), name);
    }
    std::wstring Wide(const xmlChar* text) {
        std::wstring wide;
        if (text) AppendWide(wide, text, xmlStrlen(text));
        return wide;
    }

private:
    // Names come from the parser's dictionary, so one pointer pair is always the same name.
    XmlDocument::NameId NameOf(const xmlChar* localName, const xmlChar* prefix) {
        const auto [found, added] = names_.try_emplace({localName, prefix}, 0);
        if (added) {
            found->second = document_.Intern((prefix ? Wide(prefix) + L":" : L"") + Wide(localName));
        }
        return found->second;
    }

    struct PairHash {
        std::size_t operator()(const std::pair<const xmlChar*, const xmlChar*>& p) const {
            return std::hash<const void*>()(p.first) ^ std::hash<const void*>()(p.second) << 1;
        }
    };

    XmlDocument& document_;
    xmlParserCtxt& context_;
    std::optional<XmlParseError> refusal_;
    std::wstring buffer_;
    std::unordered_map<std::pair<const xmlChar*, const xmlChar*>, XmlDocument::NameId, PairHash>
        names_;
};

DocumentBuilder& BuilderOf(void* context) {
    return *static_cast<DocumentBuilder*>(static_cast<xmlParserCtxt*>(context)->_private);
}

void OnStartElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                    const xmlChar*, int, const xmlChar**, int attributeCount, int,
                    const xmlChar** attributes) {
    BuilderOf(context).StartElement(localName, prefix, attributeCount, attributes);
}
void OnEndElement(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    BuilderOf(context).EndElement();
}
void OnCharacters(void* context, const xmlChar* text, int length) {
    BuilderOf(context).Characters(XmlNodeKind::Text, text, static_cast<std::size_t>(length));
}
void OnCData(void* context, const xmlChar* text, int length) {
    BuilderOf(context).Characters(XmlNodeKind::CData, text, static_cast<std::size_t>(length));
}
void OnComment(void* context, const xmlChar* text) {
    BuilderOf(context).Characters(XmlNodeKind::Comment, text, xmlStrlen(text));
}
void OnDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    BuilderOf(context).Refuse(DocumentTypeRefusedError());
}
void OnProcessingInstruction(void* context, const xmlChar* target, const xmlChar* data) {
    auto& builder = BuilderOf(context);
    const std::wstring name = builder.Wide(target);
    builder.Characters(XmlNodeKind::ProcessingInstruction, data ? data : BAD_CAST "",
                       data ? xmlStrlen(data) : 0, name);
}

xmlSAXHandler BuilderHandler() {
    xmlSAXHandler handler{};
    xmlSAXVersion(&handler, 2);
    handler.internalSubset = OnDocumentType;
    handler.startElementNs = OnStartElement;
    handler.endElementNs = OnEndElement;
    handler.characters = OnCharacters;
    handler.ignorableWhitespace = OnCharacters;
    handler.cdataBlock = OnCData;
    handler.comment = OnComment;
    handler.processingInstruction = OnProcessingInstruction;
    handler.reference = nullptr;
    handler.serror = nullptr;
    handler.error = nullptr;
    handler.warning = nullptr;
    return handler;
}

struct ContextDeleter {
    void operator()(xmlParserCtxt* context) const {
        if (context->myDoc) xmlFreeDoc(context->myDoc);
        context->myDoc = nullptr;
        xmlFreeParserCtxt(context);
    }
};

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
    error.reason = last.message ? WideFromUtf8(last.message).value_or(L"")
                                : L"the document is not well formed";
    if (error.reason.empty()) error.reason = L"the document is not well formed";
    while (!error.reason.empty() && (error.reason.back() == L'\n' || error.reason.back() == L' ')) {
        error.reason.pop_back();
    }
    error.sourceText = SourceLine(text, last.line);
    error.column = last.int2 > 0 ? static_cast<std::size_t>(last.int2) : 0;
    return error;
}

// The text goes to the parser in pieces, so that no UTF-8 copy of a large document is held.
constexpr std::size_t kChunkCharacters = 64 * 1024;

}  // namespace

std::variant<XmlDocument, XmlParseError> NativeXmlParser::Parse(const ReplacedText& text) {
    InitializeLibXml();
    xmlSAXHandler handler = BuilderHandler();
    std::unique_ptr<xmlParserCtxt, ContextDeleter> context(
        xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr));
    if (!context) return XmlParseError{XML_ERR_NO_MEMORY, L"out of memory", {}};

    // NOENT: attribute values come with "&amp;" already replaced. No DTDLOAD: the external
    // subset is never read. HUGE: names, attribute values, comments and CDATA sections as
    // long as MSXML takes them; the limits HUGE lifts guard against entity expansion, which
    // cannot happen since a document type declaration is refused before its subset is read.
    xmlCtxtUseOptions(context.get(), XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR |
                                         XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC |
                                         XML_PARSE_HUGE);
    xmlSwitchEncoding(context.get(), XML_CHAR_ENCODING_UTF8);

    XmlDocument document;
    DocumentBuilder builder(document, *context);
    context->_private = &builder;

    ReplacedText::Reader reader(text);
    std::string chunk;
    for (;;) {
        chunk.clear();
        reader.Read(kChunkCharacters, [&chunk](std::wstring_view run) { AppendUtf8(chunk, run); });
        const int last = reader.AtEnd() ? 1 : 0;
        xmlParseChunk(context.get(), chunk.data(), static_cast<int>(chunk.size()), last);
        if (last || context->disableSAX) break;
    }
    if (builder.Refusal()) return *builder.Refusal();
    if (!context->wellFormed) return ErrorOf(*context, text.Whole());
    document.Finish();
    return document;
}

}  // namespace orvantis
