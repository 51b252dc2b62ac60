#include "TemporaryFolder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

void TemporaryFolderFixture::SetUp() {
    std::string pattern = (fs::path(testing::TempDir()) / "dravonel-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
}

void TemporaryFolderFixture::TearDown() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> NamesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}
