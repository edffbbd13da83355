#include "exports/OExpressUtilities.hpp"

#include <algorithm>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "exports/QuotedPrintable.hpp"
#include "platform/CodePage.hpp"
#include "platform/CommandLine.hpp"
#include "support/RegistreUtilities.hpp"
#include "support/ShellUtilities.hpp"

namespace orvantis::OExpressUtilities {
namespace {

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

class Card {
public:
    void Line(std::wstring_view text) { text_.append(text).append(L"\r\n"); }

    // "name:value" as it stands when the code page holds the value on one line, which keeps
    // the cards of code-page text as they always were; otherwise the encoded form under
    // encodedName.
    void Property(std::wstring_view name, std::wstring_view encodedName,
                  const std::wstring& value) {
        if (!HasLineBreak(value) && FromAnsi(ToAnsi(value)) == value) {
            Line(std::wstring(name) + L':' + value);
        } else {
            Encoded(encodedName, value);
        }
    }
    void Property(std::wstring_view name, const std::wstring& value) {
        Property(name, name, value);
    }

    // Quoted-printable over the code page's bytes, or over UTF-8 when the code page lacks a
    // character (which would become "?"), naming the character set of any byte above 127.
    void Encoded(std::wstring_view name, const std::wstring& value) {
        std::string bytes = ToAnsi(value);
        std::wstring charset = AnsiCharsetName();
        if (FromAnsi(bytes) != value) {
            bytes = Utf8FromWide(value);
            charset = L"UTF-8";
        }
        std::wstring parameters(name);
        if (!IsAscii(bytes)) parameters.append(L";CHARSET=").append(charset);
        Line(QuotedPrintableLine(parameters + L";ENCODING=QUOTED-PRINTABLE", bytes));
    }

    std::wstring Text() && { return std::move(text_); }

private:
    std::wstring text_;
};

// One component of a structured value (N, ADR, ORG): a ";" inside it would start the next
// component and a "\" would escape what follows, so both get a backslash.
std::wstring Component(std::wstring_view value) {
    std::wstring escaped;
    for (const wchar_t c : value) {
        if (c == L';' || c == L'\\') escaped += L'\\';
        escaped += c;
    }
    return escaped;
}

std::wstring Address(const std::wstring& street, const std::wstring& city, const std::wstring& zip,
                     const std::wstring& country) {
    return L";;" + Component(street) + L';' + Component(city) + L";;" + Component(zip) + L';' +
           Component(country);
}

// The formatted address: street, then postal code and city, then country, one per line,
// empty parts left out.
std::wstring Label(const std::wstring& street, const std::wstring& city, const std::wstring& zip,
                   const std::wstring& country) {
    std::wstring locality = zip;  // "75002 Paris"
    if (!zip.empty() && !city.empty()) locality += L' ';
    locality += city;
    std::wstring label;
    for (const std::wstring_view part :
         {std::wstring_view(street), std::wstring_view(locality), std::wstring_view(country)}) {
        if (part.empty()) continue;
        if (!label.empty()) label += L"\r\n";
        label += part;
    }
    return label;
}

std::wstring AddressBookProgram(Host& host) {
    std::wstring program = RegistreUtilities::ReadRegistryValue(
        host, RegistryRoot::LocalMachine,
        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wab.exe", L"");
    // App Paths values are often stored in quotes, and with %ProgramFiles% unexpanded.
    const auto first = program.find_first_not_of(L' ');
    const auto last = program.find_last_not_of(L' ');
    program = first == std::wstring::npos ? L"" : program.substr(first, last - first + 1);
    if (program.size() >= 2 && program.front() == L'"' && program.back() == L'"') {
        program = program.substr(1, program.size() - 2);
    }
    program = host.shell.ExpandEnvironmentVariables(program);
    return program.empty() ? L"c:\\Program Files\\Outlook Express\\wab.exe" : program;
}

}  // namespace

std::wstring BuildOExpressCard(const AgentContact& c) {
    Card card;
    card.Line(L"BEGIN:VCARD");
    card.Line(L"VERSION:2.1");
    card.Property(L"N", Component(c.Lastname) + L';' + Component(c.Firstname) + L";;");
    card.Property(L"FN", c.Firstname + L' ' + c.Lastname);
    card.Property(L"ORG", Component(c.CompanyName));
    card.Property(L"NOTE;ENCODING-PRINTEABLE", L"NOTE", c.Notes);
    card.Property(L"TEL;WORK", c.CompanyPhone);
    card.Property(L"TEL;HOME", c.PersonalPhone.ToText());
    card.Property(L"TEL;CELL", c.PersonalMobile);
    card.Property(L"TEL;WORK;FAX", c.CompanyFax.ToText());
    card.Property(L"TITLE", c.JobTitle);
    card.Property(L"ADR;WORK", Address(c.CompanyAddressStreet, c.CompanyAddressCity,
                                       c.CompanyAddressZip, c.CompanyAddressCountry));
    card.Encoded(L"LABEL;WORK", Label(c.CompanyAddressStreet, c.CompanyAddressCity,
                                    c.CompanyAddressZip, c.CompanyAddressCountry));
    card.Property(L"ADR;HOME", Address(c.HomeAddressStreet, c.HomeAddressCity, c.HomeAddressZip,
                                       c.HomeAddressCountry));
    card.Encoded(L"LABEL;HOME", Label(c.HomeAddressStreet, c.HomeAddressCity, c.HomeAddressZip,
                                    c.HomeAddressCountry));
    card.Property(L"EMAIL;PREF;INTERNET", c.Email);
    card.Property(L"URL", c.SiteURL);
    card.Line(L"END:VCARD");
    return std::move(card).Text();
}

std::wstring AddressBookCommandLine(Host& host, const std::wstring& cardPath) {
    return QuoteArgument(AddressBookProgram(host)) + L" /vcard " + QuoteArgument(cardPath);
}

Variant WriteOExpressContact(Host& host, const AgentContact& contact) {
    const std::wstring folder = host.shell.SpecialFolderPath(folder::kInternetCache);
    // Without it the card would land in whatever folder the host runs in.
    if (folder.empty()) {
        throw AutomationError::Standard(errors::kPathNotFound,
                                        L"the temporary internet files folder");
    }
    const std::wstring path = folder + L"orvantis.gif";
    host.files.WriteAnsiText(path, BuildOExpressCard(contact));
    ShellUtilities::ShellAndWait(host, AddressBookCommandLine(host, path),
                                 ShellUtilities::kNormalFocus);
    return {};
}

}  // namespace orvantis::OExpressUtilities
