#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The fuzz targets' bodies. The libFuzzer programs in fuzz/ and the test that replays
// fuzz/regressions/ call the same functions, so a crash once found stays covered by the
// ordinary test suite on every platform.
namespace orvantis::fuzz {

using Bytes = std::span<const std::uint8_t>;

// Each entry feeds the bytes to the code under test and returns a description of the first
// invariant it saw broken, or nothing. Memory faults are left to the sanitizers.
using Entry = std::optional<std::string> (*)(Bytes input);

// Any text handed to LoadXML, with a host whose every port records instead of acting.
std::optional<std::string> LoadXmlEntry(Bytes input);
// StringToDate on any text: a type mismatch or a date that agrees with the digits read.
std::optional<std::string> StringToDateEntry(Bytes input);
// Base64Decode on any text; Base64Encode then Base64Decode gives back the single-byte codes.
std::optional<std::string> Base64Entry(Bytes input);
// The vCard and RTF builders on a contact whose property values (cut at U+001E) are any text:
// the card stays one property or quoted-printable continuation per line between BEGIN:VCARD
// and END:VCARD, and no value's brace becomes RTF markup.
std::optional<std::string> ContactExportsEntry(Bytes input);

struct Target {
    std::string_view name;  // the folder name under fuzz/seeds/ and fuzz/regressions/
    Entry entry;
};

// Every target, for the regression replay.
std::span<const Target> Targets();

// The system's text from fuzz input: UTF-8 when the bytes are valid UTF-8, else the bytes
// read as UTF-16LE code units, unpaired surrogates included, as a script may pass them.
std::wstring TextFromBytes(Bytes input);

}  // namespace orvantis::fuzz
