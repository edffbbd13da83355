#include "platform/TextPool.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace orvantis {

TextPool::Slice TextPool::Store(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() > capacity_ - used_) OpenBlock(text.size());
    std::memcpy(blocks_.back().get() + used_, text.data(), text.size());
    const Slice slice{static_cast<std::uint32_t>(start_ + used_),
                      static_cast<std::uint32_t>(text.size())};
    used_ += text.size();
    return slice;
}

void TextPool::OpenBlock(std::size_t atLeast) {
    // Doubling up to one step, then a step at a time; a longer text gets a block of its own.
    const std::size_t size =
        std::max(blocks_.empty() ? kFirstBlock : std::min(2 * capacity_, kStep), atLeast);
    const std::size_t start = steps_.size() << kStepBits;
    if (size > std::size_t{std::numeric_limits<std::uint32_t>::max()} - start) {
        throw std::length_error("XML document too large");
    }
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    for (std::size_t step = 0; step < size; step += kStep) steps_.push_back(blocks_.back().get() + step);
    start_ = start;
    used_ = 0;
    capacity_ = size;
}

}  // namespace orvantis
