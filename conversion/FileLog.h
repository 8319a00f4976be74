// conversion/FileLog.h: the run's source and sink over real files or standard streams.
#pragma once

#include <string>
#include <utility>

#include "conversion/ConversionRun.h"
#include "platform/COutputFile.h"
#include "platform/CStdioFile.h"

// "-" names standard input.
class FileLogSource : public LogSource {
  public:
    // `readChunk`: how much one read takes; tests make it small to put line ends across reads.
    explicit FileLogSource(std::string fileName,
                           std::size_t readChunk = CStdioFile::kDefaultChunkSize)
        : m_fileName(std::move(fileName)), m_file(readChunk) {}

    bool Open() override;
    std::int64_t CountLines() override { return m_file.CountRemainingLines(); }
    Read ReadLine(CString& line) override;
    void Close() override { m_file.Close(); }

    const std::string& FileName() const { return m_fileName; }
    FileIdentity Identity() const { return m_file.Identity(); }
    int LastError() const { return m_file.LastError(); }

  private:
    std::string m_fileName;
    CStdioFile m_file;
};

// "-" names standard output. Refuses to write over the source it is paired with.
class FileLogSink : public LogSink {
  public:
    FileLogSink(std::string fileName, const FileLogSource& source, COutputFile::Flush policy)
        : m_fileName(std::move(fileName)), m_source(source), m_file(policy) {}

    bool Create() override;
    bool WriteLine(const CString& line) override { return m_file.WriteLine(line.View()); }
    bool Close() override { return m_file.Close(); }
    void Discard() override { m_file.RemoveCreatedFile(); }

    const std::string& FileName() const { return m_fileName; }
    // True when Create failed because the name leads to the source file.
    bool RefusedAsInput() const { return m_refusedAsInput; }
    int LastError() const { return m_file.LastError(); }

  private:
    std::string m_fileName;
    const FileLogSource& m_source;
    COutputFile m_file;
    bool m_refusedAsInput = false;
};
