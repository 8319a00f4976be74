// tests/TestSupport.h: a private temporary folder per test, whole-file reads and writes, and
// readable names for table rows.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

// Names a parameterised test after its row's `name`, so a failure says which row it was.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        std::string name;
        for (const char* c = info.param.name; *c != '\0'; ++c) {
            bool keep =
                (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9');
            name += keep ? *c : '_';
        }
        return name;
    }
};
