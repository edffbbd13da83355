#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvantis {

enum class XmlNodeKind : std::uint8_t {
    Document,
    Element,
    Text,
    CData,
    Comment,
    ProcessingInstruction,
};

// A parsed XML document, as much of it as the readers use: elements by name in document order,
// ordered child nodes with their kind, name and text content, and attributes.
//
// Parser adapters fill it in document order through the building calls; it owns its text in
// one pool, so a large document costs a few words per node beyond its characters.
// Whitespace-only text is dropped as it is added, as a DOM that does not preserve white space
// does.
class XmlDocument {
public:
    using NodeId = std::uint32_t;
    static constexpr NodeId kNone = UINT32_MAX;
    static constexpr NodeId kRoot = 0;  // the document node

    XmlDocument();

    // Reading.
    std::vector<NodeId> ElementsByTagName(std::wstring_view name) const;
    XmlNodeKind Kind(NodeId node) const { return nodes_[node].kind; }
    // An element's name or a processing instruction's target; empty for other nodes.
    std::wstring_view Name(NodeId node) const;
    // The character data of the node and its descendants, trimmed of white space at both ends.
    std::wstring TextContent(NodeId node) const;
    std::optional<std::wstring_view> Attribute(NodeId element, std::wstring_view name) const;
    NodeId FirstChild(NodeId node) const { return nodes_[node].firstChild; }
    NodeId NextSibling(NodeId node) const { return nodes_[node].nextSibling; }
    // How many elements are open while building.
    std::size_t Depth() const { return depth_; }

    // Building, in document order.
    void StartElement(std::wstring_view name);
    void AddAttribute(std::wstring_view name, std::wstring_view value);
    // Adjacent text pieces merge into one text node.
    void AddCharacterData(XmlNodeKind kind, std::wstring_view text, std::wstring_view name = {});
    void EndElement();
    // Completes the last pending text; call once after the last building call.
    void Finish();

private:
    struct Slice {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    struct Node {
        XmlNodeKind kind = XmlNodeKind::Document;
        NodeId parent = kNone;
        NodeId firstChild = kNone;
        NodeId lastChild = kNone;
        NodeId nextSibling = kNone;
        Slice name;
        Slice text;                       // character data; for an element, unused
        std::uint32_t firstAttribute = 0;  // index into attributes_
        std::uint32_t attributeCount = 0;
    };
    struct AttributeSlices {
        Slice name;
        Slice value;
    };

    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view name) const {
            return std::hash<std::wstring_view>()(name);
        }
    };

    Slice Store(std::wstring_view text);
    // A document repeats a few names many times: each is stored once.
    Slice StoreName(std::wstring_view name);
    std::wstring_view View(Slice slice) const { return {pool_.data() + slice.start, slice.length}; }
    NodeId Append(XmlNodeKind kind, Slice name, Slice text);
    void CloseText();
    void AppendText(NodeId node, std::wstring& out) const;

    std::deque<Node> nodes_;
    std::vector<AttributeSlices> attributes_;
    std::wstring pool_;
    std::unordered_map<std::wstring, Slice, NameHash, std::equal_to<>> names_;
    NodeId current_ = kRoot;
    std::size_t depth_ = 0;
    NodeId openText_ = kNone;          // a text node that may still grow
    NodeId openTextPrevious_ = kNone;  // its previous sibling, to unlink it if it is dropped
};

struct XmlParseError {
    std::int32_t code = 0;
    std::wstring reason;
    std::wstring sourceText;  // the source line where the error was found
    std::size_t column = 0;   // where on that line, from 1; 0 when unknown
};

// MSXML refuses elements nested deeper than this by default; every parser adapter refuses
// them the same way, so that a document reads alike on every platform.
inline constexpr std::size_t kMaxElementDepth = 256;

// Whether the text's prolog (before the root element: white space, the XML declaration,
// comments, processing instructions) holds a document type declaration, the only place one
// can stand; for an adapter to refuse it before its parser reads it.
bool DeclaresDocumentType(std::wstring_view text);

// The refusals that the adapters make themselves, with one code and reason on every platform.
XmlParseError NestingTooDeepError();
XmlParseError DocumentTypeRefusedError();

}  // namespace orvantis
