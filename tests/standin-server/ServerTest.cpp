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
#include "platform/windows/DispatchObject.hpp"
#include "platform/windows/ObjectDispatch.hpp"

namespace orvantis::testing {
namespace {

class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // The server reads its worlds from here when it first creates an object.
        std::filesystem::create_directories(Folder());
        std::filesystem::remove(Folder() / "outlook.json");
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

    Library server_{ORVANTIS_STANDIN_SERVER};
    windows::ComObjectFactory objects_;
};

TEST_F(ServerTest, FixedIdentifiersReachTheObjectAndItsBridgeStaysInItsModule) {
    const ObjectRef folders = NameSpace()->Get(L"Folders").ToObject();
    IDispatch& raw = *dynamic_cast<windows::DispatchObject&>(*folders).Dispatch();
    // Invoked by number with one argument, as a client that knows only the number does.
    const auto invoke = [&](DISPID id, OwnedVariant& result, EXCEPINFO& exception) {
        VARIANT position{};
        position.vt = VT_I4;
        position.lVal = 1;
        DISPPARAMS one{&position, nullptr, 1, 0};
        return raw.Invoke(id, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &one, result.Put(),
                          &exception, nullptr);
    };
    OwnedVariant result;
    EXCEPINFO exception{};
    ASSERT_EQ(invoke(DISPID_VALUE, result, exception), S_OK);
    EXPECT_EQ((*result).vt, VT_DISPATCH);
    // A number that nothing answers is the Object's to refuse, as a script sees it.
    ASSERT_EQ(invoke(12345, result, exception), DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, static_cast<HRESULT>(0x800A0000 | 438));
    windows::FreeExcepInfo(exception);

    // The server's bridge is foreign here, though it is the same code: its Object lives on
    // the server's heap. This module's own bridge still comes back as its Object.
    EXPECT_EQ(windows::ObjectDispatch::Unwrap(&raw), nullptr);
    EXPECT_EQ(windows::ObjectDispatch::Unwrap(windows::ObjectDispatch::Wrap(folders).Get()), folders);
}

TEST_F(ServerTest, NamesAreAskedOncePerTypeEnumerationAndErrorsCrossAndTheWorldIsSavedAtTheEnd) {
    {
        const ObjectRef items =
            NameSpace()->Call(L"GetDefaultFolder", {Variant(std::int32_t{10})}).ToObject()->Get(L"Items").ToObject();
        const auto nameLookups = [&] { return server_.Call<long>("NameLookups"); };
        const long before = nameLookups();
        constexpr int kItems = 100;
        for (int i = 1; i <= kItems; ++i) {
            const ObjectRef item = items->Call(L"Add").ToObject();
            item->Put(L"LastName", Variant(L"Item " + std::to_wstring(i)));
            item->Put(L"JobTitle", Variant(L"Tester"));
            item->Call(L"Save");
        }
        // Add, LastName, JobTitle and Save once each, not once per item.
        EXPECT_EQ(nameLookups() - before, 4);

        int visited = 0;
        ForEach(*items, [&](const Variant& item) {
            EXPECT_EQ(Dereference(item).Get(L"lastname").ToText(), L"Item " + std::to_wstring(++visited));
        });
        EXPECT_EQ(visited, kItems);
        EXPECT_EQ(items->Get(Member::FromDispatchId(0), {Variant(std::int32_t{2})}).ToObject()->Get(L"LastName").ToText(),
                  L"Item 2");

        try {
            items->Call(L"Restrict", {Variant(L"no filter")});
            ADD_FAILURE() << "Restrict did not fail";
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), -2147352567);
            EXPECT_EQ(error.Source(), L"Microsoft Outlook");
            EXPECT_EQ(error.Description(), L"Cannot parse condition. Error at \"no filter\".");
        }
        EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_FALSE);
    }
    EXPECT_EQ(server_.Call("DllCanUnloadNow"), S_OK);
    EXPECT_NE(Saved("outlook.json").find(R"("value": "Item 100")"), std::string::npos) << Saved("outlook.json");
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
