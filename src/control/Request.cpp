#include "control/Request.hpp"

#include <algorithm>

#include "automation/AutomationError.hpp"
#include "automation/ReplacedText.hpp"
#include "automation/Unicode.hpp"

namespace orvantis {
std::wstring SourceExcerpt(std::wstring_view line, std::size_t column) {
    constexpr std::size_t kBefore = 40;
    constexpr std::size_t kLength = 80;
    const std::size_t at = std::min(column > 0 ? column - 1 : 0, line.size());
    const std::size_t start = at > kBefore ? at - kBefore : 0;
    std::wstring excerpt = EscapeControlCharacters(line.substr(start, kLength));
    if (start > 0) excerpt.insert(0, L"...");
    if (start + kLength < line.size()) excerpt += L"...";
    return excerpt;
}

std::wstring ParseErrorPrompt(const XmlParseError& error) {
    return L"Error code: " + std::to_wstring(error.code) + L"\r\nReason: " + error.reason +
           L"\r\nSource: \r\n" + SourceExcerpt(error.sourceText, error.column);
}

std::optional<Request> ParseRequest(Host& host, std::wstring_view text) {
    // A byte order mark that a script's file reading left in front is no content; MSXML skips
    // it and libxml2 would not.
    if (text.starts_with(L'\uFEFF')) text.remove_prefix(1);
    // Every "<br/>" (exactly so, case-sensitive, anywhere in the text) becomes CR LF: this is
    // how notes carry line breaks.
    auto parsed = host.xml.Parse(ReplacedText(text, L"<br/>", L"\r\n"));
    if (auto* error = std::get_if<XmlParseError>(&parsed)) {
        // Each parser words this its own way, some as a fault at the end of the text.
        if (text.find_first_not_of(L" \t\r\n") == std::wstring_view::npos) {
            error->reason = L"The document is empty.";
        }
        host.ui.MessageBox(ParseErrorPrompt(*error), std::wstring(kComponentTitle), box::kOkOnly);
        return std::nullopt;
    }
    Request request{std::move(std::get<XmlDocument>(parsed)), {}};
    for (const auto datas : request.document.ElementsByTagName(L"datas")) {
        const auto open = request.document.Attribute(datas, L"open");
        if (!open) {
            throw AutomationError::Standard(errors::kObjectNotSet,
                                            L"a datas element has no open attribute");
        }
        request.target = *open;
    }
    return request;
}

}  // namespace orvantis
