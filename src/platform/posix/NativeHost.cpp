#include "platform/NativeHost.hpp"

#include "platform/posix/EmptyRegistry.hpp"
#include "platform/posix/LibXmlParser.hpp"
#include "platform/posix/PosixFiles.hpp"
#include "platform/posix/PosixSettingsStore.hpp"
#include "platform/posix/PosixShell.hpp"

namespace orvantis {
namespace {

class PosixHost : public NativeHost {
public:
    explicit PosixHost(UserInterface& ui)
        : host_{xml_, objects_, ui, registry_, shell_, files_, settings_} {}
    Host& Get() override { return host_; }

private:
    LibXmlParser xml_;
    ObjectCatalog objects_;
    EmptyRegistry registry_;
    PosixShell shell_;
    PosixFiles files_;
    PosixSettingsStore settings_;
    Host host_;
};

}  // namespace

std::unique_ptr<NativeHost> CreateNativeHost(UserInterface& ui) {
    return std::make_unique<PosixHost>(ui);
}

}  // namespace orvantis
