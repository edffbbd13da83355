#include "platform/windows/ObjectAsDispatch.hpp"

#include <mutex>
#include <vector>

#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComVariant.hpp"

namespace orvantis::windows {
namespace {

// Names get identifiers from here on: clear of 0, of the negative standard identifiers and
// of the ones type libraries generate (0x6002xxxx), which stand-ins may answer as fixed.
constexpr DISPID kFirstNameId = 0x40000000;

// What the bridges of this module share. The identifiers are drawn afresh each time the
// module is loaded, so that no other module's bridge answers them.
struct BridgeModule {
    BridgeModule() {
        CoCreateGuid(&identity);
        CoCreateGuid(&type);
    }
    IID identity;  // asked for only by Unwrap: answered with the bridge itself
    GUID type;     // the type every bridge describes itself as
    std::mutex mutex;
    std::vector<std::wstring> names;  // the member of identifier kFirstNameId + n is names[n]
    long lookups = 0;
    ComPtr<ITypeInfo> typeInfo;  // made at the first request
};

BridgeModule& Module() {
    static BridgeModule module;
    return module;
}

CallKind KindOf(WORD flags) {
    if (flags & DISPATCH_PROPERTYPUTREF) return CallKind::PropertyPutRef;
    if (flags & DISPATCH_PROPERTYPUT) return CallKind::PropertyPut;
    if (flags & DISPATCH_METHOD) return CallKind::Method;
    return CallKind::PropertyGet;
}

bool SameName(const std::wstring& a, const wchar_t* b) {
    return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

DISPID IdOfName(const wchar_t* name) {
    BridgeModule& module = Module();
    const std::lock_guard lock(module.mutex);
    ++module.lookups;
    std::size_t index = 0;
    while (index < module.names.size() && !SameName(module.names[index], name)) ++index;
    if (index == module.names.size()) module.names.emplace_back(name);
    return kFirstNameId + static_cast<DISPID>(index);
}

Member MemberOf(DISPID id) {
    BridgeModule& module = Module();
    const std::lock_guard lock(module.mutex);
    const auto index = static_cast<std::size_t>(id) - static_cast<std::size_t>(kFirstNameId);
    if (id >= kFirstNameId && index < module.names.size()) return Member(module.names[index]);
    return Member::FromDispatchId(id);
}

// A type description that carries only the bridges' type identifier: the members are not
// known in advance, but a client can tell that every bridge of this module is of one type.
ComPtr<ITypeInfo> BridgeTypeInfo() {
    BridgeModule& module = Module();
    const std::lock_guard lock(module.mutex);
    if (module.typeInfo) return module.typeInfo;
    ComPtr<ICreateTypeLib2> library;
    ComPtr<ICreateTypeInfo> type;
    if (FAILED(CreateTypeLib2(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, L"ObjectAsDispatch", &library)) ||
        FAILED(library->CreateTypeInfo(const_cast<LPOLESTR>(L"ObjectAsDispatch"), TKIND_DISPATCH,
                                       &type)) ||
        FAILED(type->SetGuid(module.type)) || FAILED(type->LayOut())) {
        return nullptr;
    }
    type.As(&module.typeInfo);
    return module.typeInfo;
}

}  // namespace

bool ObjectAsDispatch::Answers(REFIID iid) { return iid == Module().identity; }

ObjectRef ObjectAsDispatch::Unwrap(IUnknown* unknown) {
    void* found = nullptr;
    if (!unknown || FAILED(unknown->QueryInterface(Module().identity, &found))) return nullptr;
    const ComPtr<IDispatch> bridge = Adopt<IDispatch>(static_cast<IDispatch*>(found));
    return static_cast<ObjectAsDispatch*>(bridge.Get())->object_;
}

long ObjectAsDispatch::NameLookups() {
    const std::lock_guard lock(Module().mutex);
    return Module().lookups;
}

HRESULT ObjectAsDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT ObjectAsDispatch::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = BridgeTypeInfo().Detach();
    return *info ? S_OK : E_FAIL;
}

HRESULT ObjectAsDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_POINTER;
    ids[0] = IdOfName(names[0]);
    // Named arguments are not part of the Objects' call shape.
    for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT ObjectAsDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* exception, UINT*) {
    if (!parameters) return E_POINTER;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    if (parameters->cNamedArgs > (put ? 1u : 0u)) return DISP_E_NONAMEDARGS;

    // Keep the bridge alive even if the call releases the client's last reference.
    const ComPtr<IDispatch> self(this);
    std::optional<AutomationError> raised;
    const HRESULT outcome = GuardComCall(
        [&] {
            const UINT count = parameters->cArgs;
            std::vector<Argument> arguments(count);
            for (UINT i = 0; i < count; ++i) {
                const VARIANT& passed = parameters->rgvarg[count - 1 - i];
                arguments[i].value = FromVariant(passed);
                arguments[i].byReference = passed.vt == (VT_VARIANT | VT_BYREF);
            }
            const Variant value = object_->Invoke(MemberOf(id), KindOf(flags), arguments);
            for (UINT i = 0; i < count; ++i) {
                if (!arguments[i].byReference) continue;
                VARIANT* target = parameters->rgvarg[count - 1 - i].pvarVal;
                VARIANT written;
                ToVariant(arguments[i].value, written);
                VariantClear(target);
                *target = written;
            }
            if (result) ToVariant(value, *result);
        },
        &raised);
    if (SUCCEEDED(outcome)) return outcome;
    if (exception) FillExcepInfo(*raised, *exception);
    return DISP_E_EXCEPTION;
}

}  // namespace orvantis::windows
