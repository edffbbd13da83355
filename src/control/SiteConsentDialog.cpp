#include "control/SiteConsentDialog.hpp"

#include <utility>
#include <vector>

#include "targets/InserterUtilities.hpp"

namespace orvantis {
namespace {

// How the dialog names a target's program; a name the table lacks is shown as written.
std::wstring ProgramName(const std::wstring& target) {
    static const std::pair<std::wstring_view, std::wstring_view> kNames[] = {
        {L"notes", L"Lotus Notes"},    {L"outlook", L"Outlook"},
        {L"oexpress", L"Outlook Express"}, {L"goldmine", L"GoldMine"},
        {L"msn", L"the MSN plug-in"},  {L"act", L"ACT!"},
        {L"desktop", L"your desktop"}, {L"onenotes", L"the OneNotes plug-in"},
        {L"groupwise", L"GroupWise"},  {L"ics", L"iCalendar and vCard files"},
    };
    for (const auto& [name, shown] : kNames) {
        if (name == target) return std::wstring(shown);
    }
    return L"\"" + target + L"\"";
}

std::wstring Counted(std::size_t count, const wchar_t* one, const wchar_t* many) {
    return std::to_wstring(count) + L" " + (count == 1 ? one : many);
}

}  // namespace

std::wstring ConsentText(const std::wstring& origin, const Request& request) {
    const Target* row = FindTarget(request.target);
    // A kind the target does not take is read and dropped, so it is not offered.
    const RecordKinds taken = row ? KindsTakenBy(*row) : RecordKinds{false, false, false};
    const auto count = [&](bool takes, const wchar_t* element) -> std::size_t {
        return takes ? request.document.ElementsByTagName(element).size() : 0;
    };
    const std::size_t contacts = count(taken.contacts, L"contact");
    const std::size_t events = count(taken.events, L"event");
    const std::size_t tasks = count(taken.todos, L"todo");
    std::vector<std::wstring> parts;
    if (contacts) parts.push_back(Counted(contacts, L"contact", L"contacts"));
    if (events) parts.push_back(Counted(events, L"event", L"events"));
    if (tasks) parts.push_back(Counted(tasks, L"task", L"tasks"));
    std::wstring what = parts.empty() ? L"nothing" : parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i) {
        what += (i + 1 == parts.size() ? L" and " : L", ") + parts[i];
    }
    return origin + L" wants to add " + what + L" to " + ProgramName(request.target) + L".";
}

DialogView SiteConsentDialog::Load(Host&) {
    using Kind = DialogControl::Kind;
    return {L"Orvantis Agent",
            {
                {.kind = Kind::Label, .id = L"Label1", .text = text_},
                {.kind = Kind::OkButton, .id = L"AllowOnceButton", .text = L"Allow once"},
                {.kind = Kind::OtherButton, .id = L"AlwaysAllowButton", .text = L"Always allow this site"},
                {.kind = Kind::CancelButton, .id = L"RefuseButton", .text = L"Refuse"},
            }};
}

DialogOutcome SiteConsentDialog::OnOk(Host&) {
    answer_ = Answer::AllowOnce;
    return DialogOutcome::Unload;
}

DialogOutcome SiteConsentDialog::OnOther(Host&) {
    answer_ = Answer::AlwaysAllow;
    return DialogOutcome::Unload;
}

DialogOutcome SiteConsentDialog::OnCancel(Host&) {
    answer_ = Answer::Refuse;
    return DialogOutcome::Unload;
}

}  // namespace orvantis
