#pragma once

// Calls a COM object the way a script host does: names through GetIDsOfNames, calls through
// IDispatch::Invoke with VARIANT arguments, errors read from the EXCEPINFO.

#include <optional>
#include <string>
#include <vector>

#include "platform/windows/ComHandles.hpp"

namespace orvantis::testing {

using windows::ComPtr;
using windows::OwnedVariant;

struct ScriptError {
    HRESULT result = S_OK;  // what Invoke returned
    HRESULT scode = S_OK;   // the EXCEPINFO's
    std::wstring source;
    std::wstring description;
};

// The outcome of one call: a value or the error a script would see.
struct CallOutcome {
    std::optional<ScriptError> error;
    std::wstring text;  // the result converted to text, when it is one
    bool flag = false;  // the result as a Boolean, when it is one
};

class ScriptHost {
public:
    explicit ScriptHost(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    CallOutcome Get(const std::wstring& name) { return Call(name); }
    CallOutcome Put(const std::wstring& name, const std::wstring& value);
    // Arguments are passed by reference (VT_BYREF | VT_VARIANT), as script variables are.
    CallOutcome Call(const std::wstring& name, std::vector<VARIANT> arguments = {});
    CallOutcome CallWithText(const std::wstring& name, const std::wstring& text);

    IDispatch* Object() const { return object_.Get(); }

private:
    CallOutcome Invoke(const std::wstring& name, std::vector<VARIANT>& arguments, bool put);

    ComPtr<IDispatch> object_;
};

ComPtr<IDispatch> CreateByProgId(const wchar_t* progId);

// A COM server's library loaded in this process, for its entry points.
class Library {
public:
    explicit Library(const wchar_t* path) : module_(LoadLibraryW(path)) {}
    ~Library() { FreeLibrary(module_); }
    HMODULE Module() const { return module_; }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    template <typename Result = HRESULT, typename... Arguments>
    Result Call(const char* entry, Arguments... arguments) {
        auto function = reinterpret_cast<Result(STDAPICALLTYPE*)(Arguments...)>(
            reinterpret_cast<void*>(GetProcAddress(module_, entry)));
        return function ? function(arguments...) : Result(E_NOTIMPL);
    }

private:
    HMODULE module_;
};

// Message boxes of this thread, read and dismissed with OK as they appear (a CBT hook).
class MessageBoxWatcher {
public:
    struct Box {
        std::wstring title;
        std::wstring text;
    };

    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<Box> boxes;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
};

}  // namespace orvantis::testing
