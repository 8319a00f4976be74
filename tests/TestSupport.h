// tests/TestSupport.h: a private temporary folder per test, whole-file reads and writes, and
// readable names for table rows.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

// Removed with everything in it when the test ends.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

  private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

// `text` with everything but ASCII letters and digits turned into '_', as test names must be.
std::string AsTestName(std::string_view text);

// Names a parameterised test after its row's `name`, so a failure says which row it was.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return AsTestName(info.param.name);
    }
};
