#include "control/SiteLock.hpp"

#include <gtest/gtest.h>

#include "control/OrvantisAgent.hpp"
#include "control/RememberedSitesDialog.hpp"
#include "control/SiteAnswers.hpp"
#include "control/SiteConsentDialog.hpp"
#include "control/SitePolicy.hpp"
#include "fakes/AgentTest.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {
namespace {

using Button = DialogAnswer::Button;

TEST(SiteOrigin, IsSchemeHostAndPortOrNoneWhereTheAddressCannotBeReadSafely) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"https://CRM.Example.COM./path?q=1#top", L"https://crm.example.com"},
        {L"HTTPS://crm.example.com:443/", L"https://crm.example.com"},
        {L"https://crm.example.com:8443/x", L"https://crm.example.com:8443"},
        {L"http://crm.example.com:443/", L"http://crm.example.com:443"},
        // The site is what follows the last '@'; a backslash ends the host as browsers read it.
        {L"https://example.com@evil.test/", L"https://evil.test"},
        {L"https://evil.test\\@example.com/", L"https://evil.test"},
        {L"https://[::1]:8080/", L"https://[::1]:8080"},
        {L"https://xn--bcher-kva.example/", L"https://xn--bcher-kva.example"},
        {L"file:///C:/pages/load.html", L"file://"},
        {L"about:blank", L"about:"},
        {L"https://b\u00FCcher.example/", nullptr},  // only the ASCII form is compared
        {L"https://exa mple.com/", nullptr},
        {L"https://example.com:99999/", nullptr},
        {L"https://example.com:44x/", nullptr},
        {L"https:///path", nullptr},
        {L"https:example.com", nullptr},
        {L"crm.example.com", nullptr},
        {L"", nullptr},
    };
    for (const auto& [address, text] : cases) {
        const auto origin = ParseOrigin(address);
        EXPECT_EQ(origin ? origin->Text() : L"(none)", text ? text : L"(none)") << address;
    }
}

TEST(SiteRule, MatchesItsSchemeItsDomainAndItsSubdomainsOnly) {
    const std::tuple<const wchar_t*, const wchar_t*, bool> cases[] = {  // rule, address, matches
        {L"allow https example.com", L"https://example.com/", true},
        {L"allow https example.com", L"https://crm.eu.example.com/", true},
        {L"allow https example.com", L"https://CRM.EXAMPLE.COM./", true},
        {L"allow https example.com", L"http://example.com/", false},
        {L"allow https example.com", L"https://example.com:8443/", false},
        {L"allow https example.com", L"https://evil-example.com/", false},
        {L"allow https example.com", L"https://example.com.evil.test/", false},
        {L"allow https example.com", L"https://notexample.com/", false},
        {L"allow https =example.com", L"https://example.com/", true},
        {L"allow https =example.com", L"https://crm.example.com/", false},
        {L"Allow HTTPS Example.COM.", L"https://crm.example.com/", true},
        {L"allow https example.com:8443", L"https://example.com:8443/", true},
        {L"allow https example.com:8443", L"https://example.com/", false},
        {L"allow https xn--bcher-kva.example", L"https://shop.xn--bcher-kva.example/", true},
        {L"allow https *", L"https://anything.test:444/", true},
        {L"allow https *", L"http://anything.test/", false},
        {L"allow https 2.3.4", L"https://1.2.3.4/", false},  // an address has no subdomains
        {L"refuse file *", L"file:///C:/pages/load.html", true},
    };
    for (const auto& [text, address, matches] : cases) {
        const auto rule = ParseSiteRule(text);
        ASSERT_TRUE(rule) << text;
        EXPECT_EQ(RuleMatches(*rule, *ParseOrigin(address)), matches) << text << " " << address;
    }
    for (const wchar_t* bad : {L"allow https", L"permit https example.com", L"allow https example.com/x",
                               L"allow https b\u00FCcher.example", L"allow https =", L"allow https ==a.com",
                               L"allow https a.com b.com", L"allow https user@a.com"}) {
        EXPECT_FALSE(ParseSiteRule(bad)) << bad;
    }
}

class SiteLockTest : public test::AgentTest {
protected:
    SiteLockTest() { host.shell.folders[16] = L"/desk/"; }
    void Policy(std::vector<std::wstring> rules, const wchar_t* unlisted = nullptr) {
        for (std::size_t i = 0; i < rules.size(); ++i) {
            host.registry.values[{RegistryRoot::LocalMachine, kSitePolicyKey, std::to_wstring(i + 1)}] = rules[i];
        }
        if (unlisted) host.registry.values[{RegistryRoot::LocalMachine, kSitePolicyKey, L"Unlisted"}] = unlisted;
    }
    std::int32_t Load(const PageAddress& page, const std::wstring& text = kDocument) {
        return AgentTest::Load(text, page);
    }
    std::wstring Remembered() { return ConfigUtilities::GetSiteAnswers(host.Get()).ToText(); }

    static constexpr const wchar_t* kDocument =
        L"<datas open='msn'><contact><id>1</id></contact><contact><id>2</id></contact></datas>";
};

TEST_F(SiteLockTest, ThePolicyDecidesFirstThenTheRememberedAnswerThenTheUser) {
    const std::wstring crm = L"https://crm.example.com/agent/page.html";
    struct Case {
        const char* name;
        PageAddress page;
        std::vector<std::wstring> rules;
        const wchar_t* unlisted;
        const wchar_t* remembered;
        std::optional<Button> pressed;  // the dialog's answer; none: no dialog may appear
        bool loads;
        const wchar_t* rememberedAfter;
    };
    const Case cases[] = {
        {"no page: local code", std::nullopt, {L"refuse https *"}, L"refuse", L"", {}, true, L""},
        {"the policy allows over a remembered refusal", crm, {L"allow https example.com"}, nullptr,
         L"refuse https://crm.example.com", {}, true, L"refuse https://crm.example.com"},
        {"the first matching rule wins", crm, {L"refuse https =crm.example.com", L"allow https example.com"},
         nullptr, L"allow https://crm.example.com", {}, false, L"allow https://crm.example.com"},
        {"unlisted sites refused without asking", crm, {L"allow https =example.com"}, L"refuse", L"", {},
         false, L""},
        {"http is never asked about", L"http://crm.example.com/", {}, nullptr,
         L"allow http://crm.example.com", {}, false, L"allow http://crm.example.com"},
        {"http allowed by the policy", L"http://crm.example.com/", {L"allow http example.com"}, nullptr, L"",
         {}, true, L""},
        {"remembered allowed", crm, {}, nullptr, L"allow https://crm.example.com", {}, true,
         L"allow https://crm.example.com"},
        {"remembered refused", crm, {}, nullptr, L"refuse https://crm.example.com", {}, false,
         L"refuse https://crm.example.com"},
        {"allowed once", crm, {}, nullptr, L"", Button::Ok, true, L""},
        {"always allowed", crm, {}, nullptr, L"", Button::Other, true, L"allow https://crm.example.com"},
        {"refused", crm, {}, nullptr, L"allow https://other.test", Button::Cancel, false,
         L"allow https://other.test;refuse https://crm.example.com"},
        {"closed unanswered", crm, {}, nullptr, L"", Button::Close, false, L""},
        {"an address that cannot be read", L"", {}, nullptr, L"", {}, false, L""},
        {"a rule that cannot be read", crm, {L"allow https://example.com"}, nullptr,
         L"allow https://crm.example.com", {}, false, L"allow https://crm.example.com"},
    };
    for (const auto& c : cases) {
        host.registry.values.clear();
        host.ui.dialogs.clear();
        Policy(c.rules, c.unlisted);
        ConfigUtilities::SaveSiteAnswers(host.Get(), std::wstring(c.remembered));
        if (c.pressed) host.ui.dialogAnswers = {PresetAnswer{*c.pressed}};
        plugIn->ids.clear();

        EXPECT_EQ(Load(c.page), c.loads ? 0 : 70) << c.name;
        EXPECT_EQ(agent.isOk(), c.loads) << c.name;
        EXPECT_EQ(plugIn->ids.size(), c.loads ? 2u : 0u) << c.name;
        EXPECT_EQ(host.ui.dialogs.size(), c.pressed ? 1u : 0u) << c.name;
        EXPECT_EQ(Remembered(), c.rememberedAfter) << c.name;
        if (!c.loads) {
            const std::wstring site = c.page->empty() ? L"a page whose address cannot be read"
                                                      : ParseOrigin(*c.page)->Text();
            EXPECT_EQ(failure.find(L"Permission denied: " + site + L" may not load documents: "), 0u)
                << c.name << ": " << failure;
        }
    }
}

TEST_F(SiteLockTest, TheQuestionNamesTheSiteAndWhatTheTargetWouldReceive) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"<datas open='outlook'><contact/><todo/><contact/><event/><contact/><todo/></datas>",
         L"3 contacts, 1 event and 2 tasks to Outlook."},
        {L"<datas open='notes'><contact/><todo/></datas>", L"1 contact and 1 task to Lotus Notes."},
        // Kinds the target does not take are not offered to it.
        {L"<datas open='desktop'><contact/><contact/><event/></datas>", L"2 contacts to your desktop."},
        {L"<datas open='ics'><event/><contact/></datas>", L"1 contact and 1 event to iCalendar and vCard files."},
        {L"<datas open='outlook'/>", L"nothing to Outlook."},
        {L"<datas open='Outlook'><contact/></datas>", L"nothing to \"Outlook\"."},
    };
    for (const auto& [document, added] : cases) {
        auto parsed = host.Get().xml.Parse(document);
        Request request{std::move(std::get<XmlDocument>(parsed)), {}};
        request.target = *request.document.Attribute(request.document.ElementsByTagName(L"datas")[0], L"open");
        EXPECT_EQ(ConsentText(L"https://crm.example.com", request),
                  std::wstring(L"https://crm.example.com wants to add ") + added);
    }

    host.ui.dialogAnswers = {PresetAnswer{Button::Close}};
    EXPECT_EQ(Load(L"https://crm.example.com:8443/p"), 70);
    ASSERT_EQ(host.ui.dialogs.size(), 1u);
    const DialogView& view = host.ui.dialogs[0];
    std::vector<std::wstring> texts;
    for (const auto& control : view.controls) texts.push_back(control.text);
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"https://crm.example.com:8443 wants to add 2 contacts to the MSN plug-in.",
                         L"Allow once", L"Always allow this site", L"Refuse"}));
}

// Nothing of a refused load happens: no preparation (the GoldMine dialog, regsvr32 for
// Notes), no item written, no parse-error box for a site refused before its document is read.
TEST_F(SiteLockTest, ARefusedLoadPreparesWritesAndShowsNothingElse) {
    const wchar_t* documents[] = {
        L"<datas open='goldmine'><contact><first-name>a</first-name></contact></datas>",
        L"<datas open='notes'><contact><first-name>a</first-name></contact></datas>",
        L"<datas open='desktop'><contact><first-name>a</first-name></contact></datas>",
        kDocument,
    };
    for (const wchar_t* document : documents) {
        host.ui.dialogs.clear();
        host.ui.dialogAnswers = {PresetAnswer{Button::Cancel}};
        ConfigUtilities::SaveSiteAnswers(host.Get(), std::wstring());
        EXPECT_EQ(Load(L"https://crm.example.com/", document), 70) << document;
        ASSERT_EQ(host.ui.dialogs.size(), 1u) << document;
        EXPECT_EQ(host.ui.dialogs[0].caption, L"Orvantis Agent") << document;
        EXPECT_FALSE(agent.isOk());
        // Refused by the remembered answer now: before the document is even parsed.
        EXPECT_EQ(Load(L"https://crm.example.com/", L"<datas open="), 70) << document;
        EXPECT_EQ(host.ui.dialogs.size(), 1u) << document;
    }
    EXPECT_TRUE(host.ui.boxes.empty());
    EXPECT_TRUE(host.shell.runs.empty());
    EXPECT_TRUE(host.files.files.empty());
    EXPECT_TRUE(plugIn->ids.empty());
}

// What each remembered site reads as is the sites dialog's below and the command line's golden,
// as is forgetting a site by any address of it, and twice.
TEST_F(SiteLockTest, RememberedSitesAreReplacedAndForgottenByOrigin) {
    Host& h = host.Get();
    ConfigUtilities::SaveSiteAnswers(h, std::wstring(L"allow https://a.test;damaged;refuse https://b.test"));
    RememberSite(h, L"https://a.test", false);
    RememberSite(h, L"https://c.test:8443", true);
    EXPECT_EQ(Remembered(), L"damaged;refuse https://b.test;refuse https://a.test;allow https://c.test:8443");
    EXPECT_TRUE(ForgetSite(h, L"https://b.test"));
    EXPECT_EQ(Remembered(), L"damaged;refuse https://a.test;allow https://c.test:8443");
}

TEST_F(SiteLockTest, TheSitesDialogForgetsTheSelectedSiteAndShowsTheListAgain) {
    ConfigUtilities::SaveSiteAnswers(host.Get(), std::wstring(L"allow https://a.test;refuse https://b.test"));
    host.ui.dialogAnswers = {PresetAnswer{Button::Ok, {}, {{L"List1", 1}}}, PresetAnswer{Button::Ok}};
    ShowRememberedSites(host.Get());
    // Forget with no line selected forgets nothing, and ends the showing.
    ASSERT_EQ(host.ui.dialogs.size(), 2u);
    EXPECT_EQ(host.ui.dialogs[0].controls[1].items,
              (std::vector<std::wstring>{L"https://a.test (allowed)", L"https://b.test (refused)"}));
    EXPECT_EQ(host.ui.dialogs[1].controls[1].items, std::vector<std::wstring>{L"https://a.test (allowed)"});
    EXPECT_EQ(Remembered(), L"allow https://a.test");
}

}  // namespace
}  // namespace orvantis
