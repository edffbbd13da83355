#pragma once

// A plug-in inserter as a third party would write one: an automation object answering
// WriteContact(contact) with the record passed by reference. It reads the record's
// properties by name, writes one back, and may hand back another object in its place.

#include <string>
#include <vector>

#include "com/ScriptHost.hpp"

namespace orvantis::testing {

class TestInserter final : public IDispatch, public IClassFactory {
public:
    std::vector<std::wstring> seen;  // "Firstname Lastname" of each contact, in order
    bool handBackItself = false;
    bool refuse = false;  // fails as a plug-in reports a failure: through EXCEPINFO

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                     VARIANT*, EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// Registers the inserter under a ProgID: its class object for this process, the ProgID in
// the test prefix's registry; undoes both.
class RegisteredInserter {
public:
    RegisteredInserter(TestInserter& inserter, const std::wstring& progId);
    ~RegisteredInserter();
    RegisteredInserter(const RegisteredInserter&) = delete;
    RegisteredInserter& operator=(const RegisteredInserter&) = delete;

private:
    std::wstring progId_;
    DWORD cookie_ = 0;
};

}  // namespace orvantis::testing
