#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace orvantis {

// Text stored once and never moved: blocks that start small, so that a small document touches
// few fresh pages, and whose storage stays where it is as the pool grows. A slice is eight
// bytes: its place names its block through a table of 64K steps.
class TextPool {
public:
    struct Slice {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };

    Slice Store(std::string_view text);
    std::string_view View(Slice slice) const {
        if (slice.length == 0) return {};
        return {steps_[slice.start >> kStepBits] + (slice.start & (kStep - 1)), slice.length};
    }

private:
    static constexpr unsigned kStepBits = 16;
    static constexpr std::size_t kStep = std::size_t{1} << kStepBits;
    static constexpr std::size_t kFirstBlock = 4 * 1024;

    void OpenBlock(std::size_t atLeast);

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<const char*> steps_;  // where each 64K of places is stored
    std::size_t start_ = 0;           // the newest block's first place
    std::size_t used_ = 0;            // of the newest block
    std::size_t capacity_ = 0;
};

}  // namespace orvantis
