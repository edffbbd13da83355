#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/XmlParser.hpp"

namespace orvantis::dav {

// What one <response> of a WebDAV multistatus says of one resource, from its properties that
// the server found (status 200); a property it did not find stays empty.
struct Resource {
    std::string href;
    std::string etag;
    std::string displayName;
    // The item's text (address-data or calendar-data).
    std::string data;
    bool isAddressBook = false;
    bool isCalendar = false;
    // The calendar's supported-calendar-component-set; empty when the server does not say,
    // which means every kind.
    std::vector<std::string> components;
    std::string principal;
    std::string addressBookHome;
    std::string calendarHome;
};

// The resources of a multistatus body (UTF-8). Elements are matched by their local names:
// the names read here are not used by two of the namespaces involved, and the posix parser
// does not keep namespace declarations. A body that is not XML raises an AutomationError.
std::vector<Resource> ReadMultistatus(XmlParser& parser, std::string_view body);

}  // namespace orvantis::dav
