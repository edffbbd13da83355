#pragma once

#include <optional>
#include <string>

#include "automation/Variant.hpp"
#include "control/SiteLock.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// The control: hands a document's items to the personal-information manager it names.
class OrvantisAgent {
public:
    explicit OrvantisAgent(Host& host) : host_(host) {}

    // The XML property stores nothing and loads nothing; hosts only ever read "toto" from it.
    void PutXML(const std::wstring&) {}
    std::wstring GetXML() const { return L"toto"; }

    // True when the last load ran to its end and no load is running now.
    bool isOk() const { return loaded_ && activeLoads_ == 0; }

    // Loads the document in var (converted to text); the result is always empty. A document
    // that does not parse is reported in a message box; any other failure is raised, and the
    // items inserted before it stay inserted. A page's document loads only where its site is
    // allowed (SiteLock); a refused one raises 70 before anything is prepared or read.
    Variant LoadXML(Variant& var, const PageAddress& page = std::nullopt);

    // What the last load that ran to its end handed to its target, for a host to report.
    struct LoadSummary {
        std::wstring target;
        std::size_t contacts = 0;
        std::size_t events = 0;
        std::size_t todos = 0;
        // Records the product was handed but did not store (a session that would not start,
        // a failed save), which its inserter passes over as the product's users expect.
        std::size_t passedOver = 0;
        // What a target that writes files or to a server wrote, in words; none for a
        // product's target.
        std::optional<std::wstring> written;
    };
    const LoadSummary& LastLoad() const { return lastLoad_; }

private:
    Host& host_;
    LoadSummary lastLoad_;
    bool loaded_ = false;
    // A host may call in again while a message box or a started program lets messages through.
    int activeLoads_ = 0;
};

}  // namespace orvantis
