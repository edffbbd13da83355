#pragma once

#include "platform/windows/Win32.hpp"

namespace orvantis::test {

// A COM server's library loaded in this process, for its entry points.
class Library {
public:
    explicit Library(const wchar_t* path) : module_(LoadLibraryW(path)) {}
    ~Library() { FreeLibrary(module_); }
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

}  // namespace orvantis::test
