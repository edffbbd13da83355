#pragma once

#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

// A hook on the calling thread, removed when it goes. Null when it could not be set.
class WindowsHook {
public:
    WindowsHook(int kind, HOOKPROC procedure)
        : hook_(SetWindowsHookExW(kind, procedure, nullptr, GetCurrentThreadId())) {}
    ~WindowsHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    WindowsHook(const WindowsHook&) = delete;
    WindowsHook& operator=(const WindowsHook&) = delete;

    explicit operator bool() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

}  // namespace orvantis::windows
