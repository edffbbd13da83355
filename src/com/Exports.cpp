// The entry points of the control's library. They hand over to the component runtime and to
// the classes here, and run the start routine on each thread that first comes through them.

#include "automation/AutomationError.hpp"
#include "automation/Text.hpp"
#include "com/ClassFactory.hpp"
#include "com/Module.hpp"
#include "com/Registration.hpp"
#include "control/RememberedSitesDialog.hpp"
#include "control/SafetyModule.hpp"
#include "dav/Collections.hpp"
#include "inserters/outlook/OutlookDialog.hpp"
#include "platform/NativeHost.hpp"
#include "platform/windows/Win32UserInterface.hpp"

using namespace orvantis;

namespace {

bool IsUserInstall(LPCWSTR commandLine) {
    return commandLine && EqualsIgnoringCase(commandLine, L"user");
}

// A dialog shown from rundll32, with a host of its own. Nothing may cross into rundll32: an
// automation error is shown in a box, anything else means the dialog did not appear.
void ShowFromRundll32(void (*show)(Host& host)) {
    windows::ComApartment apartment;
    windows::Win32UserInterface ui;
    const auto native = CreateNativeHost(ui);
    try {
        show(native->Get());
    } catch (const AutomationError& error) {
        ui.MessageBox(L"Error " + std::to_wstring(error.Number()) + L": " + error.Description(),
                      std::wstring(kComponentTitle), box::kExclamation);
    } catch (const std::exception&) {
    }
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) com::SetModuleHandle(instance);
    return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (classId != CLSID_OrvantisAgent) return CLASS_E_CLASSNOTAVAILABLE;
    SafetyModule::StartThread();
    try {
        return com::ClassFactory::Make()->QueryInterface(iid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return windows::LiveObjectCount() == 0 && com::ServerLocks() == 0 ? S_OK : S_FALSE;
}

HRESULT STDAPICALLTYPE DllRegisterServer() { return com::RegisterControl(HKEY_LOCAL_MACHINE, com::ModulePath()); }

HRESULT STDAPICALLTYPE DllUnregisterServer() { return com::UnregisterControl(HKEY_LOCAL_MACHINE); }

// regsvr32 /n /i:user registers for the current user alone (no administrator rights); any
// other command line means the machine, as DllRegisterServer does.
HRESULT STDAPICALLTYPE DllInstall(BOOL install, LPCWSTR commandLine) {
    const HKEY root = IsUserInstall(commandLine) ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    return install ? com::RegisterControl(root, com::ModulePath()) : com::UnregisterControl(root);
}

// rundll32 Orvantis.ocx,ChooseOutlookAddressBook: the Outlook address-book dialog on its own,
// so that a user can choose the contact folder before any document arrives.
void CALLBACK ChooseOutlookAddressBook(HWND, HINSTANCE, LPSTR, int) {
    ShowFromRundll32(ShowOutlookDialog);
}

// rundll32 Orvantis.ocx,ChooseDavCollections: the address book and calendars on the user's
// DAV server, chosen anew before the next "dav" document.
void CALLBACK ChooseDavCollections(HWND, HINSTANCE, LPSTR, int) {
    ShowFromRundll32(dav::ChooseCollections);
}

// rundll32 Orvantis.ocx,ForgetSites: the sites the user allowed or refused for pages, to
// forget one.
void CALLBACK ForgetSites(HWND, HINSTANCE, LPSTR, int) {
    ShowFromRundll32(ShowRememberedSites);
}

}  // extern "C"
