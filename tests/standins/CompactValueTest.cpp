// A world keeps its values compactly: what a field gives back must be what it was given, kind
// for kind, whatever form it is kept in, and copies must not share what they hold.

#include <gtest/gtest.h>

#include "standins/WorldData.hpp"

namespace orvantis::test {
namespace {

using standins::CompactValue;
using standins::Field;
using standins::Name;

std::wstring LoneSurrogate() {
    // A text UTF-8 cannot carry: a high surrogate with no low one after it.
    return std::wstring(L"a") + static_cast<wchar_t>(0xD800) + L"b";
}

TEST(CompactValueTest, GivesBackEveryValueOfItsOwnKind) {
    const std::vector<Variant> values{
        Variant(),
        Variant::Null(),
        Variant::Missing(),
        Variant(ObjectRef()),
        Variant(std::int16_t{-7}),
        Variant(std::int32_t{-2147483647 - 1}),
        Variant(-0.0),
        Variant(1e300),
        Variant(false),
        Variant(true),
        Variant(DateValue{45000.75}),
        Variant(L""),
        Variant(L"fourteen bytes"),                                  // the most kept in place
        Variant(L"fifteen bytes!!"),                                 // the least kept apart
        Variant(L"\u00e9t\u00e9 \u4e2d\u6587 \U0001F600 and more"),  // 2-, 3- and 4-byte UTF-8
        Variant(std::wstring(L"nul\0inside", 10)),
        Variant(LoneSurrogate()),
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        const CompactValue compact(values[i]);
        EXPECT_EQ(compact.GetKind(), values[i].GetKind()) << i;
        EXPECT_EQ(compact.ToVariant(), values[i]) << i;
        EXPECT_EQ(compact.ToVariant().GetKind(), values[i].GetKind()) << i;
        EXPECT_EQ(compact.ProductValue(), nullptr) << i;
        for (std::size_t k = 0; k < values.size(); ++k) {
            // Equal as Variants compare them, with a hash to match.
            const bool same = values[i] == values[k];
            EXPECT_EQ(compact == CompactValue(values[k]), same) << i << " " << k;
            if (same) {
                EXPECT_EQ(compact.Hash(), CompactValue(values[k]).Hash()) << i << " " << k;
            }
        }
    }
    // -0 and 0 compare equal as doubles, as the Variants do.
    EXPECT_EQ(CompactValue(Variant(-0.0)), CompactValue(Variant(0.0)));
}

TEST(CompactValueTest, CopiesAndMovesKeepTheirOwnValues) {
    const std::vector<CompactValue> originals{
        CompactValue(Variant(L"a text long enough to live on the heap")),
        CompactValue(Variant(LoneSurrogate())),
        CompactValue(nlohmann::ordered_json{{"picture", {{"bytes", "ff"}}}}),
        CompactValue(Variant(L"short")),
    };
    for (const auto& original : originals) {
        CompactValue copy = original;
        EXPECT_EQ(copy, original);
        CompactValue moved = std::move(copy);
        EXPECT_EQ(moved, original);
        EXPECT_EQ(copy, CompactValue());  // NOLINT(bugprone-use-after-move): moved from is empty
        moved = CompactValue(Variant(1.5));
        EXPECT_NE(moved, original);
        copy = original;
        copy = copy;  // NOLINT(misc-redundant-expression): itself
        EXPECT_EQ(copy, original);
    }
}

TEST(CompactValueTest, AProductValueIsNoVariantAndANullOneIsNone) {
    CompactValue picture(nlohmann::ordered_json{{"picture", {{"bytes", "47"}}}});
    ASSERT_NE(picture.ProductValue(), nullptr);
    (*picture.ProductValue())["picture"]["bytes"] = "48";
    EXPECT_EQ(picture.ProductValue()->dump(), R"({"picture":{"bytes":"48"}})");
    EXPECT_EQ(picture.GetKind(), Variant::Kind::Empty);
    EXPECT_TRUE(picture.ToVariant().IsEmpty());
    EXPECT_EQ(CompactValue(nlohmann::ordered_json()).ProductValue(), nullptr);
}

TEST(CompactValueTest, AFieldIsSmallAndItsNameKeepsItsSpelling) {
    EXPECT_EQ(sizeof(Field), 24u);
    const Name name(L"LastName");
    EXPECT_EQ(name.Text(), L"LastName");
    EXPECT_EQ(Name(L"lastname").Text(), L"lastname");  // another spelling, another name
    EXPECT_TRUE(name == L"LastName");
    EXPECT_FALSE(name == L"lastname");
    standins::Item item{L"Contact", {}, 0};
    item.Write(L"LastName", Variant(L"Dupont"));
    item.Write(L"LASTNAME", Variant(std::int32_t{2}));  // letter case aside: the same field
    ASSERT_EQ(item.fields.size(), 1u);
    EXPECT_EQ(item.fields[0].name.Text(), L"LastName");
    EXPECT_EQ(item.Find(L"FirstName"), nullptr);
}

}  // namespace
}  // namespace orvantis::test
