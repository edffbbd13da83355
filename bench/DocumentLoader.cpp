#include "DocumentLoader.hpp"

#include "control/OrvantisAgent.hpp"

namespace orvantis::bench {

DocumentLoader::DocumentLoader() : native_(CreateNativeHost(ui_)) {}

bool DocumentLoader::Load(Variant& document) {
    OrvantisAgent agent(native_->Get());
    const int shownBefore = ui_.shown;
    agent.LoadXML(document);
    return agent.isOk() && ui_.shown == shownBefore;
}

}  // namespace orvantis::bench
