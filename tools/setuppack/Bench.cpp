#include "tools/setuppack/Bench.h"
#include "codec/Container.h"
#include "tools/setuppack/FileBytes.h"
#include "ui/Exception.h"
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

constexpr size_t CorpusSize = 8u << 20;
constexpr int Runs = 5;

// xorshift64*: the same corpus on every machine and every run.
class Random {
  public:
    uint32_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1DULL) >> 32);
    }
    uint32_t Below(uint32_t n) { return Next() % n; }

  private:
    uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

const char* const Words[] = {"die",
                             "der",
                             "und",
                             "in",
                             "zu",
                             "den",
                             "das",
                             "nicht",
                             "von",
                             "sie",
                             "ist",
                             "des",
                             "sich",
                             "mit",
                             "dem",
                             "dass",
                             "er",
                             "es",
                             "ein",
                             "ich",
                             "auf",
                             "so",
                             "eine",
                             "auch",
                             "als",
                             "an",
                             "nach",
                             "wie",
                             "im",
                             "für",
                             "the",
                             "of",
                             "and",
                             "to",
                             "a",
                             "is",
                             "that",
                             "for",
                             "it",
                             "as",
                             "was",
                             "with",
                             "be",
                             "Installation",
                             "Verzeichnis",
                             "Programm",
                             "Datei",
                             "Dateien",
                             "Windows",
                             "Setup",
                             "kopiert",
                             "werden",
                             "bitte",
                             "Lizenz",
                             "Vertrag",
                             "Benutzer",
                             "Startmenü",
                             "Verknüpfung",
                             "Fehler",
                             "Speicher",
                             "komprimiert",
                             "entpackt",
                             "Hinweis",
                             "Version",
                             "Systemsteuerung",
                             "Registrierung",
                             "directory",
                             "program",
                             "file",
                             "window",
                             "system",
                             "install",
                             "remove",
                             "update",
                             "network"};

// Skewed towards the first words, as word frequencies are in real text.
std::string Word(Random& rnd) {
    uint32_t n = sizeof Words / sizeof Words[0];
    uint32_t u = rnd.Below(n);
    return Words[u * rnd.Below(n) / n];
}

// Sentences come from a pool and recur, as phrases and boilerplate do in real documents.
class Prose {
  public:
    explicit Prose(Random& rnd) : rnd_(rnd) {
        for (auto& sentence : pool_) {
            sentence = Word(rnd);
            if (sentence[0] >= 'a' && sentence[0] <= 'z') sentence[0] = static_cast<char>(sentence[0] - 32);
            for (int n = 4 + static_cast<int>(rnd.Below(12)); n > 0; --n)
                sentence += (rnd.Below(9) ? " " : ", ") + Word(rnd);
            sentence += ". ";
        }
    }
    void Paragraph(std::string& out) {
        for (int n = 3 + static_cast<int>(rnd_.Below(8)); n > 0; --n) {
            uint32_t u = rnd_.Below(PoolSize);
            out += pool_[u * rnd_.Below(PoolSize) / PoolSize];
        }
        out += "\r\n\r\n";
    }

  private:
    static constexpr uint32_t PoolSize = 120;
    Random& rnd_;
    std::string pool_[PoolSize];
};

// Timestamps that move on slowly and a few message patterns, as in a program's log.
void LogLines(Random& rnd, std::string& out) {
    static const char* const messages[] = {"INFO  [setup] Datei %s kopiert",
                                           "INFO  [setup] Verzeichnis %s angelegt",
                                           "DEBUG [io] read block %s",
                                           "WARN  [setup] Datei %s existiert bereits",
                                           "INFO  [shell] Verknüpfung %s erstellt",
                                           "ERROR [io] Schreibfehler in %s"};
    static uint32_t seconds = 0;
    char line[200];
    for (int n = 5 + static_cast<int>(rnd.Below(30)); n > 0; --n) {
        seconds += rnd.Below(3);
        std::snprintf(line, sizeof line, "2026-05-11 %02u:%02u:%02u ", seconds / 3600 % 24, seconds / 60 % 60,
                      seconds % 60);
        out += line;
        std::snprintf(line, sizeof line, messages[rnd.Below(6)], Word(rnd).c_str());
        out += line;
        out += "\r\n";
    }
}

void CsvRows(Random& rnd, std::string& out) {
    char row[120];
    for (int n = 10 + static_cast<int>(rnd.Below(40)); n > 0; --n) {
        std::snprintf(row, sizeof row, "%u;%s;%u,00;%u;%s\r\n", rnd.Below(50), Word(rnd).c_str(),
                      rnd.Below(100), rnd.Below(10) * 100, rnd.Below(2) ? "ja" : "nein");
        out += row;
    }
}

void Binary(Random& rnd, std::string& out) {
    // Records of small integers, mostly zero bytes, as in program files.
    for (int n = 64 + static_cast<int>(rnd.Below(512)); n > 0; --n) {
        uint32_t v = rnd.Below(4) ? rnd.Below(256) : rnd.Next();
        for (int k = 0; k < 4; ++k)
            out.push_back(static_cast<char>(v >> (8 * k)));
    }
}

std::string MakeCorpus() {
    Random rnd;
    Prose prose(rnd);
    std::string out;
    out.reserve(CorpusSize + 4096);
    while (out.size() < CorpusSize) {
        uint32_t kind = rnd.Below(20);
        if (kind < 9)
            prose.Paragraph(out);
        else if (kind < 15)
            LogLines(rnd, out);
        else if (kind < 19)
            CsvRows(rnd, out);
        else
            Binary(rnd, out);
    }
    out.resize(CorpusSize);
    return out;
}

// Processor seconds used so far by this program and by the children it has waited for.
// Other programs on a busy machine then hardly change the figures. Windows has no gzip to
// compare with, and gets wall-clock time.
double CpuSeconds() {
#ifdef _WIN32
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#else
    double seconds = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& t : {usage.ru_utime, usage.ru_stime})
            seconds += static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    }
    return seconds;
#endif
}

// The best of a few runs, in seconds.
template <class Work> double Time(Work&& work) {
    double best = 1e9;
    for (int run = 0; run < Runs; ++run) {
        double start = CpuSeconds();
        work();
        best = std::min(best, CpuSeconds() - start);
    }
    return best;
}

double MiBPerSecond(double seconds) {
    return CorpusSize / 1048576.0 / seconds;
}

void PrintRow(const char* what, double seconds, size_t size) {
    std::printf("%-14s %8.3f s %8.1f MiB/s", what, seconds, MiBPerSecond(seconds));
    if (size) std::printf(" %10zu bytes %6.2f %%", size, 100.0 * size / CorpusSize);
    std::printf("\n");
}

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TEMP");
    if (!dir) dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/" + name;
}

} // namespace

void RunBench() {
    std::string corpus = MakeCorpus();
    std::printf("corpus: %zu bytes of generated text, log lines, CSV and binary records; best of %d runs\n",
                corpus.size(), Runs);
#ifndef _WIN32
    std::printf("times are processor time (user + system), gzip's including its start and file I/O\n");
#endif
    std::string container;
    double compress = Time([&] { container = PackContainer(corpus); });
    std::string expanded;
    double decode = Time([&] { expanded = UnpackContainer(container); });
    if (expanded != corpus) throw Exception("bench: the expanded corpus differs from the original");
    PrintRow("lzh compress", compress, container.size());
    PrintRow("lzh decode", decode, 0);

    // gzip as a separate program: its times include starting it and its file I/O.
    std::string plain = TempPath("setuppack-bench.dat"), packed = plain + ".gz";
#ifdef _WIN32
    const char* discard = "NUL";
#else
    const char* discard = "/dev/null";
#endif
    SaveFile(plain, corpus);
    std::string gzip = "gzip -6 -c \"" + plain + "\" > \"" + packed + "\"";
    std::string gunzip = "gzip -d -c \"" + packed + "\" > " + discard;
    bool haveGzip = std::system(gzip.c_str()) == 0;
    if (haveGzip) {
        double gzipTime = Time([&] { std::system(gzip.c_str()); });
        double gunzipTime = Time([&] { std::system(gunzip.c_str()); });
        PrintRow("gzip -6", gzipTime, LoadFile(packed).size());
        PrintRow("gzip -d", gunzipTime, 0);
        std::printf("compress / gzip -6: %.2f   decode / gzip -d: %.2f\n", compress / gzipTime,
                    decode / gunzipTime);
    } else {
        std::printf("gzip: not available, no yardstick\n");
    }
    std::remove(plain.c_str());
    std::remove(packed.c_str());
}
