#include "dav/Collections.hpp"

#include <algorithm>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "dav/Url.hpp"
#include "dialogs/AddressBookView.hpp"
#include "dialogs/DialogModel.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::dav {
namespace {

constexpr char kPrincipalQuery[] =
    R"(<?xml version="1.0" encoding="utf-8"?>)"
    R"(<D:propfind xmlns:D="DAV:"><D:prop><D:current-user-principal/><D:resourcetype/>)"
    R"(<D:displayname/><C:supported-calendar-component-set )"
    R"(xmlns:C="urn:ietf:params:xml:ns:caldav"/></D:prop></D:propfind>)";

constexpr char kHomesQuery[] =
    R"(<?xml version="1.0" encoding="utf-8"?>)"
    R"(<D:propfind xmlns:D="DAV:" xmlns:A="urn:ietf:params:xml:ns:carddav" )"
    R"(xmlns:C="urn:ietf:params:xml:ns:caldav"><D:prop><A:addressbook-home-set/>)"
    R"(<C:calendar-home-set/></D:prop></D:propfind>)";

// Each kind, in ItemKind's order: where its pick is kept, what its dialog says, what it is
// called in an error, and the component a calendar must take for it (none for contacts).
struct KindRow {
    std::wstring (*kept)(Host& host);
    void (*keep)(Host& host, const std::wstring& url);
    const wchar_t* caption;
    const wchar_t* label;
    const wchar_t* what;
    const char* component;
};
constexpr KindRow kKinds[] = {
    {ConfigUtilities::GetDavAddressBook, ConfigUtilities::SaveDavAddressBook,
     L"Select the Address book", L"Available Address book:", L"address book", nullptr},
    {ConfigUtilities::GetDavCalendar, ConfigUtilities::SaveDavCalendar, L"Select the calendar",
     L"Calendars for events:", L"calendar for events", "VEVENT"},
    {ConfigUtilities::GetDavTaskCalendar, ConfigUtilities::SaveDavTaskCalendar,
     L"Select the task list", L"Calendars for tasks:", L"calendar for tasks", "VTODO"},
};
const KindRow& RowOf(ItemKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

bool Takes(const Resource& properties, ItemKind kind) {
    const char* component = RowOf(kind).component;
    if (!component) return properties.isAddressBook;
    if (!properties.isCalendar) return false;
    if (properties.components.empty()) return true;
    return std::find(properties.components.begin(), properties.components.end(), component) !=
           properties.components.end();
}

// The list of one kind's collections; OK keeps the one selected.
class CollectionDialog : public DialogModel {
public:
    CollectionDialog(ItemKind kind, std::vector<Collection> collections)
        : kind_(kind), collections_(std::move(collections)) {}
    std::optional<std::string> picked;

protected:
    DialogView Load(Host&) override {
        std::vector<std::wstring> names;
        for (const auto& collection : collections_) names.push_back(collection.name);
        DialogView view = AddressBookView(RowOf(kind_).caption, std::move(names), true);
        view.controls.front().text = RowOf(kind_).label;
        return view;
    }
    DialogOutcome OnOk(Host& host) override {
        const int selection = Control(kAddressBookList).selection;
        if (selection >= 0 && static_cast<std::size_t>(selection) < collections_.size()) {
            picked = collections_[static_cast<std::size_t>(selection)].url;
            RowOf(kind_).keep(host, WideFromUtf8(*picked).value_or(L""));
        }
        return DialogOutcome::Unload;
    }
    DialogOutcome OnCancel(Host&) override { return DialogOutcome::Unload; }

private:
    ItemKind kind_;
    std::vector<Collection> collections_;
};

std::wstring NameOf(const std::string& url, const Resource& properties) {
    const std::string& name = properties.displayName.empty() ? url : properties.displayName;
    return WideFromUtf8(name).value_or(L"?");
}

// What the server says of the principal query at the URL, following its redirects; none when
// it answers anything else, so that the next place may be tried.
std::vector<Resource> PrincipalAt(DavServer& server, std::string& url) {
    for (int redirects = 0; redirects < 5; ++redirects) {
        const HttpResponse response = server.Send({.method = "PROPFIND",
                                                   .url = url,
                                                   .headers = {{"Depth", "0"}},
                                                   .body = kPrincipalQuery});
        const auto location = response.Header("location");
        if (response.status / 100 == 3 && location) {
            url = Resolve(url, *location);
            continue;
        }
        if (response.status == 207) return ReadMultistatus(server.host().xml, response.body);
        break;
    }
    return {};
}

}  // namespace

Collections::Collections(DavServer& server) {
    // The address itself, else the well-known addresses, which usually redirect to where the
    // server keeps its DAV tree.
    std::string principal;
    for (const std::string& start : {server.Url(), server.Origin() + "/.well-known/carddav",
                                    server.Origin() + "/.well-known/caldav"}) {
        std::string url = start;
        for (const Resource& at : PrincipalAt(server, url)) {
            if (at.isAddressBook || at.isCalendar) found_.push_back({{url, NameOf(url, at)}, at});
            if (!at.principal.empty()) principal = Resolve(url, at.principal);
        }
        if (!principal.empty() || !found_.empty()) break;
    }
    if (!found_.empty() || principal.empty()) return;
    std::vector<std::string> homes;
    for (const Resource& r : server.Propfind(principal, 0, kHomesQuery)) {
        for (const std::string* home : {&r.addressBookHome, &r.calendarHome}) {
            if (home->empty()) continue;
            const std::string resolved = AsCollection(Resolve(principal, *home));
            if (std::find(homes.begin(), homes.end(), resolved) == homes.end()) {
                homes.push_back(resolved);
            }
        }
    }
    for (const auto& home : homes) {
        for (const Resource& r : server.Propfind(home, 1, kPrincipalQuery)) {
            if (!r.isAddressBook && !r.isCalendar) continue;
            const std::string collection = AsCollection(Resolve(home, r.href));
            found_.push_back({{collection, NameOf(collection, r)}, r});
        }
    }
}

std::vector<Collection> Collections::Taking(ItemKind kind) const {
    std::vector<Collection> taking;
    for (const auto& [collection, properties] : found_) {
        if (Takes(properties, kind)) taking.push_back(collection);
    }
    return taking;
}

std::string CollectionChooser::For(ItemKind kind) {
    const std::wstring kept = RowOf(kind).kept(server_.host());
    if (!kept.empty()) return AsCollection(Resolve(server_.Url(), Utf8FromWide(kept)));
    if (auto asked = Ask(kind)) return *asked;
    throw AutomationError::Standard(errors::kPathNotFound,
                                    L"the server " + ServerName() + L" offers no " + RowOf(kind).what);
}

std::wstring CollectionChooser::ServerName() const {
    return WideFromUtf8(server_.Origin()).value_or(L"?");
}

std::optional<std::string> CollectionChooser::Ask(ItemKind kind) {
    if (!found_) found_.emplace(server_);
    std::vector<Collection> taking = found_->Taking(kind);
    if (taking.empty()) return std::nullopt;
    if (taking.size() == 1) {
        RowOf(kind).keep(server_.host(), WideFromUtf8(taking[0].url).value_or(L""));
        return taking[0].url;
    }
    CollectionDialog dialog(kind, std::move(taking));
    ShowModally(dialog, server_.host());
    if (!dialog.picked) {
        throw AutomationError::Standard(errors::kPathNotFound,
                                        L"no " + std::wstring(RowOf(kind).what) + L" of " +
                                            ServerName() + L" was chosen");
    }
    return *dialog.picked;
}

void ChooseCollections(Host& host) {
    DavServer server(host);
    CollectionChooser chooser(server);
    for (const ItemKind kind : {ItemKind::Contact, ItemKind::Event, ItemKind::Todo}) {
        chooser.Ask(kind);
    }
}

}  // namespace orvantis::dav
