#include "support/PictureFile.hpp"

#include "support/PassOver.hpp"
#include "support/PictureBytes.hpp"
#include "support/SafeFileName.hpp"

namespace orvantis {

PictureFile::~PictureFile() {
    if (!path_.empty()) PassOver([&] { files_.Delete(path_); });
    if (!folder_.empty()) PassOver([&] { files_.DeleteFolder(folder_); });
}

const std::wstring& PictureFile::Write(std::wstring_view hex) {
    path_ = files_.CreateUniqueTemporaryFile(L".gif");
    files_.WriteBytes(path_, PictureBytes(hex));
    return path_;
}

const std::wstring& PictureFile::WriteNamed(std::wstring_view hex, std::wstring_view name,
                                            std::wstring_view extension) {
    folder_ = files_.CreateUniqueTemporaryFolder();
    // The folder is fresh and ours alone, so whatever lies at this path is ours to delete.
    path_ = folder_ + SafeFileName(name, extension, folder_);
    files_.WriteBytes(path_, PictureBytes(hex));
    return path_;
}

}  // namespace orvantis
