#include "dialogs/PresetAnswer.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis {
namespace {

int LineNamed(const DialogControl& list, const std::wstring& name) {
    std::wstring lines;
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == name) return static_cast<int>(i);
        lines += (i ? L"\", \"" : L"\"") + list.items[i];
    }
    throw AutomationError::Standard(
        errors::kInvalidArgument, list.id + L" has no line \"" + name + L"\"; it has " +
                                      (lines.empty() ? L"none" : lines + L"\""));
}

}  // namespace

DialogAnswer AnswerAsPreset(const DialogView& view, const PresetAnswer& preset) {
    DialogAnswer answer{preset.button, view.controls};
    for (auto& control : answer.controls) {
        if (control.kind == DialogControl::Kind::TextBox) {
            if (const auto text = preset.texts.find(control.id); text != preset.texts.end()) {
                control.text = text->second;
            }
        }
        if (control.kind == DialogControl::Kind::ListBox) {
            if (const auto named = preset.namedSelections.find(control.id);
                named != preset.namedSelections.end()) {
                control.selection = LineNamed(control, named->second);
                continue;
            }
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
