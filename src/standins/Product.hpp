#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/ObjectCatalog.hpp"
#include "platform/Registry.hpp"
#include "standins/WorldData.hpp"

namespace orvantis::standins {

// One product of the sandbox: its world, the file that keeps it, and the ProgIDs that reach
// it. Adding a product to the sandbox is one class like this and one line in Sandbox.cpp.
class Product {
public:
    virtual ~Product() = default;

    virtual const char* FileName() const = 0;  // e.g. "outlook.json"
    // Replaces the world with the file's; raises DamagedWorld for what it cannot hold.
    virtual void Read(const WorldData& data) = 0;
    virtual WorldData Write() const = 0;
    // Enters the product's ProgIDs; each creation is a new handle onto the same world.
    virtual void Register(ObjectCatalog& catalog) = 0;
    virtual std::size_t LiveObjects() const = 0;
    // From now on the product's call log only counts calls, for a caller who reads no log.
    virtual void CountCallsOnly() {}
    // Drops what the product's searches keep beside its items, for a caller about to change
    // the items in place.
    virtual void ForgetIndexes() {}
    // A readable listing: the product's name and version, then what it holds.
    virtual std::string Describe() const = 0;
    // A value the product's installer leaves in the registry (where its data lives), as the
    // world says; nothing for any other value. Key and name compare without letter case.
    virtual std::optional<std::wstring> RegistryValue(RegistryRoot, const std::wstring& /*key*/,
                                                      const std::wstring& /*name*/) const {
        return std::nullopt;
    }
};

}  // namespace orvantis::standins
