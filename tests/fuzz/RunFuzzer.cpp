// tests/fuzz/RunFuzzer.cpp: the whole run, the real line reader and output file included, on a
// file of any bytes held in memory: the output is the independent statement of the rule applied
// line by line, and the progress reports count every line.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "conversion/FileLog.h"
#include "tests/LogOracle.h"

namespace {

// An in-memory file with a path, so the run opens it as it opens any other.
class MemoryFile {
  public:
    explicit MemoryFile(const std::string& bytes) : m_fd(memfd_create("halvrin", 0)) {
        if (m_fd < 0 ||
            write(m_fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            std::abort();
        }
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemoryFile() { close(m_fd); }
    const std::string& Path() const { return m_path; }
    std::string Bytes() const {
        std::string bytes;
        char buffer[65536];
        for (off_t at = 0;;) {
            ssize_t got = pread(m_fd, buffer, sizeof buffer, at);
            if (got <= 0) {
                return bytes;
            }
            bytes.append(buffer, static_cast<size_t>(got));
            at += got;
        }
    }

  private:
    int m_fd;
    std::string m_path;
};

class CountingHost : public ConversionHost {
  public:
    void SetProgressRange(std::int64_t totalLines) override { range = totalLines; }
    void SetProgress(std::int64_t linesWritten) override { last = linesWritten; }
    void ShowMessage(const char* /*text*/) override {}
    void EndRun() override { ++ends; }

    std::int64_t range = -1;
    std::int64_t last = 0;
    int ends = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the read size and the flushing; the rest is the file.
    std::size_t chunk = 1 + (data[0] & 0x3F);
    auto flush =
        data[0] & 0x40 ? COutputFile::Flush::EveryLine : COutputFile::Flush::WhenBufferFull;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    MemoryFile input(bytes);
    MemoryFile output("stale bytes the run must replace");
    FileLogSource source(input.Path(), chunk);
    FileLogSink sink(output.Path(), source, flush);
    CountingHost host;
    RunReport report = RunConversion(source, sink, host);

    std::int64_t lines = static_cast<std::int64_t>(oracle::SplitLines(bytes).size());
    bool ok = report.outcome == RunOutcome::Converted && host.ends == 1 &&
              report.tally.lines == lines && host.range == lines && host.last == lines &&
              output.Bytes() == oracle::ConvertedFile(bytes) && input.Bytes() == bytes;
    if (!ok) {
        std::fprintf(stderr, "outcome %d, lines %lld (expected %lld), range %lld, last %lld\n",
                     static_cast<int>(report.outcome), static_cast<long long>(report.tally.lines),
                     static_cast<long long>(lines), static_cast<long long>(host.range),
                     static_cast<long long>(host.last));
        std::abort();
    }
    return 0;
}
