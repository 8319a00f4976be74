// platform/CStdioFile.cpp: buffered line reading over the raw file calls.
#include "platform/CStdioFile.h"

#include <cerrno>
#include <climits>
#include <cstring>

CStdioFile::~CStdioFile() {
    Close();
}

BOOL CStdioFile::Open(const char* fileName, unsigned /*openFlags*/) {
    Close();
    int fd = rawfile::OpenForReading(fileName);
    if (fd < 0) {
        m_lastError = errno;
        return FALSE;
    }
    m_ownsFd = true;
    return Attach(fd);
}

BOOL CStdioFile::OpenStandardInput() {
    Close();
    rawfile::UseBinaryMode(rawfile::kStandardInput);
    m_ownsFd = false;
    return Attach(rawfile::kStandardInput);
}

BOOL CStdioFile::Attach(int fd) {
    m_fd = fd;
    m_atEnd = false;
    m_readFailed = false;
    m_lastError = 0;
    m_buffer.resize(m_chunkSize > 0 ? m_chunkSize : 1);
    m_begin = m_end = 0;
    return TRUE;
}

void CStdioFile::Close() {
    if (m_fd >= 0 && m_ownsFd) {
        rawfile::Close(m_fd);
    }
    m_fd = -1;
    m_ownsFd = false;
    m_buffer = {};
    m_begin = m_end = 0;
}

bool CStdioFile::Refill() {
    long got = rawfile::ReadSome(m_fd, m_buffer.data(), m_buffer.size());
    if (got < 0) {
        return false;
    }
    m_begin = 0;
    m_end = static_cast<std::size_t>(got);
    m_atEnd = got == 0;
    return true;
}

BOOL CStdioFile::Fail() {
    m_readFailed = true;
    m_lastError = errno;
    return FALSE;
}

BOOL CStdioFile::ReadString(CString& line) {
    std::string& text = line.Buffer();
    text.clear();
    if (m_fd < 0 || m_readFailed) {
        return FALSE;
    }
    bool readAnything = false;
    for (;;) {
        if (m_begin == m_end) {
            if (m_atEnd) {
                return readAnything ? TRUE : FALSE;
            }
            if (!Refill()) {
                return Fail();
            }
            continue;
        }
        const char* start = m_buffer.data() + m_begin;
        std::size_t available = m_end - m_begin;
        const void* lineFeed = std::memchr(start, '\n', available);
        std::size_t take =
            lineFeed != nullptr
                ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start)
                : available;
        // CString positions are ints: a longer line cannot be handled, so it counts as unreadable.
        if (text.size() + take > static_cast<std::size_t>(INT_MAX)) {
            errno = EFBIG;
            return Fail();
        }
        text.append(start, take);
        readAnything = true;
        if (lineFeed == nullptr) {
            m_begin = m_end;
            continue;
        }
        m_begin += take + 1;
        // The CR may have arrived in the previous chunk, so it is looked for in the line itself.
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        return TRUE;
    }
}

std::int64_t CStdioFile::CountRemainingLines() {
    if (m_fd < 0 || !rawfile::IsRegularFile(m_fd)) {
        return -1;
    }
    std::int64_t resumeAt = rawfile::CurrentOffset(m_fd);
    if (resumeAt < 0) {
        return -1;
    }
    std::int64_t lineFeeds = 0;
    std::size_t remaining = m_end - m_begin;
    char last = remaining > 0 ? m_buffer[m_end - 1] : '\n';
    auto countIn = [&lineFeeds](const char* data, std::size_t size) {
        const char* end = data + size;
        while (const void* found = std::memchr(data, '\n', static_cast<std::size_t>(end - data))) {
            ++lineFeeds;
            data = static_cast<const char*>(found) + 1;
        }
    };
    countIn(m_buffer.data() + m_begin, remaining);
    std::vector<char> scan(kDefaultChunkSize);
    bool scanFailed = false;
    for (;;) {
        long got = rawfile::ReadSome(m_fd, scan.data(), scan.size());
        if (got <= 0) {
            scanFailed = got < 0;
            break;
        }
        countIn(scan.data(), static_cast<std::size_t>(got));
        last = scan[static_cast<std::size_t>(got) - 1];
    }
    if (!rawfile::SeekTo(m_fd, resumeAt)) {
        // Reading on from wherever the scan stopped would drop the rest of the file unnoticed.
        Fail();
        return -1;
    }
    if (scanFailed) {
        return -1;
    }
    return lineFeeds + (last != '\n' ? 1 : 0);
}
