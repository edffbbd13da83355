#include "platform/windows/DispatchAsObject.hpp"

#include <mutex>
#include <vector>

#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComVariant.hpp"

namespace orvantis::windows {
namespace {

WORD FlagsOf(CallKind kind) {
    switch (kind) {
        case CallKind::Method: return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
        case CallKind::PropertyGet: return DISPATCH_PROPERTYGET;
        case CallKind::PropertyPut: return DISPATCH_PROPERTYPUT;
        case CallKind::PropertyPutRef: return DISPATCH_PROPERTYPUTREF;
    }
    return DISPATCH_METHOD;
}

// The identifiers of every type met in this process, kept for its lifetime (a type's
// identifiers never change). Controls on several threads may share them.
std::mutex typesMutex;
std::map<GUID, std::shared_ptr<DispatchAsObject::Identifiers>, GuidLess> types;

// The identifier of the object's type, or GUID_NULL when it describes none.
GUID TypeOf(IDispatch& dispatch) {
    ComPtr<ITypeInfo> info;
    TYPEATTR* attributes = nullptr;
    if (FAILED(dispatch.GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)) || !info ||
        FAILED(info->GetTypeAttr(&attributes))) {
        return GUID_NULL;
    }
    const GUID type = attributes->guid;
    info->ReleaseTypeAttr(attributes);
    return type;
}

std::shared_ptr<DispatchAsObject::Identifiers> IdentifiersOf(const GUID& type) {
    if (type == GUID_NULL) return std::make_shared<DispatchAsObject::Identifiers>();
    const std::lock_guard lock(typesMutex);
    auto& identifiers = types[type];
    if (!identifiers) identifiers = std::make_shared<DispatchAsObject::Identifiers>();
    return identifiers;
}

}  // namespace

DISPID DispatchAsObject::IdOf(const Member& member) {
    if (member.dispatchId) return *member.dispatchId;
    if (!identifiers_) identifiers_ = IdentifiersOf(TypeOf(*dispatch_.Get()));
    {
        const std::lock_guard lock(typesMutex);
        const auto known = identifiers_->find(member.name);
        if (known != identifiers_->end()) return known->second;
    }
    Bstr name(member.name);
    LPOLESTR names[] = {name.Get()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
        throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
    }
    const std::lock_guard lock(typesMutex);
    identifiers_->emplace(member.name, id);
    return id;
}

Variant DispatchAsObject::Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) {
    const DISPID id = IdOf(member);

    // DISPPARAMS take the arguments last first; one by reference points at its value.
    const std::size_t count = arguments.size();
    std::vector<OwnedVariant> values(count);
    std::vector<VARIANT> passed(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t slot = count - 1 - i;
        VARIANT* value = values[slot].Put();
        ToVariant(arguments[i].value, *value);
        if (arguments[i].byReference) {
            passed[slot].vt = VT_VARIANT | VT_BYREF;
            passed[slot].pvarVal = value;
        } else {
            passed[slot] = *value;
        }
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{passed.data(), nullptr, static_cast<UINT>(count), 0};
    // A collection gives its enumerator to either kind of call; some answer only one.
    const WORD flags = id == DISPID_NEWENUM ? DISPATCH_METHOD | DISPATCH_PROPERTYGET : FlagsOf(kind);
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }

    OwnedVariant result;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT invoked = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                              result.Put(), &exception, &badArgument);
    if (FAILED(invoked)) throw ErrorOfInvoke(invoked, exception, member.name);

    for (std::size_t i = 0; i < count; ++i) {
        if (arguments[i].byReference) arguments[i].value = FromVariant(*values[count - 1 - i]);
    }
    return FromVariant(*result);
}

}  // namespace orvantis::windows
