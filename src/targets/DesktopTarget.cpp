#include "targets/DesktopTarget.hpp"

#include <vector>

#include "automation/AutomationError.hpp"
#include "exports/DesktopNoteNames.hpp"
#include "exports/DesktopUtilities.hpp"

namespace orvantis {
namespace {

class DesktopBatch : public ItemBatch {
public:
    explicit DesktopBatch(Host& host) : host_(host) {}

    void Contact(const AgentContact& contact) override { contacts_.push_back(contact); }

    std::wstring Finish() override {
        if (contacts_.empty()) return 0;
        const std::wstring folder = host_.shell.SpecialFolderPath(folder::kDesktopDirectory);
        // Without it the notes would land in whatever folder the host runs in.
        if (folder.empty()) {
            throw AutomationError::Standard(errors::kPathNotFound, L"the desktop folder");
        }
        DesktopNoteNames names(folder);
        for (const auto& contact : contacts_) {
            host_.files.WriteBytes(folder + names.Next(contact),
                                   DesktopUtilities::ContactNoteFile(contact));
        }
        return WroteFiles(contacts_.size());
    }

private:
    Host& host_;
    std::vector<AgentContact> contacts_;
};

}  // namespace

std::unique_ptr<ItemBatch> CreateDesktopBatch(Host& host) {
    return std::make_unique<DesktopBatch>(host);
}

}  // namespace orvantis
