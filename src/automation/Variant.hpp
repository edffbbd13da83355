#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvantis {

class Object;
using ObjectRef = std::shared_ptr<Object>;

// A date value wrapped so that it is not confused with a plain double.
struct DateValue {
    double days = 0;
    bool operator==(const DateValue&) const = default;
};

// An automation variant. The kinds and their conversions are the ones the system relies on;
// conversion failures raise the standard automation errors.
class Variant {
public:
    enum class Kind { Empty, Null, Missing, Text, Integer, Long, Double, Boolean, Date, Object };

    Variant() = default;
    Variant(std::wstring text) : value_(std::move(text)) {}
    Variant(std::wstring_view text) : value_(std::wstring(text)) {}
    Variant(const wchar_t* text) : value_(std::wstring(text)) {}
    Variant(std::int16_t number) : value_(number) {}
    Variant(std::int32_t number) : value_(number) {}
    Variant(double number) : value_(number) {}
    Variant(bool flag) : value_(flag) {}
    Variant(DateValue date) : value_(date) {}
    Variant(ObjectRef object) : value_(std::move(object)) {}
    // Any other pointer would silently become a Boolean.
    template <class T>
    Variant(T*) = delete;

    static Variant Null() { return Variant(NullTag{}); }
    static Variant Missing() { return Variant(MissingTag{}); }

    Kind GetKind() const { return static_cast<Kind>(value_.index()); }
    bool IsEmpty() const { return GetKind() == Kind::Empty; }
    bool IsObject() const { return GetKind() == Kind::Object; }

    // The text when the variant holds one, else null: no conversion.
    const std::wstring* TextIf() const { return std::get_if<std::wstring>(&value_); }

    std::wstring ToText() const;           // empty variant: empty text
    std::int16_t ToInteger() const;        // rounds halves to even; 6 out of range
    std::int32_t ToLong() const;
    double ToDouble() const;
    bool ToBoolean() const;                // text: true/false in any case, or a number
    DateValue ToDate() const;
    ObjectRef ToObject() const;            // 424 unless it holds an object reference (maybe none)

    bool operator==(const Variant&) const = default;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct MissingTag {
        bool operator==(const MissingTag&) const = default;
    };
    explicit Variant(NullTag tag) : value_(tag) {}
    explicit Variant(MissingTag tag) : value_(tag) {}

    // The alternatives' order matches Kind.
    std::variant<std::monostate, NullTag, MissingTag, std::wstring, std::int16_t, std::int32_t,
                 double, bool, DateValue, ObjectRef>
        value_;
};

// A number written as text, as the automation conversions read it: blanks around it, an
// optional sign, digits with an optional fraction after ".", an optional exponent.
std::optional<double> ParseNumber(std::wstring_view text);

// Text to 16-bit integer with the automation rules: 13 when not a number, 6 out of range.
std::int16_t TextToInteger(std::wstring_view text);

// "true"/"false" in any letter case, or a number (zero is false); 13 otherwise.
bool TextToBoolean(std::wstring_view text);

// The decimal text form of a number, as the automation conversion to text writes it.
std::wstring NumberToText(double number);

}  // namespace orvantis
