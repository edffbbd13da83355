#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvantis::standins {

// The name of a field or the kind of an item. A world of many items repeats the same few
// dozen names, so each spelling is kept once for the life of the process and a name is its
// number there. Names may be made and read from any thread.
class Name {
public:
    Name() : Name(std::wstring_view()) {}
    Name(std::wstring_view text);
    Name(const std::wstring& text) : Name(std::wstring_view(text)) {}
    Name(const wchar_t* text) : Name(std::wstring_view(text)) {}

    const std::wstring& Text() const;
    operator std::wstring_view() const { return Text(); }

    // The same spelling, letter case included.
    friend bool operator==(const Name& name, std::wstring_view text) { return name.Text() == text; }

private:
    std::uint32_t id_;
};

}  // namespace orvantis::standins
