#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "automation/Object.hpp"
#include "standins/InternedValues.hpp"
#include "standins/Name.hpp"

namespace orvantis::standins {

// One call of the log, as it gives it back.
struct LoggedCall {
    const std::wstring& object;  // the stand-in's class, e.g. "Items"
    const std::wstring& member;  // as the caller spelled it
    CallKind kind = CallKind::Method;
    // Object arguments are logged as the text "(object)", so that the log keeps none alive.
    std::vector<Variant> arguments;
};

// Every call a product answered, in order. A load of many items makes millions of calls that
// repeat the same few names and values, so a call is kept as a small record of numbers into
// one table of the distinct values seen. The records grow block by block: a log of millions
// is never copied to grow.
class CallLog {
public:
    class Iterator {
    public:
        Iterator(const CallLog& log, std::size_t position) : log_(&log), position_(position) {}
        LoggedCall operator*() const { return (*log_)[position_]; }
        Iterator& operator++() {
            ++position_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        const CallLog* log_;
        std::size_t position_;
    };

    void Add(std::wstring_view object, std::wstring_view member, CallKind kind,
             std::span<const Argument> arguments);
    // From now on the calls are only counted: a log nobody reads need not hold millions.
    void CountOnly() { countOnly_ = true; }

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // std::out_of_range for a call only counted.
    LoggedCall operator[](std::size_t position) const;
    LoggedCall back() const { return (*this)[size() - 1]; }
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

private:
    struct Record {
        Name object;
        Name member;
        std::uint32_t firstArgument;
        std::uint16_t argumentCount;
        std::uint8_t kind;  // a CallKind
    };
    static_assert(sizeof(Record) == 16);
    std::size_t count_ = 0;
    bool countOnly_ = false;
    std::deque<Record> calls_;
    std::deque<std::uint32_t> arguments_;
    // Argument values; on the heap, so that a log moves with a world.
    std::unique_ptr<InternedValues> values_ = std::make_unique<InternedValues>();
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
    CallLog calls;
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
