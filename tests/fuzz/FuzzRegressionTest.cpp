// Replays the seeds (fuzz/seeds/<target>/) and every input that once broke a fuzz target
// (fuzz/regressions/<target>/) through the same entry function, so that a fault found by
// fuzzing stays fixed and the seeds, which hold the hostile cases, pass on every build.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "FuzzEntries.hpp"
#include "fakes/FileBytes.hpp"

namespace orvantis::fuzz {
namespace {

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
                const std::string bytes = test::FileBytes(file.path());
                // Exactly as long as the file, so that the sanitizers see a read past its end.
                const std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
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
