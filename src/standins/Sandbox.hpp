#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/DurableFiles.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/ProductOf.hpp"
#include "standins/SandboxSettings.hpp"

namespace orvantis::standins {

// The products' stand-ins with their worlds: in memory for tests, or kept as one JSON file
// per product in a directory (outlook.json, ...) for orvantis load --sandbox.
class Sandbox {
public:
    // Default worlds, never saved.
    Sandbox();
    // Loads every product's world file present; a missing file (or directory) is a fresh
    // default world. A damaged one raises 321 naming it, before anything is written.
    explicit Sandbox(std::filesystem::path directory);

    // Keeps every other process from changing the worlds in `directory` (created when missing)
    // while the lock lives; `waiting` is called once when another process holds it. A load
    // takes it before it reads the worlds and holds it until it has saved them.
    static std::unique_ptr<FileLock> Lock(const std::filesystem::path& directory,
                                          const std::function<void()>& waiting);
    static constexpr const char* kLockFileName = "sandbox.lock";

    // Enters every product's ProgIDs; each creation is a new handle onto the same world.
    void Register(ObjectCatalog& catalog);
    // Writes back every world that differs from its file (nothing for a sandbox in memory),
    // each replacing its file whole; the directory is created when missing. 75 with the
    // system's reason when a world cannot be written.
    void Save();
    // Handles alive across all products: zero once every caller has released its objects.
    std::size_t LiveObjects() const;
    // The products' call logs only count calls from now on, for a caller who reads no log.
    void CountCallsOnly();
    // A readable listing of what the products hold.
    std::string Describe() const;
    // The registry as the products' installers left it, over `machine` for every other value.
    std::unique_ptr<Registry> InstalledOver(Registry& machine) const;

    // The settings that loads and dialogs in this sandbox read and store, instead of the user's.
    SettingsStore& Settings() { return *settings_; }

    // A product's world (OutlookWorld, ...), for tests and benchmarks, who may change its items
    // in place: the searches' indexes are dropped, to be built again from what the items then
    // hold.
    template <class World>
    World& WorldOf() {
        for (const auto& product : products_) {
            if (auto* found = dynamic_cast<ProductOf<World>*>(product.get())) {
                found->ForgetIndexes();
                return found->World();
            }
        }
        throw std::logic_error("no such product in the sandbox");
    }

private:
    std::optional<std::filesystem::path> directory_;
    SandboxSettings* settings_;  // one of products_
    std::vector<std::unique_ptr<Product>> products_;
    std::vector<std::size_t> saved_;  // a hash of each world as its file holds it
};

}  // namespace orvantis::standins
