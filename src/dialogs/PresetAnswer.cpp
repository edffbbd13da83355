#include "dialogs/PresetAnswer.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis {

DialogAnswer AnswerAsPreset(const DialogView& view, const PresetAnswer& preset) {
    DialogAnswer answer{preset.button, view.controls};
    for (auto& control : answer.controls) {
        if (control.kind == DialogControl::Kind::TextBox) {
            if (const auto text = preset.texts.find(control.id); text != preset.texts.end()) {
                control.text = text->second;
            }
        }
        if (control.kind == DialogControl::Kind::ListBox) {
            const auto line = preset.selections.find(control.id);
            if (line == preset.selections.end()) continue;
            if (line->second < -1 || line->second >= static_cast<int>(control.items.size())) {
                throw AutomationError::Standard(
                    errors::kInvalidArgument,
                    control.id + L" has no line " + std::to_wstring(line->second));
            }
            control.selection = line->second;
        }
    }
    return answer;
}

}  // namespace orvantis
