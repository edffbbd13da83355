#include <gtest/gtest.h>

#include "automation/DateTime.hpp"
#include "fakes/Errors.hpp"
#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

TEST(Record, PutStoresExactlyAndConvertsToThePropertyType) {
    AgentContact contact;
    contact.Put(L"lastname", L"  Lee\r\n ");  // names are case-insensitive, values untouched
    EXPECT_EQ(contact.Lastname, L"  Lee\r\n ");
    contact.Put(L"CompanyFax", std::int16_t{12});  // a variant keeps its kind
    EXPECT_EQ(contact.CompanyFax, Variant(std::int16_t{12}));

    AgentTodo todo;
    todo.Put(L"Status", L" 3 ");
    EXPECT_EQ(todo.Status, 3);
    EXPECT_EQ(ErrorNumberOf([&] { todo.Put(L"Status", L"x"); }), 13);
    AgentEvent event;
    event.Put(L"FullDay", L"True");
    EXPECT_TRUE(event.FullDay);
    event.Put(L"EndDate", DateValue{38791.4375});
    EXPECT_EQ(event.EndDate, DateValue{38791.4375});
}

TEST(Record, VariantPropertiesHoldObjectReferencesOthersRefuseThem) {
    AgentContact contact;
    auto other = std::make_shared<AgentContact>();
    contact.PutRef(L"CompanyEmail", other);
    EXPECT_EQ(contact.Get(L"CompanyEmail").ToObject(), other);
    EXPECT_EQ(ErrorNumberOf([&] { contact.PutRef(L"Lastname", other); }), 438);
}

TEST(Record, UnknownMembersAndWrongArgumentCountsAreRefused) {
    AgentEvent event;
    EXPECT_EQ(ErrorNumberOf([&] { event.Get(L"StartDate"); }), 438);  // published as StarDate
    EXPECT_EQ(ErrorNumberOf([&] { event.Get(L"Subject", {L"extra"}); }), 5);
}

}  // namespace
}  // namespace orvantis
