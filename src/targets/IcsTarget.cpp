#include "targets/IcsTarget.hpp"

#include <string>
#include <vector>

#include "automation/AutomationError.hpp"
#include "standards/ICalendarWriter.hpp"
#include "standards/ItemUids.hpp"
#include "standards/VCardWriter.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {
namespace {

constexpr wchar_t kAlertTitle[] = L"Orvantis Agent Alert";

// The folder ending in a separator: the one of the path's own kind.
std::wstring AsFolder(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'/' && folder.back() != L'\\') {
        folder += folder.find(L'\\') != std::wstring::npos ? L'\\' : L'/';
    }
    return folder;
}

std::wstring OutputFolder(Host& host) {
    std::wstring folder = ConfigUtilities::GetIcsFolder(host);
    if (folder.empty()) folder = host.shell.SpecialFolderPath(folder::kPersonal);
    // Without one the files would land in whatever folder the host runs in.
    if (folder.empty()) throw AutomationError::Standard(errors::kPathNotFound, L"the documents folder");
    return AsFolder(std::move(folder));
}

class IcsBatch : public ItemBatch {
public:
    explicit IcsBatch(Host& host)
        : host_(host),
          folder_(OutputFolder(host)),
          stamp_(host.timeZone.NowUtc()),
          calendar_(host.timeZone, stamp_) {}

    void Contact(const AgentContact& contact) override {
        cards_ += VCard(contact, uids_.Of(contact), stamp_);
    }
    void Event(const AgentEvent& event) override {
        components_.push_back(calendar_.Event(event, uids_.Of(event)));
    }
    void Todo(const AgentTodo& todo) override {
        components_.push_back(calendar_.Todo(todo, uids_.Of(todo)));
    }

    std::wstring Finish() override {
        std::vector<std::wstring> written;
        const std::wstring name = L"Orvantis " + uids_.Digest();
        if (!components_.empty()) {
            written.push_back(folder_ + name + L".ics");
            host_.files.WriteFileWhole(written.back(), ICalendarWriter::Calendar(components_));
        }
        if (!cards_.empty()) {
            written.push_back(folder_ + name + L".vcf");
            host_.files.WriteFileWhole(written.back(), cards_);
        }
        std::wstring unopened;
        for (const auto& path : written) {
            if (!host_.shell.OpenWithDefaultProgram(path)) unopened += L"\r\n" + path;
        }
        if (!unopened.empty()) {
            host_.ui.MessageBox(L"No program is set to open these files:" + unopened, kAlertTitle,
                                box::kOkOnly);
        }
        return WroteFiles(written.size());
    }

private:
    Host& host_;
    std::wstring folder_;
    double stamp_;
    ICalendarWriter calendar_;
    ItemUids uids_;
    std::vector<std::string> components_;
    std::string cards_;
};

}  // namespace

std::unique_ptr<ItemBatch> CreateIcsBatch(Host& host) { return std::make_unique<IcsBatch>(host); }

}  // namespace orvantis
