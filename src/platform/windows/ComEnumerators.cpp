#include "platform/windows/ComEnumerators.hpp"

#include <vector>

#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComObject.hpp"
#include "platform/windows/ComVariant.hpp"

namespace orvantis::windows {
namespace {

// The elements drawn so far from a core Enumerator, which can only go forward: Reset and
// Clone replay them, sharing what was drawn.
struct Drawn {
    std::shared_ptr<Enumerator> source;
    std::vector<Variant> elements;

    const Variant* At(std::size_t position) {
        while (position >= elements.size() && source) {
            auto next = source->Next();
            if (!next) {
                source.reset();
                break;
            }
            elements.push_back(std::move(*next));
        }
        return position < elements.size() ? &elements[position] : nullptr;
    }
};

class EnumVariant final : public ComObject<EnumVariant, IEnumVARIANT> {
public:
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* values, ULONG* fetched) override {
        if (!values || (count > 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        const HRESULT outcome = GuardComCall([&] {
            for (; given < count; ++given) {
                const Variant* element = drawn_->At(position_);
                if (!element) break;
                ToVariant(*element, values[given]);
                ++position_;
            }
        });
        if (FAILED(outcome)) {
            for (ULONG i = 0; i < given; ++i) VariantClear(&values[i]);
            given = 0;
        }
        if (fetched) *fetched = given;
        if (FAILED(outcome)) return outcome;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        return GuardComCall([&] {
            for (; count > 0 && drawn_->At(position_); --count) ++position_;
        }) == S_OK && count == 0 ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        if (!copy) return E_POINTER;
        *copy = Make(drawn_, position_).Detach();
        return S_OK;
    }

private:
    friend class ComObject<EnumVariant, IEnumVARIANT>;
    EnumVariant(std::shared_ptr<Drawn> drawn, std::size_t position)
        : drawn_(std::move(drawn)), position_(position) {}
    ~EnumVariant() = default;

    std::shared_ptr<Drawn> drawn_;
    std::size_t position_;
};

class ForeignEnumerator final : public Enumerator {
public:
    explicit ForeignEnumerator(ComPtr<IEnumVARIANT> elements) : elements_(std::move(elements)) {}

    std::optional<Variant> Next() override {
        OwnedVariant element;
        ULONG fetched = 0;
        const HRESULT outcome = elements_->Next(1, element.Put(), &fetched);
        if (FAILED(outcome)) {
            throw AutomationError(static_cast<std::int32_t>(outcome), L"IEnumVARIANT",
                                  L"The enumeration failed.");
        }
        if (outcome != S_OK || fetched != 1) return std::nullopt;
        return FromVariant(*element);
    }

private:
    ComPtr<IEnumVARIANT> elements_;
};

}  // namespace

ComPtr<IEnumVARIANT> EnumVariantOf(std::shared_ptr<Enumerator> elements) {
    return EnumVariant::Make(std::make_shared<Drawn>(Drawn{std::move(elements), {}}), 0);
}

std::shared_ptr<Enumerator> EnumeratorOf(ComPtr<IEnumVARIANT> elements) {
    return std::make_shared<ForeignEnumerator>(std::move(elements));
}

}  // namespace orvantis::windows
