#include "platform/XmlDocument.hpp"

#include <limits>
#include <stdexcept>
#include <string>

#include "automation/Unicode.hpp"

namespace orvantis {
namespace {

bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool IsAllSpace(std::string_view text) {
    for (char c : text) {
        if (!IsXmlSpace(static_cast<wchar_t>(c))) return false;
    }
    return true;
}

void ThrowTooLarge() { throw std::length_error("XML document too large"); }

}  // namespace

XmlDocument::XmlDocument() {
    nodes_.emplace_back();
    open_.emplace_back();
    Intern(L"");
}

std::vector<XmlDocument::NodeId> XmlDocument::ElementsByTagName(std::wstring_view name) const {
    const auto found = nameIds_.find(name);
    if (found == nameIds_.end()) return {};
    // Nodes are stored in document order, so one scan yields them in that order.
    std::vector<NodeId> elements;
    NodeId id = 0;
    for (const Node& node : nodes_) {
        if (node.kind == XmlNodeKind::Element && node.name == found->second) elements.push_back(id);
        ++id;
    }
    return elements;
}

std::wstring XmlDocument::TextContent(NodeId node) const {
    std::wstring text;
    for (NodeId at = node; at < nodes_[node].end; ++at) {
        const Node& n = nodes_[at];
        if (n.kind == XmlNodeKind::Text || n.kind == XmlNodeKind::CData) {
            // The pool holds valid UTF-8 only.
            AppendWideFromUtf8(text, pool_.View(n.span));
        }
    }
    // Trimmed in place: a field's text is read once per field of every item.
    const auto last = text.find_last_not_of(L" \t\r\n");
    text.erase(last == std::wstring::npos ? 0 : last + 1);
    text.erase(0, text.find_first_not_of(L" \t\r\n"));
    return text;
}

std::optional<std::wstring_view> XmlDocument::Attribute(NodeId element,
                                                        std::wstring_view name) const {
    const Node& n = nodes_[element];
    if (n.kind != XmlNodeKind::Element) return std::nullopt;
    for (std::uint32_t i = 0; i < n.span.length; ++i) {
        const auto& attribute = attributes_[n.span.start + i];
        if (*names_[attribute.name] == name) {
            return std::wstring_view(attributeText_).substr(attribute.value.start,
                                                            attribute.value.length);
        }
    }
    return std::nullopt;
}

XmlDocument::NameId XmlDocument::Intern(std::wstring_view name) {
    const auto found = nameIds_.find(name);
    if (found != nameIds_.end()) return found->second;
    const auto id = static_cast<NameId>(names_.size());
    // The map's keys stay where they are as it grows.
    names_.push_back(&nameIds_.emplace(std::wstring(name), id).first->first);
    return id;
}

XmlDocument::NodeId XmlDocument::Append(XmlNodeKind kind, NameId name, TextPool::Slice span) {
    if (nodes_.size() >= kNone - 1) ThrowTooLarge();
    const auto id = static_cast<NodeId>(nodes_.size());
    nodes_.push_back(Node{kind, false, name, id + 1, span});
    NodeId& lastChild = open_.back().lastChild;
    if (lastChild != kNone) nodes_[lastChild].hasNextSibling = true;
    lastChild = id;
    return id;
}

void XmlDocument::CloseText() {
    if (pendingText_.empty()) return;
    // Whitespace-only text is indentation, never content: it is not stored at all.
    if (!IsAllSpace(pendingText_)) Append(XmlNodeKind::Text, 0, pool_.Store(pendingText_));
    pendingText_.clear();
}

void XmlDocument::StartElement(NameId name) {
    CloseText();
    const auto firstAttribute = static_cast<std::uint32_t>(attributes_.size());
    open_.push_back({Append(XmlNodeKind::Element, name, {firstAttribute, 0})});
}

void XmlDocument::AddAttribute(NameId name, std::wstring_view value) {
    if (attributeText_.size() + value.size() > std::numeric_limits<std::uint32_t>::max()) {
        ThrowTooLarge();
    }
    const WideSlice slice{static_cast<std::uint32_t>(attributeText_.size()),
                          static_cast<std::uint32_t>(value.size())};
    attributeText_.append(value);
    attributes_.push_back({name, slice});
    ++nodes_[open_.back().id].span.length;
}

void XmlDocument::AddCharacterData(XmlNodeKind kind, std::wstring_view text,
                                   std::wstring_view name) {
    AddUtf8CharacterData(kind, Utf8FromWide(text), name);
}

void XmlDocument::AddUtf8CharacterData(XmlNodeKind kind, std::string_view text,
                                       std::wstring_view name) {
    if (kind == XmlNodeKind::Text) {
        pendingText_.append(text);
        return;
    }
    CloseText();
    Append(kind, Intern(name), pool_.Store(text));
}

void XmlDocument::EndElement() {
    CloseText();
    if (open_.size() == 1) return;  // nothing open
    nodes_[open_.back().id].end = static_cast<NodeId>(nodes_.size());
    open_.pop_back();
}

void XmlDocument::Finish() {
    while (open_.size() > 1) EndElement();
    CloseText();
    nodes_[kRoot].end = static_cast<NodeId>(nodes_.size());
    pendingText_ = std::string();
}

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
