// Outlook's stand-in where the inserters rely on it: folders, Restrict, defaults, AddPicture.
// That a save stores and an update replaces in place, the inserters' tests and the sandbox
// golden of two loads show.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "OutlookFixture.hpp"
#include "fakes/Errors.hpp"

namespace orvantis::testing {
namespace {

using OutlookStandInTest = OutlookFixture;

constexpr std::int32_t kOutlookError = -2147352567;

void SaveContact(Object& items, const std::wstring& customerId, const std::wstring& lastName) {
    const auto contact = items.Call(L"Add", {std::int32_t{2}}).ToObject();
    contact->Put(L"LastName", lastName);
    if (!customerId.empty()) contact->Put(L"CustomerID", customerId);
    contact->Call(L"Save");
}

// The folders' order, names and types and the default folders are what the inserters' tests
// and the command line's golden listing see; here, what they do not reach.
TEST_F(OutlookStandInTest, AnEnumeratorOutlivesItsFoldersAndAnUnknownDefaultFolderFails) {
    const auto nameSpace = NameSpace();
    nameSpace->Call(L"Logon");
    nameSpace->Call(L"Logoff");
    const auto stores = std::dynamic_pointer_cast<Enumerator>(
        nameSpace->Get(L"Folders").ToObject()->Get(Member::FromDispatchId(kNewEnumDispatchId)).ToObject());
    ASSERT_TRUE(stores);
    EXPECT_EQ(Dereference(stores->Next().value()).Get(L"Name"), Variant(L"Personal Folders"));
    EXPECT_FALSE(stores->Next());
    EXPECT_EQ(ErrorNumberOf([&] { nameSpace->Call(L"GetDefaultFolder", {std::int32_t{99}}); }), kOutlookError);
    EXPECT_EQ(sandbox.Outlook().logons, 1u);
    EXPECT_EQ(sandbox.Outlook().logoffs, 1u);
}

TEST_F(OutlookStandInTest, RestrictTakesOnlyOneEqualityWithItsApostrophesDoubled) {
    const auto items = DefaultItems(10);
    SaveContact(*items, L"A1", L"First");
    SaveContact(*items, L"O'Brien", L"Second");
    SaveContact(*items, L"x", L"Third");
    SaveContact(*items, L"X", L"Fourth");
    SaveContact(*items, L"", L"Fifth");
    const struct {
        const wchar_t* filter;
        std::int32_t count;  // -1: raises
    } cases[] = {
        {L"[CustomerID] = 'A1'", 1},
        {L"[customerid]='a1'", 1},
        {L"  [CustomerID]   =   'A1'  ", 1},
        {L"[CustomerID] = 'O''Brien'", 1},
        {L"[CustomerID] = 'x'", 2},
        {L"[CustomerID] = ''", 1},
        {L"[CustomerID] = 'A'", 0},
        {L"[CustomerID] = 'O'Brien'", -1},
        {L"[CustomerID] = 'x' OR '1'='1'", -1},
        {L"[CustomerID] = 'A1' AND [LastName] = 'First'", -1},
        {L"[CustomerID] = \"A1\"", -1},
        {L"[CustomerID] = 'A1", -1},
        {L"[CustomerID] <> 'A1'", -1},
        {L"CustomerID = 'A1'", -1},
        {L"[] = 'A1'", -1},
        {L"[NoSuchProperty] = 'A1'", -1},
        {L"", -1},
    };
    for (const auto& c : cases) {
        std::int32_t count = -1;
        const auto error = ErrorNumberOf([&] {
            count = items->Call(L"Restrict", {c.filter}).ToObject()->Get(L"Count").ToLong();
        });
        EXPECT_EQ(count, c.count) << c.filter;
        if (c.count < 0) {
            EXPECT_EQ(error, kOutlookError) << c.filter;
        }
    }
    // Enumeration and Item(i) see the same matches, in the folder's order.
    const auto matches = items->Call(L"Restrict", {L"[CustomerID] = 'X'"}).ToObject();
    std::wstring names;
    ForEach(*matches, [&](const Variant& item) { names += Dereference(item).Get(L"LastName").ToText(); });
    EXPECT_EQ(names, L"ThirdFourth");
    EXPECT_EQ(matches->Get(L"Item", {2}).ToObject()->Get(L"LastName"), Variant(L"Fourth"));
}

TEST_F(OutlookStandInTest, NewAppointmentsAndTasksCarryOutlooksDefaults) {
    const auto application = Application();
    const auto appointment = application->Call(L"CreateItem", {std::int32_t{1}}).ToObject();
    const auto task = application->Call(L"CreateItem", {std::int32_t{3}}).ToObject();
    EXPECT_EQ(appointment->Get(L"ReminderSet"), Variant(true));
    EXPECT_EQ(appointment->Get(L"ReminderMinutesBeforeStart"), Variant(std::int32_t{15}));
    EXPECT_EQ(task->Get(L"Importance"), Variant(std::int32_t{1}));
    EXPECT_EQ(task->Get(L"Status"), Variant(std::int32_t{0}));
    appointment->Put(L"ReminderSet", false);
    appointment->Call(L"Save");
    task->Call(L"Save");
    // Defaults are not writes: the stored items hold only what was written.
    const auto& stored = sandbox.Outlook().DefaultFolderContainer(9).items.at(0).fields;
    EXPECT_TRUE(stored.size() == 1 && stored[0].name == L"ReminderSet");
    EXPECT_TRUE(sandbox.Outlook().DefaultFolderContainer(13).items.at(0).fields.empty());
}

TEST_F(OutlookStandInTest, AddPictureFromVersion11ReadsTheFileDuringTheCall) {
    const auto picture = std::filesystem::temp_directory_path() / "orvantis-standin-picture.gif";
    const struct {
        const wchar_t* version;
        std::int32_t error;
    } versions[] = {{L"16.0.0.5278", 0}, {L"11.0.5608", 0}, {L"10.0.2627", 438}, {L"", 438}};
    for (const auto& v : versions) {
        sandbox.Outlook().version = v.version;
        std::ofstream(picture, std::ios::binary) << "GIF\x01\xff";
        const auto contact = DefaultItems(10)->Call(L"Add", {std::int32_t{2}}).ToObject();
        EXPECT_EQ(ErrorNumberOf([&] { contact->Call(L"AddPicture", {picture.wstring()}); }), v.error)
            << v.version;
        std::filesystem::remove(picture);
        contact->Call(L"Save");
    }
    const auto& stored = Contacts().items;
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0].Find(L"Picture")->productValue.dump(), R"({"picture":{"bytes":"47494601ff"}})");
    EXPECT_EQ(stored[2].Find(L"Picture"), nullptr);

    sandbox.Outlook().version = L"16.0";
    const auto contact = DefaultItems(10)->Call(L"Add").ToObject();
    EXPECT_EQ(ErrorNumberOf([&] { contact->Call(L"AddPicture", {picture.wstring()}); }), -2147024894);
}

}  // namespace
}  // namespace orvantis::testing
