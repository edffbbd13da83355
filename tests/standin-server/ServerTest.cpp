// The stand-in server hosted in-process, reached as the control reaches a product: through
// the object port's DispatchAsObject.

#include <gtest/gtest.h>

#include <objsafe.h>
#include <ocidl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "com/Library.hpp"
#include "com/PageSite.hpp"
#include "fakes/DialogDriver.hpp"
#include "fakes/Errors.hpp"
#include "platform/windows/ComObjectFactory.hpp"
#include "platform/windows/DispatchAsObject.hpp"

namespace orvantis::test {
namespace {

class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // The server reads its worlds from here when it first creates an object.
        std::filesystem::remove_all(Folder());
        std::filesystem::create_directories(Folder());
        // A shared ACT! database, so that every insertion asks the login window.
        std::ofstream(Folder() / "act.json")
            << R"({"configuration": {"MultiUser": true, "Users": {"Admin": "s3cret"}}})";
        // What the products' installers leave: ACT!'s database, GoldMine's folder.
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Symantec\\ACT!\\Database", L"Last DB Name",
                        REG_SZ, L"C:\\ACT\\Database\\Contacts.dbf", 58);
        RegSetKeyValueW(HKEY_LOCAL_MACHINE,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GMW6.exe", L"Path",
                        REG_SZ, L"C:\\GoldMine", 24);
        SetEnvironmentVariableW(L"ORVANTIS_SANDBOX_DIR", Folder().wstring().c_str());
        ASSERT_EQ(Library(ORVANTIS_STANDIN_SERVER).Call("DllRegisterServer"), S_OK);
        ASSERT_EQ(Library(ORVANTIS_OCX).Call("DllRegisterServer"), S_OK);
    }
    static std::filesystem::path Folder() {
        return std::filesystem::temp_directory_path() / "orvantis-standin-server";
    }
    static std::string Saved(const char* world) {
        std::ostringstream json;
        json << std::ifstream(Folder() / world).rdbuf();
        return json.str();
    }
    ObjectRef NameSpace() {
        return objects_.CreateObject(L"Outlook.Application")->Call(L"GetNamespace", {Variant(L"MAPI")}).ToObject();
    }
    // Loads the document into a fresh control, which releases every product object by the
    // end of the load. Whether the load went to its end (isOk).
    bool Load(const std::wstring& document) {
        const ObjectRef agent = objects_.CreateObject(L"Orvantis.OrvantisAgent");
        EXPECT_NO_THROW(agent->Call(L"LoadXML", {Variant(document)}));
        EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_OK) << "a product object is still alive";
        return agent->Call(L"isOk").ToBoolean();
    }

    Library server_{ORVANTIS_STANDIN_SERVER};
    windows::ComObjectFactory objects_;
};

constexpr wchar_t kSettings[] = L"Software\\OrvantisAgent\\Configuration";

std::wstring Setting(const wchar_t* key) {
    wchar_t value[64] = L"(missing)";
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, kSettings, key, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

TEST_F(ServerTest, NamesAreAskedOncePerTypeAndTheServerLivesWhileItsObjectsDo) {
    const ObjectRef items =
        NameSpace()->Call(L"GetDefaultFolder", {Variant(std::int32_t{10})}).ToObject()->Get(L"Items").ToObject();
    const long before = server_.Call<long>("NameLookups");
    constexpr int kItems = 100;
    for (int i = 1; i <= kItems; ++i) {
        const ObjectRef item = items->Call(L"Add").ToObject();
        item->Put(L"LastName", Variant(L"Item " + std::to_wstring(i)));
        item->Put(L"JobTitle", Variant(L"Tester"));
        item->Call(L"Save");
    }
    // Add, LastName, JobTitle and Save once each, not once per item.
    EXPECT_EQ(server_.Call<long>("NameLookups") - before, 4);
    // That it may go once they do, every load checks.
    EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_FALSE);
}

std::size_t Count(const std::string& text, const std::string& needle) {
    std::size_t n = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
    return n;
}

// The control into Notes' stand-in: the date-time objects the control gets from Notes go back
// into it as item values, and a second load updates the contact instead of adding it. (Names,
// pictures and identifiers are the Notes tests' and the golden's.)
TEST_F(ServerTest, TheControlLoadsIntoNotesAndReleasesEveryObject) {
    for (int load = 0; load < 2; ++load) {
        EXPECT_TRUE(Load(L"<datas open='notes'><contact><id>K1</id><lastname>Kowalski</lastname></contact>"
                         L"<event><subject>Review</subject><start>20261214T100000</start>"
                         L"<end>20261214T113000</end><reminder>15</reminder></event>"
                         L"<todo><subject>Call</subject><end>20261211T170000</end><priority>1</priority></todo></datas>"));
    }
    const std::string json = Saved("notes.json");
    EXPECT_EQ(Count(json, "\"Kowalski\""), 1u) << json;
    EXPECT_EQ(Count(json, R"("datetime": "2026-14-12 10:0:00")"), 4u) << json;
    EXPECT_EQ(Count(json, R"("datetime": "2026-12-11 17:0:00")"), 4u) << json;
}

// The address-book dialog from rundll32's entry point, driven as a user would: OK stores the
// chosen line, Annuler stores nothing chosen. (Its caption and folders are the golden's.)
TEST_F(ServerTest, TheOutlookDialogStoresTheChosenContactFolder) {
    DialogDriver driver;
    driver.actions = {
        [&](const ShownDialog& d) {
            SelectLine(DialogDriver::Of(d, L"ListBox").at(0)->window, 1);
            Click(DialogDriver::Named(d, L"OK"));
        },
        [&](const ShownDialog& d) { Click(DialogDriver::Named(d, L"Annuler")); },
    };
    for (const wchar_t* stored : {L"1", L""}) {
        Library(ORVANTIS_OCX).Call<void>("ChooseOutlookAddressBook", HWND{}, HINSTANCE{}, LPSTR{},
                                         SW_SHOWNORMAL);
        EXPECT_EQ(Setting(L"OutlookAddressBook"), stored);
    }
}

// The control loads into ACT! and GoldMine through their login dialogs, driven as a user
// would: GoldMine's dialog stores what OK was given and keeps it for the next document,
// Annuler and Esc store nothing and the load goes on with the stored login; ACT!'s window
// asks at every insertion and a closed one leaves the database shut.
TEST_F(ServerTest, TheControlLoadsIntoActAndGoldMineThroughTheirLoginDialogs) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, L"GoldmineUser");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, L"GoldminePassword");
    const std::wstring contact = L"<contact><lastname>Nowak</lastname><company>Kom</company></contact>";
    std::vector<std::wstring> texts;  // the edit boxes' texts at each showing
    const auto readAndType = [&](const ShownDialog& d, const wchar_t* user, const wchar_t* password) {
        const auto edits = DialogDriver::Of(d, L"Edit");
        ASSERT_EQ(edits.size(), 2u);
        texts.push_back(edits[0]->text + L"/" + edits[1]->text);
        if (user) TypeText(edits[0]->window, user);
        if (password) TypeText(edits[1]->window, password);
    };
    DialogDriver driver;
    driver.actions = {
        [&](const ShownDialog& d) { readAndType(d, L"jdupont", L"secret"); Click(DialogDriver::Named(d, L"OK")); },
        [&](const ShownDialog& d) { readAndType(d, L"typed", L"typed"); Click(DialogDriver::Named(d, L"Annuler")); },
        [&](const ShownDialog& d) { readAndType(d, L"typed", nullptr); PressEscape(DialogDriver::Of(d, L"Edit")[0]->window); },
        [&](const ShownDialog& d) { readAndType(d, L"Admin", L"s3cret"); Click(DialogDriver::Named(d, L"OK")); },
        [&](const ShownDialog& d) { readAndType(d, L"Admin", L"s3cret"); PressCloseControl(d.window); },
    };
    for (const wchar_t* target : {L"goldmine", L"goldmine", L"goldmine", L"act", L"act"}) {
        Load(std::wstring(L"<datas open='") + target + L"'>" + contact + L"</datas>");
    }
    ASSERT_EQ(driver.shown.size(), 5u);
    // Fresh settings; then the texts as left by OK; then, once Annuler discarded the dialog,
    // the stored login; the ACT! window always opens empty.
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"/", L"jdupont/secret", L"jdupont/secret", L"/", L"/"}));
    ASSERT_EQ(driver.boxes.size(), 1u);  // the closed ACT! login: the database did not open
    EXPECT_EQ(driver.boxes[0].first, L"Orvantis Agent Alert");
    EXPECT_EQ(Count(Saved("goldmine.json"), "\" Nowak\""), 3u) << Saved("goldmine.json");
    EXPECT_EQ(Count(Saved("act.json"), "\" Nowak\""), 1u) << Saved("act.json");
}

constexpr wchar_t kPolicy[] = L"Software\\Policies\\OrvantisAgent\\SiteLock";

void SetText(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// How the page holds the control: an <object> element (the container's client site) or an
// object its script created (sited by the script engine once the browser made it safe).
enum class Placed { ByElement, ByScript };

// Sites a fresh control on the page and loads the document as the page's script would; the
// error's number, 0 when none. An interface refused fails the test rather than crashing it.
std::int32_t LoadOnPage(PageSite& site, Placed placed, const std::wstring& document) {
    const ObjectRef agent = windows::ComObjectFactory().CreateObject(L"Orvantis.OrvantisAgent");
    IDispatch* script = dynamic_cast<windows::DispatchAsObject&>(*agent).Dispatch();
    windows::ComPtr<IOleObject> element;
    windows::ComPtr<IObjectWithSite> created;
    if (placed == Placed::ByElement) {
        EXPECT_EQ(script->QueryInterface(IID_PPV_ARGS(&element)), S_OK);
        EXPECT_EQ(element ? element->SetClientSite(&site) : E_NOINTERFACE, S_OK);
    } else {
        windows::ComPtr<IObjectSafety> safety;
        EXPECT_EQ(script->QueryInterface(IID_IObjectSafety, reinterpret_cast<void**>(safety.GetAddressOf())), S_OK);
        EXPECT_EQ(safety ? safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_CALLER,
                                                             INTERFACESAFE_FOR_UNTRUSTED_CALLER)
                         : E_NOINTERFACE, S_OK);
        EXPECT_EQ(script->QueryInterface(IID_PPV_ARGS(&created)), S_OK);
        EXPECT_EQ(created ? created->SetSite(static_cast<IOleClientSite*>(&site)) : E_NOINTERFACE, S_OK);
    }
    const std::int32_t number = ErrorNumberOf([&] { agent->Call(L"LoadXML", {Variant(document)}); });
    if (element) element->SetClientSite(nullptr);
    if (created) created->SetSite(nullptr);
    return number;
}

// The machine's policy allows one host, refuses the rest of its domain and leaves other
// sites to the user, who is asked in the Win32 dialog.
TEST_F(ServerTest, APageLoadsOnlyWhereItsSiteIsAllowed) {
    SetText(HKEY_LOCAL_MACHINE, kPolicy, L"1", L"allow https =crm.example.com");
    SetText(HKEY_LOCAL_MACHINE, kPolicy, L"2", L"refuse https example.com");
    const auto contact = [](const wchar_t* name) {
        return std::wstring(L"<datas open='outlook'><contact><lastname>") + name + L"</lastname></contact></datas>";
    };
    // Answers any box or dialog that the test does not expect, instead of waiting for a user.
    DialogDriver driver;
    {
        PageSite site(L"https://CRM.example.com/agent/page.html", PageSite::Tells::ByMoniker);
        EXPECT_EQ(LoadOnPage(site, Placed::ByElement, contact(L"Allowed")), 0);
    }
    EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_OK);
    const std::string before = Saved("outlook.json");
    EXPECT_NE(before.find("Allowed"), std::string::npos) << before;
    {
        PageSite site(L"https://shop.example.com/", PageSite::Tells::ByBrowser);
        EXPECT_EQ(LoadOnPage(site, Placed::ByScript, contact(L"Refused")), 70);
    }
    EXPECT_EQ(Saved("outlook.json"), before);
    driver.actions.push_back([](const ShownDialog& dialog) {
        Click(DialogDriver::Named(dialog, L"Always allow this site"));
    });
    {
        PageSite site(L"https://partner.test/", PageSite::Tells::ByBrowser);
        EXPECT_EQ(LoadOnPage(site, Placed::ByElement, contact(L"Asked")), 0);
    }
    EXPECT_EQ(driver.shown.size(), 1u);  // asked for the one site left to the user alone
    EXPECT_TRUE(driver.boxes.empty());
    EXPECT_NE(Saved("outlook.json").find("Asked"), std::string::npos);
    EXPECT_EQ(Setting(L"SiteAnswers"), L"allow https://partner.test");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Policies\\OrvantisAgent");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, L"SiteAnswers");
}

}  // namespace
}  // namespace orvantis::test
