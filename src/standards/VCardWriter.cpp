#include "standards/VCardWriter.hpp"


#include "automation/Unicode.hpp"
#include "standards/ContentLines.hpp"
#include "support/PictureBytes.hpp"
#include "support/base64.hpp"

namespace orvantis {
namespace {

// The image type the bytes begin with, empty for anything else.
std::string_view ImageType(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xD8\xFF")) return "JPEG";
    if (bytes.starts_with("\x89PNG\r\n\x1A\n")) return "PNG";
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return "GIF";
    return {};
}

bool IsHexadecimal(std::wstring_view text) {
    if (text.size() % 2 != 0) return false;
    for (const wchar_t c : text) {
        const bool digit = (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
        if (!digit) return false;
    }
    return true;
}

void AddPhoto(ContentLines& lines, std::wstring_view hex) {
    if (hex.empty() || !IsHexadecimal(hex)) return;
    const std::string bytes = PictureBytes(hex);
    const auto type = ImageType(bytes);
    if (type.empty()) return;
    lines.Add("PHOTO;ENCODING=b;TYPE=" + std::string(type), base64::Base64OfBytes(bytes));
}

void AddAddress(ContentLines& lines, std::string_view name, std::wstring_view street,
                std::wstring_view city, std::wstring_view zip, std::wstring_view country) {
    if (street.empty() && city.empty() && zip.empty() && country.empty()) return;
    // post-office box; extended address; street; locality; region; postal code; country
    lines.Add(name, StructuredText({L"", L"", street, city, L"", zip, country}));
}

// A URI is no TEXT value: nothing in it is escaped, only what cannot stand in a line goes.
std::string UriValue(std::wstring_view uri) {
    std::wstring kept;
    for (const wchar_t c : uri) {
        if (c >= 0x20 && c != 0x7F) kept += c;
    }
    return Utf8FromWide(kept);
}

std::wstring FormattedName(const AgentContact& c) {
    std::wstring name = c.Firstname;
    if (!name.empty() && !c.Lastname.empty()) name += L' ';
    name += c.Lastname;
    if (name.empty()) name = c.CompanyName;
    if (name.empty()) name = c.Email;
    return name;
}

}  // namespace

std::string VCard(const AgentContact& c, std::wstring_view uid, double revisionUtc) {
    ContentLines lines;
    lines.Add("BEGIN", "VCARD");
    lines.Add("VERSION", "3.0");
    lines.Add("UID", EscapedText(uid));
    lines.Add("N", StructuredText({c.Lastname, c.Firstname, L"", L"", L""}));
    lines.Add("FN", EscapedText(FormattedName(c)));
    if (!c.CompanyName.empty()) lines.Add("ORG", StructuredText({c.CompanyName}));
    lines.AddText("TITLE", c.JobTitle);
    lines.AddText("TEL;TYPE=HOME,VOICE", c.PersonalPhone.ToText());
    lines.AddText("TEL;TYPE=CELL,VOICE", c.PersonalMobile);
    lines.AddText("TEL;TYPE=WORK,VOICE", c.CompanyPhone);
    lines.AddText("TEL;TYPE=WORK,FAX", c.CompanyFax.ToText());
    AddAddress(lines, "ADR;TYPE=HOME", c.HomeAddressStreet, c.HomeAddressCity, c.HomeAddressZip,
               c.HomeAddressCountry);
    AddAddress(lines, "ADR;TYPE=WORK", c.CompanyAddressStreet, c.CompanyAddressCity,
               c.CompanyAddressZip, c.CompanyAddressCountry);
    lines.AddText("EMAIL;TYPE=INTERNET,PREF", c.Email);
    lines.AddText("EMAIL;TYPE=INTERNET,WORK", c.CompanyEmail.ToText());
    if (!c.SiteURL.empty()) lines.Add("URL", UriValue(c.SiteURL));
    // vCard 3.0 has no instant-messaging property of its own.
    lines.AddText("X-ORVANTIS-IM", c.IMNumber);
    lines.AddText("NOTE", c.Notes);
    AddPhoto(lines, c.PictureData);
    lines.Add("REV", UtcText(revisionUtc, DateTimeForm::Extended));
    lines.Add("END", "VCARD");
    return std::move(lines).Text();
}

}  // namespace orvantis
