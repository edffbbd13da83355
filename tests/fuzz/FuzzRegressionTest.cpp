// Replays the seeds (fuzz/seeds/<target>/) and every input that once broke a fuzz target
// (fuzz/regressions/<target>/) through the same entry function, so that a fault found by
// fuzzing stays fixed and the seeds, which hold the hostile cases, pass on every build.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzEntries.hpp"

namespace orvantis::fuzz {
namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(FuzzRegressionTest, EveryKeptInputPassesItsTarget) {
    const std::filesystem::path root = ORVANTIS_FUZZ_FOLDER;
    std::size_t replayed = 0;
    for (const auto& target : Targets()) {
        EXPECT_TRUE(std::filesystem::is_directory(root / "seeds" / target.name)) << target.name;
        for (const char* kept : {"seeds", "regressions"}) {
            const auto folder = root / kept / target.name;
            if (!std::filesystem::is_directory(folder)) continue;
            for (const auto& file : std::filesystem::directory_iterator(folder)) {
                if (!file.is_regular_file()) continue;
                const auto input = ReadFile(file.path());
                std::optional<std::string> broken;
                EXPECT_NO_THROW(broken = target.entry(input)) << file.path();
                EXPECT_EQ(broken, std::nullopt) << file.path();
                ++replayed;
            }
        }
    }
    EXPECT_GT(replayed, Targets().size());
}

}  // namespace
}  // namespace orvantis::fuzz
