// A test fixture with a scratch folder of its own, removed after a passing test and kept for a
// look after a failing one.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace k7x::e2e {

class ScratchDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("k7x_e2e_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        if (!HasFailure()) std::filesystem::remove_all(dir);
    }

    std::filesystem::path file(const std::string& name) const { return dir / name; }

    std::filesystem::path dir;
};

}  // namespace k7x::e2e
