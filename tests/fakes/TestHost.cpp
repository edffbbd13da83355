#include "fakes/TestHost.hpp"

#include "automation/DateTime.hpp"

namespace orvantis::test {

void FakeFiles::WriteBytes(const std::wstring& path, std::string_view bytes) {
    files[path] = std::string(bytes);
}

void FakeFiles::WriteFileWhole(const std::wstring& path, std::string_view bytes) {
    if (refuseReplace) throw AutomationError::Standard(*refuseReplace, path);
    files[path] = std::string(bytes);
}

std::optional<double> FakeTimeZone::LocalToUtc(double local) const {
    const CivilTime t = SplitDate(local);
    if (t.year < 1900) return std::nullopt;
    const bool summer = t.month >= 4 && t.month <= 9;
    return local - (offsetHours + (summer ? 1 : 0)) / 24.0;
}

void FakeFiles::Delete(const std::wstring& path) {
    if (files.erase(path) == 0) throw AutomationError::Standard(errors::kFileNotFound, path);
}

std::wstring FakeFiles::CreateUniqueTemporaryFile(std::wstring_view extension) {
    std::wstring path = L"/tmp/orvantis-test-" + std::to_wstring(++temporaryCount) +
                        std::wstring(extension);
    files[path] = {};
    return path;
}

std::wstring FakeFiles::CreateUniqueTemporaryFolder() {
    std::wstring path = L"/tmp/orvantis-folder-" + std::to_wstring(++temporaryCount) + L"/";
    folders.insert(path);
    return path;
}

void FakeFiles::DeleteFolder(const std::wstring& path) {
    if (folders.count(path) == 0) throw AutomationError::Standard(errors::kPathNotFound, path);
    const auto inside = files.lower_bound(path);
    if (inside != files.end() && inside->first.starts_with(path)) {
        throw AutomationError::Standard(errors::kPathFileAccess, path);
    }
    folders.erase(path);
}

}  // namespace orvantis::test
