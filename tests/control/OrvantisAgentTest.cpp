#include "control/OrvantisAgent.hpp"

#include <gtest/gtest.h>

#include "control/Request.hpp"
#include "fakes/AgentTest.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

using OrvantisAgentTest = test::AgentTest;

TEST_F(OrvantisAgentTest, ShowsAParseErrorOnceAndRecoversOnTheNextGoodLoad) {
    EXPECT_EQ(Load(L"<datas open='msn'><contact></datas>"), 0);
    ASSERT_EQ(host.ui.boxes.size(), 1u);
    // The parser's own report, whose detail differs between parsers; its form is the command
    // line's golden.
    const auto parsed = host.Get().xml.Parse(L"<datas open='msn'><contact></datas>");
    const auto& box = host.ui.boxes[0];
    EXPECT_EQ(std::tie(box.title, box.style, box.text),
              std::tuple(L"Orvantis", 0, ParseErrorPrompt(std::get<XmlParseError>(parsed))));
    EXPECT_FALSE(agent.isOk());
    EXPECT_TRUE(plugIn->ids.empty());

    // A byte order mark in front, as a script's file reading may leave it, is no content.
    EXPECT_EQ(Load(L"\uFEFF<datas open='msn'><contact><id>1</id></contact></datas>"), 0);
    EXPECT_TRUE(agent.isOk());
    EXPECT_EQ(plugIn->ids, std::vector<std::wstring>{L"1"});
}

// A one-line document of megabytes must not make a box (or standard error) of megabytes.
TEST(SourceExcerpt, ShowsAtMost80CharactersAroundTheColumnWithControlsEscaped) {
    const std::wstring digits = L"0123456789012345678901234567890123456789";  // 40
    const std::wstring line = digits + L"<\x1b[2J\r\n\t>" + digits + digits;
    const std::pair<std::size_t, std::wstring> cases[] = {
        {0, digits + L"<\\x1B[2J\\r\\n\\t>" + digits.substr(0, 31) + L"..."},
        {60, L"..." + digits.substr(19) + L"<\\x1B[2J\\r\\n\\t>" + digits + digits.substr(0, 10) +
                 L"..."},
        {1000, L"..." + digits},
    };
    for (const auto& [column, excerpt] : cases) {
        EXPECT_EQ(SourceExcerpt(line, column), excerpt) << column;
    }
    EXPECT_EQ(SourceExcerpt(L"<r>", 2), L"<r>");
}

TEST_F(OrvantisAgentTest, ArgumentsThatAreNoDocumentAreParseErrorsAndNullIsAConversionError) {
    for (Variant var : {Variant(L""), Variant(), Variant(std::int16_t{5})}) agent.LoadXML(var);
    ASSERT_EQ(host.ui.boxes.size(), 3u);
    EXPECT_NE(host.ui.boxes[0].text.find(L"\r\nReason: The document is empty.\r\n"),
              std::wstring::npos);
    Variant null = Variant::Null();
    EXPECT_EQ(ErrorNumberOf([&] { agent.LoadXML(null); }), 94);
    EXPECT_EQ(host.ui.boxes.size(), 3u);
    EXPECT_FALSE(agent.isOk());
    // The XML property is a leftover that stores and loads nothing.
    agent.PutXML(L"<datas open='msn'><contact/></datas>");
    EXPECT_EQ(agent.GetXML(), L"toto");
    EXPECT_TRUE(plugIn->ids.empty());
}

TEST_F(OrvantisAgentTest, LastDatasWinsAndNoDatasRoutesNothing) {
    // Only the last is prepared: the Notes library is not registered for it.
    EXPECT_EQ(Load(L"<r><datas open='notes'/><datas open='msn'/><contact><id>a</id></contact></r>"),
              0);
    EXPECT_EQ(plugIn->ids, std::vector<std::wstring>{L"a"});
    EXPECT_TRUE(host.shell.runs.empty());
    EXPECT_TRUE(agent.isOk());

    EXPECT_EQ(Load(L"<r><contact><id>b</id></contact><event><subject>s</subject></event></r>"), 0);
    EXPECT_EQ(plugIn->ids.size(), 1u);
    EXPECT_TRUE(agent.isOk());
}

TEST_F(OrvantisAgentTest, FailuresEndTheLoadKeepEarlierItemsAndLeaveIsOkFalse) {
    const std::pair<const wchar_t*, std::int32_t> failures[] = {
        {L"<r><datas open='msn'/><datas/><contact><id>x</id></contact></r>", 91},
        {L"<datas open='msn'><contact><id>1</id></contact><contact><!--c--></contact>"
         L"<contact><id>3</id></contact></datas>", 13},
    };  // which values fail to convert, and how, is the readers' test
    for (const auto& [text, number] : failures) {
        plugIn->ids.clear();
        EXPECT_EQ(Load(text), number) << text;
        EXPECT_FALSE(agent.isOk()) << text;
        // Only the datas failure stops before any item; the others keep contact 1 inserted.
        EXPECT_EQ(plugIn->ids.size(), number == 91 ? 0u : 1u) << text;
    }
}

TEST_F(OrvantisAgentTest, IsOkIsFalseWhileALoadRunsAndANestedLoadDoesNotCorruptTheOuter) {
    bool sawDuringLoad = true;
    bool nestedFinished = false;
    host.shell.onRun = [&](const std::wstring&) {
        if (nestedFinished) return;
        sawDuringLoad = agent.isOk();
        // The host re-enters while regsvr32 runs: a complete load, then back to the outer one.
        Variant inner(std::wstring(L"<datas open='msn'><contact><id>inner</id></contact></datas>"));
        agent.LoadXML(inner);
        nestedFinished = true;
        EXPECT_FALSE(agent.isOk()) << "the outer load is still running";
    };
    // The outer load then fails on its own: it must end not loaded despite the nested success.
    EXPECT_EQ(Load(L"<datas open='notes'><todo><state>x</state></todo></datas>"), 13);
    EXPECT_FALSE(sawDuringLoad);
    EXPECT_TRUE(nestedFinished);
    EXPECT_EQ(plugIn->ids, std::vector<std::wstring>{L"inner"});
    EXPECT_FALSE(agent.isOk());
}

}  // namespace
}  // namespace orvantis
