#include "inserters/act/ActUtilities.hpp"

#include <gtest/gtest.h>

#include <thread>

#include "StandInTest.hpp"
#include "standins/act/ActWorld.hpp"

namespace orvantis::test {
namespace {

using ActUtilities::WriteActContact;
using Button = DialogAnswer::Button;

constexpr wchar_t kDatabase[] = L"C:\\ACT\\Database\\Contacts.dbf";

class ActTest : public StandInTest {
protected:
    standins::ActWorld& act() { return sandbox.WorldOf<standins::ActWorld>(); }
    std::vector<standins::Item>& Records() { return act().databases.at(0).items; }
    // The login window keeps a showing per thread: each insertion runs on a thread of its own,
    // so that no test sees another's window.
    void Write(const AgentContact& contact, const std::wstring& path = kDatabase) {
        std::exception_ptr failure;
        std::thread([&] {
            try {
                WriteActContact(test.Get(), contact, path);
            } catch (...) {
                failure = std::current_exception();
            }
        }).join();
        if (failure) std::rethrow_exception(failure);
    }
    void SharedWithUser() {
        act().multiUser = true;
        act().users[L"Admin"] = L"s3cret";
    }
    static PresetAnswer Login(Button button, std::wstring user, std::wstring password) {
        return {button, {{L"txtUserName", std::move(user)}, {L"txtPassword", std::move(password)}}};
    }
};

// Which field number a contact field goes to, in which order, is pinned by the sandbox golden
// of the command line's test; here, what ACT! is handed and how the record is made current.
TEST_F(ActTest, AContactBecomesANewRecordMadeCurrentWithItsValuesAsTheyAre) {
    AgentContact contact;
    contact.CompanyFax = Variant(std::int32_t{42});  // passed as the variant it is
    Write(contact);
    Write(AgentContact{});
    ASSERT_EQ(Records().size(), 2u);
    EXPECT_EQ(Records()[0].Find(L"36")->Value(), Variant(std::int32_t{42}));
    EXPECT_EQ(Records()[1].Find(L"26")->Value().ToText(), L" ");

    // The calls as ACT! sees them: field numbers as 16-bit integers, the new record made current.
    std::vector<std::wstring> contactCalls;
    for (const auto& call : act().ledger.calls) {
        if (call.object != L"Contact") continue;
        if (call.member == L"Data") {
            EXPECT_EQ(call.arguments[0].GetKind(), Variant::Kind::Integer);
        }
        contactCalls.push_back(call.member + (call.member == L"GoTo" ? L"(" + call.arguments[0].ToText() + L")" : L""));
        if (call.member == L"GoTo") break;
    }
    ASSERT_EQ(contactCalls.size(), 15u);
    EXPECT_EQ(contactCalls[0] + contactCalls[1] + contactCalls[14], L"MoveFirstAddGoTo(1)");
    EXPECT_TRUE(test.ui.boxes.empty());
    EXPECT_TRUE(test.ui.dialogs.empty());  // a database of one user asks no login
}

TEST_F(ActTest, ADatabaseThatDoesNotOpenIsToldAndNothingIsWritten) {
    const std::tuple<const char*, std::wstring, bool, std::optional<PresetAnswer>> cases[] = {
        {"no registered database", L"", false, {}},
        {"a database ACT! does not have", L"D:\\elsewhere.dbf", false, {}},
        {"a wrong password", kDatabase, true, Login(Button::Ok, L"Admin", L"wrong")},
        {"a cancelled login", kDatabase, true, Login(Button::Cancel, L"Admin", L"s3cret")},
        {"a closed login", kDatabase, true, Login(Button::Close, L"Admin", L"s3cret")},
    };
    for (const auto& [name, path, shared, login] : cases) {
        SCOPED_TRACE(name);
        test.ui.boxes.clear();
        if (shared) SharedWithUser();
        if (login) test.ui.dialogAnswers.push_back(*login);
        Write(AgentContact{}, path);
        ASSERT_EQ(test.ui.boxes.size(), 1u);
        EXPECT_EQ(test.ui.boxes[0].title + L": " + test.ui.boxes[0].text,
                  L"Orvantis Agent Alert: A error has been procedeed during the ACT! insertion\r"
                  L"Please check your database part (" + path + L")");
        EXPECT_EQ(test.ui.boxes[0].style, 48);
        EXPECT_TRUE(Records().empty());
    }
    // A refused login still hands ACT! what the window held: nothing, once it was not OK.
    EXPECT_EQ(act().ledger.calls.back().member, L"IsOpen");
}

TEST_F(ActTest, ASharedDatabaseAsksTheLoginAtEveryInsertion) {
    SharedWithUser();
    test.ui.dialogAnswers = {Login(Button::Ok, L"admin", L"s3cret"), Login(Button::Ok, L"Admin", L"s3cret")};
    Write(AgentContact{});
    Write(AgentContact{});
    EXPECT_EQ(Records().size(), 2u);
    ASSERT_EQ(test.ui.dialogs.size(), 2u);
    // Nothing typed the first time is shown the second time, and the password is hidden.
    for (const auto& control : test.ui.dialogs[1].controls) {
        if (control.kind == DialogControl::Kind::TextBox) {
            EXPECT_EQ(control.text, L"");
            EXPECT_EQ(control.password, control.id == L"txtPassword");
        }
    }
    EXPECT_TRUE(test.ui.boxes.empty());
}

TEST_F(ActTest, EveryOtherFailurePassesToTheCaller) {
    EXPECT_EQ(ErrorNumberOf([&] { WriteActContact(test.Get(), AgentContact{}, kDatabase); }), 0);
    act().ledger.failures.push_back({L"Contact", L"Update", 0, 3021, L"ACTOLE", L"Update refused", 0});
    EXPECT_EQ(ErrorNumberOf([&] { Write(AgentContact{}); }), 3021);
}

TEST_F(ActTest, ALoginWindowNestedInItsOwnShowingIs400) {
    SharedWithUser();
    std::int32_t nested = 0;
    test.ui.onDialog = [&] {
        test.ui.onDialog = nullptr;
        nested = ErrorNumberOf([&] { WriteActContact(test.Get(), AgentContact{}, kDatabase); });
    };
    Write(AgentContact{});
    EXPECT_EQ(nested, 400);
}

}  // namespace
}  // namespace orvantis::test
