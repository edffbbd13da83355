// Outlook's stand-in where the inserters rely on it: Restrict, AddPicture. That a save stores
// and an update replaces in place, and that defaults are not stored as writes, the inserters'
// tests and the sandbox golden of two loads show.

#include <filesystem>
#include <fstream>

#include "OutlookFixture.hpp"
#include "fakes/Errors.hpp"

namespace orvantis::test {
namespace {

using OutlookStandInTest = OutlookFixture;

constexpr std::int32_t kOutlookError = errors::kProductException;

void SaveContact(Object& items, const std::wstring& customerId, const std::wstring& lastName) {
    const auto contact = items.Call(L"Add", {std::int32_t{2}}).ToObject();
    contact->Put(L"LastName", lastName);
    if (!customerId.empty()) contact->Put(L"CustomerID", customerId);
    contact->Call(L"Save");
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
        {L"  [customerid]='a1'  ", 1},
        {L"[CustomerID] = 'O''Brien'", 1},
        {L"[CustomerID] = 'x'", 2},
        {L"[CustomerID] = ''", 1},
        {L"[CustomerID] = 'A'", 0},
        {L"[CustomerID] = 'O'Brien'", -1},
        {L"[CustomerID] = 'x' OR '1'='1'", -1},
        {L"[CustomerID] = \"A1\"", -1},
        {L"[NoSuchProperty] = 'A1'", -1},
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
}

// A search sees what the saves since the last one changed: an identifier rewritten is found
// under its new value only, and the items found keep the folder's order.
TEST_F(OutlookStandInTest, RestrictFindsWhatTheLastSavesWrote) {
    const auto items = DefaultItems(10);
    SaveContact(*items, L"A1", L"First");
    SaveContact(*items, L"A2", L"Second");
    const auto restrict = [&](const wchar_t* filter) { return items->Call(L"Restrict", {filter}).ToObject(); };
    EXPECT_EQ(restrict(L"[CustomerID] = 'A1'")->Get(L"Count").ToLong(), 1);
    const auto first = restrict(L"[CustomerID] = 'A1'")->Call(L"Item", {std::int32_t{1}}).ToObject();
    first->Put(L"CustomerID", L"a2");
    first->Call(L"Save");
    SaveContact(*items, L"A1", L"Third");
    const struct {
        const wchar_t* filter;
        std::vector<std::wstring> lastNames;
    } cases[] = {
        {L"[CustomerID] = 'A1'", {L"Third"}},
        {L"[CustomerID] = 'A2'", {L"First", L"Second"}},
        {L"[CustomerID] = ''", {}},
    };
    for (const auto& c : cases) {
        const auto found = restrict(c.filter);
        std::vector<std::wstring> lastNames;
        for (std::int32_t i = 1; i <= found->Get(L"Count").ToLong(); ++i) {
            lastNames.push_back(found->Call(L"Item", {i}).ToObject()->Get(L"LastName").ToText());
        }
        EXPECT_EQ(lastNames, c.lastNames) << c.filter;
    }
}

// Outlook reads the picture during the call; before version 11 there is no AddPicture.
TEST_F(OutlookStandInTest, AddPictureFromVersion11ReadsTheFileDuringTheCall) {
    const auto picture = std::filesystem::temp_directory_path() / "orvantis-standin-picture.gif";
    const auto contact = DefaultItems(10)->Call(L"Add", {std::int32_t{2}}).ToObject();
    sandbox.Outlook().version = L"10.0.2627";
    EXPECT_EQ(ErrorNumberOf([&] { contact->Call(L"AddPicture", {picture.wstring()}); }), 438);
    sandbox.Outlook().version = L"11.0.5608";
    EXPECT_EQ(ErrorNumberOf([&] { contact->Call(L"AddPicture", {picture.wstring()}); }), -2147024894);
    std::ofstream(picture, std::ios::binary) << "GIF\x01\xff";
    contact->Call(L"AddPicture", {picture.wstring()});
    std::filesystem::remove(picture);
    contact->Call(L"Save");
    EXPECT_EQ(Contacts().items.at(0).Find(L"Picture")->productValue.dump(), R"({"picture":{"bytes":"47494601ff"}})");
}

}  // namespace
}  // namespace orvantis::test
