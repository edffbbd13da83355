#pragma once

#include <cstdint>
#include <deque>
#include <unordered_set>

#include "automation/Variant.hpp"

namespace orvantis::standins {

// Each distinct value it was given, kept once and numbered in the order first seen. A value
// stays where it is for the table's life, so references to it stay true.
class InternedValues {
public:
    InternedValues() = default;
    InternedValues(const InternedValues&) = delete;
    InternedValues& operator=(const InternedValues&) = delete;

    std::uint32_t Intern(const Variant& value);
    const Variant& operator[](std::uint32_t id) const { return values_[id]; }

private:
    struct Hash {
        using is_transparent = void;
        const InternedValues* table;
        std::size_t operator()(std::uint32_t id) const { return (*this)(table->values_[id]); }
        std::size_t operator()(const Variant& value) const;
    };
    struct Same {
        using is_transparent = void;
        const InternedValues* table;
        bool operator()(std::uint32_t a, std::uint32_t b) const { return a == b; }
        bool operator()(const Variant& a, std::uint32_t b) const { return a == table->values_[b]; }
        bool operator()(std::uint32_t a, const Variant& b) const { return table->values_[a] == b; }
    };

    std::deque<Variant> values_;
    std::unordered_set<std::uint32_t, Hash, Same> ids_{0, Hash{this}, Same{this}};
};

}  // namespace orvantis::standins
