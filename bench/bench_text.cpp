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

#include "BenchCorpus.h"
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
using namespace qbx::bench;

namespace {

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
