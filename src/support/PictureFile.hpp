#pragma once

#include <string>
#include <string_view>

#include "platform/Files.hpp"

namespace orvantis {

// A contact's picture written to a file for a product to read during one insertion. What was
// made for it (the file, and the private folder holding a named one) is deleted when the
// insertion ends, and nothing else ever is: a user's file of the same name is never touched.
class PictureFile {
public:
    explicit PictureFile(Files& files) : files_(files) {}
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // The bytes of the hexadecimal text in a fresh, uniquely named temporary file.
    const std::wstring& Write(std::wstring_view hex);
    // The same under the name users see (made safe as a file name) with the extension, in a
    // fresh private folder, for a product that names the attachment after its file.
    const std::wstring& WriteNamed(std::wstring_view hex, std::wstring_view name,
                                   std::wstring_view extension);

private:
    Files& files_;
    std::wstring folder_;
    std::wstring path_;
};

}  // namespace orvantis
