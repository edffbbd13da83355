#include "dav/Multistatus.hpp"

#include <functional>
#include <variant>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"

namespace orvantis::dav {
namespace {

using NodeId = XmlDocument::NodeId;

std::wstring_view LocalName(const XmlDocument& document, NodeId node) {
    const std::wstring_view name = document.Name(node);
    const auto colon = name.find(L':');
    return colon == std::wstring_view::npos ? name : name.substr(colon + 1);
}

void EachChildElement(const XmlDocument& document, NodeId parent,
                      const std::function<void(NodeId, std::wstring_view)>& visit) {
    for (NodeId child = document.FirstChild(parent); child != XmlDocument::kNone;
         child = document.NextSibling(child)) {
        if (document.Kind(child) == XmlNodeKind::Element) visit(child, LocalName(document, child));
    }
}

std::string Text(const XmlDocument& document, NodeId node) {
    return Utf8FromWide(document.TextContent(node));
}

// The href inside a property such as current-user-principal.
std::string InnerHref(const XmlDocument& document, NodeId property) {
    std::string href;
    EachChildElement(document, property, [&](NodeId child, std::wstring_view name) {
        if (name == L"href" && href.empty()) href = Text(document, child);
    });
    return href;
}

void ReadProperty(const XmlDocument& document, NodeId property, std::wstring_view name,
                  Resource& resource) {
    if (name == L"getetag") {
        resource.etag = Text(document, property);
    } else if (name == L"displayname") {
        resource.displayName = Text(document, property);
    } else if (name == L"address-data" || name == L"calendar-data") {
        resource.data = Text(document, property);
    } else if (name == L"resourcetype") {
        EachChildElement(document, property, [&](NodeId, std::wstring_view kind) {
            if (kind == L"addressbook") resource.isAddressBook = true;
            if (kind == L"calendar") resource.isCalendar = true;
        });
    } else if (name == L"supported-calendar-component-set") {
        EachChildElement(document, property, [&](NodeId comp, std::wstring_view) {
            if (const auto kind = document.Attribute(comp, L"name")) {
                resource.components.push_back(Utf8FromWide(*kind));
            }
        });
    } else if (name == L"current-user-principal") {
        resource.principal = InnerHref(document, property);
    } else if (name == L"addressbook-home-set") {
        resource.addressBookHome = InnerHref(document, property);
    } else if (name == L"calendar-home-set") {
        resource.calendarHome = InnerHref(document, property);
    }
}

// "HTTP/1.1 200 OK" and the like.
bool IsFound(const std::string& status) { return status.find(" 200") != std::string::npos; }

Resource ReadResponse(const XmlDocument& document, NodeId response) {
    Resource resource;
    EachChildElement(document, response, [&](NodeId child, std::wstring_view name) {
        if (name == L"href") resource.href = Text(document, child);
        if (name != L"propstat") return;
        NodeId prop = XmlDocument::kNone;
        std::string status;
        EachChildElement(document, child, [&](NodeId part, std::wstring_view partName) {
            if (partName == L"prop") prop = part;
            if (partName == L"status") status = Text(document, part);
        });
        if (prop == XmlDocument::kNone || !IsFound(status)) return;
        EachChildElement(document, prop, [&](NodeId property, std::wstring_view propertyName) {
            ReadProperty(document, property, propertyName, resource);
        });
    });
    return resource;
}

}  // namespace

std::vector<Resource> ReadMultistatus(XmlParser& parser, std::string_view body) {
    const auto text = WideFromUtf8(body);
    if (!text) throw AutomationError::Standard(errors::kInvalidFileFormat, L"the server's answer");
    auto parsed = parser.Parse(*text);
    if (const auto* error = std::get_if<XmlParseError>(&parsed)) {
        throw AutomationError::Standard(errors::kInvalidFileFormat,
                                        L"the server's answer: " + error->reason);
    }
    const XmlDocument& document = std::get<XmlDocument>(parsed);
    std::vector<Resource> resources;
    EachChildElement(document, XmlDocument::kRoot, [&](NodeId root, std::wstring_view rootName) {
        if (rootName != L"multistatus") return;
        EachChildElement(document, root, [&](NodeId response, std::wstring_view name) {
            if (name == L"response") resources.push_back(ReadResponse(document, response));
        });
    });
    return resources;
}

}  // namespace orvantis::dav
