#pragma once

#include "platform/Files.hpp"

namespace orvantis::windows {

class NativeFiles : public Files {
public:
    void WriteBytes(const std::wstring& path, std::string_view bytes) override;
    void WriteFileWhole(const std::wstring& path, std::string_view bytes) override;
    void Delete(const std::wstring& path) override;
    std::wstring CreateUniqueTemporaryFile(std::wstring_view extension) override;
    std::wstring CreateUniqueTemporaryFolder() override;
    void DeleteFolder(const std::wstring& path) override;
};

}  // namespace orvantis::windows
