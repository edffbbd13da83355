#include "FuzzEntries.hpp"

#include "control/OrvantisAgent.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis::fuzz {

std::optional<std::string> LoadXmlEntry(Bytes input) {
    test::TestHost host;
    OrvantisAgent agent(host.Get());
    const Variant original(TextFromBytes(input));
    Variant document = original;

    bool raised = false;
    try {
        agent.LoadXML(document);
    } catch (const AutomationError&) {
        raised = true;  // the request path traps nothing: any error reaches the host
    }

    if (document != original) return "LoadXML wrote back its argument";
    const auto& boxes = host.ui.boxes;
    const bool parseFailed =
        !boxes.empty() && boxes.front().title == kComponentTitle &&
        boxes.front().text.starts_with(L"Error code: ");
    if (parseFailed && boxes.size() != 1) return "a parse error was followed by more boxes";
    if (parseFailed && raised) return "a parse error was also raised";
    const bool finished = !raised && !parseFailed;
    if (agent.isOk() != finished) return "isOk does not tell whether the load ran to its end";
    return std::nullopt;
}

}  // namespace orvantis::fuzz
