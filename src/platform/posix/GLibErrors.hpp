#pragma once

#include <glib.h>

#include <string>

namespace orvantis {

// Owns the error a GLib call may leave.
class ErrorSlot {
public:
    ErrorSlot() = default;
    ErrorSlot(const ErrorSlot&) = delete;
    ErrorSlot& operator=(const ErrorSlot&) = delete;
    ~ErrorSlot() {
        if (error_) g_error_free(error_);
    }
    GError** Out() { return &error_; }
    const GError& operator*() const { return *error_; }
    bool Matches(GQuark domain, int code) const { return g_error_matches(error_, domain, code); }

private:
    GError* error_ = nullptr;
};

// Raises GLib's failure with a file: 321 for a damaged key file, 70 where access was refused,
// 75 otherwise, the text naming `where` and giving GLib's reason.
[[noreturn]] void RaiseGLibError(const GError& error, const std::wstring& where);

}  // namespace orvantis
