#include "platform/NativeHost.hpp"

#include "platform/windows/ComHandles.hpp"
#include "platform/windows/ComObjectFactory.hpp"
#include "platform/windows/NativeXmlParser.hpp"
#include "platform/windows/NativeFiles.hpp"
#include "platform/windows/NativeRegistry.hpp"
#include "platform/windows/NativeSettingsStore.hpp"
#include "platform/windows/NativeShell.hpp"

namespace orvantis {
namespace {

class WindowsHost : public NativeHost {
public:
    explicit WindowsHost(UserInterface& ui)
        : host_{xml_, objects_, ui, registry_, shell_, files_, settings_} {}
    Host& Get() override { return host_; }

private:
    // First member: the adapters use COM on this thread for as long as they live.
    windows::ComApartment apartment_;
    windows::NativeXmlParser xml_;
    windows::ComObjectFactory objects_;
    windows::NativeRegistry registry_;
    windows::NativeShell shell_;
    windows::NativeFiles files_;
    windows::NativeSettingsStore settings_;
    Host host_;
};

}  // namespace

std::unique_ptr<NativeHost> CreateNativeHost(UserInterface& ui) {
    return std::make_unique<WindowsHost>(ui);
}

}  // namespace orvantis
