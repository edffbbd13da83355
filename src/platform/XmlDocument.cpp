#include "platform/XmlDocument.hpp"

#include <limits>
#include <stdexcept>

namespace orvantis {
namespace {

bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool IsAllSpace(std::wstring_view text) {
    for (wchar_t c : text) {
        if (!IsXmlSpace(c)) return false;
    }
    return true;
}

}  // namespace

XmlDocument::XmlDocument() { nodes_.emplace_back(); }

std::vector<XmlDocument::NodeId> XmlDocument::ElementsByTagName(std::wstring_view name) const {
    // Nodes are stored in document order, so one scan yields them in that order.
    std::vector<NodeId> found;
    for (NodeId id = 0; id < nodes_.size(); ++id) {
        if (nodes_[id].kind == XmlNodeKind::Element && View(nodes_[id].name) == name) {
            found.push_back(id);
        }
    }
    return found;
}

std::wstring_view XmlDocument::Name(NodeId node) const { return View(nodes_[node].name); }

std::wstring XmlDocument::TextContent(NodeId node) const {
    std::wstring text;
    AppendText(node, text);
    // Trimmed in place: a field's text is read once per field of every item.
    const auto last = text.find_last_not_of(L" \t\r\n");
    text.erase(last == std::wstring::npos ? 0 : last + 1);
    text.erase(0, text.find_first_not_of(L" \t\r\n"));
    return text;
}

void XmlDocument::AppendText(NodeId node, std::wstring& out) const {
    // A walk rather than recursion: a deep field must not exhaust the stack.
    NodeId at = node;
    for (;;) {
        const Node& n = nodes_[at];
        if (n.kind == XmlNodeKind::Text || n.kind == XmlNodeKind::CData) {
            out += View(n.text);
        } else if ((n.kind == XmlNodeKind::Element || n.kind == XmlNodeKind::Document) &&
                   n.firstChild != kNone) {
            at = n.firstChild;
            continue;
        }
        while (at != node && nodes_[at].nextSibling == kNone) at = nodes_[at].parent;
        if (at == node) return;
        at = nodes_[at].nextSibling;
    }
}

std::optional<std::wstring_view> XmlDocument::Attribute(NodeId element,
                                                        std::wstring_view name) const {
    const Node& n = nodes_[element];
    for (std::uint32_t i = 0; i < n.attributeCount; ++i) {
        const auto& attribute = attributes_[n.firstAttribute + i];
        if (View(attribute.name) == name) return View(attribute.value);
    }
    return std::nullopt;
}

XmlDocument::Slice XmlDocument::Store(std::wstring_view text) {
    if (pool_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("XML document too large");
    }
    Slice slice{static_cast<std::uint32_t>(pool_.size()), static_cast<std::uint32_t>(text.size())};
    pool_.append(text);
    return slice;
}

XmlDocument::Slice XmlDocument::StoreName(std::wstring_view name) {
    const auto found = names_.find(name);
    if (found != names_.end()) return found->second;
    const Slice slice = Store(name);
    names_.emplace(std::wstring(name), slice);
    return slice;
}

XmlDocument::NodeId XmlDocument::Append(XmlNodeKind kind, Slice name, Slice text) {
    const auto id = static_cast<NodeId>(nodes_.size());
    Node node;
    node.kind = kind;
    node.parent = current_;
    node.name = name;
    node.text = text;
    nodes_.push_back(node);
    Node& parent = nodes_[current_];
    if (parent.lastChild == kNone) {
        parent.firstChild = id;
    } else {
        nodes_[parent.lastChild].nextSibling = id;
    }
    parent.lastChild = id;
    return id;
}

void XmlDocument::CloseText() {
    if (openText_ == kNone) return;
    const NodeId text = openText_;
    openText_ = kNone;
    if (!IsAllSpace(View(nodes_[text].text))) return;
    // Whitespace-only text is dropped; it is always the newest node, so unlink and pop it.
    pool_.resize(nodes_[text].text.start);
    // The sibling before it was remembered: walking the siblings would make a document with
    // many indented children cost quadratic time.
    Node& parent = nodes_[nodes_[text].parent];
    if (openTextPrevious_ == kNone) {
        parent.firstChild = parent.lastChild = kNone;
    } else {
        nodes_[openTextPrevious_].nextSibling = kNone;
        parent.lastChild = openTextPrevious_;
    }
    nodes_.pop_back();
}

void XmlDocument::StartElement(std::wstring_view name) {
    CloseText();
    const NodeId id = Append(XmlNodeKind::Element, StoreName(name), {});
    nodes_[id].firstAttribute = static_cast<std::uint32_t>(attributes_.size());
    current_ = id;
    ++depth_;
}

void XmlDocument::AddAttribute(std::wstring_view name, std::wstring_view value) {
    const Slice nameSlice = StoreName(name);
    attributes_.push_back(AttributeSlices{nameSlice, Store(value)});
    ++nodes_[current_].attributeCount;
}

void XmlDocument::AddCharacterData(XmlNodeKind kind, std::wstring_view text,
                                   std::wstring_view name) {
    if (kind == XmlNodeKind::Text && openText_ != kNone) {
        // The open text node is the newest, so its characters end the pool.
        Store(text);
        nodes_[openText_].text.length += static_cast<std::uint32_t>(text.size());
        return;
    }
    CloseText();
    const NodeId previous = nodes_[current_].lastChild;
    const Slice nameSlice = Store(name);
    const NodeId id = Append(kind, nameSlice, Store(text));
    if (kind == XmlNodeKind::Text) {
        openText_ = id;
        openTextPrevious_ = previous;
    }
}

void XmlDocument::EndElement() {
    CloseText();
    current_ = nodes_[current_].parent;
    --depth_;
}

void XmlDocument::Finish() { CloseText(); }

namespace {
// E_FAIL, the code MSXML gives its own refusals.
constexpr std::int32_t kRefused = static_cast<std::int32_t>(0x80004005);
}  // namespace

bool DeclaresDocumentType(std::wstring_view text) {
    for (;;) {
        while (!text.empty() && (IsXmlSpace(text.front()) || text.front() == L'\uFEFF')) {
            text.remove_prefix(1);
        }
        std::wstring_view end;
        if (text.starts_with(L"<?")) {
            end = L"?>";
        } else if (text.starts_with(L"<!--")) {
            end = L"-->";
        } else {
            return text.starts_with(L"<!DOCTYPE");
        }
        const auto at = text.find(end, 2);
        if (at == std::wstring_view::npos) return false;
        text.remove_prefix(at + end.size());
    }
}

XmlParseError NestingTooDeepError() {
    return {kRefused,
            L"Elements are nested deeper than " + std::to_wstring(kMaxElementDepth) + L" levels.",
            {}, 0};
}

XmlParseError DocumentTypeRefusedError() {
    return {kRefused, L"A document type declaration is not allowed here.", {}, 0};
}

}  // namespace orvantis
