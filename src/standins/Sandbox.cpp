#include "standins/Sandbox.hpp"

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "standins/WorldFile.hpp"
#include "standins/act/ActProduct.hpp"
#include "standins/goldmine/GoldMineProduct.hpp"
#include "standins/groupwise/GroupWiseProduct.hpp"
#include "standins/notes/NotesProduct.hpp"
#include "standins/outlook/OutlookProduct.hpp"

namespace orvantis::standins {
namespace {

void CreateDirectory(const std::filesystem::path& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        throw AutomationError::Standard(
            errors::kPathFileAccess,
            PathText(directory) + L": " + WideFromUtf8(error.message()).value_or(L"system error"));
    }
}

}  // namespace

Sandbox::Sandbox() {
    products_.push_back(std::make_unique<OutlookProduct>());
    products_.push_back(std::make_unique<ActProduct>());
    products_.push_back(std::make_unique<GoldMineProduct>());
    products_.push_back(std::make_unique<GroupWiseProduct>());
    products_.push_back(std::make_unique<NotesProduct>());
    auto settings = std::make_unique<SandboxSettings>();
    settings_ = settings.get();
    products_.push_back(std::move(settings));
}

Sandbox::Sandbox(std::filesystem::path directory) : Sandbox() {
    directory_ = std::move(directory);
    std::error_code error;
    if (std::filesystem::exists(*directory_, error) &&
        !std::filesystem::is_directory(*directory_, error)) {
        throw AutomationError::Standard(errors::kPathFileAccess,
                                        PathText(*directory_) + L": Not a directory");
    }
    for (const auto& product : products_) {
        const auto text = ReadWorldFile(*directory_ / product->FileName(),
                                        [&](const WorldData& data) { product->Read(data); });
        // A world no file holds yet is written once a load changes it from the default.
        saved_.push_back(std::hash<std::string>{}(text ? *text : WorldText(product->Write())));
    }
}

std::unique_ptr<FileLock> Sandbox::Lock(const std::filesystem::path& directory,
                                        const std::function<void()>& waiting) {
    CreateDirectory(directory);
    return LockFile(directory / kLockFileName, waiting);
}

void Sandbox::Register(ObjectCatalog& catalog) {
    for (const auto& product : products_) product->Register(catalog);
}

void Sandbox::Save() {
    if (!directory_) return;
    CreateDirectory(*directory_);
    for (std::size_t i = 0; i < products_.size(); ++i) {
        // Only what this load changed, so that a world another process saved since is kept.
        const std::string text = WorldText(products_[i]->Write());
        const std::size_t fingerprint = std::hash<std::string>{}(text);
        if (fingerprint == saved_[i]) continue;
        ReplaceFileDurably(*directory_ / products_[i]->FileName(), text);
        saved_[i] = fingerprint;
    }
}

std::size_t Sandbox::LiveObjects() const {
    std::size_t alive = 0;
    for (const auto& product : products_) alive += product->LiveObjects();
    return alive;
}

std::string Sandbox::Describe() const {
    std::string text;
    for (const auto& product : products_) text += product->Describe();
    return text;
}

namespace {

class InstalledRegistry : public Registry {
public:
    InstalledRegistry(const std::vector<std::unique_ptr<Product>>& products, Registry& machine)
        : products_(products), machine_(machine) {}

    std::optional<std::wstring> ReadValue(RegistryRoot root, const std::wstring& key,
                                          const std::wstring& name) override {
        for (const auto& product : products_) {
            if (auto value = product->RegistryValue(root, key, name)) return value;
        }
        return machine_.ReadValue(root, key, name);
    }

private:
    const std::vector<std::unique_ptr<Product>>& products_;
    Registry& machine_;
};

}  // namespace

std::unique_ptr<Registry> Sandbox::InstalledOver(Registry& machine) const {
    return std::make_unique<InstalledRegistry>(products_, machine);
}

void Sandbox::CountCallsOnly() {
    for (const auto& product : products_) product->CountCallsOnly();
}

}  // namespace orvantis::standins
