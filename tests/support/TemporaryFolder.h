#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

// A test with a folder of its own below GoogleTest's temporary folder, removed with all it holds
// afterwards. Tests run as root on the build machines: provoke failures by names and limits, never by
// permissions.
class TemporaryFolderFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path dir_;
};

// The whole file as bytes; "" when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Creates or replaces the file with exactly these bytes.
void PutFile(const std::filesystem::path& path, const std::string& bytes);

// The names of the entries directly in a folder.
std::set<std::string> NamesIn(const std::filesystem::path& dir);
