#include "DocumentLoader.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "control/OrvantisAgent.hpp"

namespace orvantis::bench {

DocumentLoader::DocumentLoader() : native_(CreateNativeHost(ui_)) {}

bool DocumentLoader::Load(Variant& document) {
    OrvantisAgent agent(native_->Get());
    const int shownBefore = ui_.shown;
    agent.LoadXML(document);
    return agent.isOk() && ui_.shown == shownBefore;
}

double SecondsToLoad(Host& host, Variant& document) {
    OrvantisAgent agent(host);
    const auto start = std::chrono::steady_clock::now();
    agent.LoadXML(document);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!agent.isOk()) {
        std::fprintf(stderr, "the load did not finish\n");
        std::exit(1);
    }
    return elapsed.count();
}

}  // namespace orvantis::bench
