// platform/COutputFile.cpp: buffered CR LF line output over the raw file calls.
#include "platform/COutputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 256 * 1024;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

COutputFile::COutputFile(Flush policy) : m_policy(policy) {}

COutputFile::~COutputFile() {
    Close();
}

COutputFile::CreateResult COutputFile::Create(const char* fileName, const FileIdentity& input) {
    Close();
    m_created = {};
    int fd = rawfile::OpenForWriting(fileName);
    if (fd < 0) {
        m_lastError = errno;
        return CreateResult::Failed;
    }
    m_path = fileName;
    return Attach(fd, true, input);
}

COutputFile::CreateResult COutputFile::AttachStandardOutput(const FileIdentity& input) {
    Close();
    m_created = {};
    rawfile::UseBinaryMode(rawfile::kStandardOutput);
    m_path.clear();
    return Attach(rawfile::kStandardOutput, false, input);
}

COutputFile::CreateResult COutputFile::Attach(int fd, bool ownsFd, const FileIdentity& input) {
    FileIdentity identity = rawfile::IdentityOf(fd);
    if (identity == input) {
        if (ownsFd) {
            rawfile::Close(fd);
        }
        m_path.clear();
        return CreateResult::IsTheInput;
    }
    // Only now, sure it is not the input, may the old content go.
    if (ownsFd && rawfile::IsRegularFile(fd) && !rawfile::Truncate(fd)) {
        m_lastError = errno;
        rawfile::Close(fd);
        m_path.clear();
        return CreateResult::Failed;
    }
    m_fd = fd;
    m_ownsFd = ownsFd;
    m_failed = false;
    m_lastError = 0;
    m_created = ownsFd ? identity : FileIdentity{};
    m_buffer.resize(kBufferSize);
    m_used = 0;
    return CreateResult::Created;
}

bool COutputFile::Failed() {
    if (!m_failed) {
        m_failed = true;
        m_lastError = errno;
    }
    return false;
}

bool COutputFile::FlushBuffer() {
    if (m_used == 0) {
        return true;
    }
    std::size_t size = m_used;
    m_used = 0;
    return rawfile::WriteAll(m_fd, m_buffer.data(), size) || Failed();
}

bool COutputFile::Append(std::string_view bytes) {
    if (bytes.size() > m_buffer.size() - m_used) {
        if (!FlushBuffer()) {
            return false;
        }
        // Long lines skip the buffer rather than grow it.
        if (bytes.size() > m_buffer.size()) {
            return rawfile::WriteAll(m_fd, bytes.data(), bytes.size()) || Failed();
        }
    }
    std::memcpy(m_buffer.data() + m_used, bytes.data(), bytes.size());
    m_used += bytes.size();
    return true;
}

bool COutputFile::WriteLine(std::string_view line) {
    if (m_fd < 0 || m_failed) {
        return false;
    }
    if (line.size() + kLineEnd.size() <= m_buffer.size() - m_used) {
        // The usual short line: one copy, the line end stored in place.
        char* end = std::copy(line.begin(), line.end(), m_buffer.data() + m_used);
        std::copy(kLineEnd.begin(), kLineEnd.end(), end);
        m_used += line.size() + kLineEnd.size();
    } else if (!Append(line) || !Append(kLineEnd)) {
        return false;
    }
    return m_policy == Flush::WhenBufferFull || FlushBuffer();
}

bool COutputFile::Close() {
    if (m_fd < 0) {
        return !m_failed;
    }
    if (!m_failed) {
        FlushBuffer();
    }
    if (m_ownsFd && !rawfile::Close(m_fd)) {
        Failed();
    }
    m_fd = -1;
    m_buffer = {};
    m_used = 0;
    return !m_failed;
}

void COutputFile::RemoveCreatedFile() {
    Close();
    if (m_created.known && rawfile::IdentityOfPath(m_path.c_str()) == m_created) {
        rawfile::Remove(m_path.c_str());
    }
    m_created = {};
    m_path.clear();
}
