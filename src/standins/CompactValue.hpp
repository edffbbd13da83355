#pragma once

#include <cstddef>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "automation/Variant.hpp"

namespace orvantis::standins {

// A Variant, or a value of a product's own kind (a picture, ...) in its file form, in 16
// bytes: a world holds millions. Text is kept as UTF-8, in place when short; a product value,
// a text UTF-8 cannot carry (an unpaired surrogate) and the kinds no world keeps (objects,
// ...) live on the heap, so that only they pay for it.
class alignas(8) CompactValue {
public:
    CompactValue() = default;
    explicit CompactValue(const Variant& value);
    explicit CompactValue(nlohmann::ordered_json productValue);
    CompactValue(const CompactValue& other);
    CompactValue(CompactValue&& other) noexcept;
    CompactValue& operator=(CompactValue other) noexcept;
    ~CompactValue();

    // Empty for a product value.
    Variant ToVariant() const;
    Variant::Kind GetKind() const;
    // Null unless it holds a product value.
    const nlohmann::ordered_json* ProductValue() const;
    nlohmann::ordered_json* ProductValue();

    // As Variant compares: kind and value.
    bool operator==(const CompactValue& other) const;
    std::size_t Hash() const;

private:
    enum class Form : std::uint8_t { Empty, ShortText, LongText, Integer, Long, Double, Boolean, Date, Boxed, Product };
    static constexpr std::size_t kShortText = 14;
    static constexpr std::size_t kWord = 6;  // where a number or a pointer starts in bytes_

    template <class T>
    T Word() const;
    template <class T>
    void SetWord(T value);
    std::string_view Utf8() const;
    // A copy of a long text on the heap, its address the word; its size is set apart.
    void SetHeapText(std::string_view utf8);

    Form form_ = Form::Empty;
    std::uint8_t shortSize_ = 0;
    // Short text from the start; a long text's size (4 bytes) from 2 and its bytes' address
    // from kWord; a number or another address from kWord (8-byte aligned, as leak checkers
    // look for addresses).
    unsigned char bytes_[kShortText] = {};
};
static_assert(sizeof(CompactValue) == 16);

}  // namespace orvantis::standins
