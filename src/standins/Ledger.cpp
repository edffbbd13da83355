#include "standins/Ledger.hpp"

#include <nlohmann/json.hpp>

#include "automation/AutomationError.hpp"
#include "standins/Members.hpp"
#include "standins/WorldFile.hpp"

namespace orvantis::standins {

void CallLog::Add(std::wstring_view object, std::wstring_view member, CallKind kind,
                  std::span<const Argument> arguments) {
    ++count_;
    if (countOnly_) return;
    calls_.push_back({Name(object), Name(member), static_cast<std::uint32_t>(arguments_.size()),
                      static_cast<std::uint16_t>(arguments.size()), static_cast<std::uint8_t>(kind)});
    for (const auto& argument : arguments) {
        arguments_.push_back(values_->Intern(argument.value.IsObject() ? Variant(L"(object)") : argument.value));
    }
}

LoggedCall CallLog::operator[](std::size_t position) const {
    const Record& call = calls_.at(position);
    std::vector<Variant> logged;
    for (std::uint32_t i = 0; i < call.argumentCount; ++i) {
        logged.push_back((*values_)[arguments_[call.firstArgument + i]]);
    }
    return {call.object.Text(), call.member.Text(), static_cast<CallKind>(call.kind), std::move(logged)};
}

void Ledger::ApplyFailureRules(std::wstring_view object, std::wstring_view member) {
    for (auto& rule : failures) {
        if (!SameName(rule.member, member)) continue;
        if (!rule.object.empty() && !SameName(rule.object, object)) continue;
        ++rule.seen;
        if (rule.call == 0 || rule.call == rule.seen) {
            throw AutomationError(rule.number, rule.source, rule.description);
        }
    }
}

LiveHandle::LiveHandle(std::shared_ptr<Ledger> ledger) : ledger_(std::move(ledger)) {
    ++ledger_->liveObjects;
}

LiveHandle::~LiveHandle() { --ledger_->liveObjects; }

std::vector<FailureRule> ReadFailureRules(const nlohmann::ordered_json& configuration) {
    std::vector<FailureRule> rules;
    for (const auto& json : configuration.value("failures", nlohmann::ordered_json::array())) {
        for (const auto& [key, value] : json.items()) {
            if (key != "object" && key != "member" && key != "call" && key != "number" &&
                key != "source" && key != "description") {
                throw DamagedWorld("unknown key \"" + key + "\" in a failure rule");
            }
        }
        FailureRule rule;
        rule.object = TextOf(json.value("object", ""));
        rule.member = TextOf(json.at("member"));
        rule.call = json.value("call", std::size_t{0});
        rule.number = json.at("number").get<std::int32_t>();
        rule.source = TextOf(json.value("source", ""));
        rule.description = TextOf(json.value("description", ""));
        rules.push_back(std::move(rule));
    }
    return rules;
}

void WriteFailureRules(const std::vector<FailureRule>& rules, nlohmann::ordered_json& configuration) {
    if (rules.empty()) return;
    auto& list = configuration["failures"] = nlohmann::ordered_json::array();
    for (const auto& rule : rules) {
        nlohmann::ordered_json json;
        if (!rule.object.empty()) json["object"] = JsonText(rule.object);
        json["member"] = JsonText(rule.member);
        if (rule.call != 0) json["call"] = rule.call;
        json["number"] = rule.number;
        json["source"] = JsonText(rule.source);
        json["description"] = JsonText(rule.description);
        list.push_back(std::move(json));
    }
}

}  // namespace orvantis::standins
