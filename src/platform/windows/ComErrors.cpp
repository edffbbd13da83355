#include "platform/windows/ComErrors.hpp"

#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {
namespace {

constexpr HRESULT kControlFacility = static_cast<HRESULT>(0x800A0000);

std::wstring TextOf(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : L""; }

}  // namespace

void FreeExcepInfo(EXCEPINFO& info) {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
}

HRESULT ScodeOf(std::int32_t number) {
    if (number > 0 && number <= 0xFFFF) return kControlFacility | number;
    return static_cast<HRESULT>(number);
}

std::int32_t NumberOf(HRESULT scode) {
    if (static_cast<HRESULT>(static_cast<unsigned long>(scode) & 0xFFFF0000u) == kControlFacility) {
        return scode & 0xFFFF;
    }
    return static_cast<std::int32_t>(scode);
}

void FillExcepInfo(const AutomationError& error, EXCEPINFO& info) {
    info = EXCEPINFO{};
    info.scode = ScodeOf(error.Number());
    info.bstrSource = Bstr(error.Source()).Detach();
    info.bstrDescription = Bstr(error.Description()).Detach();
}

HRESULT ReportError(const AutomationError& error) {
    ComPtr<ICreateErrorInfo> creator;
    if (SUCCEEDED(CreateErrorInfo(&creator))) {
        creator->SetSource(Bstr(error.Source()).Get());
        creator->SetDescription(Bstr(error.Description()).Get());
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(creator.As(&info))) SetErrorInfo(0, info.Get());
    }
    return ScodeOf(error.Number());
}

AutomationError ErrorOfInvoke(HRESULT result, EXCEPINFO& info, const std::wstring& member) {
    if (result == DISP_E_EXCEPTION) {
        if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
        const HRESULT scode = info.scode != 0 ? info.scode : ScodeOf(info.wCode);
        AutomationError error(NumberOf(scode), TextOf(info.bstrSource),
                              TextOf(info.bstrDescription));
        FreeExcepInfo(info);
        return error;
    }
    FreeExcepInfo(info);
    switch (result) {
        case DISP_E_MEMBERNOTFOUND:
        case DISP_E_UNKNOWNNAME: return AutomationError::Standard(errors::kMemberNotSupported, member);
        case DISP_E_TYPEMISMATCH: return AutomationError::Standard(errors::kTypeMismatch, member);
        case DISP_E_OVERFLOW: return AutomationError::Standard(errors::kOverflow, member);
        case DISP_E_PARAMNOTOPTIONAL:
            return AutomationError::Standard(errors::kArgumentNotOptional, member);
        default: break;
    }
    return AutomationError(static_cast<std::int32_t>(result), member,
                           L"The call of " + member + L" failed.");
}

}  // namespace orvantis::windows
