// Text engine benchmarks, each beside a baseline measured in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include "RatioReporter.h"
#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"
#include "support/QbxWriter.h"
#include "text/BodyText.h"
#include "text/CodePageText.h"
#include "text/TextSearch.h"

extern char** environ;

using namespace qbx;
using namespace qbx::testing;

namespace {

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("qbxbench-" + std::to_string(getpid()) + "-" + name)).string();
}

// Chinese prose with some English, as code page 936 bytes.
std::string Prose(size_t bytes, uint32_t seed) {
    static const std::vector<std::string> words = {
        Gbk("床前明月光"), Gbk("疑是地上霜"), Gbk("举头望"), Gbk("低头思故乡"), Gbk("文章"), Gbk("阅读"),
        Gbk("，"),         Gbk("。"),         "the ",        "reader ",         "document ", "2004 "};
    std::mt19937 rng(seed);
    std::string s;
    s.reserve(bytes + 32);
    while (s.size() < bytes) s += words[rng() % words.size()];
    return s;
}

// RTF as rich edit writes it: the Chinese bytes as \'hh escapes, paragraphs,
// some bold and colour.
std::string RtfBody(size_t bytes, uint32_t seed) {
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    const std::string prose = Prose(bytes / 3, seed);
    rtf.reserve(bytes + 1024);
    size_t sinceBreak = 0;
    for (unsigned char c : prose) {
        if (c >= 0x80) {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\'%02x", c);
            rtf += buf;
        } else {
            rtf += static_cast<char>(c);
        }
        if (++sinceBreak > 300 && c == ' ') {
            rtf += (sinceBreak % 2) ? "\\par\r\n" : "{\\b\\cf1 note}\\par\r\n";
            sinceBreak = 0;
        }
        if (rtf.size() >= bytes) break;
    }
    return rtf + "\\par\r\n}\r\n";
}

struct RtfFile {
    std::string path = TempPath("body.rtf");
    std::string rtf = RtfBody(10u << 20, 1);
    RtfFile() { WriteFile(path, rtf); }
    ~RtfFile() { std::filesystem::remove(path); }
};

RtfFile& Rtf() {
    static RtfFile f;
    return f;
}

void DisplayedTextOf10MBRtf(benchmark::State& state) {
    for (auto _ : state) {
        const QString text = BodyDisplayedText(Rtf().rtf);
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Rtf().rtf.size()));
}

void DisplayedTextBaseline_Unrtf(benchmark::State& state) {
    if (access("/usr/bin/unrtf", X_OK) != 0) return state.SkipWithError("unrtf is not installed");
    for (auto _ : state) {
        pid_t pid;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const char* argv[] = {"unrtf", "--text", Rtf().path.c_str(), nullptr};
        if (posix_spawn(&pid, "/usr/bin/unrtf", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            return state.SkipWithError("cannot start unrtf");
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Rtf().rtf.size()));
}

// 2,000 nodes with 200 MB of bodies: compressed RTF, compressed plain text and
// scrambled plain text in turn.
struct SearchDocument {
    std::string path = TempPath("search.qbx");
    TQbxCatalog catalog;
    SearchDocument() {
        WDocument doc;
        for (int i = 0; i < 2000; ++i) {
            const size_t size = 100 * 1024;
            WNode n{.title = "node " + std::to_string(i)};
            switch (i % 3) {
            case 0:
                n.contentFormat = 3, n.body = RtfBody(size, i);
                break;
            case 1:
                n.contentFormat = 4, n.body = Prose(size, i);
                break;
            default:
                n.contentFormat = 0, n.body = Prose(size, i);
                break;
            }
            doc.nodes.push_back(std::move(n));
        }
        WriteFile(path, BuildDocument(doc));
        TQbxObject reader(path, 0);
        std::vector<uint8_t> text, entries;
        reader.ReadCatalog(text, entries);
        catalog = BuildCatalog(text, entries);
    }
    ~SearchDocument() { std::filesystem::remove(path); }
};

SearchDocument& Search() {
    static SearchDocument d;
    return d;
}

void FullTextSearch200MB(benchmark::State& state) {
    TQbxObject doc(Search().path, 0);
    const QString absent = QString::fromUtf8("不在其中的词");
    for (auto _ : state) {
        const auto hits = SearchBodies(doc, Search().catalog, absent, 0, Search().catalog.Count());
        if (!hits.empty()) state.SkipWithError("found an absent word");
    }
}

void FullTextBaseline_InflateAndDecode(benchmark::State& state) {
    TQbxObject doc(Search().path, 0);
    std::vector<uint8_t> body;
    for (auto _ : state)
        for (const TCatalogNode& n : Search().catalog.Nodes) {
            doc.ReadNode(n.NodePos);
            body.clear();
            doc.ReadNodeContent(body);
            const QString text =
                Cp936ToUnicode(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
            benchmark::DoNotOptimize(text.constData());
        }
}

BENCHMARK(DisplayedTextOf10MBRtf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DisplayedTextBaseline_Unrtf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FullTextSearch200MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FullTextBaseline_InflateAndDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Rtf();  // build the inputs before anything is timed
    Search();
    RatioReporter reporter;
    RunWithRatios(reporter);
    reporter.PrintRatio("displayed text of a 10 MB RTF body", "DisplayedTextOf10MBRtf", "DisplayedTextBaseline_Unrtf",
                        "target <= 0.1x, i.e. >= 10x unrtf's throughput");
    reporter.PrintRatio("full-text search over 200 MB of bodies", "FullTextSearch200MB",
                        "FullTextBaseline_InflateAndDecode", "target <= 2x");
    benchmark::Shutdown();
    return 0;
}
