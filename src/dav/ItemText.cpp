#include "dav/ItemText.hpp"

#include <algorithm>
#include <vector>

namespace orvantis::dav {
namespace {

// The content lines, unfolded (a line break followed by a blank or a tab continues the line).
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const bool continued = !line.empty() && (line[0] == ' ' || line[0] == '\t');
        if (continued && !lines.empty()) {
            lines.back().append(line.substr(1));
        } else if (!line.empty()) {
            lines.emplace_back(line);
        }
        at = end + 1;
    }
    return lines;
}

// What says nothing of the item: when and by which program it was written, and the calendar
// scale every calendar has unless it says otherwise, which some servers add.
bool IsNoise(const std::string& line) {
    if (line == "CALSCALE:GREGORIAN") return true;
    for (const char* name : {"REV", "DTSTAMP", "PRODID"}) {
        const std::string_view prefix = name;
        if (line.starts_with(prefix) && line.size() > prefix.size() &&
            (line[prefix.size()] == ':' || line[prefix.size()] == ';')) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Compared(std::string_view text) {
    std::vector<std::string> lines = Lines(text);
    std::erase_if(lines, IsNoise);
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

std::string UidOf(std::string_view text) {
    for (const std::string& line : Lines(text)) {
        if (line.starts_with("UID:")) return line.substr(4);
        if (line.starts_with("UID;")) return line.substr(line.find(':') + 1);
    }
    return {};
}

bool SameContent(std::string_view a, std::string_view b) { return Compared(a) == Compared(b); }

}  // namespace orvantis::dav
