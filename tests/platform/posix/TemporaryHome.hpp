#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fakes/FileBytes.hpp"

namespace orvantis::test {

// Each test gets its own home (root/home) and configuration folder (root/config), removed
// afterwards.
class TemporaryHome : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvantis-home-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        setenv("HOME", (root / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path root;
};

}  // namespace orvantis::test
