#include "platform/windows/NativeXmlParser.hpp"

#include <msxml2.h>

#include <vector>

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"

// The mingw-w64 headers declare this interface without its identifier.
__CRT_UUID_DECL(IXMLDOMDocument2, 0x2933bf95, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98,
                0x3e, 0x60)

namespace orvantis::windows {
namespace {

ComPtr<IXMLDOMDocument2> CreateDocument() {
    for (const wchar_t* progId : {L"Msxml2.DOMDocument.6.0", L"Msxml2.DOMDocument.3.0"}) {
        CLSID classId;
        if (FAILED(CLSIDFromProgID(progId, &classId))) continue;
        ComPtr<IXMLDOMDocument2> document;
        if (SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&document)))) {
            return document;
        }
    }
    throw AutomationError::Standard(errors::kCannotCreateObject, L"Msxml2.DOMDocument");
}

void SetBooleanProperty(IXMLDOMDocument2& document, const wchar_t* name, bool value) {
    VARIANT setting;
    VariantInit(&setting);
    setting.vt = VT_BOOL;
    setting.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    // MSXML 3 knows only some of these; an unknown one changes nothing, so it is not fatal.
    document.setProperty(Bstr(name).Get(), setting);
}

void SetIntegerProperty(IXMLDOMDocument2& document, const wchar_t* name, long value) {
    VARIANT setting;
    VariantInit(&setting);
    setting.vt = VT_I4;
    setting.lVal = value;
    document.setProperty(Bstr(name).Get(), setting);
}

void Configure(IXMLDOMDocument2& document) {
    document.put_async(VARIANT_FALSE);
    // Text nodes are taken as written and XmlDocument drops the whitespace-only ones itself,
    // as MSXML's default does; Wine's MSXML would also trim the ends of every other text.
    document.put_preserveWhiteSpace(VARIANT_TRUE);
    document.put_validateOnParse(VARIANT_FALSE);
    document.put_resolveExternals(VARIANT_FALSE);
    // A document type declaration is refused outright (MSXML 6 refuses it by default): it is
    // the door to external entities and to entity-expansion bombs, and no item document
    // needs one.
    SetBooleanProperty(document, L"ProhibitDTD", true);
    SetBooleanProperty(document, L"AllowXsltScript", false);
    SetBooleanProperty(document, L"AllowDocumentFunction", false);
    // One level more than the limit: MSXML 6 still bounds its own parse, and the copy below
    // refuses the excess with the same error as every other platform.
    SetIntegerProperty(document, L"MaxElementDepth", static_cast<long>(kMaxElementDepth) + 1);
}

std::wstring NodeName(IXMLDOMNode& node) {
    Bstr name;
    node.get_nodeName(name.Put());
    return name.Text();
}

std::wstring NodeValue(IXMLDOMNode& node) {
    OwnedVariant value;
    if (FAILED(node.get_nodeValue(value.Put())) || (*value).vt != VT_BSTR) return {};
    return std::wstring((*value).bstrVal, SysStringLen((*value).bstrVal));
}

void CopyAttributes(IXMLDOMNode& element, XmlDocument& document) {
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    if (FAILED(element.get_attributes(&attributes)) || !attributes) return;
    long count = 0;
    attributes->get_length(&count);
    for (long i = 0; i < count; ++i) {
        ComPtr<IXMLDOMNode> attribute;
        if (FAILED(attributes->get_item(i, &attribute)) || !attribute) continue;
        Bstr value;
        attribute->get_text(value.Put());
        document.AddAttribute(NodeName(*attribute.Get()), value.Text());
    }
}

void CopyCharacterData(IXMLDOMNode& node, DOMNodeType type, XmlDocument& document,
                       bool atDocumentLevel) {
    switch (type) {
        case NODE_TEXT:
            document.AddCharacterData(XmlNodeKind::Text, NodeValue(node));
            break;
        case NODE_CDATA_SECTION:
            document.AddCharacterData(XmlNodeKind::CData, NodeValue(node));
            break;
        case NODE_COMMENT:
            document.AddCharacterData(XmlNodeKind::Comment, NodeValue(node));
            break;
        case NODE_PROCESSING_INSTRUCTION: {
            // MSXML keeps the XML declaration as a node; other parsers do not.
            const std::wstring target = NodeName(node);
            if (atDocumentLevel && target == L"xml") break;
            document.AddCharacterData(XmlNodeKind::ProcessingInstruction, NodeValue(node), target);
            break;
        }
        default:
            break;
    }
}

// Copies the DOM in document order with a stack of its own rather than recursion, refusing
// nesting beyond the limit (which MSXML 3 and Wine's MSXML do not enforce themselves).
bool CopyTree(IXMLDOMNode& root, XmlDocument& document) {
    std::vector<ComPtr<IXMLDOMNode>> pending(1);  // per open level, the next node to copy
    root.get_firstChild(&pending.back());
    while (!pending.empty()) {
        const ComPtr<IXMLDOMNode> node = std::move(pending.back());
        if (!node) {
            pending.pop_back();
            if (!pending.empty()) document.EndElement();
            continue;
        }
        node->get_nextSibling(&pending.back());
        DOMNodeType type = NODE_INVALID;
        node->get_nodeType(&type);
        if (type != NODE_ELEMENT) {
            CopyCharacterData(*node.Get(), type, document, pending.size() == 1);
            continue;
        }
        if (document.Depth() >= kMaxElementDepth) return false;
        document.StartElement(NodeName(*node.Get()));
        CopyAttributes(*node.Get(), document);
        pending.emplace_back();
        node->get_firstChild(&pending.back());
    }
    return true;
}

XmlParseError ErrorOf(IXMLDOMDocument2& document) {
    XmlParseError error;
    ComPtr<IXMLDOMParseError> parseError;
    if (FAILED(document.get_parseError(&parseError)) || !parseError) {
        error.code = E_FAIL;
        error.reason = L"the document could not be loaded";
        return error;
    }
    long code = 0;
    parseError->get_errorCode(&code);
    error.code = code;
    Bstr reason;
    parseError->get_reason(reason.Put());
    error.reason = reason.Text();
    Bstr source;
    parseError->get_srcText(source.Put());
    error.sourceText = source.Text();
    long column = 0;
    parseError->get_linepos(&column);
    error.column = column > 0 ? static_cast<std::size_t>(column) : 0;
    return error;
}

}  // namespace

std::variant<XmlDocument, XmlParseError> NativeXmlParser::Parse(const ReplacedText& replaced) {
    // MSXML takes the text whole.
    const std::wstring text = replaced.Whole();
    // Refused before MSXML reads it, so that the answer is the same whatever MSXML would say.
    if (DeclaresDocumentType(text)) return DocumentTypeRefusedError();
    const ComPtr<IXMLDOMDocument2> dom = CreateDocument();
    Configure(*dom.Get());
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT result = dom->loadXML(Bstr(text).Get(), &loaded);
    if (FAILED(result) || loaded != VARIANT_TRUE) return ErrorOf(*dom.Get());
    // MSXML 3 (and Wine's MSXML) ignore ProhibitDTD; the refusal is made the same everywhere.
    ComPtr<IXMLDOMDocumentType> documentType;
    if (SUCCEEDED(dom->get_doctype(&documentType)) && documentType) {
        return DocumentTypeRefusedError();
    }

    XmlDocument document;
    if (!CopyTree(*dom.Get(), document)) return NestingTooDeepError();
    document.Finish();
    return document;
}

}  // namespace orvantis::windows
