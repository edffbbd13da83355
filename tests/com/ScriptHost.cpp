#include "com/ScriptHost.hpp"

#include <stdexcept>

#include "platform/windows/ComErrors.hpp"
#include "platform/windows/DialogPresenter.hpp"

namespace orvantis::testing {
namespace {

MessageBoxWatcher* current = nullptr;

std::wstring TextOf(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : L""; }

std::wstring WindowText(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return text;
}

// Freed by Invoke, as every argument is.
std::vector<VARIANT> TextArgument(const std::wstring& text) {
    std::vector<VARIANT> arguments(1);
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = windows::Bstr(text).Detach();
    return arguments;
}

}  // namespace

ComPtr<IDispatch> CreateByProgId(const wchar_t* progId) {
    CLSID classId{};
    ComPtr<IDispatch> object;
    if (FAILED(CLSIDFromProgID(progId, &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object)))) {
        throw std::runtime_error("cannot create the object");
    }
    return object;
}

CallOutcome ScriptHost::Invoke(const std::wstring& name, std::vector<VARIANT>& arguments, bool put) {
    DISPID id = 0;
    windows::Bstr member(name);
    LPOLESTR names[] = {member.Get()};
    CallOutcome outcome;
    HRESULT found = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) {
        outcome.error = ScriptError{found, found, L"", L"unknown name"};
        return outcome;
    }
    // Script hosts pass the arguments last first, variables by reference, a property's value by value.
    std::vector<VARIANT> passed(arguments.size());
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        VARIANT& slot = passed[arguments.size() - 1 - i];
        slot = arguments[i];
        if (!put) {
            slot.vt = VT_VARIANT | VT_BYREF;
            slot.pvarVal = &arguments[i];
        }
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
    if (put) {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }
    OwnedVariant result;
    EXCEPINFO exception{};
    const WORD flags = put ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    const HRESULT invoked = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                            result.Put(), &exception, nullptr);
    if (FAILED(invoked)) {
        outcome.error = ScriptError{invoked, exception.scode, TextOf(exception.bstrSource),
                                    TextOf(exception.bstrDescription)};
        windows::FreeExcepInfo(exception);
    }
    if ((*result).vt == VT_BSTR) outcome.text = TextOf((*result).bstrVal);
    if ((*result).vt == VT_BOOL) outcome.flag = (*result).boolVal != VARIANT_FALSE;
    for (auto& argument : arguments) VariantClear(&argument);
    return outcome;
}

CallOutcome ScriptHost::Put(const std::wstring& name, const std::wstring& value) {
    auto arguments = TextArgument(value);
    return Invoke(name, arguments, true);
}

CallOutcome ScriptHost::Call(const std::wstring& name, std::vector<VARIANT> arguments) {
    return Invoke(name, arguments, false);
}

CallOutcome ScriptHost::CallWithText(const std::wstring& name, const std::wstring& text) {
    return Call(name, TextArgument(text));
}

MessageBoxWatcher::MessageBoxWatcher()
    : hook_(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {
    current = this;
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current) {
        const auto window = reinterpret_cast<HWND>(wParam);
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        // The system's own dialogs are #32770 windows too; they are not message boxes.
        if (std::wstring(className) == L"#32770" && !GetPropW(window, windows::kDialogProperty)) {
            // The box's text is its static control 0xFFFF.
            current->boxes.push_back({WindowText(window), WindowText(GetDlgItem(window, 0xFFFF))});
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace orvantis::testing
