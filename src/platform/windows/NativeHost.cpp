#include "platform/NativeHost.hpp"

#include "platform/windows/ComHandles.hpp"
#include "platform/windows/ComObjectFactory.hpp"
#include "platform/windows/MsXmlParser.hpp"
#include "platform/windows/WindowsFiles.hpp"
#include "platform/windows/WindowsRegistry.hpp"
#include "platform/windows/WindowsSettingsStore.hpp"
#include "platform/windows/WindowsShell.hpp"

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
    windows::MsXmlParser xml_;
    windows::ComObjectFactory objects_;
    windows::WindowsRegistry registry_;
    windows::WindowsShell shell_;
    windows::WindowsFiles files_;
    windows::WindowsSettingsStore settings_;
    Host host_;
};

}  // namespace

std::unique_ptr<NativeHost> CreateNativeHost(UserInterface& ui) {
    return std::make_unique<WindowsHost>(ui);
}

}  // namespace orvantis
