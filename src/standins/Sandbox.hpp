#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ObjectCatalog.hpp"
#include "standins/Product.hpp"
#include "standins/act/ActWorld.hpp"
#include "standins/goldmine/GoldMineWorld.hpp"
#include "standins/groupwise/GroupWiseWorld.hpp"
#include "standins/notes/NotesWorld.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::standins {

// The products' stand-ins with their worlds: in memory for tests, or kept as one JSON file
// per product in a directory (outlook.json, ...) for orvantis load --sandbox.
class Sandbox {
public:
    // Default worlds, never saved.
    Sandbox();
    // Loads every product's world file present; a missing file is a fresh default world.
    // A damaged one raises 321 naming it, before anything is written.
    explicit Sandbox(std::filesystem::path directory);

    // Enters every product's ProgIDs; each creation is a new handle onto the same world.
    void Register(ObjectCatalog& catalog);
    // Writes every world back (nothing for a sandbox in memory); the directory is created
    // when missing.
    void Save() const;
    // Handles alive across all products: zero once every caller has released its objects.
    std::size_t LiveObjects() const;
    // A readable listing of what the products hold.
    std::string Describe() const;
    // The registry as the products' installers left it, over `machine` for every other value.
    std::unique_ptr<Registry> InstalledOver(Registry& machine) const;

    // The worlds, for tests and benchmarks.
    OutlookWorld& Outlook();
    ActWorld& Act();
    GoldMineWorld& GoldMine();
    GroupWiseWorld& GroupWise();
    NotesWorld& Notes();

private:
    template <class World>
    World& Find();

    std::optional<std::filesystem::path> directory_;
    std::vector<std::unique_ptr<Product>> products_;
};

}  // namespace orvantis::standins
