#include "com/TestInserter.hpp"

namespace orvantis::testing {
namespace {

constexpr CLSID kInserterClass = {0x3c1f9a20, 0x6d2b, 0x4e8a, {0x9b, 0x11, 0x52, 0x7a, 0x0d, 0x44, 0xe6, 0x19}};

}  // namespace

HRESULT TestInserter::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
    } else if (iid == IID_IClassFactory) {
        *object = static_cast<IClassFactory*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return S_OK;
}

HRESULT TestInserter::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT TestInserter::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT TestInserter::GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) {
    if (std::wstring(names[0]) != L"WriteContact") return DISP_E_UNKNOWNNAME;
    ids[0] = 1;
    return S_OK;
}

HRESULT TestInserter::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                             EXCEPINFO* exception, UINT*) {
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
    ScriptHost record(argument.pvarVal->pdispVal);
    seen.push_back(record.Get(L"Firstname").text + L" " + record.Get(L"lastname").text);
    record.Put(L"Notes", L"seen by the plug-in");
    if (handBackItself) {
        VariantClear(argument.pvarVal);
        argument.pvarVal->vt = VT_DISPATCH;
        argument.pvarVal->pdispVal = this;
    }
    return S_OK;
}

HRESULT TestInserter::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (outer) return CLASS_E_NOAGGREGATION;
    return QueryInterface(iid, object);
}

RegisteredInserter::RegisteredInserter(TestInserter& inserter, const std::wstring& progId)
    : progId_(progId) {
    CoRegisterClassObject(kInserterClass, static_cast<IClassFactory*>(&inserter),
                          CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
    wchar_t classText[40] = {};
    StringFromGUID2(kInserterClass, classText, 40);
    const std::wstring key = L"Software\\Classes\\" + progId_ + L"\\CLSID";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, classText,
                    static_cast<DWORD>((wcslen(classText) + 1) * sizeof(wchar_t)));
}

RegisteredInserter::~RegisteredInserter() {
    CoRevokeClassObject(cookie_);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + progId_).c_str());
}

}  // namespace orvantis::testing
