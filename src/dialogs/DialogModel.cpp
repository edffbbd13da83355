#include "dialogs/DialogModel.hpp"

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <stdexcept>
#include <typeindex>
#include <utility>

#include "automation/AutomationError.hpp"

namespace orvantis {
namespace {

using Kind = DialogControl::Kind;

const DialogControl* Find(const std::vector<DialogControl>& controls, const DialogControl& wanted) {
    for (const auto& control : controls) {
        if (control.id == wanted.id && control.kind == wanted.kind) return &control;
    }
    return nullptr;
}

// Only what the user can change is taken, and a selection only when its list has the line.
void TakeAnswer(DialogView& view, const DialogAnswer& answer) {
    for (auto& control : view.controls) {
        const DialogControl* answered = Find(answer.controls, control);
        if (!answered) continue;
        if (control.kind == Kind::TextBox) control.text = answered->text;
        if (control.kind == Kind::ListBox && answered->selection >= -1 &&
            answered->selection < static_cast<int>(control.items.size())) {
            control.selection = answered->selection;
        }
    }
}

class ShownFlag {
public:
    explicit ShownFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ShownFlag() { flag_ = false; }
    ShownFlag(const ShownFlag&) = delete;
    ShownFlag& operator=(const ShownFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

DialogOutcome DialogModel::OnCancel(Host&) { return DialogOutcome::Hide; }

DialogOutcome DialogModel::OnOther(Host&) { return DialogOutcome::Hide; }

DialogOutcome DialogModel::OnClose(Host&) { return DialogOutcome::Unload; }

DialogControl& DialogModel::Control(std::wstring_view id) {
    if (view_) {
        for (auto& control : view_->controls) {
            if (control.id == id) return control;
        }
    }
    throw std::logic_error("the dialog has no such control");
}

void ShowModally(DialogModel& dialog, Host& host) {
    if (dialog.shown_) throw AutomationError::Standard(errors::kFormAlreadyDisplayed);
    const ShownFlag shown(dialog.shown_);
    if (!dialog.view_) dialog.view_ = dialog.Load(host);
    DialogAnswer answer;
    do {
        answer = host.ui.ShowDialog(*dialog.view_);
        TakeAnswer(*dialog.view_, answer);
    } while (!CanPress(*dialog.view_, answer.button));  // a press that changed nothing
    DialogOutcome outcome = DialogOutcome::Unload;
    switch (answer.button) {
        case DialogAnswer::Button::Ok: outcome = dialog.OnOk(host); break;
        case DialogAnswer::Button::Cancel: outcome = dialog.OnCancel(host); break;
        case DialogAnswer::Button::Other: outcome = dialog.OnOther(host); break;
        case DialogAnswer::Button::Close: outcome = dialog.OnClose(host); break;
    }
    if (outcome == DialogOutcome::Unload) dialog.view_.reset();
}

DialogModel& ThreadInstance(const std::type_info& kind,
                            const std::function<std::unique_ptr<DialogModel>()>& make) {
    // A number for each thread that shows a dialog, never reused: a new thread gets dialogs
    // of its own even where the system reuses thread identifiers.
    static std::atomic<std::uint64_t> threads{0};
    thread_local std::uint64_t thread = 0;
    if (thread == 0) thread = ++threads;

    static std::mutex guard;
    static std::map<std::pair<std::uint64_t, std::type_index>, std::unique_ptr<DialogModel>> dialogs;
    const std::lock_guard lock(guard);
    auto& dialog = dialogs[{thread, std::type_index(kind)}];
    if (!dialog) dialog = make();
    return *dialog;
}

}  // namespace orvantis
