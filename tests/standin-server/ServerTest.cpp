// The stand-in server hosted in-process, reached as the control reaches a product: through
// the object port's DispatchObject, and through raw IDispatch where identifiers matter.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "automation/AutomationError.hpp"
#include "automation/Enumerator.hpp"
#include "com/ScriptHost.hpp"
#include "fakes/DialogDriver.hpp"
#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComObjectFactory.hpp"
#include "platform/windows/ObjectDispatch.hpp"

namespace orvantis::testing {
namespace {

class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // The server reads its worlds from here when it first creates an object.
        std::filesystem::create_directories(Folder());
        std::filesystem::remove(Folder() / "probe.json");
        std::filesystem::remove(Folder() / "outlook.json");
        std::filesystem::remove(Folder() / "notes.json");
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

    Library server_{ORVANTIS_STANDIN_SERVER};
    windows::ComObjectFactory objects_;
};

std::size_t Occurrences(const std::string& text, const std::string& needle) {
    std::size_t n = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
    return n;
}

// Invokes by dispatch identifier, as a client that knows only the number does.
HRESULT InvokeById(IDispatch& object, DISPID id, OwnedVariant& result, EXCEPINFO& exception) {
    DISPPARAMS none{};
    return object.Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.Put(), &exception,
                         nullptr);
}

TEST_F(ServerTest, FixedIdentifiersReachTheObjectAndItsBridgeStaysInItsModule) {
    const ComPtr<IDispatch> probe = CreateByProgId(L"Orvantis.StandInProbe");
    OwnedVariant result;
    EXCEPINFO exception{};
    ASSERT_EQ(InvokeById(*probe.Get(), DISPID_VALUE, result, exception), S_OK);
    EXPECT_STREQ((*result).bstrVal, L"Orvantis probe");
    ASSERT_EQ(InvokeById(*probe.Get(), 0x60020003, result, exception), S_OK);
    EXPECT_EQ((*result).vt, VT_DISPATCH);
    // A number that nothing answers is the Object's to refuse, as a script sees it.
    ASSERT_EQ(InvokeById(*probe.Get(), 12345, result, exception), DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, static_cast<HRESULT>(0x800A0000 | 438));
    windows::FreeExcepInfo(exception);

    // The server's bridge is foreign here, though it is the same code: its Object lives on
    // the server's heap. This module's own bridge still comes back as its Object.
    EXPECT_EQ(windows::ObjectDispatch::Unwrap(probe.Get()), nullptr);
    const ObjectRef local = objects_.CreateObject(L"Orvantis.StandInProbe");
    EXPECT_EQ(windows::ObjectDispatch::Unwrap(windows::ObjectDispatch::Wrap(local).Get()), local);
}

TEST_F(ServerTest, NamesAreAskedOncePerTypeEnumerationAndErrorsCrossAndTheWorldIsSavedAtTheEnd) {
    {
        const ObjectRef probe = objects_.CreateObject(L"Orvantis.StandInProbe");
        const ObjectRef items = probe->Get(L"Items").ToObject();
        const auto nameLookups = [&] { return server_.Call<long>("NameLookups"); };
        const long before = nameLookups();
        constexpr int kItems = 100;
        for (int i = 1; i <= kItems; ++i) {
            const ObjectRef item = items->Call(L"Add").ToObject();
            item->Put(L"Subject", Variant(L"Item " + std::to_wstring(i)));
            item->Put(L"Importance", Variant(std::int32_t{i % 3}));
            item->Put(L"ReminderSet", Variant(true));
        }
        // Add, Subject, Importance and ReminderSet once each, not once per item.
        EXPECT_EQ(nameLookups() - before, 4);

        int visited = 0;
        ForEach(*items, [&](const Variant& item) {
            EXPECT_EQ(Dereference(item).Get(L"subject").ToText(), L"Item " + std::to_wstring(++visited));
        });
        EXPECT_EQ(visited, kItems);
        EXPECT_EQ(items->Get(Member::FromDispatchId(0), {Variant(std::int32_t{2})}).ToObject()->Get(L"Subject").ToText(),
                  L"Item 2");

        try {
            probe->Call(L"Fail", {Variant(std::int32_t{1234}), Variant(L"No such folder")});
            ADD_FAILURE() << "Fail did not fail";
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), 1234);
            EXPECT_EQ(error.Source(), L"Probe");
            EXPECT_EQ(error.Description(), L"No such folder");
        }
        EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_FALSE);
    }
    EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_OK);
    EXPECT_NE(Saved("probe.json").find(R"({"fields": [{"name": "Subject", "value": "Item 100"}, )"
                              R"({"name": "Importance", "value": 1}, {"name": "ReminderSet", "value": true}]})"),
              std::string::npos)
        << Saved("probe.json");
}

// The control as a page's script drives it, writing into Outlook's stand-in: every Outlook
// object is released by the end of the load, and the world holds what the document said.
TEST_F(ServerTest, TheControlLoadsIntoOutlookAndReleasesEveryObject) {
    {
        ScriptHost agent(CreateByProgId(L"Orvantis.OrvantisAgent"));
        for (int load = 0; load < 2; ++load) {
            const auto outcome = agent.CallWithText(
                L"LoadXML",
                L"<datas open='outlook'><contact><id>K'1</id><lastname>Kowalski</lastname>"
                L"<company-fax>+48 22</company-fax></contact><todo><subject>Call</subject>"
                L"<priority>0</priority></todo></datas>");
            EXPECT_FALSE(outcome.error);
            EXPECT_TRUE(agent.Get(L"isOk").flag);
            EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_OK) << "an Outlook object is still alive";
        }
    }
    const std::string json = Saved("outlook.json");
    EXPECT_EQ(Occurrences(json, "\"Kowalski\""), 1u) << json;  // updated, not duplicated
    EXPECT_EQ(Occurrences(json, "\"+48 22\""), 1u) << json;
    EXPECT_EQ(Occurrences(json, "\"TaskItem\""), 2u) << json;
}

// The same into Notes' stand-in: the date-time objects the control gets from Notes go back
// into it as item values, the picture is attached under the contact's name from a folder of
// its own, and a second load updates the contact (found by an identifier holding a quote and
// a backslash) instead of adding it.
TEST_F(ServerTest, TheControlLoadsIntoNotesAndReleasesEveryObject) {
    {
        ScriptHost agent(CreateByProgId(L"Orvantis.OrvantisAgent"));
        for (int load = 0; load < 2; ++load) {
            const auto outcome = agent.CallWithText(
                L"LoadXML",
                L"<datas open='notes'><contact><id>K\"1\\x</id><firstname>Anna</firstname>"
                L"<lastname>Kowalski/Nowak</lastname><notes>Met in Warsaw.</notes>"
                L"<picture>474946</picture></contact>"
                L"<event><subject>Review</subject><start>20261214T100000</start>"
                L"<end>20261214T113000</end><reminder>15</reminder></event>"
                L"<todo><subject>Call</subject><end>20261211T170000</end><priority>1</priority></todo>"
                L"</datas>");
            EXPECT_FALSE(outcome.error);
            EXPECT_TRUE(agent.Get(L"isOk").flag);
            EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_OK) << "a Notes object is still alive";
        }
    }
    const std::string json = Saved("notes.json");
    EXPECT_EQ(Occurrences(json, "\"Kowalski/Nowak\""), 1u) << json;
    EXPECT_EQ(Occurrences(json, "\"Met in Warsaw.\""), 1u) << json;
    EXPECT_EQ(Occurrences(json, R"("name": "Anna Kowalski_Nowak.gif")"), 1u) << json;
    EXPECT_EQ(Occurrences(json, R"("bytes": "474946")"), 1u) << json;
    EXPECT_EQ(Occurrences(json, R"("datetime": "2026-14-12 10:0:00")"), 4u) << json;
    EXPECT_EQ(Occurrences(json, R"("datetime": "2026-12-11 17:0:00")"), 4u) << json;
    EXPECT_EQ(Occurrences(json, R"("value": "Task")"), 2u) << json;
}

// The address-book dialog from rundll32's entry point, driven as a user would: the list shows
// Outlook's contact folders, OK stores the chosen line, Annuler stores nothing chosen, the
// close control leaves the setting alone.
TEST_F(ServerTest, TheOutlookDialogStoresTheChosenContactFolder) {
    Library ocx(ORVANTIS_OCX);
    const auto choose = reinterpret_cast<void(CALLBACK*)(HWND, HINSTANCE, LPSTR, int)>(
        reinterpret_cast<void*>(GetProcAddress(ocx.Module(), "ChooseOutlookAddressBook")));
    ASSERT_NE(choose, nullptr);
    const auto setting = [] {
        wchar_t value[64] = L"(missing)";
        DWORD size = sizeof value;
        RegGetValueW(HKEY_CURRENT_USER, L"Software\\OrvantisAgent\\Configuration",
                     L"OutlookAddressBook", RRF_RT_REG_SZ, nullptr, value, &size);
        return std::wstring(value);
    };
    const auto list = [](const ShownDialog& dialog) -> const ShownDialog::Control& {
        for (const auto& control : dialog.controls) {
            if (control.className == L"ListBox") return control;
        }
        throw std::runtime_error("no list");
    };
    const auto button = [](const ShownDialog& dialog, const wchar_t* text) {
        for (const auto& control : dialog.controls) {
            if (control.text == text) return control.window;
        }
        throw std::runtime_error("no button");
    };
    DialogDriver driver;
    driver.actions = {
        [&](const ShownDialog& d) { SelectLine(list(d).window, 1); Click(button(d, L"OK")); },
        [&](const ShownDialog& d) { Click(button(d, L"Annuler")); },
        [&](const ShownDialog& d) { SelectLine(list(d).window, 0); PressCloseControl(d.window); },
    };
    choose(nullptr, nullptr, nullptr, SW_SHOWNORMAL);
    ASSERT_EQ(driver.shown.size(), 1u);
    EXPECT_EQ(driver.shown[0].caption, L"Select the address book");
    EXPECT_EQ(list(driver.shown[0]).lines, (std::vector<std::wstring>{L"Contacts", L"Business Contacts"}));
    EXPECT_EQ(setting(), L"1");
    choose(nullptr, nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_EQ(setting(), L"");
    choose(nullptr, nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_EQ(setting(), L"");
    EXPECT_EQ(driver.shown.size(), 3u);
}

}  // namespace
}  // namespace orvantis::testing
