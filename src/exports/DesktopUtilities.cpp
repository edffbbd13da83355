#include "exports/DesktopUtilities.hpp"

#include <array>
#include <cwctype>
#include <string_view>

#include "exports/RtfText.hpp"
#include "platform/CodePage.hpp"

namespace orvantis::DesktopUtilities {
namespace {

// Font table, colour table, style sheet, A4 page with its margins, list-numbering levels.
// clang-format off
constexpr std::array<std::wstring_view, 26> kHeader = {
    LR"rtf({\rtf1\ansi\ansicpg1252\uc1 \deff0\deflang1033\deflangfe1036{\fonttbl{\f0\froman\fcharset0\fprq2)rtf",
    LR"rtf({\*\panose 02020603050405020304}Times New Roman;}{\f2\fmodern\fcharset0\fprq1{\*\panose )rtf",
    LR"rtf(02070309020205020404}Courier New;})rtf",
    LR"rtf({\f77\froman\fcharset238\fprq2 Times New Roman CE;}{\f78\froman\fcharset204\)rtf",
    LR"rtf(fprq2 Times New Roman Cyr;}{\f80\froman\fcharset161\fprq2 Times New Roman Greek;})rtf",
    LR"rtf({\f81\froman\fcharset162\fprq2 Times New Roman Tur;})rtf",
    LR"rtf({\f82\froman\fcharset186\fprq2 Times New Roman Baltic;}{\f89\fmodern\fcharset238\)rtf",
    LR"rtf(fprq1 Courier New CE;}{\f90\fmodern\fcharset204\fprq1 Courier New Cyr;}{\f92\fmodern\fcharset161\)rtf",
    LR"rtf(fprq1 Courier New Greek;}{\f93\fmodern\fcharset162\fprq1 Courier New Tur;})rtf",
    LR"rtf({\f94\fmodern\fcharset186\fprq1 Courier New Baltic;}}{\colortbl;\red0\green0\blue0;\red0\)rtf",
    LR"rtf(green0\blue255;\red0\green255\blue255;\red0\green255\blue0;\red255\green0\blue255;\red255\green0\)rtf",
    LR"rtf(blue0;\red255\green255\blue0;\red255\green255\blue255;)rtf",
    LR"rtf(\red0\green0\blue128;\red0\green128\blue128;\red0\green128\blue0;\red128\green0\blue128;)rtf",
    LR"rtf(\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;\red192\green192\blue192;})rtf",
    LR"rtf({\stylesheet{\widctlpar\adjustright \fs20\lang1036\cgrid \snext0)rtf",
    LR"rtf(Normal;}{\*\cs10 \additive Default Paragraph Font;}{\s15\widctlpar\adjustright \f2\fs20\lang1036\)rtf",
    LR"rtf(cgrid \sbasedon0 \snext15 Plain Text;}}\paperw11906\paperh16838\margl624\margr624\margt624\margb680)rtf",
    LR"rtf(\deftab708\widowctrl\ftnbj\aenddoc\hyphhotz425\formshade\viewkind1\viewscale100\)rtf",
    LR"rtf(pgbrdrhead\pgbrdrfoot \fet0\sectd \linex0\headery709\footery709\colsx709\endnhere\sectdefaultcl )rtf",
    LR"rtf({\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang{\pntxta .}}{\*\pnseclvl2)rtf",
    LR"rtf(\pnucltr\pnstart1\pnindent720\pnhang{\pntxta .}}{\*\pnseclvl3\pndec\pnstart1\pnindent720\)rtf",
    LR"rtf(pnhang{\pntxta .}}{\*\pnseclvl4\pnlcltr\pnstart1\pnindent720\pnhang{\pntxta )}}{\*\pnseclvl5\pndec\)rtf",
    LR"rtf(pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}}{\*\pnseclvl6)rtf",
    LR"rtf(\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}}{\*\pnseclvl7\pnlcrm\pnstart1\)rtf",
    LR"rtf(pnindent720\pnhang{\pntxtb (}{\pntxta )}}{\*\pnseclvl8\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (})rtf",
    LR"rtf({\pntxta )}}{\*\pnseclvl9\pnlcrm\pnstart1\pnindent720\pnhang)rtf",
};
// clang-format on

constexpr std::wstring_view kParagraph = L"\\par }{\\fs16 ";
constexpr std::wstring_view kNotesParagraph = L"\\par }{\\fs16\\cf10 ";
constexpr std::wstring_view kLineBreak = L"\\par }{\\fs16";
constexpr std::wstring_view kClosing = L"\\par }}";

// Every line break (LF, CR LF or a lone CR, as the vCard reads them) starts a new paragraph.
// The paragraph mark has no delimiter of its own, so a line that starts with a digit or a
// blank gets one: "\fs16" followed by "2 pm" would read as font size 162 and lose the "2".
std::wstring Paragraphs(const std::wstring& value) {
    const std::wstring text = RtfText(value);
    std::wstring rtf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\n' && text[i] != L'\r') {
            rtf += text[i];
            continue;
        }
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        rtf += kLineBreak;
        if (i + 1 < text.size() && (std::iswdigit(text[i + 1]) || text[i + 1] == L' ')) {
            rtf += L' ';
        }
    }
    return rtf;
}

}  // namespace

std::array<std::wstring, 8> ContactNoteValues(const AgentContact& c) {
    return {c.CompanyName,
            c.CompanyAddressStreet,
            c.CompanyAddressCity + L", " + c.CompanyAddressZip + L' ' + c.CompanyAddressCountry,
            c.CompanyEmail.ToText(),
            c.CompanyFax.ToText(),
            c.SiteURL,
            std::wstring(),
            c.Notes};
}

std::wstring BuildContactRtf(const AgentContact& contact) {
    std::wstring rtf;
    for (const auto text : kHeader) rtf += text;
    const auto values = ContactNoteValues(contact);
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        rtf.append(kParagraph).append(Paragraphs(values[i]));
    }
    rtf.append(kNotesParagraph).append(Paragraphs(values.back())).append(kClosing);
    return rtf;
}

std::string ContactNoteFile(const AgentContact& contact) {
    return ToAnsi(BuildContactRtf(contact) + std::wstring(kClosing));
}

}  // namespace orvantis::DesktopUtilities
