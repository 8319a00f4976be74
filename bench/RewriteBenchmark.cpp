// bench/RewriteBenchmark.cpp: the rule alone, per line, for the shapes a log holds.
#include <benchmark/benchmark.h>

#include "conversion/TimeOnRewrite.h"

namespace {

const char kRecord[] =
    "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <QSO_DATE:8>20240101 <TIME_ON:6>120000 "
    "<TIME_OFF:6>121500 <BAND:3>20M <MODE:3>SSB <FREQ:6>14.250 <RST_SENT:2>59 <RST_RCVD:2>57 "
    "<EOR>";
const char kFourDigitRecord[] =
    "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <QSO_DATE:8>20240101 <TIME_ON:4>1200 "
    "<TIME_OFF:6>121500 <BAND:3>20M <MODE:3>SSB <FREQ:6>14.250 <EOR>";
const char kHeader[] = "<ADIF_VER:5>3.1.4 <PROGRAMID:4>TAVU <EOH>";

void RewriteInPlace(benchmark::State& state, const char* text) {
    const CString original(text);
    CString line;
    for (auto _ : state) {
        line = original;
        RewriteTimeOnInPlace(line, ScanRecordLine(line));
        benchmark::DoNotOptimize(line.GetString());
    }
    state.SetBytesProcessed(state.iterations() * original.GetLength());
}

BENCHMARK_CAPTURE(RewriteInPlace, record, kRecord);
BENCHMARK_CAPTURE(RewriteInPlace, four_digit_record, kFourDigitRecord);
BENCHMARK_CAPTURE(RewriteInPlace, header, kHeader);

}  // namespace

BENCHMARK_MAIN();
