#pragma once

#include <memory>

#include "automation/Variant.hpp"
#include "platform/NativeHost.hpp"

namespace orvantis::bench {

// Loads documents through the control as a host does, with the native adapters and a user
// interface that only counts boxes and dialogs: a benchmark document must show none.
class DocumentLoader {
public:
    DocumentLoader();
    // True when the load ran to its end and showed no box or dialog.
    bool Load(Variant& document);

private:
    class CountingUserInterface : public UserInterface {
    public:
        int MessageBox(const std::wstring&, const std::wstring&, int) override {
            ++shown;
            return box::kOk;
        }
        DialogAnswer ShowDialog(const DialogView& view) override {
            ++shown;
            return {DialogAnswer::Button::Close, view.controls};
        }
        int shown = 0;
    };

    CountingUserInterface ui_;
    std::unique_ptr<NativeHost> native_;
};

// The seconds one LoadXML of the document takes on the host; a load that does not run to its
// end ends the benchmark, whose figures would mean nothing. The document is the host's text,
// made before, as a script holds its string before it calls.
double SecondsToLoad(Host& host, Variant& document);

}  // namespace orvantis::bench
