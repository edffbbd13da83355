#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <typeinfo>

#include "platform/Dialog.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// What a button leaves of its dialog once its action has run.
enum class DialogOutcome {
    Hide,    // the showing ends; the dialog stays loaded, its controls as the user left them
    Unload,  // the showing ends; the next showing loads the dialog afresh
};

// Base of the system's modal dialogs. A dialog is loaded by its first showing and stays
// loaded, hidden between showings, until a button unloads it; meanwhile the model keeps its
// controls as the user left them. A subclass says what loading shows and what each button
// does; ShowModally runs it. Hosts are passed in, never kept: a dialog outlives any control.
class DialogModel {
public:
    virtual ~DialogModel() = default;

    bool IsLoaded() const { return view_.has_value(); }

protected:
    // The dialog as it appears when loaded. An error here reaches whoever showed the
    // dialog, which then does not appear.
    virtual DialogView Load(Host& host) = 0;
    virtual DialogOutcome OnOk(Host& host) = 0;
    // Not reached when the view marks its Cancel button inert. By default it only hides.
    virtual DialogOutcome OnCancel(Host& host);
    // The third button, for a view that has one. By default it only hides.
    virtual DialogOutcome OnOther(Host& host);
    // The window's close control: by default the dialog is discarded and nothing saved.
    virtual DialogOutcome OnClose(Host& host);

    // A control of the loaded dialog, as the user left it; the id must be one Load gave.
    DialogControl& Control(std::wstring_view id);

private:
    friend void ShowModally(DialogModel& dialog, Host& host);
    std::optional<DialogView> view_;
    bool shown_ = false;
};

// Shows the dialog modally through the host's user interface, loading it first when it is
// not loaded, until a button hides or unloads it. Raises 400 when the dialog is being shown
// already: a load nested in the dialog's own message loop.
void ShowModally(DialogModel& dialog, Host& host);

// The calling thread's dialog of one kind, made by `make` at its first use there. It lives
// until the process ends (or the library is unloaded), so a loaded dialog keeps its controls
// from one load of a document to the next; nothing of it is left to run when a thread ends,
// which the static runtime under some Windows loaders does not survive.
DialogModel& ThreadInstance(const std::type_info& kind,
                            const std::function<std::unique_ptr<DialogModel>()>& make);

// The thread's one instance of a dialog.
template <class Dialog>
Dialog& ThreadDialog() {
    return static_cast<Dialog&>(
        ThreadInstance(typeid(Dialog), [] { return std::make_unique<Dialog>(); }));
}

}  // namespace orvantis
