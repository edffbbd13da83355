#include "automation/Variant.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cwctype>
#include <limits>

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"
#include "automation/Text.hpp"

namespace orvantis {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

template <class Integer>
Integer RoundToInteger(double number) {
    if (std::isnan(number)) throw AutomationError::Standard(errors::kOverflow);
    const double rounded = std::nearbyint(number);  // the default mode rounds halves to even
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
        throw AutomationError::Standard(errors::kOverflow);
    }
    return static_cast<Integer>(rounded);
}

std::wstring DateToText(double date) {
    const CivilTime t = SplitDate(date);
    wchar_t buffer[32];
    const bool hasTime = t.hour != 0 || t.minute != 0 || t.second != 0;
    const bool hasDay = std::trunc(date) != 0 || !hasTime;
    std::wstring text;
    if (hasDay) {
        std::swprintf(buffer, 32, L"%04d-%02d-%02d", t.year, t.month, t.day);
        text = buffer;
    }
    if (hasTime) {
        std::swprintf(buffer, 32, L"%02d:%02d:%02d", t.hour, t.minute, t.second);
        if (!text.empty()) text += L' ';
        text += buffer;
    }
    return text;
}

// Roughly how many digits a well-formed number has before its decimal point (negative for a
// fraction's leading zeros); enough to tell a number too large for a double from one too
// small, the two ways a conversion can fall out of range.
long long DecimalMagnitude(std::string_view number) {
    const auto exponentAt = number.find_first_of("eE");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        const std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        for (const char c : digits) {
            if (c >= '0' && c <= '9') exponent = std::min(exponent * 10 + (c - '0'), 1LL << 40);
        }
        if (negative) exponent = -exponent;
        number = number.substr(0, exponentAt);
    }
    const auto first = number.find_first_of("123456789");
    if (first == std::string_view::npos) return exponent;
    const auto point = std::min(number.find('.'), number.size());
    return exponent + (first < point ? static_cast<long long>(point - first)
                                     : -static_cast<long long>(first - point - 1));
}

}  // namespace

std::optional<double> ParseNumber(std::wstring_view text) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == L'.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == exponentStart) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // Only ASCII characters remain; from_chars reads them whatever the process locale.
    std::string narrow(text.begin() + (text.front() == L'+' ? 1 : 0), text.end());
    double number = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), number);
    if (error == std::errc::result_out_of_range) {
        if (DecimalMagnitude(narrow) > 0) throw AutomationError::Standard(errors::kOverflow);
        return narrow.front() == '-' ? -0.0 : 0.0;  // too small: it is zero
    }
    return number;
}

std::int16_t TextToInteger(std::wstring_view text) {
    const auto number = ParseNumber(text);
    if (!number) throw AutomationError::Standard(errors::kTypeMismatch);
    return RoundToInteger<std::int16_t>(*number);
}

bool TextToBoolean(std::wstring_view text) {
    const std::wstring_view trimmed = TrimBlanks(text);
    if (EqualsIgnoringCase(trimmed, L"true")) return true;
    if (EqualsIgnoringCase(trimmed, L"false")) return false;
    const auto number = ParseNumber(trimmed);
    if (!number) throw AutomationError::Standard(errors::kTypeMismatch);
    return *number != 0;
}

std::wstring NumberToText(double number) {
    if (std::isnan(number) || std::isinf(number)) throw AutomationError::Standard(errors::kOverflow);
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.15G", number);
    std::wstring text = buffer;
    if (text == L"-0") text = L"0";
    return text;
}

std::wstring Variant::ToText() const {
    switch (GetKind()) {
        case Kind::Empty: return {};
        case Kind::Text: return std::get<std::wstring>(value_);
        case Kind::Integer: return std::to_wstring(std::get<std::int16_t>(value_));
        case Kind::Long: return std::to_wstring(std::get<std::int32_t>(value_));
        case Kind::Double: return NumberToText(std::get<double>(value_));
        case Kind::Boolean: return std::get<bool>(value_) ? L"True" : L"False";
        case Kind::Date: return DateToText(std::get<DateValue>(value_).days);
        case Kind::Null: throw AutomationError::Standard(errors::kInvalidUseOfNull);
        case Kind::Missing:
        case Kind::Object: break;
    }
    throw AutomationError::Standard(errors::kTypeMismatch);
}

double Variant::ToDouble() const {
    switch (GetKind()) {
        case Kind::Empty: return 0;
        case Kind::Text: {
            const auto number = ParseNumber(std::get<std::wstring>(value_));
            if (!number) throw AutomationError::Standard(errors::kTypeMismatch);
            return *number;
        }
        case Kind::Integer: return std::get<std::int16_t>(value_);
        case Kind::Long: return std::get<std::int32_t>(value_);
        case Kind::Double: return std::get<double>(value_);
        case Kind::Boolean: return std::get<bool>(value_) ? -1 : 0;
        case Kind::Date: return std::get<DateValue>(value_).days;
        case Kind::Null: throw AutomationError::Standard(errors::kInvalidUseOfNull);
        case Kind::Missing:
        case Kind::Object: break;
    }
    throw AutomationError::Standard(errors::kTypeMismatch);
}

std::int16_t Variant::ToInteger() const { return RoundToInteger<std::int16_t>(ToDouble()); }

std::int32_t Variant::ToLong() const { return RoundToInteger<std::int32_t>(ToDouble()); }

bool Variant::ToBoolean() const {
    if (const auto* text = TextIf()) return TextToBoolean(*text);
    if (const auto* flag = std::get_if<bool>(&value_)) return *flag;
    return ToDouble() != 0;
}

DateValue Variant::ToDate() const {
    if (const auto* date = std::get_if<DateValue>(&value_)) return *date;
    if (GetKind() == Kind::Text) throw AutomationError::Standard(errors::kTypeMismatch);
    return DateValue{ToDouble()};
}

ObjectRef Variant::ToObject() const {
    if (const auto* object = std::get_if<ObjectRef>(&value_)) return *object;
    throw AutomationError::Standard(errors::kObjectRequired);
}

}  // namespace orvantis
