// The registered control hosted in-process, called through IDispatch as a script host does.
// Its message boxes are real ones: the stand-in server's ACT! test reads one.
// What the core tests cover (loading, routing, the failure table) and what the cscript tests
// see (XML, isOk, the numbers of errors) is not repeated here: only what the COM shell can
// break.

#include <gtest/gtest.h>

#include <objsafe.h>
#include <ocidl.h>

#include <set>

#include "automation/AutomationError.hpp"
#include "com/Library.hpp"
#include "com/TestInserter.hpp"
#include "platform/windows/ComObjectFactory.hpp"

namespace orvantis::test {
namespace {

using windows::ComPtr;

const wchar_t* const kOcx = ORVANTIS_OCX;

// The control's errors as the caller sees them: the number, the source and the text.
AutomationError LoadFailure(Object& agent, const std::wstring& document) {
    try {
        agent.Call(L"LoadXML", {Variant(document)});
    } catch (const AutomationError& error) {
        return error;
    }
    return AutomationError(0, L"", L"no error");
}

class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(Library(kOcx).Call("DllRegisterServer"), S_OK);
    }
    IDispatch* Raw() const { return dynamic_cast<windows::DispatchAsObject&>(*agent_).Dispatch(); }

    ObjectRef agent_ = windows::ComObjectFactory().CreateObject(L"Orvantis.OrvantisAgent");
};

TEST_F(ControlTest, AnswersTheScriptingSafetyQuestions) {
    ComPtr<IObjectSafety> safety;
    ASSERT_EQ(Raw()->QueryInterface(IID_IObjectSafety, reinterpret_cast<void**>(safety.GetAddressOf())), S_OK);
    const struct {
        const IID* asked;
        HRESULT status;
        DWORD enabled;  // 77: left as it was
    } answers[] = {{&IID_IDispatch, S_OK, 1}, {&IID_IPersistPropertyBag, S_OK, 2},
                   {&IID_IUnknown, E_NOINTERFACE, 77}, {nullptr, S_OK, 77}};
    // Called through the table, as a C caller may pass no identifier at all.
    using GetOptions = HRESULT(STDMETHODCALLTYPE*)(IObjectSafety*, const IID*, DWORD*, DWORD*);
    using SetOptions = HRESULT(STDMETHODCALLTYPE*)(IObjectSafety*, const IID*, DWORD, DWORD);
    void** table = *reinterpret_cast<void***>(safety.Get());
    for (const auto& answer : answers) {
        DWORD supported = 0;
        DWORD enabled = 77;
        EXPECT_EQ(reinterpret_cast<GetOptions>(table[3])(safety.Get(), answer.asked, &supported, &enabled),
                  answer.status);
        EXPECT_EQ(supported, 3u);
        EXPECT_EQ(enabled, answer.enabled);
    }
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 1, 1), S_OK);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 3, 3), E_FAIL);
    EXPECT_EQ(reinterpret_cast<SetOptions>(table[4])(safety.Get(), nullptr, 0, 0), S_OK);
}

TEST_F(ControlTest, TheTypeLibraryDescribesTheControlInSlotOrder) {
    // The dual interface's vtable view: its members follow IDispatch's seven slots.
    ComPtr<ITypeInfo> agentInfo;
    ASSERT_EQ(Raw()->GetTypeInfo(0, 0, &agentInfo), S_OK);
    HREFTYPE vtableView = 0;
    ComPtr<ITypeInfo> vtableInfo;
    ASSERT_EQ(agentInfo->GetRefTypeOfImplType(-1, &vtableView), S_OK);
    ASSERT_EQ(agentInfo->GetRefTypeInfo(vtableView, &vtableInfo), S_OK);
    const struct {
        const wchar_t* name;
        INVOKEKIND kind;
    } slots[] = {{L"XML", INVOKE_PROPERTYPUT}, {L"XML", INVOKE_PROPERTYGET},
                 {L"isOk", INVOKE_FUNC}, {L"LoadXML", INVOKE_FUNC}};
    for (UINT i = 0; i < 4; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(vtableInfo->GetFuncDesc(i, &function), S_OK);
        windows::Bstr member;
        vtableInfo->GetDocumentation(function->memid, member.Put(), nullptr, nullptr, nullptr);
        EXPECT_STREQ(member.Get(), slots[i].name);
        EXPECT_EQ(function->invkind, slots[i].kind);
        EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
        vtableInfo->ReleaseFuncDesc(function);
    }
}

TEST_F(ControlTest, TheMsnRouteHandsEachContactToThePlugInByReference) {
    const wchar_t* document =
        L"<datas open='msn'><contact><firstname>Ann</firstname><lastname>Lee</lastname></contact>"
        L"<contact><firstname>Bo</firstname></contact><event><subject>s</subject></event></datas>";
    TestInserter inserter;
    RegisteredInserter registered(inserter, L"Orvantis.MsnInserter");
    EXPECT_EQ(LoadFailure(*agent_, document).Number(), 0);
    EXPECT_EQ(inserter.seen, (std::vector<std::wstring>{L"Ann Lee", L"Bo "}));

    // A plug-in that puts another object in the record's place is refused.
    inserter.handBackItself = true;
    EXPECT_EQ(LoadFailure(*agent_, document).Number(), 13);

    // The plug-in's own failure reaches the script as the plug-in told it.
    inserter.handBackItself = false;
    inserter.refuse = true;
    const auto refused = LoadFailure(*agent_, document);
    EXPECT_EQ(refused.Number(), 1004);
    EXPECT_EQ(refused.Source(), L"MsnInserter");
    EXPECT_EQ(refused.Description(), L"The address book is closed.");
}

// Every key below the classes keys, to see that registration leaves nothing else behind.
std::set<std::wstring> ClassKeys(HKEY root) {
    std::set<std::wstring> names;
    for (const wchar_t* path : {L"Software\\Classes", L"Software\\Classes\\CLSID",
                                L"Software\\Classes\\TypeLib", L"Software\\Classes\\Interface"}) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
        wchar_t name[256];
        for (DWORD i = 0, length = 256;
             RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
             ++i, length = 256) {
            names.insert(std::wstring(path) + L"\\" + name);
        }
        RegCloseKey(key);
    }
    return names;
}

bool IsRegisteredIn(HKEY root) {
    const auto keys = ClassKeys(root);
    return keys.count(L"Software\\Classes\\CLSID\\{678083DB-C0B6-4F62-9C7F-F54C19DD571E}") &&
           keys.count(L"Software\\Classes\\Orvantis.OrvantisAgent");
}

TEST_F(ControlTest, RegistersAndUnregistersCleanlyForTheMachineAndForOneUser) {
    Library library(kOcx);
    ASSERT_EQ(library.Call("DllUnregisterServer"), S_OK);
    const auto machineBefore = ClassKeys(HKEY_LOCAL_MACHINE);
    const auto userBefore = ClassKeys(HKEY_CURRENT_USER);
    EXPECT_FALSE(IsRegisteredIn(HKEY_LOCAL_MACHINE));

    ASSERT_EQ(library.Call("DllRegisterServer"), S_OK);
    EXPECT_TRUE(IsRegisteredIn(HKEY_LOCAL_MACHINE));
    EXPECT_EQ(ClassKeys(HKEY_CURRENT_USER), userBefore);
    ASSERT_EQ(library.Call("DllUnregisterServer"), S_OK);
    EXPECT_EQ(ClassKeys(HKEY_LOCAL_MACHINE), machineBefore);

    // Per user: HKCU alone. (Wine does not merge the user's classes into HKCR, so creating
    // the control from there is left to Windows.)
    ASSERT_EQ(library.Call("DllInstall", TRUE, L"user"), S_OK);
    EXPECT_TRUE(IsRegisteredIn(HKEY_CURRENT_USER));
    EXPECT_EQ(ClassKeys(HKEY_LOCAL_MACHINE), machineBefore);
    ASSERT_EQ(library.Call("DllInstall", FALSE, L"user"), S_OK);
    EXPECT_EQ(ClassKeys(HKEY_CURRENT_USER), userBefore);

    ASSERT_EQ(library.Call("DllRegisterServer"), S_OK);
}

// 64-bit Windows keeps the x86 and the x64 control's classes apart but shares the ProgID and
// the type library's key: removing one architecture's control leaves them to the other.
TEST_F(ControlTest, UnregisteringLeavesTheSharedKeysToTheOtherArchitecture) {
    Library library(kOcx);
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    windows::OwnedKey otherClasses;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS | otherView,
                              nullptr, otherClasses.Put(), nullptr),
              ERROR_SUCCESS);
    const std::wstring otherClass = L"CLSID\\{678083DB-C0B6-4F62-9C7F-F54C19DD571E}";
    ASSERT_EQ(RegCreateKeyExW(otherClasses.Get(), (otherClass + L"\\InprocServer32").c_str(), 0, nullptr, 0,
                              KEY_WRITE | otherView, nullptr, windows::OwnedKey().Put(), nullptr),
              ERROR_SUCCESS);

    ASSERT_EQ(library.Call("DllUnregisterServer"), S_OK);
    const auto keys = ClassKeys(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(IsRegisteredIn(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(keys.count(L"Software\\Classes\\Orvantis.OrvantisAgent"));
    EXPECT_TRUE(keys.count(L"Software\\Classes\\TypeLib\\{674C054F-A849-4088-ACA3-DAC253317E15}"));

    for (const std::wstring& key : {otherClass + L"\\InprocServer32", otherClass}) {
        ASSERT_EQ(RegDeleteKeyExW(otherClasses.Get(), key.c_str(), otherView, 0), ERROR_SUCCESS);
    }
    ASSERT_EQ(library.Call("DllRegisterServer"), S_OK);
}

TEST_F(ControlTest, MayBeUnloadedOnlyWhenNothingOfItLives) {
    Library library(kOcx);
    EXPECT_EQ(library.Call("DllCanUnloadNow"), S_FALSE);  // agent_ lives
    agent_.reset();
    EXPECT_EQ(library.Call("DllCanUnloadNow"), S_OK);

    CLSID classId;
    CLSIDFromProgID(L"Orvantis.OrvantisAgent", &classId);
    ComPtr<IClassFactory> factory;
    for (const BOOL lock : {TRUE, FALSE}) {
        ASSERT_EQ(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)), S_OK);
        factory->LockServer(lock);
        factory.Reset();
        EXPECT_EQ(library.Call("DllCanUnloadNow"), lock ? S_FALSE : S_OK);
    }
}

}  // namespace
}  // namespace orvantis::test
