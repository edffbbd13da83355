#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// A picture carried as hexadecimal text, back to its bytes: one byte per piece of two
// characters (a last piece of one digit included); a piece that is not a hexadecimal number
// gives no byte.
std::string PictureBytes(std::wstring_view hex);

}  // namespace orvantis
