// platform/COutputFile.h: the converted log's output file, written as CR LF lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/RawFile.h"

// Bytes go out exactly as given plus CR LF per line, on every system. Failures are reported,
// never thrown, and an incomplete file can be removed again.
class COutputFile {
  public:
    enum class Flush { EveryLine, WhenBufferFull };
    enum class CreateResult { Created, IsTheInput, Failed };

    explicit COutputFile(Flush policy);
    ~COutputFile();
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;

    // Creates the file, or empties it if present; other programs may still open it. A name
    // that leads to `input` (the same file, a hard or symbolic link) is refused untouched.
    CreateResult Create(const char* fileName, const FileIdentity& input);
    CreateResult AttachStandardOutput(const FileIdentity& input);

    bool WriteLine(std::string_view line);
    // Writes what is buffered and closes; false when any of it could not be written.
    bool Close();
    // Removes the file Create made, after Close, if the name still leads to it and it is an
    // ordinary file (never a device such as /dev/full, never standard output).
    void RemoveCreatedFile();

    // The errno of the first failure.
    int LastError() const { return m_lastError; }

  private:
    bool Append(std::string_view bytes);
    bool FlushBuffer();
    bool Failed();
    CreateResult Attach(int fd, bool ownsFd, const FileIdentity& input);

    Flush m_policy;
    int m_fd = -1;
    bool m_ownsFd = false;
    bool m_failed = false;
    int m_lastError = 0;
    std::string m_path;
    FileIdentity m_created;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};
