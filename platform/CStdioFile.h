// platform/CStdioFile.h: a read-only file read as text lines, every byte carried.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/CString.h"
#include "platform/RawFile.h"
#include "platform/Types.h"

// A line ends at LF; one CR directly before the LF goes with it. A last line without LF is still
// a line, and an empty line is a line. NUL, 0x1A and bytes above 0x7F are ordinary characters,
// and a line may be as long as memory allows.
class CStdioFile {
  public:
    enum OpenFlags : unsigned { modeRead = 0 };
    static constexpr std::size_t kDefaultChunkSize = 64 * 1024;

    // `chunkSize`: how much one read from the file takes; small sizes let tests put line ends
    // and CR LF pairs across chunk boundaries.
    explicit CStdioFile(std::size_t chunkSize = kDefaultChunkSize) : m_chunkSize(chunkSize) {}
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Only reading is supported, so modeRead is the one flag that means anything.
    BOOL Open(const char* fileName, unsigned openFlags);
    BOOL OpenStandardInput();
    void Close();

    // TRUE with the next line, its line end removed; FALSE at the end of the file or when the
    // read failed (ReadFailed() tells which).
    BOOL ReadString(CString& line);

    bool ReadFailed() const { return m_readFailed; }
    // The errno of the last failed open or read.
    int LastError() const { return m_lastError; }

    // Lines from here to the end, by a quick scan that leaves the reading position as it was;
    // -1 when the input cannot be read twice (a pipe) or the scan failed.
    std::int64_t CountRemainingLines();
    FileIdentity Identity() const { return rawfile::IdentityOf(m_fd); }

  private:
    bool Refill();
    BOOL Fail();
    BOOL Attach(int fd);

    std::size_t m_chunkSize;
    int m_fd = -1;
    bool m_ownsFd = false;
    bool m_atEnd = false;
    bool m_readFailed = false;
    int m_lastError = 0;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};
