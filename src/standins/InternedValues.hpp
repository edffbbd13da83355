#pragma once

#include <cstdint>
#include <deque>
#include <unordered_set>

#include "automation/Variant.hpp"
#include "standins/CompactValue.hpp"

namespace orvantis::standins {

// Each distinct value it was given, kept once (compactly) and numbered in the order first seen.
class InternedValues {
public:
    InternedValues() = default;
    InternedValues(const InternedValues&) = delete;
    InternedValues& operator=(const InternedValues&) = delete;

    std::uint32_t Intern(const Variant& value);
    Variant operator[](std::uint32_t id) const { return values_[id].ToVariant(); }

private:
    struct Hash {
        using is_transparent = void;
        const InternedValues* table;
        std::size_t operator()(std::uint32_t id) const { return table->values_[id].Hash(); }
        std::size_t operator()(const CompactValue& value) const { return value.Hash(); }
    };
    struct Same {
        using is_transparent = void;
        const InternedValues* table;
        bool operator()(std::uint32_t a, std::uint32_t b) const { return a == b; }
        bool operator()(const CompactValue& a, std::uint32_t b) const { return a == table->values_[b]; }
        bool operator()(std::uint32_t a, const CompactValue& b) const { return table->values_[a] == b; }
    };

    std::deque<CompactValue> values_;
    std::unordered_set<std::uint32_t, Hash, Same> ids_{0, Hash{this}, Same{this}};
};

}  // namespace orvantis::standins
