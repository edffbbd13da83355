#pragma once

#include <optional>

#include "automation/AutomationError.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

// An automation error's number as a COM status: the small numbers in the control facility
// (0x800A0000 | number), so that a script reads them back as Err.Number; an HRESULT as is.
HRESULT ScodeOf(std::int32_t number);

// The reverse: what a script would see as the error's number.
std::int32_t NumberOf(HRESULT scode);

// Frees what an EXCEPINFO holds and empties it.
void FreeExcepInfo(EXCEPINFO& info);

// Fills an empty EXCEPINFO (which the caller frees) with the error.
void FillExcepInfo(const AutomationError& error, EXCEPINFO& info);

// The error a failed IDispatch::Invoke reports, as this system's error.
AutomationError ErrorOfInvoke(HRESULT result, EXCEPINFO& info, const std::wstring& member);

// Sets the thread's error object (for vtable callers) and gives the error's scode.
HRESULT ReportError(const AutomationError& error);

// Runs a COM method body: no C++ exception ever crosses into COM. A failure is reported as
// an AutomationError (kept in *raised when given) and its scode returned.
template <class Body>
HRESULT GuardComCall(Body&& body, std::optional<AutomationError>* raised = nullptr) {
    std::optional<AutomationError> error;
    try {
        body();
        return S_OK;
    } catch (const AutomationError& thrown) {
        error.emplace(thrown);
    } catch (const std::bad_alloc&) {
        error.emplace(7, std::wstring(kComponentTitle), L"Out of memory");
    } catch (const std::exception&) {
        error.emplace(static_cast<std::int32_t>(E_UNEXPECTED), std::wstring(kComponentTitle),
                      L"Unexpected failure");
    }
    const HRESULT result = ReportError(*error);
    if (raised) *raised = std::move(error);
    return result;
}

}  // namespace orvantis::windows
