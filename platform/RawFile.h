// platform/RawFile.h: the few unbuffered file calls our file classes need, on POSIX and Windows.
#pragma once

#include <cstddef>
#include <cstdint>

// Which ordinary file a descriptor or a path refers to: links and other names of one file compare
// equal. Anything else (pipes, terminals, devices) has an unknown identity, which equals nothing.
struct FileIdentity {
    bool known = false;
    std::uint64_t device = 0;
    std::uint64_t index = 0;

    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return a.known && b.known && a.device == b.device && a.index == b.index;
    }
    friend bool operator!=(const FileIdentity& a, const FileIdentity& b) { return !(a == b); }
};

// Every call returns -1 (or false, or an unknown identity) on failure and leaves errno set.
namespace rawfile {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

int OpenForReading(const char* path);
// Creates the file when missing but never truncates, so the caller can look before it cuts.
int OpenForWriting(const char* path);
// Bytes pass unchanged on Windows too: no CR is added or removed, 0x1A does not end the file.
void UseBinaryMode(int fd);

long ReadSome(int fd, char* buffer, std::size_t capacity);
bool WriteAll(int fd, const char* data, std::size_t size);
bool SeekTo(int fd, std::int64_t offset);
std::int64_t CurrentOffset(int fd);
bool Truncate(int fd);
bool Close(int fd);

bool IsRegularFile(int fd);
FileIdentity IdentityOf(int fd);
FileIdentity IdentityOfPath(const char* path);
bool Remove(const char* path);

}  // namespace rawfile
