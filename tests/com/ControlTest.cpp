// The registered control hosted in-process, called through IDispatch as a script host does.
// Its message boxes are real ones: the stand-in server's ACT! test reads one.
// What the core tests cover (loading, routing, the failure table) and what the cscript tests
// see (XML, isOk, the numbers of errors) is not repeated here: only what the COM shell can
// break.

#include <gtest/gtest.h>

#include <objsafe.h>
#include <ocidl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "com/Library.hpp"
#include "fakes/Errors.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/ComObjectFactory.hpp"
#include "platform/windows/DispatchAsObject.hpp"
#include "platform/windows/ObjectAsDispatch.hpp"
#include "platform/windows/WindowHandles.hpp"

namespace orvantis::test {
namespace {

using windows::ComPtr;
using windows::OwnedWindow;

const wchar_t* const kOcx = ORVANTIS_OCX;

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

// A plug-in inserter as a third party would write one: an automation object answering
// WriteContact(contact) with the record passed by reference. It reads the record's
// properties by name, writes one back, and may hand back another object in its place.
struct TestInserter final : Object {
    std::vector<std::wstring> seen;  // "Firstname Lastname" of each contact, in order
    bool handBackAnother = false;
    bool refuse = false;  // fails as a plug-in reports a failure: through EXCEPINFO

    Variant Invoke(const Member& member, CallKind, std::span<Argument> arguments) override {
        if (member.name != L"WriteContact" || arguments.size() != 1) {
            throw AutomationError::Standard(errors::kWrongArgumentCount);
        }
        if (refuse) throw AutomationError(1004, L"MsnInserter", L"The address book is closed.");
        if (!arguments[0].byReference) throw AutomationError::Standard(errors::kTypeMismatch);
        Object& record = Dereference(arguments[0].value);
        seen.push_back(record.Get(L"Firstname").ToText() + L" " + record.Get(L"lastname").ToText());
        record.Put(L"Notes", Variant(L"seen by the plug-in"));
        if (handBackAnother) arguments[0].value = Variant(ObjectRef(std::make_shared<TestInserter>()));
        return {};
    }
};

// Serves the plug-in as Orvantis.MsnInserter while it lives: its class object for this
// process, the ProgID in the test prefix's registry.
class PlugInServed final : public IClassFactory {
public:
    explicit PlugInServed(ObjectRef plugIn) : plugIn_(std::move(plugIn)) {
        constexpr CLSID kInserterClass = {0x3c1f9a20, 0x6d2b, 0x4e8a, {0x9b, 0x11, 0x52, 0x7a, 0x0d, 0x44, 0xe6, 0x19}};
        CoRegisterClassObject(kInserterClass, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
        wchar_t classText[40] = {};
        StringFromGUID2(kInserterClass, classText, 40);
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, (kKey + std::wstring(L"\\CLSID")).c_str(), nullptr, REG_SZ, classText,
                        static_cast<DWORD>((wcslen(classText) + 1) * sizeof(wchar_t)));
    }
    ~PlugInServed() {
        CoRevokeClassObject(cookie_);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        return outer ? CLASS_E_NOAGGREGATION : windows::ObjectAsDispatch::Wrap(plugIn_)->QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    static constexpr const wchar_t* kKey = L"Software\\Classes\\Orvantis.MsnInserter";
    ObjectRef plugIn_;
    DWORD cookie_ = 0;
};

TEST_F(ControlTest, TheMsnRouteHandsEachContactToThePlugInByReference) {
    const wchar_t* document =
        L"<datas open='msn'><contact><firstname>Ann</firstname><lastname>Lee</lastname></contact>"
        L"<contact><firstname>Bo</firstname></contact><event><subject>s</subject></event></datas>";
    const auto plugIn = std::make_shared<TestInserter>();
    const PlugInServed served(plugIn);
    TestInserter& inserter = *plugIn;
    const auto load = [&] { return ErrorOf([&] { agent_->Call(L"LoadXML", {Variant(document)}); }); };
    EXPECT_EQ(load().Number(), 0);
    EXPECT_EQ(inserter.seen, (std::vector<std::wstring>{L"Ann Lee", L"Bo "}));

    // A plug-in that puts another object in the record's place is refused.
    inserter.handBackAnother = true;
    EXPECT_EQ(load().Number(), 13);

    // The plug-in's own failure reaches the script as the plug-in told it.
    inserter.handBackAnother = false;
    inserter.refuse = true;
    const auto refused = load();
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

// The control embedded by a real container: Wine's ATL host window (atl.dll's AtlAxWin),
// which creates it by ProgID, sites it and activates it in place, as a form or a page does.
// The control keeps no state: it saves nothing and loads anything.

constexpr int kWidth = 120;
constexpr int kHeight = 30;
constexpr std::uint32_t kUntouched = 0x00FF00FF;  // a colour no face uses

// The pixels (0x00RRGGBB) of a kWidth x kHeight picture, first filled with kUntouched, after
// paint has drawn with its bounds, two pixels in, as the clipping region.
std::vector<std::uint32_t> Picture(const std::function<void(HDC, const RECT&)>& paint) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const windows::OwnedGdiObject bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const windows::OwnedDeviceContext dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = SelectObject(*dc, *bitmap);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + kWidth * kHeight, kUntouched);
    const RECT bounds{2, 2, kWidth - 2, kHeight - 2};
    const windows::OwnedGdiObject clip(CreateRectRgnIndirect(&bounds));
    SelectClipRgn(*dc, static_cast<HRGN>(*clip));
    paint(*dc, bounds);
    GdiFlush();
    std::vector<std::uint32_t> picture(pixels, pixels + kWidth * kHeight);
    SelectObject(*dc, previous);
    return picture;
}

// The face fills its bounds with the button face colour and nothing outside them, and writes
// its label in the left part, vertically centred: the columns of the label's ink lie in the
// left half and its rows around the middle.
void ExpectFace(const std::vector<std::uint32_t>& picture) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t background = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    int ink = 0;
    int lastInkColumn = 0;
    int firstInkRow = kHeight;
    int lastInkRow = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t pixel = picture[y * kWidth + x];
            const bool inside = x >= 2 && x < kWidth - 2 && y >= 2 && y < kHeight - 2;
            if (!inside) {
                ASSERT_EQ(pixel, kUntouched) << x << "," << y;
            } else if (pixel != background) {
                ASSERT_NE(pixel, kUntouched) << x << "," << y;
                ++ink;
                lastInkColumn = std::max(lastInkColumn, x);
                firstInkRow = std::min(firstInkRow, y);
                lastInkRow = std::max(lastInkRow, y);
            }
        }
    }
    EXPECT_GT(ink, 40);  // eight letters
    EXPECT_LT(lastInkColumn, kWidth / 2);
    EXPECT_GT(firstInkRow, 4);
    EXPECT_LT(lastInkRow, kHeight - 5);
}

TEST_F(ControlTest, TheAtlHostSitesActivatesDrawsAndReleasesIt) {
    agent_.reset();
    // Loaded for the process: the host's window class, once registered, points into it.
    static Library atl(L"atl.dll");
    static const BOOL hostReady = atl.Call<BOOL>("AtlAxWinInit");
    ASSERT_TRUE(hostReady);
    {
        // Before any container: the default extent, and an empty state that loads back.
        CLSID classId{};
        ComPtr<IViewObject2> control;
        CLSIDFromProgID(L"Orvantis.OrvantisAgent", &classId);
        ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)), S_OK);
        SIZEL extent{};
        ASSERT_EQ(control->GetExtent(DVASPECT_CONTENT, -1, nullptr, &extent), S_OK);
        EXPECT_EQ(extent.cx, 2540);  // one inch by a quarter, in HIMETRIC
        EXPECT_EQ(extent.cy, 635);
        ComPtr<IPersistStreamInit> persist;
        ASSERT_EQ(control.As(&persist), S_OK);
        ASSERT_EQ(persist->InitNew(), S_OK);  // Wine's ATL host goes on when it fails
        ComPtr<IStream> stream;
        ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
        EXPECT_EQ(persist->Save(stream.Get(), TRUE), S_OK);  // what it writes, it reads back
        EXPECT_EQ(persist->Load(stream.Get()), S_OK);
        EXPECT_EQ(persist->IsDirty(), S_FALSE);
        ComPtr<IPersistPropertyBag> bag;
        EXPECT_EQ(control.As(&bag), S_OK);
    }
    const OwnedWindow frame(CreateWindowExW(0, L"STATIC", L"page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                            300, 200, nullptr, nullptr, nullptr, nullptr));
    OwnedWindow host(CreateWindowExW(0, L"AtlAxWin", L"Orvantis.OrvantisAgent", WS_CHILD | WS_VISIBLE,
                                     10, 10, kWidth, kHeight, *frame, nullptr, nullptr, nullptr));
    ASSERT_TRUE(*host);
    HWND face = nullptr;
    {
        ComPtr<IUnknown> control;
        ASSERT_EQ(atl.Call("AtlAxGetControl", *host, control.GetAddressOf()), S_OK);
        ComPtr<IOleObject> object;
        ASSERT_EQ(control.As(&object), S_OK);
        ComPtr<IOleClientSite> site;
        EXPECT_EQ(object->GetClientSite(&site), S_OK);
        EXPECT_TRUE(site);

        ComPtr<IOleInPlaceObject> inPlace;
        ASSERT_EQ(control.As(&inPlace), S_OK);
        ASSERT_EQ(inPlace->GetWindow(&face), S_OK);
        EXPECT_EQ(GetParent(face), *host);
        EXPECT_TRUE(IsWindowVisible(face));

        // The window, sized by the host, paints the same face as a drawing into the container's.
        ComPtr<IViewObject> view;
        ASSERT_EQ(control.As(&view), S_OK);
        const auto windowed = Picture([&](HDC dc, const RECT& bounds) {
            SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
            SendMessageW(face, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
        ExpectFace(windowed);
        const auto drawn = Picture([&](HDC dc, const RECT& bounds) {
            const RECTL at{bounds.left, bounds.top, bounds.left + kWidth, bounds.top + kHeight};
            view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &at, nullptr, nullptr, 0);
        });
        EXPECT_EQ(windowed, drawn);
    }
    host = OwnedWindow();
    EXPECT_FALSE(IsWindow(face));
    EXPECT_EQ(Library(kOcx).Call("DllCanUnloadNow"), S_OK);
}

}  // namespace
}  // namespace orvantis::test
