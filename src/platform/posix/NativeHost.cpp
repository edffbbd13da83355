#include "platform/NativeHost.hpp"

#include "platform/posix/NativeRegistry.hpp"
#include "platform/posix/NativeXmlParser.hpp"
#include "platform/posix/NativeFiles.hpp"
#include "platform/posix/NativeSettingsStore.hpp"
#include "platform/posix/NativeShell.hpp"

namespace orvantis {
namespace {

class PosixHost : public NativeHost {
public:
    explicit PosixHost(UserInterface& ui)
        : host_{xml_, objects_, ui, registry_, shell_, files_, settings_} {}
    Host& Get() override { return host_; }

private:
    NativeXmlParser xml_;
    ObjectCatalog objects_;
    NativeRegistry registry_;
    NativeShell shell_;
    NativeFiles files_;
    NativeSettingsStore settings_;
    Host host_;
};

}  // namespace

std::unique_ptr<NativeHost> CreateNativeHost(UserInterface& ui) {
    return std::make_unique<PosixHost>(ui);
}

}  // namespace orvantis
