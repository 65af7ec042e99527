// The window's own costs, each beside the bare operation in the same run:
// opening a 1,000,000-node document until the tree is shown, and showing a
// node with a 5 MB RTF body until its first screen is drawn.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>
#include <cstdio>
#include <filesystem>

#include "RatioReporter.h"
#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "support/QbxWriter.h"
#include "text/BodyText.h"

using namespace qbx;
using namespace qbx::testing;

namespace {

QTemporaryDir* folder;

std::string BigDocument() {
    static const std::string path = [] {
        const std::string p = folder->filePath("nodes.qbx").toStdString();
        WDocument doc;
        doc.nodes.reserve(1000000);
        for (int i = 0; i < 1000000; ++i)
            doc.nodes.push_back({.title = "Node number " + std::to_string(i), .depth = i % 4});
        WriteFile(p, BuildDocument(doc));
        return p;
    }();
    return path;
}

std::string RtfBody() {
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0\\fs20 ";
    while (rtf.size() < (5u << 20)) rtf += "\\'d4\\'c2\\'b9\\'e2 moonlight on the floor {\\b bold} words\\par\r\n";
    return rtf + "}";
}

std::string RtfDocument() {
    static const std::string path = [] {
        const std::string p = folder->filePath("rtf.qbx").toStdString();
        WDocument doc;
        doc.nodes.push_back({.title = "rtf", .contentFormat = 3, .body = RtfBody()});
        WriteFile(p, BuildDocument(doc));
        return p;
    }();
    return path;
}

void BareOpen() {
    TQbxObject doc(BigDocument(), 0);
    std::vector<uint8_t> text, entries;
    doc.ReadCatalog(text, entries);
    TQbxCatalog catalog = BuildCatalog(std::move(text), entries);
    benchmark::DoNotOptimize(catalog.Nodes.data());
}

void OpenInWindow(TQbxForm& form) {
    form.OpenDocument(QString::fromStdString(BigDocument()), 0);
    form.TreeView->viewport()->repaint();  // until the tree is shown
    form.CloseDocument();
}

void OpenBare1MNodes(benchmark::State& state) {
    for (auto _ : state) BareOpen();
}

void OpenInWindow1MNodes(benchmark::State& state) {
    TQbxForm form(QString::fromStdString(folder->filePath("qbx.ini").toStdString()));
    form.show();
    for (auto _ : state) OpenInWindow(form);
}

void RtfToText5MB(benchmark::State& state) {
    const std::string body = RtfBody();
    for (auto _ : state) benchmark::DoNotOptimize(BodyDisplayedText(body).size());
}

void ShowRtfNode5MB(benchmark::State& state) {
    TQbxForm form(folder->filePath("qbx.ini"));
    form.resize(800, 600);
    form.show();
    form.OpenDocument(QString::fromStdString(RtfDocument()), 0);
    for (auto _ : state) {
        form.SelectNode(0);
        form.RichEdit->viewport()->repaint();  // the first screen
        state.PauseTiming();
        form.TreeView->selectionModel()->clear();
        state.ResumeTiming();
    }
}

BENCHMARK(OpenBare1MNodes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenInWindow1MNodes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RtfToText5MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ShowRtfNode5MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peak memory of one operation, measured in a child process of its own.
long PeakKiB(const std::function<void()>& work) {
    const pid_t pid = fork();
    if (pid == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    folder = new QTemporaryDir;
    BigDocument();
    RtfDocument();
    // Peak memory first, in children that start from the same state.
    const long bare = PeakKiB([] { BareOpen(); });
    const long window = PeakKiB([&] {
        QApplication app(argc, argv);
        TQbxForm form(folder->filePath("qbx.ini"));
        form.show();
        OpenInWindow(form);
    });
    QApplication app(argc, argv);
    RatioReporter reporter;
    RunWithRatios(reporter);
    reporter.PrintRatio("open 1,000,000 nodes in the window", "OpenInWindow1MNodes", "OpenBare1MNodes", "target <= 3x");
    reporter.PrintRatio("show a node with a 5 MB RTF body", "ShowRtfNode5MB", "RtfToText5MB", "target <= 3x");
    std::printf("%-44s %6.3fx the bare open's peak memory (%ld KiB vs %ld KiB; target <= 2x)\n",
                "peak memory of the window's open", static_cast<double>(window) / static_cast<double>(bare), window,
                bare);
    CurrentDocument.reset();
    delete folder;
    benchmark::Shutdown();
    return 0;
}
