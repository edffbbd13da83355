#pragma once

#include <memory>

#include "platform/Host.hpp"
#include "platform/ObjectCatalog.hpp"

namespace orvantis {

// The adapters of the platform this build runs on, gathered in one Host. The user interface
// comes from outside: the control shows real boxes, the command line writes to the console.
class NativeHost {
public:
    virtual ~NativeHost() = default;
    virtual Host& Get() = 0;
};

std::unique_ptr<NativeHost> CreateNativeHost(UserInterface& ui);

}  // namespace orvantis
