// tests/DialogFiles.h: the dialog's pair of files in a private folder, with the run's source,
// sink and a recording host, as the dialog sets them up.
#pragma once

#include <string>

#include "conversion/FileLog.h"
#include "tests/RecordingHost.h"
#include "tests/TestSupport.h"

struct DialogFiles {
    explicit DialogFiles(COutputFile::Flush policy = COutputFile::Flush::EveryLine)
        : source(dir / "tavu2.adi"), sink(dir / "Tavu_to_Logger.adi", source, policy) {}

    RunReport Go() { return RunConversion(source, sink, host); }
    std::string Input() const { return dir / "tavu2.adi"; }
    std::string Output() const { return dir / "Tavu_to_Logger.adi"; }

    TempDir dir;
    RecordingHost host;
    FileLogSource source;
    FileLogSink sink;
};
