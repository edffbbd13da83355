#include "control/OrvantisAgent.hpp"

#include <gtest/gtest.h>

#include "control/Request.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

// Counts the contacts that reach a plug-in target, to see what was routed.
class CountingInserter : public Object {
public:
    Variant Invoke(const Member&, CallKind, std::span<Argument> arguments) override {
        ids.push_back(Dereference(arguments[0].value).Get(L"OrvantisID").ToText());
        return {};
    }
    std::vector<std::wstring> ids;
};

class OrvantisAgentTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.objects.Register(L"Orvantis.MsnInserter", [this] { return inserter_; });
    }
    std::int32_t Load(const std::wstring& text) {
        Variant var(text);
        return ErrorNumberOf([&] { EXPECT_TRUE(agent_.LoadXML(var).IsEmpty()); });
    }

    test::TestHost host_;
    std::shared_ptr<CountingInserter> inserter_ = std::make_shared<CountingInserter>();
    OrvantisAgent agent_{host_.Get()};
};

TEST_F(OrvantisAgentTest, ShowsAParseErrorOnceAndRecoversOnTheNextGoodLoad) {
    EXPECT_EQ(Load(L"<datas open='msn'><contact></datas>"), 0);
    ASSERT_EQ(host_.ui.boxes.size(), 1u);
    const auto& box = host_.ui.boxes[0];
    EXPECT_EQ(box.title, L"Orvantis");
    EXPECT_EQ(box.style, 0);
    EXPECT_EQ(box.text.rfind(L"Error code: ", 0), 0u);
    EXPECT_NE(box.text.find(L"\r\nReason: "), std::wstring::npos);
    // The rest is the parser's own report (its detail differs between parsers).
    const auto parsed = host_.Get().xml.Parse(L"<datas open='msn'><contact></datas>");
    EXPECT_EQ(box.text, ParseErrorPrompt(std::get<XmlParseError>(parsed)));
    EXPECT_FALSE(agent_.isOk());
    EXPECT_TRUE(inserter_->ids.empty());

    // A byte order mark in front, as a script's file reading may leave it, is no content.
    EXPECT_EQ(Load(L"\uFEFF<datas open='msn'><contact><id>1</id></contact></datas>"), 0);
    EXPECT_TRUE(agent_.isOk());
    EXPECT_EQ(inserter_->ids, std::vector<std::wstring>{L"1"});
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
    for (Variant var : {Variant(L""), Variant(), Variant(std::int16_t{5})}) agent_.LoadXML(var);
    ASSERT_EQ(host_.ui.boxes.size(), 3u);
    EXPECT_NE(host_.ui.boxes[0].text.find(L"\r\nReason: The document is empty.\r\n"),
              std::wstring::npos);
    Variant null = Variant::Null();
    EXPECT_EQ(ErrorNumberOf([&] { agent_.LoadXML(null); }), 94);
    EXPECT_EQ(host_.ui.boxes.size(), 3u);
    EXPECT_FALSE(agent_.isOk());
    // The XML property is a leftover that stores and loads nothing.
    agent_.PutXML(L"<datas open='msn'><contact/></datas>");
    EXPECT_EQ(agent_.GetXML(), L"toto");
    EXPECT_TRUE(inserter_->ids.empty());
}

TEST_F(OrvantisAgentTest, LastDatasWinsAndNoDatasRoutesNothing) {
    // Only the last is prepared: the Notes library is not registered for it.
    EXPECT_EQ(Load(L"<r><datas open='notes'/><datas open='msn'/><contact><id>a</id></contact></r>"),
              0);
    EXPECT_EQ(inserter_->ids, std::vector<std::wstring>{L"a"});
    EXPECT_TRUE(host_.shell.runs.empty());
    EXPECT_TRUE(agent_.isOk());

    EXPECT_EQ(Load(L"<r><contact><id>b</id></contact><event><subject>s</subject></event></r>"), 0);
    EXPECT_EQ(inserter_->ids.size(), 1u);
    EXPECT_TRUE(agent_.isOk());
}

TEST_F(OrvantisAgentTest, FailuresEndTheLoadKeepEarlierItemsAndLeaveIsOkFalse) {
    const std::pair<const wchar_t*, std::int32_t> failures[] = {
        {L"<r><datas open='msn'/><datas/><contact><id>x</id></contact></r>", 91},
        {L"<datas open='msn'><contact><id>1</id></contact><contact><!--c--></contact>"
         L"<contact><id>3</id></contact></datas>", 13},
        {L"<datas open='msn'><contact><id>1</id></contact><event><reminder>99999</reminder></event>"
         L"</datas>", 6},
    };  // which values fail to convert, and how, is the readers' test
    for (const auto& [text, number] : failures) {
        inserter_->ids.clear();
        EXPECT_EQ(Load(text), number) << text;
        EXPECT_FALSE(agent_.isOk()) << text;
        // Only the datas failure stops before any item; the others keep contact 1 inserted.
        EXPECT_EQ(inserter_->ids.size(), number == 91 ? 0u : 1u) << text;
    }
}

TEST_F(OrvantisAgentTest, IsOkIsFalseWhileALoadRunsAndANestedLoadDoesNotCorruptTheOuter) {
    bool sawDuringLoad = true;
    bool nestedFinished = false;
    host_.shell.onRun = [&](const std::wstring&) {
        if (nestedFinished) return;
        sawDuringLoad = agent_.isOk();
        // The host re-enters while regsvr32 runs: a complete load, then back to the outer one.
        Variant inner(std::wstring(L"<datas open='msn'><contact><id>inner</id></contact></datas>"));
        agent_.LoadXML(inner);
        nestedFinished = true;
        EXPECT_FALSE(agent_.isOk()) << "the outer load is still running";
    };
    // The outer load then fails on its own: it must end not loaded despite the nested success.
    EXPECT_EQ(Load(L"<datas open='notes'><todo><state>x</state></todo></datas>"), 13);
    EXPECT_FALSE(sawDuringLoad);
    EXPECT_TRUE(nestedFinished);
    EXPECT_EQ(inserter_->ids, std::vector<std::wstring>{L"inner"});
    EXPECT_FALSE(agent_.isOk());
}

}  // namespace
}  // namespace orvantis
