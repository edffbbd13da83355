#pragma once

// A plug-in inserter as a third party would write one: an automation object answering
// WriteContact(contact) with the record passed by reference. It reads the record's
// properties by name, writes one back, and may hand back another object in its place.

#include <string>
#include <vector>

#include "platform/windows/DispatchAsObject.hpp"

namespace orvantis::test {

class TestInserter final : public IDispatch, public IClassFactory {
public:
    std::vector<std::wstring> seen;  // "Firstname Lastname" of each contact, in order
    bool handBackItself = false;
    bool refuse = false;  // fails as a plug-in reports a failure: through EXCEPINFO

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch) *object = static_cast<IDispatch*>(this);
        if (iid == IID_IClassFactory) *object = static_cast<IClassFactory*>(this);
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        ids[0] = 1;
        return std::wstring(names[0]) == L"WriteContact" ? S_OK : DISP_E_UNKNOWNNAME;
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                     EXCEPINFO* exception, UINT*) override {
        if (id != 1 || parameters->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        if (refuse) {
            *exception = EXCEPINFO{};
            exception->scode = static_cast<HRESULT>(0x800A0000 | 1004);
            exception->bstrSource = SysAllocString(L"MsnInserter");
            exception->bstrDescription = SysAllocString(L"The address book is closed.");
            return DISP_E_EXCEPTION;
        }
        VARIANT& argument = parameters->rgvarg[0];
        if (argument.vt != (VT_VARIANT | VT_BYREF) || argument.pvarVal->vt != VT_DISPATCH) {
            return DISP_E_TYPEMISMATCH;
        }
        windows::DispatchAsObject record(argument.pvarVal->pdispVal);
        seen.push_back(record.Get(L"Firstname").ToText() + L" " + record.Get(L"lastname").ToText());
        record.Put(L"Notes", Variant(L"seen by the plug-in"));
        if (handBackItself) {
            VariantClear(argument.pvarVal);
            argument.pvarVal->vt = VT_DISPATCH;
            argument.pvarVal->pdispVal = this;
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// Registers the inserter under a ProgID: its class object for this process, the ProgID in
// the test prefix's registry; undoes both.
class RegisteredInserter {
public:
    RegisteredInserter(TestInserter& inserter, const std::wstring& progId) : key_(L"Software\\Classes\\" + progId) {
        constexpr CLSID kInserterClass = {0x3c1f9a20, 0x6d2b, 0x4e8a, {0x9b, 0x11, 0x52, 0x7a, 0x0d, 0x44, 0xe6, 0x19}};
        CoRegisterClassObject(kInserterClass, static_cast<IClassFactory*>(&inserter), CLSCTX_INPROC_SERVER,
                              REGCLS_MULTIPLEUSE, &cookie_);
        wchar_t classText[40] = {};
        StringFromGUID2(kInserterClass, classText, 40);
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, (key_ + L"\\CLSID").c_str(), nullptr, REG_SZ, classText,
                        static_cast<DWORD>((wcslen(classText) + 1) * sizeof(wchar_t)));
    }
    ~RegisteredInserter() {
        CoRevokeClassObject(cookie_);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, key_.c_str());
    }
    RegisteredInserter(const RegisteredInserter&) = delete;
    RegisteredInserter& operator=(const RegisteredInserter&) = delete;

private:
    std::wstring key_;
    DWORD cookie_ = 0;
};

}  // namespace orvantis::test
