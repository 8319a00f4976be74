// conversion/FileLog.cpp: opening the named files or the standard streams.
#include "conversion/FileLog.h"

namespace {

bool IsStandardStream(const std::string& fileName) {
    return fileName == "-";
}

}  // namespace

bool FileLogSource::Open() {
    if (IsStandardStream(m_fileName)) {
        return m_file.OpenStandardInput() != FALSE;
    }
    return m_file.Open(m_fileName.c_str(), CStdioFile::modeRead) != FALSE;
}

LogSource::Read FileLogSource::ReadLine(CString& line) {
    if (m_file.ReadString(line)) {
        return Read::Line;
    }
    return m_file.ReadFailed() ? Read::Failed : Read::End;
}

bool FileLogSink::Create() {
    FileIdentity input = m_source.Identity();
    COutputFile::CreateResult result = IsStandardStream(m_fileName)
                                           ? m_file.AttachStandardOutput(input)
                                           : m_file.Create(m_fileName.c_str(), input);
    m_refusedAsInput = result == COutputFile::CreateResult::IsTheInput;
    return result == COutputFile::CreateResult::Created;
}
