// The stand-in server hosted in-process, reached as the control reaches a product: through
// the object port's DispatchObject, and through raw IDispatch where identifiers matter.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "automation/AutomationError.hpp"
#include "automation/Enumerator.hpp"
#include "com/ScriptHost.hpp"
#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComObjectFactory.hpp"
#include "platform/windows/ObjectDispatch.hpp"

namespace orvantis::testing {
namespace {

class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(Library(ORVANTIS_STANDIN_SERVER).Call("DllRegisterServer"), S_OK);
    }

    Library server_{ORVANTIS_STANDIN_SERVER};
    windows::ComObjectFactory objects_;
};

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
    const auto folder = std::filesystem::temp_directory_path() / "orvantis-standin-server";
    std::filesystem::create_directories(folder);
    std::filesystem::remove(folder / "probe.json");
    SetEnvironmentVariableW(L"ORVANTIS_SANDBOX_DIR", folder.wstring().c_str());
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
    std::ostringstream json;
    json << std::ifstream(folder / "probe.json").rdbuf();
    EXPECT_NE(json.str().find(R"({"fields": [{"name": "Subject", "value": "Item 100"}, )"
                              R"({"name": "Importance", "value": 1}, {"name": "ReminderSet", "value": true}]})"),
              std::string::npos)
        << json.str();
}

}  // namespace
}  // namespace orvantis::testing
