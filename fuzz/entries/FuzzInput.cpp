#include "FuzzEntries.hpp"

#include "automation/Unicode.hpp"

namespace orvantis::fuzz {

std::wstring TextFromBytes(Bytes input) {
    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());
    if (auto text = WideFromUtf8(bytes)) return std::move(*text);
    std::wstring units;
    units.reserve(input.size() / 2);
    for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
        units += static_cast<wchar_t>(input[i] | input[i + 1] << 8);
    }
    return units;
}

std::span<const Target> Targets() {
    static constexpr Target kTargets[] = {
        {"load_xml", LoadXmlEntry},
        {"string_to_date", StringToDateEntry},
        {"base64", Base64Entry},
        {"contact_exports", ContactExportsEntry},
    };
    return kTargets;
}

}  // namespace orvantis::fuzz
