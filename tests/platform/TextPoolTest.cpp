// Text stored in blocks that never move.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextPool.hpp"

namespace orvantis {
namespace {

TEST(TextPoolTest, EveryTextReadsBackAfterThePoolHasGrown) {
    // Sizes that fill a block exactly, overflow it by one, and exceed the largest block.
    const std::size_t sizes[] = {0, 1, 4'095, 1, 8'192, 16'384, 65'535, 1, 65'536, 65'537,
                                 200'000, 3, 0, 131'072, 7};
    TextPool pool;
    std::vector<std::pair<TextPool::Slice, std::string>> stored;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        std::string text(sizes[i], static_cast<char>('a' + i));
        if (!text.empty()) text.back() = '!';  // a slice one byte short or long shows
        stored.emplace_back(pool.Store(text), text);
    }
    for (const auto& [slice, text] : stored) EXPECT_EQ(pool.View(slice), text) << text.size();
}

}  // namespace
}  // namespace orvantis
