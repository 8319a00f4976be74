// bench/MakeLog.cpp: writes a realistic export of N records for the benchmarks, the same bytes
// for the same N and seed.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char* const kCalls[] = {"UA3AB", "K1ABC", "DL2XYZ", "JA1QRT", "VK2DEF/P",   "OH2GHJ",
                              "G4KLM", "W1AW",  "SP9NOP", "RA9QRS", "EA8/ON4TUV", "R1ANC"};

struct Band {
    const char* band;
    const char* mode;
    const char* frequency;
};
const Band kBands[] = {{"20M", "SSB", "14.250"}, {"40M", "CW", "7.025"},
                       {"20M", "FT8", "14.074"}, {"80M", "SSB", "3.750"},
                       {"2M", "FM", "145.500"},  {"15M", "RTTY", "21.080"}};

template <class T, std::size_t N>
const T& Pick(const T (&choices)[N], std::mt19937& random) {
    return choices[random() % N];
}

unsigned Below(unsigned limit, std::mt19937& random) {
    return static_cast<unsigned>(random() % limit);
}

void Field(std::string& line, const char* name, const std::string& value) {
    line += '<';
    line += name;
    line += ':';
    line += std::to_string(value.size());
    line += '>';
    line += value;
    line += ' ';
}

std::string Clock(unsigned seconds) {
    char text[8];
    std::snprintf(text, sizeof text, "%02u%02u%02u", seconds / 3600 % 24, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::string Record(std::mt19937& random) {
    const Band& band = Pick(kBands, random);
    unsigned start = Below(86400, random);
    unsigned end = start + 30 + Below(600, random);  // may run past midnight, as real contacts do
    char date[16];
    std::snprintf(date, sizeof date, "2024%02u%02u", 1 + Below(12, random), 1 + Below(28, random));
    std::string line;
    Field(line, "STATION_CALLSIGN", "OH1AA");
    Field(line, "CALL", Pick(kCalls, random));
    Field(line, "QSO_DATE", date);
    Field(line, "TIME_ON", Clock(start));
    Field(line, "TIME_OFF", Clock(end));
    Field(line, "BAND", band.band);
    Field(line, "MODE", band.mode);
    Field(line, "FREQ", band.frequency);
    Field(line, "RST_SENT", "59");
    Field(line, "RST_RCVD", "57");
    line += "<EOR>\r\n";
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvrin-make-log RECORDS > FILE\n");
        return 64;
    }
    long records = std::strtol(argv[1], nullptr, 10);
    std::mt19937 random(20240101);
    std::fputs("Tavu ADIF export\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:4>TAVU <EOH>\r\n", stdout);
    for (long i = 0; i < records; ++i) {
        std::string line = Record(random);
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
