// Document reader benchmarks, each beside a baseline measured in the same run.
// At the end the ratios are printed next to their targets.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <string_view>

#include "RatioReporter.h"
#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"
#include "support/QbxWriter.h"

using namespace qbx;
using namespace qbx::testing;

namespace {

constexpr int kNodes = 1000000;
constexpr size_t kAttachmentBytes = 50u << 20;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("qbxbench-" + std::to_string(getpid()) + "-" + name)).string();
}

struct BigDocument {
    std::string path = TempPath("nodes.qbx");
    WLayout layout;
    BigDocument() {
        WDocument doc;
        // NOT key = 0: the stored text equals the plain text, so the baseline
        // can split the very bytes on disk while the reader still does its XOR.
        doc.catalogKey = 0xFFFFFFFF;
        doc.nodes.reserve(kNodes);
        for (int i = 0; i < kNodes; ++i)
            doc.nodes.push_back({.title = "Node number " + std::to_string(i), .depth = i % 4});
        WriteFile(path, BuildDocument(doc, &layout));
    }
    ~BigDocument() { std::filesystem::remove(path); }
};

// Text-like content: words drawn from a small vocabulary compress about 3:1.
std::string TextContent(size_t size) {
    static const char* words[] = {"the ",      "reader ", "opens ", "a ",     "document ", "of ",       "many ",
                                  "articles ", "and ",    "shows ", "their ", "bodies ",   "attached ", "files ",
                                  "quickly ",  "\r\n",    "书 ",    "文章 ",  "附件 ",     "检索 "};
    std::mt19937 rng(42);
    std::string s;
    s.reserve(size + 16);
    while (s.size() < size) s += words[rng() % std::size(words)];
    s.resize(size);
    return s;
}

struct AttachmentDocument {
    std::string path = TempPath("attachment.qbx");
    std::string content = TextContent(kAttachmentBytes);
    std::string zlibStream;  // the same stream the document holds, for the baseline
    WLayout layout;
    AttachmentDocument() {
        WDocument doc;
        WNode n{.title = "big"};
        n.attachments = {{.name = "big.txt", .content = content}};
        doc.nodes.push_back(n);
        WriteFile(path, BuildDocument(doc, &layout));
        zlibStream = CompressedBlock(content).substr(4);
    }
    ~AttachmentDocument() { std::filesystem::remove(path); }
};

BigDocument& Big() {
    static BigDocument d;
    return d;
}
AttachmentDocument& Attachment() {
    static AttachmentDocument d;
    return d;
}

void OpenDocument(benchmark::State& state) {
    for (auto _ : state) {
        TQbxObject doc(Big().path, 0);
        std::vector<uint8_t> text, entries;
        doc.ReadCatalog(text, entries);
        TQbxCatalog catalog = BuildCatalog(std::move(text), entries);
        benchmark::DoNotOptimize(catalog.Nodes.data());
        if (catalog.Count() != kNodes) state.SkipWithError("wrong node count");
    }
}

void OpenBaseline_ReadAndSplitLines(benchmark::State& state) {
    const int64_t pos = Big().layout.catalogPos;
    const int64_t size = static_cast<int64_t>(std::filesystem::file_size(Big().path)) - pos;
    for (auto _ : state) {
        const int fd = open(Big().path.c_str(), O_RDONLY);
        std::vector<char> bytes(static_cast<size_t>(size));
        if (pread(fd, bytes.data(), bytes.size(), pos) != size) state.SkipWithError("short read");
        close(fd);
        std::vector<std::string_view> lines;
        std::string_view rest(bytes.data() + 20, static_cast<size_t>(size - 20 - 8 * int64_t{kNodes}));
        while (!rest.empty()) {
            const size_t end = rest.find("\r\n");
            lines.push_back(rest.substr(0, end));
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 2);
        }
        benchmark::DoNotOptimize(lines.data());
    }
}

void ReadAllRecords(benchmark::State& state) {
    TQbxObject doc(Big().path, 0);
    for (auto _ : state)
        for (int32_t pos : Big().layout.nodePos) {
            doc.ReadNode(pos);
            benchmark::DoNotOptimize(doc.Node.Keyword[0]);
        }
}

void ReadAllRecordsBaseline_PlainReads(benchmark::State& state) {
    const int fd = open(Big().path.c_str(), O_RDONLY);
    uint8_t record[kNodeRecordSize];
    for (auto _ : state)
        for (int32_t pos : Big().layout.nodePos) {
            if (pread(fd, record, sizeof record, pos) != sizeof record) state.SkipWithError("short read");
            benchmark::DoNotOptimize(record[36]);
        }
    close(fd);
}

void ExtractAttachment50MB(benchmark::State& state) {
    TQbxObject doc(Attachment().path, 0);
    const auto items = doc.LoadAttachmentList(Attachment().layout.attachPos[0]);
    for (auto _ : state) {
        std::vector<uint8_t> data = doc.ExtractAttachmentData(items[0]);
        if (data.size() != kAttachmentBytes) state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kAttachmentBytes));
}

void ExtractBaseline_ZlibInMemory(benchmark::State& state) {
    const std::string& z = Attachment().zlibStream;
    for (auto _ : state) {
        std::vector<uint8_t> out(kAttachmentBytes);
        uLongf len = out.size();
        if (uncompress(out.data(), &len, reinterpret_cast<const Bytef*>(z.data()), z.size()) != Z_OK)
            state.SkipWithError("zlib failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kAttachmentBytes));
}

BENCHMARK(OpenDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenBaseline_ReadAndSplitLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAllRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAllRecordsBaseline_PlainReads)->Unit(benchmark::kMillisecond);
BENCHMARK(ExtractAttachment50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(ExtractBaseline_ZlibInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Big();  // build the documents before anything is timed
    Attachment();
    RatioReporter reporter;
    RunWithRatios(reporter);
    reporter.PrintRatio("open 1,000,000 nodes", "OpenDocument", "OpenBaseline_ReadAndSplitLines", "target <= 2x");
    reporter.PrintRatio("read 1,000,000 node records", "ReadAllRecords", "ReadAllRecordsBaseline_PlainReads",
                        "target <= 1.5x");
    reporter.PrintRatio("extract a 50 MB attachment", "ExtractAttachment50MB", "ExtractBaseline_ZlibInMemory",
                        "target <= 0.67x, i.e. >= 1.5x zlib's throughput");
    benchmark::Shutdown();
    return 0;
}
