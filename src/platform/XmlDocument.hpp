#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/TextPool.hpp"

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
// Parser adapters fill it in document order through the building calls, then call Finish. It
// keeps character data as UTF-8 in a pool of blocks that never move and each distinct name
// once, so that a node costs 20 bytes beyond its text. Nodes are stored in document order, so
// a node's descendants are the nodes that follow it up to its end. Whitespace-only text is
// dropped as it is added, as a DOM that does not preserve white space does.
class XmlDocument {
public:
    using NodeId = std::uint32_t;
    using NameId = std::uint32_t;
    static constexpr NodeId kNone = UINT32_MAX;
    static constexpr NodeId kRoot = 0;  // the document node

    XmlDocument();

    // Reading, once built.
    std::vector<NodeId> ElementsByTagName(std::wstring_view name) const;
    XmlNodeKind Kind(NodeId node) const { return nodes_[node].kind; }
    // An element's name or a processing instruction's target; empty for other nodes.
    std::wstring_view Name(NodeId node) const { return *names_[nodes_[node].name]; }
    // The character data of the node and its descendants, trimmed of white space at both ends.
    std::wstring TextContent(NodeId node) const;
    std::optional<std::wstring_view> Attribute(NodeId element, std::wstring_view name) const;
    NodeId FirstChild(NodeId node) const { return nodes_[node].end > node + 1 ? node + 1 : kNone; }
    NodeId NextSibling(NodeId node) const {
        return nodes_[node].hasNextSibling ? nodes_[node].end : kNone;
    }
    // How many elements are open while building.
    std::size_t Depth() const { return open_.size() - 1; }

    // Building, in document order.
    // A document repeats a few names many times: each is stored once, and an adapter that
    // meets a name again may hand its id instead.
    NameId Intern(std::wstring_view name);
    void StartElement(NameId name);
    void StartElement(std::wstring_view name) { StartElement(Intern(name)); }
    void AddAttribute(NameId name, std::wstring_view value);
    void AddAttribute(std::wstring_view name, std::wstring_view value) {
        AddAttribute(Intern(name), value);
    }
    // Adjacent text pieces merge into one text node.
    void AddCharacterData(XmlNodeKind kind, std::wstring_view text, std::wstring_view name = {});
    // The same for text that is valid UTF-8 already, as a parser that reads UTF-8 hands it.
    void AddUtf8CharacterData(XmlNodeKind kind, std::string_view text,
                              std::wstring_view name = {});
    void EndElement();
    // Completes the last pending text and closes what is open; call once after the last
    // building call.
    void Finish();

private:
    struct Node {
        XmlNodeKind kind = XmlNodeKind::Document;
        bool hasNextSibling = false;  // which then starts where this node's descendants end
        NameId name = 0;              // the empty name for nodes that have none
        NodeId end = 1;               // one past its last descendant
        // Character data: its text in the pool; an element: its attributes in attributes_.
        TextPool::Slice span;
    };
    static_assert(sizeof(Node) == 20);
    struct WideSlice {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    struct AttributeSlices {
        NameId name = 0;
        WideSlice value;
    };
    struct OpenElement {
        NodeId id = kRoot;
        NodeId lastChild = kNone;
    };

    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view name) const {
            return std::hash<std::wstring_view>()(name);
        }
    };

    NodeId Append(XmlNodeKind kind, NameId name, TextPool::Slice span);
    void CloseText();

    std::deque<Node> nodes_;
    TextPool pool_;
    std::vector<AttributeSlices> attributes_;
    std::wstring attributeText_;  // few and short, kept as the readers take them
    std::unordered_map<std::wstring, NameId, NameHash, std::equal_to<>> nameIds_;
    std::vector<const std::wstring*> names_;  // by id, the keys of nameIds_
    std::vector<OpenElement> open_;           // the document node first
    std::string pendingText_;                 // text that may still grow, stored when it ends
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
