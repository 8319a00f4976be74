// platform/RawFile.cpp: POSIX and Windows C runtime versions of the raw file calls.
#include "platform/RawFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace rawfile {

#ifdef _WIN32

namespace {

FileIdentity IdentityOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(handle, &info)) {
        return {};
    }
    std::uint64_t index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return {true, info.dwVolumeSerialNumber, index};
}

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

}  // namespace

// Others may read along, but none may write while we read: an export still being written is
// refused rather than half read.
int OpenForReading(const char* path) {
    return _sopen(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYWR);
}

int OpenForWriting(const char* path) {
    return _sopen(path, _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                  _S_IREAD | _S_IWRITE);
}

void UseBinaryMode(int fd) {
    _setmode(fd, _O_BINARY);
}

long ReadSome(int fd, char* buffer, std::size_t capacity) {
    unsigned chunk = capacity > INT_MAX ? INT_MAX : static_cast<unsigned>(capacity);
    return _read(fd, buffer, chunk);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        unsigned chunk = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
        int written = _write(fd, data, chunk);
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool SeekTo(int fd, std::int64_t offset) {
    return _lseeki64(fd, offset, SEEK_SET) == offset;
}

std::int64_t CurrentOffset(int fd) {
    return _lseeki64(fd, 0, SEEK_CUR);
}

bool Truncate(int fd) {
    return _chsize(fd, 0) == 0;
}

bool Close(int fd) {
    return _close(fd) == 0;
}

bool IsRegularFile(int fd) {
    return GetFileType(HandleOf(fd)) == FILE_TYPE_DISK;
}

FileIdentity IdentityOf(int fd) {
    return IdentityOfHandle(HandleOf(fd));
}

FileIdentity IdentityOfPath(const char* path) {
    // Opening for no access at all reads the identity without disturbing other openers.
    HANDLE handle = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    FileIdentity identity = IdentityOfHandle(handle);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
    }
    return identity;
}

bool Remove(const char* path) {
    return _unlink(path) == 0;
}

#else

namespace {

FileIdentity IdentityOfStat(const struct stat& info) {
    return {true, static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace

int OpenForReading(const char* path) {
    return open(path, O_RDONLY | O_CLOEXEC);
}

int OpenForWriting(const char* path) {
    return open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}

void UseBinaryMode(int /*fd*/) {}

long ReadSome(int fd, char* buffer, std::size_t capacity) {
    for (;;) {
        ssize_t got = read(fd, buffer, capacity);
        if (got >= 0 || errno != EINTR) {
            return static_cast<long>(got);
        }
    }
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool SeekTo(int fd, std::int64_t offset) {
    return lseek(fd, offset, SEEK_SET) == offset;
}

std::int64_t CurrentOffset(int fd) {
    return lseek(fd, 0, SEEK_CUR);
}

bool Truncate(int fd) {
    return ftruncate(fd, 0) == 0;
}

bool Close(int fd) {
    return close(fd) == 0;
}

bool IsRegularFile(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

FileIdentity IdentityOf(int fd) {
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    return IdentityOfStat(info);
}

FileIdentity IdentityOfPath(const char* path) {
    struct stat info;
    if (stat(path, &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    return IdentityOfStat(info);
}

bool Remove(const char* path) {
    return unlink(path) == 0;
}

#endif

}  // namespace rawfile
