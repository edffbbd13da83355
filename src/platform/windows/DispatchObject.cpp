#include "platform/windows/DispatchObject.hpp"

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

// The VARIANTs of one call, cleared when the call is over.
class CallArguments {
public:
    explicit CallArguments(std::size_t count) : values_(count), references_(count) {
        for (auto& value : values_) VariantInit(&value);
        for (auto& reference : references_) VariantInit(&reference);
    }
    ~CallArguments() {
        for (auto& value : values_) VariantClear(&value);
    }
    CallArguments(const CallArguments&) = delete;
    CallArguments& operator=(const CallArguments&) = delete;

    std::vector<VARIANT> values_;
    std::vector<VARIANT> references_;  // VT_BYREF | VT_VARIANT into values_, not owning
};

}  // namespace

Variant DispatchObject::Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) {
    DISPID id = member.dispatchId.value_or(DISPID_UNKNOWN);
    if (!member.dispatchId) {
        Bstr name(member.name);
        LPOLESTR names[] = {name.Get()};
        const HRESULT found =
            dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(found)) throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
    }

    // DISPPARAMS take the arguments last first.
    const std::size_t count = arguments.size();
    CallArguments call(count);
    std::vector<VARIANT> passed(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t slot = count - 1 - i;
        ToVariant(arguments[i].value, call.values_[slot]);
        if (arguments[i].byReference) {
            call.references_[slot].vt = VT_VARIANT | VT_BYREF;
            call.references_[slot].pvarVal = &call.values_[slot];
            passed[slot] = call.references_[slot];
        } else {
            passed[slot] = call.values_[slot];
        }
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{passed.data(), nullptr, static_cast<UINT>(count), 0};
    const WORD flags = FlagsOf(kind);
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }

    OwnedVariant result;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT invoked = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                              result.Get(), &exception, &badArgument);
    if (FAILED(invoked)) throw ErrorOfInvoke(invoked, exception, member.name);

    for (std::size_t i = 0; i < count; ++i) {
        if (arguments[i].byReference) arguments[i].value = FromVariant(call.values_[count - 1 - i]);
    }
    return FromVariant(*result);
}

}  // namespace orvantis::windows
