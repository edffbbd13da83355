#include "standins/Sandbox.hpp"

#include "standins/WorldFile.hpp"
#include "standins/act/ActProduct.hpp"
#include "standins/goldmine/GoldMineProduct.hpp"
#include "standins/groupwise/GroupWiseProduct.hpp"
#include "standins/notes/NotesProduct.hpp"
#include "standins/outlook/OutlookProduct.hpp"

namespace orvantis::standins {

Sandbox::Sandbox() {
    products_.push_back(std::make_unique<OutlookProduct>());
    products_.push_back(std::make_unique<ActProduct>());
    products_.push_back(std::make_unique<GoldMineProduct>());
    products_.push_back(std::make_unique<GroupWiseProduct>());
    products_.push_back(std::make_unique<NotesProduct>());
}

Sandbox::Sandbox(std::filesystem::path directory) : Sandbox() {
    directory_ = std::move(directory);
    for (const auto& product : products_) {
        ReadWorldFile(*directory_ / product->FileName(),
                      [&](const WorldData& data) { product->Read(data); });
    }
}

void Sandbox::Register(ObjectCatalog& catalog) {
    for (const auto& product : products_) product->Register(catalog);
}

void Sandbox::Save() const {
    if (!directory_) return;
    std::error_code ignored;  // a directory that cannot be made fails the write, which says so
    std::filesystem::create_directories(*directory_, ignored);
    for (const auto& product : products_) {
        WriteWorldFile(*directory_ / product->FileName(), product->Write());
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

template <class World>
World& Sandbox::Find() {
    for (const auto& product : products_) {
        if (auto* world = dynamic_cast<ProductOf<World>*>(product.get())) return world->World();
    }
    throw std::logic_error("no such product in the sandbox");
}

OutlookWorld& Sandbox::Outlook() { return Find<OutlookWorld>(); }
ActWorld& Sandbox::Act() { return Find<ActWorld>(); }
GoldMineWorld& Sandbox::GoldMine() { return Find<GoldMineWorld>(); }
GroupWiseWorld& Sandbox::GroupWise() { return Find<GroupWiseWorld>(); }
NotesWorld& Sandbox::Notes() { return Find<NotesWorld>(); }

}  // namespace orvantis::standins
