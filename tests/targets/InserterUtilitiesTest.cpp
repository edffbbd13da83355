#include "targets/InserterUtilities.hpp"

#include <gtest/gtest.h>

#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

// Unlisted names route nothing. Without the product nothing can be stored, and the caller
// hears of it for every item the product takes.
TEST(Routing, UnlistedNamesRouteNothingAndAProductThatIsNotThereIs429ForEachItemItTakes) {
    test::TestHost host;
    auto contact = std::make_shared<AgentContact>();
    auto event = std::make_shared<AgentEvent>();
    auto todo = std::make_shared<AgentTodo>();
    const std::pair<const wchar_t*, bool> targets[] = {
        {L"", false}, {L"Outlook", false}, {L"OUTLOOK", false}, {L" outlook", false},
        {L"outlook ", false}, {L"nothing", false}, {L"notes", true}, {L"outlook", true},
        {L"groupwise", true}, {L"act", true}, {L"goldmine", true}};
    for (const auto& [target, product] : targets) {
        const Target* row = product ? FindTarget(target) : nullptr;
        const auto expected = [&](bool takes) { return product && takes ? 429 : 0; };
        const std::size_t shown = std::wstring(target).size();
        EXPECT_EQ(ErrorNumberOf([&] { InsertContact(host.Get(), contact, target); }), expected(true)) << shown;
        EXPECT_EQ(ErrorNumberOf([&] { InsertEvent(host.Get(), event, target); }), expected(row && row->event)) << shown;
        EXPECT_EQ(ErrorNumberOf([&] { InsertTodo(host.Get(), todo, target); }), expected(row && row->todo)) << shown;
    }
    EXPECT_TRUE(host.files.files.empty());
    EXPECT_TRUE(host.shell.runs.empty());
}

class FakePlugIn : public Object {
public:
    Variant Invoke(const Member& member, CallKind, std::span<Argument> arguments) override {
        EXPECT_EQ(member.name, L"WriteContact");
        EXPECT_EQ(arguments.size(), 1u);
        EXPECT_TRUE(arguments[0].byReference);
        received.push_back(Dereference(arguments[0].value).Get(L"Lastname").ToText());
        if (replacement) arguments[0].value = *replacement;
        return {};
    }
    std::vector<std::wstring> received;
    std::optional<Variant> replacement;
};

class LateBoundRouteTest : public ::testing::TestWithParam<std::pair<const wchar_t*, const wchar_t*>> {
protected:
    void SetUp() override {
        host_.objects.Register(GetParam().second, [this] { return plugIn_; });
    }
    std::int32_t Insert(AgentContactRef& contact) {
        return ErrorNumberOf([&] { InsertContact(host_.Get(), contact, GetParam().first); });
    }
    test::TestHost host_;
    std::shared_ptr<FakePlugIn> plugIn_ = std::make_shared<FakePlugIn>();
};

TEST_P(LateBoundRouteTest, HandsTheRecordByReferenceAndTakesBackOnlyAContact) {
    auto contact = std::make_shared<AgentContact>();
    contact->Lastname = L"Lee";
    EXPECT_EQ(Insert(contact), 0);
    EXPECT_EQ(plugIn_->received, std::vector<std::wstring>{L"Lee"});

    auto replacement = std::make_shared<AgentContact>();
    plugIn_->replacement = Variant(ObjectRef(replacement));
    EXPECT_EQ(Insert(contact), 0);
    EXPECT_EQ(contact, replacement);

    plugIn_->replacement = Variant(ObjectRef(std::make_shared<AgentEvent>()));
    EXPECT_EQ(Insert(contact), 13);
    plugIn_->replacement = Variant(L"text");
    EXPECT_EQ(Insert(contact), 13);
}

TEST_P(LateBoundRouteTest, WithoutAnInstalledInserterFailsWithObjectRequiredNamingTheTarget) {
    test::TestHost bare;
    auto contact = std::make_shared<AgentContact>();
    const auto error = test::ErrorOf([&] { InsertContact(bare.Get(), contact, GetParam().first); });
    EXPECT_EQ(error.Number(), 424);
    EXPECT_NE(error.Description().find(GetParam().first), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(Targets, LateBoundRouteTest,
                         ::testing::Values(std::pair{L"msn", L"Orvantis.MsnInserter"},
                                           std::pair{L"onenotes", L"Orvantis.OneNotesInserter"}));

}  // namespace
}  // namespace orvantis
