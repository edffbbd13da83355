#include "standins/Sandbox.hpp"

#include "automation/Unicode.hpp"
#include "standins/WorldFile.hpp"
#include "standins/WorldListing.hpp"
#include "standins/outlook/OutlookStandIn.hpp"

namespace orvantis::standins {
namespace {

constexpr const char* kOutlookFile = "outlook.json";

}  // namespace

Sandbox::Sandbox() : outlook_(std::make_shared<OutlookWorld>()) {}

Sandbox::Sandbox(std::filesystem::path directory) : Sandbox() {
    directory_ = std::move(directory);
    ReadWorldFile(*directory_ / kOutlookFile,
                  [this](const WorldData& data) { *outlook_ = OutlookWorld::FromData(data); });
}

void Sandbox::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kOutlookProgId),
                     [world = outlook_] { return CreateOutlookApplication(world); });
}

void Sandbox::Save() const {
    if (!directory_) return;
    std::error_code ignored;  // a directory that cannot be made fails the write, which says so
    std::filesystem::create_directories(*directory_, ignored);
    WriteWorldFile(*directory_ / kOutlookFile, outlook_->ToData());
}

std::size_t Sandbox::LiveObjects() const { return outlook_->ledger.liveObjects; }

std::string Sandbox::Describe() const {
    std::string text = "Outlook " + Utf8FromWide(outlook_->version) + "\n";
    return text + ListContainers(outlook_->stores, 1);
}

}  // namespace orvantis::standins
