#include "standins/Name.hpp"

#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace orvantis::standins {
namespace {

// The spellings live in chunks that never move, so that reading one needs no lock while
// another thread adds a name.
class NameTable {
public:
    std::uint32_t Intern(std::wstring_view text) {
        const std::lock_guard lock(mutex_);
        if (const auto found = ids_.find(text); found != ids_.end()) return found->second;
        if (count_ == kChunkSize * kChunkCount) throw std::length_error("too many distinct names");
        auto& chunk = chunks_[count_ / kChunkSize];
        if (!chunk) chunk = std::make_unique<std::wstring[]>(kChunkSize);
        const std::wstring& stored = chunk[count_ % kChunkSize] = std::wstring(text);
        ids_.emplace(stored, count_);
        return count_++;
    }

    const std::wstring& Text(std::uint32_t id) const { return chunks_[id / kChunkSize][id % kChunkSize]; }

private:
    static constexpr std::uint32_t kChunkSize = 1024;
    static constexpr std::uint32_t kChunkCount = 4096;

    std::mutex mutex_;
    std::unordered_map<std::wstring_view, std::uint32_t> ids_;
    std::uint32_t count_ = 0;
    std::array<std::unique_ptr<std::wstring[]>, kChunkCount> chunks_;
};

// Never destroyed: a name may be read while other static objects are destroyed.
NameTable& Names() {
    static NameTable& table = *new NameTable;
    return table;
}

}  // namespace

Name::Name(std::wstring_view text) : id_(Names().Intern(text)) {}

const std::wstring& Name::Text() const { return Names().Text(id_); }

}  // namespace orvantis::standins
