#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "automation/Object.hpp"

namespace orvantis::standins {

struct LoggedCall {
    std::wstring object;  // the stand-in's class, e.g. "Items"
    std::wstring member;  // as the caller spelled it
    CallKind kind = CallKind::Method;
    // Object arguments are logged as the text "(object)", so that the log keeps none alive.
    std::vector<Variant> arguments;
};

// Makes a member fail on demand, as a product does when something goes wrong inside it.
struct FailureRule {
    std::wstring object;  // a stand-in class; empty: any
    std::wstring member;
    std::size_t call = 0;  // the n-th call of the member fails (counting from 1); 0: every call
    std::int32_t number = 0;
    std::wstring source;
    std::wstring description;
    std::size_t seen = 0;  // calls counted so far
};

// What a product's stand-in keeps about its callers rather than about its data.
struct Ledger {
    std::size_t liveObjects = 0;
    std::vector<LoggedCall> calls;
    std::vector<FailureRule> failures;

    // Raises the error of the first rule that fails this (valid) call.
    void ApplyFailureRules(std::wstring_view object, std::wstring_view member);
};

// Counts its owner among the live objects of a product for as long as the owner lives.
class LiveHandle {
public:
    explicit LiveHandle(std::shared_ptr<Ledger> ledger);
    ~LiveHandle();
    LiveHandle(const LiveHandle&) = delete;
    LiveHandle& operator=(const LiveHandle&) = delete;

    Ledger& ledger() const { return *ledger_; }

private:
    std::shared_ptr<Ledger> ledger_;
};

// The rules of a world file's configuration ("failures"), and back. Malformed rules raise
// DamagedWorld.
std::vector<FailureRule> ReadFailureRules(const nlohmann::ordered_json& configuration);
void WriteFailureRules(const std::vector<FailureRule>& rules, nlohmann::ordered_json& configuration);

}  // namespace orvantis::standins
