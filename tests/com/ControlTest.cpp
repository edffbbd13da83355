// The registered control hosted in-process, called through IDispatch as a script host does.

#include <gtest/gtest.h>

#include <ocidl.h>
#include <objsafe.h>
#include <olectl.h>

#include <set>

#include "com/ScriptHost.hpp"
#include "com/TestInserter.hpp"

namespace orvantis::testing {
namespace {

const wchar_t* const kOcx = ORVANTIS_OCX;
constexpr HRESULT kControlError = static_cast<HRESULT>(0x800A0000);

// The control's library loaded in this process, for its entry points and type library.
class ControlLibrary {
public:
    ControlLibrary() : module_(LoadLibraryW(kOcx)) {}
    ~ControlLibrary() { FreeLibrary(module_); }
    HRESULT Call(const char* entry) {
        auto function = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
            reinterpret_cast<void*>(GetProcAddress(module_, entry)));
        return function ? function() : E_NOTIMPL;
    }
    HRESULT Install(BOOL install, const wchar_t* commandLine) {
        auto function = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(BOOL, LPCWSTR)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "DllInstall")));
        return function(install, commandLine);
    }

private:
    HMODULE module_;
};

class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(ControlLibrary().Call("DllRegisterServer"), S_OK);
    }

    ScriptHost agent_{CreateByProgId(L"Orvantis.OrvantisAgent")};
};

TEST_F(ControlTest, XmlReadsTotoAndNeitherStoresNorLoads) {
    EXPECT_EQ(agent_.Get(L"XML").text, L"toto");
    EXPECT_FALSE(agent_.Put(L"XML", L"<datas open='x'/>").error);
    EXPECT_EQ(agent_.Get(L"XML").text, L"toto");
    const auto loaded = agent_.Call(L"isOk");
    EXPECT_EQ(loaded.type, VT_BOOL);
    EXPECT_FALSE(loaded.flag);
}

TEST_F(ControlTest, LoadsAGoodDocumentAndReturnsAnEmptyResult) {
    const auto result =
        agent_.CallWithText(L"LoadXML", L"<datas open='nowhere'><contact><firstname>A</firstname>"
                                        L"</contact><todo><start>20240102</start></todo></datas>");
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.type, VT_EMPTY);
    EXPECT_TRUE(agent_.Call(L"isOk").flag);
}

TEST_F(ControlTest, ShowsTheParseErrorBoxAndStaysNotLoaded) {
    agent_.CallWithText(L"LoadXML", L"<r/>");
    ASSERT_TRUE(agent_.Call(L"isOk").flag);
    MessageBoxWatcher watcher;
    bool loadedWhileShown = true;
    std::optional<ScriptError> nestedError{ScriptError{}};
    watcher.onShow = [&] {
        loadedWhileShown = agent_.Call(L"isOk").flag;
        // The host's message loop runs while the box is up: a nested load runs to its end.
        nestedError = agent_.CallWithText(L"LoadXML", L"<datas open='x'><todo/></datas>").error;
    };
    const auto result = agent_.CallWithText(L"LoadXML", L"<datas open='x'><contact></datas>");
    EXPECT_FALSE(result.error);
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].title, L"Orvantis");
    const std::wstring& text = watcher.boxes[0].text;
    EXPECT_EQ(text.rfind(L"Error code: -", 0), 0u) << text;
    EXPECT_NE(text.find(L"\r\nReason: "), std::wstring::npos);
    EXPECT_NE(text.find(L"\r\nSource: \r\n"), std::wstring::npos);
    EXPECT_FALSE(loadedWhileShown);
    EXPECT_FALSE(nestedError);
    EXPECT_FALSE(agent_.Call(L"isOk").flag);  // the outer load, which failed, decides
    watcher.onShow = nullptr;

    // An empty text and an empty variant are no documents either.
    agent_.CallWithText(L"LoadXML", L"");
    agent_.Call(L"LoadXML", std::vector<VARIANT>(1));
    EXPECT_EQ(watcher.boxes.size(), 3u);
}

TEST_F(ControlTest, FailuresReachTheScriptWithTheirNumbersSourceAndText) {
    struct Case {
        const wchar_t* document;
        int number;
    } cases[] = {
        {L"<datas><contact/></datas>", 91},
        {L"<datas open='x'><contact><!-- c --></contact></datas>", 13},
        {L"<datas open='x'><event><start>2024-13-45</start></event></datas>", 13},
        {L"<datas open='x'><event><reminder>40000</reminder></event></datas>", 6},
        {L"<datas open='notes'><contact><id>1</id></contact></datas>", 438},
    };
    for (const auto& item : cases) {
        const auto result = agent_.CallWithText(L"LoadXML", item.document);
        ASSERT_TRUE(result.error) << item.document;
        EXPECT_EQ(result.error->result, DISP_E_EXCEPTION);
        EXPECT_EQ(result.error->scode, kControlError | item.number) << item.document;
        EXPECT_EQ(result.error->source, L"Orvantis");
        EXPECT_FALSE(result.error->description.empty());
        EXPECT_FALSE(agent_.Call(L"isOk").flag);
    }
    VARIANT null;
    null.vt = VT_NULL;
    const auto result = agent_.Call(L"LoadXML", {null});
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->scode, kControlError | 94);
    EXPECT_EQ(result.error->description, L"Invalid use of Null");
}

// A host calling the control from its message loop while ShellAndWait lets messages through.
LRESULT CALLBACK ReenteringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        auto& host = *reinterpret_cast<std::function<void()>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        host();
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(ControlTest, ANestedLoadDuringTheShellWaitLeavesTheOuterLoadWhole) {
    bool loadedBefore = true;
    bool nestedFailed = true;
    bool loadedAfterNested = true;
    std::function<void()> host = [&] {
        loadedBefore = agent_.Call(L"isOk").flag;
        nestedFailed = agent_.CallWithText(L"LoadXML", L"<datas open='x'><contact/></datas>")
                           .error.has_value();
        loadedAfterNested = agent_.Call(L"isOk").flag;
    };
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ReenteringProcedure;
    windowClass.lpszClassName = L"OrvantisReenteringHost";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host));
    PostMessageW(window, WM_APP, 0, 0);

    // "notes" runs regsvr32 on the Notes library and waits for it, pumping messages.
    MessageBoxWatcher watcher;
    const auto outer = agent_.CallWithText(L"LoadXML", L"<datas open='notes'/>");
    DestroyWindow(window);
    EXPECT_FALSE(outer.error);
    EXPECT_FALSE(loadedBefore);
    EXPECT_FALSE(nestedFailed);
    EXPECT_FALSE(loadedAfterNested);
    EXPECT_TRUE(agent_.Call(L"isOk").flag);
}

TEST_F(ControlTest, AnswersTheScriptingSafetyQuestions) {
    ComPtr<IObjectSafety> safety;
    ASSERT_EQ(agent_.Object()->QueryInterface(IID_IObjectSafety, reinterpret_cast<void**>(safety.GetAddressOf())), S_OK);
    DWORD supported = 0;
    DWORD enabled = 0;
    EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
    EXPECT_EQ(supported, 3u);
    EXPECT_EQ(enabled, 1u);
    EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IPersistPropertyBag, &supported, &enabled), S_OK);
    EXPECT_EQ(enabled, 2u);
    supported = 0;
    enabled = 77;
    EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IUnknown, &supported, &enabled), E_NOINTERFACE);
    EXPECT_EQ(supported, 3u);
    EXPECT_EQ(enabled, 77u);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 1, 1), S_OK);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 3, 3), E_FAIL);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 1, 0), E_FAIL);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistStream, 2, 2), S_OK);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistStream, 1, 1), E_FAIL);

    // A C caller passing no identifier at all.
    using GetOptions = HRESULT(STDMETHODCALLTYPE*)(IObjectSafety*, const IID*, DWORD*, DWORD*);
    using SetOptions = HRESULT(STDMETHODCALLTYPE*)(IObjectSafety*, const IID*, DWORD, DWORD);
    void** table = *reinterpret_cast<void***>(safety.Get());
    enabled = 77;
    EXPECT_EQ(reinterpret_cast<GetOptions>(table[3])(safety.Get(), nullptr, &supported, &enabled), S_OK);
    EXPECT_EQ(enabled, 77u);
    EXPECT_EQ(reinterpret_cast<SetOptions>(table[4])(safety.Get(), nullptr, 0, 0), S_OK);
}

TEST_F(ControlTest, DescribesItsClassAndEmptyEventSource) {
    ComPtr<IProvideClassInfo2> classInfo;
    ASSERT_EQ(agent_.Object()->QueryInterface(IID_PPV_ARGS(&classInfo)), S_OK);
    GUID source{};
    EXPECT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(classInfo->GetClassInfo(&info), S_OK);
    TYPEATTR* attributes = nullptr;
    info->GetTypeAttr(&attributes);
    EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FCONTROL);
    info->ReleaseTypeAttr(attributes);

    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(agent_.Object()->QueryInterface(IID_PPV_ARGS(&container)), S_OK);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(source, &point), S_OK);
    IID connected{};
    point->GetConnectionInterface(&connected);
    EXPECT_EQ(connected, source);
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &point), CONNECT_E_NOCONNECTION);

    // Listed, it is the one point there is.
    ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
    IConnectionPoint* listed[2] = {};
    ULONG fetched = 0;
    EXPECT_EQ(points->Next(2, listed, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    listed[0]->GetConnectionInterface(&connected);
    EXPECT_EQ(connected, source);
    listed[0]->Release();
    points->Reset();
    EXPECT_EQ(points->Skip(2), S_FALSE);
    EXPECT_EQ(points->Next(1, listed, nullptr), S_FALSE);
}

TEST_F(ControlTest, TheTypeLibraryDescribesTheControlInSlotOrder) {
    ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadTypeLibEx(kOcx, REGKIND_NONE, &library), S_OK);
    BSTR name = nullptr;
    BSTR help = nullptr;
    library->GetDocumentation(-1, &name, &help, nullptr, nullptr);
    EXPECT_STREQ(name, L"Orvantis");
    EXPECT_STREQ(help, L"Orvantis");
    SysFreeString(name);
    SysFreeString(help);

    ComPtr<IDispatch> dispatch(agent_.Object());
    ComPtr<ITypeInfo> agentInfo;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, &agentInfo), S_OK);
    TYPEATTR* attributes = nullptr;
    agentInfo->GetTypeAttr(&attributes);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FHIDDEN);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
    agentInfo->ReleaseTypeAttr(attributes);
    // The dual interface's vtable view: its members follow IDispatch's seven slots.
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
        BSTR member = nullptr;
        vtableInfo->GetDocumentation(function->memid, &member, nullptr, nullptr, nullptr);
        EXPECT_STREQ(member, slots[i].name);
        EXPECT_EQ(function->invkind, slots[i].kind);
        EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
        if (i == 3) {
            EXPECT_EQ(function->lprgelemdescParam[0].tdesc.vt, VT_PTR);
            EXPECT_EQ(function->lprgelemdescParam[0].paramdesc.wParamFlags,
                      PARAMFLAG_FIN | PARAMFLAG_FOUT);
        }
        SysFreeString(member);
        vtableInfo->ReleaseFuncDesc(function);
    }

    ComPtr<ITypeInfo> todo;
    ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_NULL, &todo), TYPE_E_ELEMENTNOTFOUND);
    UINT count = library->GetTypeInfoCount();
    bool foundTodoClass = false;
    for (UINT i = 0; i < count; ++i) {
        BSTR typeName = nullptr;
        library->GetDocumentation(static_cast<INT>(i), &typeName, nullptr, nullptr, nullptr);
        if (std::wstring(typeName) == L"AgentTodo") {
            library->GetTypeInfo(i, &todo);
            todo->GetTypeAttr(&attributes);
            EXPECT_FALSE(attributes->wTypeFlags & TYPEFLAG_FCANCREATE);
            todo->ReleaseTypeAttr(attributes);
            foundTodoClass = true;
        }
        SysFreeString(typeName);
    }
    EXPECT_TRUE(foundTodoClass);
}

TEST_F(ControlTest, TheMsnRouteHandsEachContactToThePlugInByReference) {
    const wchar_t* document =
        L"<datas open='msn'><contact><firstname>Ann</firstname><lastname>Lee</lastname></contact>"
        L"<contact><firstname>Bo</firstname></contact><event><subject>s</subject></event></datas>";
    // Without a plug-in the route has no object to call.
    auto missing = agent_.CallWithText(L"LoadXML", document);
    ASSERT_TRUE(missing.error);
    EXPECT_EQ(missing.error->scode, kControlError | 424);

    TestInserter inserter;
    {
        RegisteredInserter registered(inserter, L"Orvantis.MsnInserter");
        EXPECT_FALSE(agent_.CallWithText(L"LoadXML", document).error);
        EXPECT_EQ(inserter.seen, (std::vector<std::wstring>{L"Ann Lee", L"Bo "}));
        EXPECT_TRUE(agent_.Call(L"isOk").flag);

        inserter.handBackItself = true;
        const auto replaced = agent_.CallWithText(L"LoadXML", document);
        ASSERT_TRUE(replaced.error);
        EXPECT_EQ(replaced.error->scode, kControlError | 13);

        // The plug-in's own failure reaches the script as the plug-in told it.
        inserter.handBackItself = false;
        inserter.refuse = true;
        const auto refused = agent_.CallWithText(L"LoadXML", document);
        ASSERT_TRUE(refused.error);
        EXPECT_EQ(refused.error->scode, kControlError | 1004);
        EXPECT_EQ(refused.error->source, L"MsnInserter");
        EXPECT_EQ(refused.error->description, L"The address book is closed.");
    }
    TestInserter oneNotes;
    RegisteredInserter registered(oneNotes, L"Orvantis.OneNotesInserter");
    EXPECT_FALSE(agent_.CallWithText(L"LoadXML", L"<datas open='onenotes'><contact/></datas>").error);
    EXPECT_EQ(oneNotes.seen.size(), 1u);
}

// The names below one key, to see that registration leaves nothing else behind.
std::set<std::wstring> SubkeysOf(HKEY root, const wchar_t* path) {
    std::set<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.insert(name);
    }
    RegCloseKey(key);
    return names;
}

struct ClassesSnapshot {
    explicit ClassesSnapshot(HKEY root)
        : top(SubkeysOf(root, L"Software\\Classes")),
          classes(SubkeysOf(root, L"Software\\Classes\\CLSID")),
          libraries(SubkeysOf(root, L"Software\\Classes\\TypeLib")),
          interfaces(SubkeysOf(root, L"Software\\Classes\\Interface")) {}
    bool operator==(const ClassesSnapshot&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const ClassesSnapshot& snapshot) {
        for (const auto* names : {&snapshot.top, &snapshot.classes, &snapshot.libraries, &snapshot.interfaces}) {
            out << "[";
            for (const auto& name : *names) out << std::string(name.begin(), name.end()) << " ";
            out << "] ";
        }
        return out;
    }
    std::set<std::wstring> top, classes, libraries, interfaces;
};

const wchar_t* const kServerKey =
    L"Software\\Classes\\CLSID\\{678083DB-C0B6-4F62-9C7F-F54C19DD571E}\\InprocServer32";

bool KeyExists(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

TEST_F(ControlTest, RegistersAndUnregistersCleanlyForTheMachineAndForOneUser) {
    ControlLibrary library;
    ASSERT_EQ(library.Call("DllUnregisterServer"), S_OK);
    const ClassesSnapshot machineBefore(HKEY_LOCAL_MACHINE);
    const ClassesSnapshot userBefore(HKEY_CURRENT_USER);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kServerKey));

    ASSERT_EQ(library.Call("DllRegisterServer"), S_OK);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kServerKey));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Orvantis.OrvantisAgent\\CLSID"));
    EXPECT_EQ(ClassesSnapshot(HKEY_CURRENT_USER), userBefore);
    ASSERT_EQ(library.Call("DllUnregisterServer"), S_OK);
    EXPECT_EQ(ClassesSnapshot(HKEY_LOCAL_MACHINE), machineBefore);

    // Per user: HKCU alone. (Wine does not merge the user's classes into HKCR, so creating
    // the control from there is left to Windows.)
    ASSERT_EQ(library.Install(TRUE, L"user"), S_OK);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kServerKey));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\Orvantis.OrvantisAgent\\CLSID"));
    EXPECT_EQ(ClassesSnapshot(HKEY_LOCAL_MACHINE), machineBefore);
    ASSERT_EQ(library.Install(FALSE, L"user"), S_OK);
    EXPECT_EQ(ClassesSnapshot(HKEY_CURRENT_USER), userBefore);

    ASSERT_EQ(library.Call("DllRegisterServer"), S_OK);
}

TEST_F(ControlTest, MayBeUnloadedOnlyWhenNothingOfItLives) {
    ControlLibrary library;
    EXPECT_EQ(library.Call("DllCanUnloadNow"), S_FALSE);  // agent_ lives
    agent_ = ScriptHost(nullptr);
    EXPECT_EQ(library.Call("DllCanUnloadNow"), S_OK);

    CLSID classId;
    CLSIDFromProgID(L"Orvantis.OrvantisAgent", &classId);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)), S_OK);
    factory->LockServer(TRUE);
    factory.Reset();
    EXPECT_EQ(library.Call("DllCanUnloadNow"), S_FALSE);
    ASSERT_EQ(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)), S_OK);
    factory->LockServer(FALSE);
    factory.Reset();
    EXPECT_EQ(library.Call("DllCanUnloadNow"), S_OK);
}

}  // namespace
}  // namespace orvantis::testing
