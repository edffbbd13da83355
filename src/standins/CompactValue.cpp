#include "standins/CompactValue.hpp"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <utility>

#include "automation/Unicode.hpp"

namespace orvantis::standins {
namespace {

using Json = nlohmann::ordered_json;

// Whether `utf8` gives back exactly `text`: Utf8FromWide replaces an unpaired surrogate.
bool CarriedByUtf8(std::wstring_view text, const std::string& utf8) {
    if (std::ranges::all_of(text, [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0xD800; })) return true;
    return WideFromUtf8(utf8) == text;
}

}  // namespace

template <class T>
T CompactValue::Word() const {
    static_assert(sizeof(T) <= 8);
    T value;
    std::memcpy(&value, bytes_ + kWord, sizeof value);
    return value;
}

template <class T>
void CompactValue::SetWord(T value) {
    std::memcpy(bytes_ + kWord, &value, sizeof value);
}

void CompactValue::SetHeapText(std::string_view utf8) {
    char* heap = new char[utf8.size()];
    std::memcpy(heap, utf8.data(), utf8.size());
    SetWord(heap);
}

CompactValue::CompactValue(const Variant& value) {
    using Kind = Variant::Kind;
    switch (value.GetKind()) {
        case Kind::Empty: return;
        case Kind::Integer: form_ = Form::Integer, SetWord(value.ToInteger()); return;
        case Kind::Long: form_ = Form::Long, SetWord(value.ToLong()); return;
        case Kind::Double: form_ = Form::Double, SetWord(value.ToDouble()); return;
        case Kind::Boolean: form_ = Form::Boolean, SetWord(value.ToBoolean()); return;
        case Kind::Date: form_ = Form::Date, SetWord(value.ToDate().days); return;
        case Kind::Text: {
            const std::wstring& text = *value.TextIf();
            const std::string utf8 = Utf8FromWide(text);
            if (!CarriedByUtf8(text, utf8) || utf8.size() > std::numeric_limits<std::uint32_t>::max()) break;
            if (utf8.size() <= kShortText) {
                form_ = Form::ShortText;
                shortSize_ = static_cast<std::uint8_t>(utf8.size());
                std::memcpy(bytes_, utf8.data(), utf8.size());
                return;
            }
            form_ = Form::LongText;
            const auto size = static_cast<std::uint32_t>(utf8.size());
            std::memcpy(bytes_ + 2, &size, sizeof size);
            SetHeapText(utf8);
            return;
        }
        case Kind::Null:
        case Kind::Missing:
        case Kind::Object: break;
    }
    form_ = Form::Boxed;
    SetWord(new Variant(value));
}

CompactValue::CompactValue(Json productValue) {
    if (productValue.is_null()) return;
    form_ = Form::Product;
    SetWord(new Json(std::move(productValue)));
}

CompactValue::CompactValue(const CompactValue& other)
    : form_(other.form_), shortSize_(other.shortSize_) {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    switch (form_) {
        case Form::LongText: SetHeapText(other.Utf8()); break;
        case Form::Boxed: SetWord(new Variant(*other.Word<const Variant*>())); break;
        case Form::Product: SetWord(new Json(*other.Word<const Json*>())); break;
        default: break;
    }
}

CompactValue::CompactValue(CompactValue&& other) noexcept
    : form_(std::exchange(other.form_, Form::Empty)), shortSize_(other.shortSize_) {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
}

CompactValue& CompactValue::operator=(CompactValue other) noexcept {
    std::swap(form_, other.form_);
    std::swap(shortSize_, other.shortSize_);
    std::swap(bytes_, other.bytes_);
    return *this;
}

CompactValue::~CompactValue() {
    switch (form_) {
        case Form::LongText: delete[] Word<char*>(); break;
        case Form::Boxed: delete Word<Variant*>(); break;
        case Form::Product: delete Word<Json*>(); break;
        default: break;
    }
}

std::string_view CompactValue::Utf8() const {
    if (form_ == Form::ShortText) return {reinterpret_cast<const char*>(bytes_), shortSize_};
    std::uint32_t size = 0;
    std::memcpy(&size, bytes_ + 2, sizeof size);
    return {Word<const char*>(), size};
}

Variant CompactValue::ToVariant() const {
    switch (form_) {
        case Form::ShortText:
        case Form::LongText: return Variant(*WideFromUtf8(Utf8()));
        case Form::Integer: return Variant(Word<std::int16_t>());
        case Form::Long: return Variant(Word<std::int32_t>());
        case Form::Double: return Variant(Word<double>());
        case Form::Boolean: return Variant(Word<bool>());
        case Form::Date: return Variant(DateValue{Word<double>()});
        case Form::Boxed: return *Word<const Variant*>();
        case Form::Empty:
        case Form::Product: break;
    }
    return {};
}

Variant::Kind CompactValue::GetKind() const {
    using Kind = Variant::Kind;
    switch (form_) {
        case Form::ShortText:
        case Form::LongText: return Kind::Text;
        case Form::Integer: return Kind::Integer;
        case Form::Long: return Kind::Long;
        case Form::Double: return Kind::Double;
        case Form::Boolean: return Kind::Boolean;
        case Form::Date: return Kind::Date;
        case Form::Boxed: return Word<const Variant*>()->GetKind();
        case Form::Empty:
        case Form::Product: break;
    }
    return Kind::Empty;
}

const Json* CompactValue::ProductValue() const {
    return form_ == Form::Product ? Word<const Json*>() : nullptr;
}

Json* CompactValue::ProductValue() { return form_ == Form::Product ? Word<Json*>() : nullptr; }

bool CompactValue::operator==(const CompactValue& other) const {
    // A value has one form: text goes to the heap by its size and content alone.
    if (form_ != other.form_) return false;
    switch (form_) {
        case Form::ShortText:
        case Form::LongText: return Utf8() == other.Utf8();
        case Form::Integer: return Word<std::int16_t>() == other.Word<std::int16_t>();
        case Form::Long: return Word<std::int32_t>() == other.Word<std::int32_t>();
        case Form::Double:
        case Form::Date: return Word<double>() == other.Word<double>();
        case Form::Boolean: return Word<bool>() == other.Word<bool>();
        case Form::Boxed: return *Word<const Variant*>() == *other.Word<const Variant*>();
        case Form::Product: return *Word<const Json*>() == *other.Word<const Json*>();
        case Form::Empty: break;
    }
    return true;
}

std::size_t CompactValue::Hash() const {
    const auto form = static_cast<std::size_t>(form_);
    switch (form_) {
        case Form::ShortText:
        case Form::LongText: return std::hash<std::string_view>{}(Utf8()) ^ form;
        case Form::Integer: return std::hash<std::int16_t>{}(Word<std::int16_t>()) ^ form;
        case Form::Long: return std::hash<std::int32_t>{}(Word<std::int32_t>()) ^ form;
        case Form::Double:
        case Form::Date: return std::hash<double>{}(Word<double>()) ^ form;
        case Form::Boolean: return std::hash<bool>{}(Word<bool>()) ^ form;
        case Form::Boxed: {
            const Variant& boxed = *Word<const Variant*>();
            const std::wstring* text = boxed.TextIf();
            return (text ? std::hash<std::wstring>{}(*text) : 0) ^ static_cast<std::size_t>(boxed.GetKind());
        }
        case Form::Product: return std::hash<Json>{}(*Word<const Json*>()) ^ form;
        case Form::Empty: break;
    }
    return form;
}

}  // namespace orvantis::standins
