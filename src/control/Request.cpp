#include "control/Request.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis {

std::wstring ReplaceLineBreakTags(std::wstring_view text) {
    static constexpr std::wstring_view kTag = L"<br/>";
    std::wstring result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (auto found = text.find(kTag); found != std::wstring_view::npos;
         found = text.find(kTag, start)) {
        result.append(text, start, found - start).append(L"\r\n");
        start = found + kTag.size();
    }
    result.append(text, start);
    return result;
}

std::wstring ParseErrorPrompt(const XmlParseError& error) {
    return L"Error code: " + std::to_wstring(error.code) + L"\r\nReason: " + error.reason +
           L"\r\nSource: \r\n" + error.sourceText;
}

std::optional<Request> ParseRequest(Host& host, std::wstring_view text) {
    auto parsed = host.xml.Parse(ReplaceLineBreakTags(text));
    if (const auto* error = std::get_if<XmlParseError>(&parsed)) {
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
