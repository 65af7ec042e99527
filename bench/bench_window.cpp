// The window's own costs, each beside the bare operation in the same run:
// opening a 1,000,000-node document until the tree is shown, and showing a
// node with a 5 MB RTF body until its first screen is drawn.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "BenchCorpus.h"
#include "RatioReporter.h"
#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"
#include "readbook/QbxSlider.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "support/QbxWriter.h"
#include "text/BodyText.h"
#include "text/TextSearch.h"

using namespace qbx;
using namespace qbx::testing;

namespace {

QTemporaryDir* folder;

// Runs `work` in a child process and waits for it.
void InChild(const std::function<void()>& work) {
    const pid_t pid = fork();
    if (pid == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
}

std::string BigDocument() {
    static const std::string path = [] {
        const std::string p = folder->filePath("nodes.qbx").toStdString();
        InChild([&] {
            WDocument doc;
            doc.nodes.reserve(1000000);
            for (int i = 0; i < 1000000; ++i)
                doc.nodes.push_back({.title = "Node number " + std::to_string(i), .depth = i % 4});
            WriteFile(p, BuildDocument(doc));
        });
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
        InChild([&] {
            WDocument doc;
            doc.nodes.push_back({.title = "rtf", .contentFormat = 3, .body = RtfBody()});
            WriteFile(p, BuildDocument(doc));
        });
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

// Title search over a million titles: the window's search against a plain
// substring loop over the same titles lower-cased beforehand.
void TitleSearchBaseline_Memmem(benchmark::State& state) {
    TQbxObject doc(BigDocument(), 0);
    std::vector<uint8_t> text, entries;
    doc.ReadCatalog(text, entries);
    const TQbxCatalog catalog = BuildCatalog(std::move(text), entries);
    std::vector<std::string> lowered;
    for (int i = 0; i < catalog.Count(); ++i) {
        std::string t(catalog.Title(i));
        for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        lowered.push_back(std::move(t));
    }
    const std::string needle = "number 99999";
    for (auto _ : state) {
        int hits = 0;
        for (const std::string& t : lowered)
            hits += memmem(t.data(), t.size(), needle.data(), needle.size()) != nullptr;
        benchmark::DoNotOptimize(hits);
    }
}

void TitleSearchInWindow1MNodes(benchmark::State& state) {
    TQbxForm form(folder->filePath("qbx.ini"));
    form.OpenDocument(QString::fromStdString(BigDocument()), 0);
    form.SearchTrackBar->setValue(0);
    form.Edit1->setEditText(QStringLiteral("NUMBER 99999"));
    for (auto _ : state) form.GoSpeedBtnClick();
    form.CloseDocument();
}

// The full-text search of the text engine's benchmark, through the window's search.
bench::SearchDocument& Corpus() {
    static bench::SearchDocument d;
    return d;
}

void FullTextSearchEngine(benchmark::State& state) {
    TQbxObject doc(Corpus().path, 0);
    const QString absent = QString::fromUtf8("不在其中的词");
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchBodies(doc, Corpus().catalog, absent, 0, Corpus().catalog.Count()).size());
}

void FullTextSearchInWindow(benchmark::State& state) {
    TQbxForm form(folder->filePath("qbx.ini"));
    form.OpenDocument(QString::fromStdString(Corpus().path), 0);
    form.SearchTrackBar->setValue(3);
    form.Edit1->setEditText(QString::fromUtf8("不在其中的词"));
    for (auto _ : state) form.GoSpeedBtnClick();
    form.CloseDocument();
}

// Read-book mode on a 1920 x 1080 surface: one tick against a full page redraw.
struct ReadBook {
    std::unique_ptr<TQbxForm> form;
    std::unique_ptr<TSliderForm> slider;
    explicit ReadBook(TColumnKind kind) {
        form = std::make_unique<TQbxForm>(folder->filePath("qbx.ini"));
        QStringList lines;
        for (int i = 0; i < 2000; ++i)
            lines << QStringLiteral("第%1行 a line of text to read in read-book mode").arg(i);
        slider = std::make_unique<TSliderForm>(lines.join('\n'), *form->AppIni, QSize(1920, 1080), nullptr, kind);
        slider->show();
        QCoreApplication::processEvents();
    }
};

template <TColumnKind kind>
void ReadBookFullRedraw(benchmark::State& state) {
    ReadBook r(kind);
    for (auto _ : state) {
        r.slider->DrawPage();  // what a jump does: the whole page from the state
        QCoreApplication::processEvents();
    }
}

template <TColumnKind kind>
void ReadBookTick(benchmark::State& state) {
    ReadBook r(kind);
    for (auto _ : state) {
        r.slider->Tick();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(ReadBookFullRedraw<TColumnKind::Windows>)
    ->Name("ReadBookFullRedraw")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(ReadBookTick<TColumnKind::Windows>)->Name("ReadBookTick")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(ReadBookFullRedraw<TColumnKind::Widget>)
    ->Name("ReadBookFullRedrawWidget")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(ReadBookTick<TColumnKind::Widget>)->Name("ReadBookTickWidget")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(FullTextSearchEngine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FullTextSearchInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TitleSearchBaseline_Memmem)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TitleSearchInWindow1MNodes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenBare1MNodes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenInWindow1MNodes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RtfToText5MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ShowRtfNode5MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peak memory of one operation, measured in a child process of its own. The
// documents are written by children too, so no child inherits a large heap.
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
    // Peak memory first, in children that start from the same small state.
    const long bare = PeakKiB([] { BareOpen(); });
    const long window = PeakKiB([&] {
        QApplication app(argc, argv);
        TQbxForm form(folder->filePath("qbx.ini"));
        form.show();
        OpenInWindow(form);
    });
    Corpus();
    QApplication app(argc, argv);
    RatioReporter reporter;
    RunWithRatios(reporter);
    reporter.PrintRatio("open 1,000,000 nodes in the window", "OpenInWindow1MNodes", "OpenBare1MNodes", "target <= 3x");
    reporter.PrintRatio("show a node with a 5 MB RTF body", "ShowRtfNode5MB", "RtfToText5MB", "target <= 3x");
    reporter.PrintRatio("a read-book tick (1920 x 1080)", "ReadBookTick", "ReadBookFullRedraw", "target <= 0.1x");
    reporter.PrintRatio("the same without child windows (Wayland)", "ReadBookTickWidget", "ReadBookFullRedrawWidget",
                        "no target: every pixel is copied");
    reporter.PrintRatio("full-text search through the window", "FullTextSearchInWindow", "FullTextSearchEngine",
                        "target <= 1.5x");
    reporter.PrintRatio("title search over 1,000,000 titles", "TitleSearchInWindow1MNodes",
                        "TitleSearchBaseline_Memmem", "target <= 1.5x");
    std::printf("%-44s %6.3fx the bare open's peak memory (%ld KiB vs %ld KiB; target <= 2x)\n",
                "peak memory of the window's open", static_cast<double>(window) / static_cast<double>(bare), window,
                bare);
    CurrentDocument.reset();
    delete folder;
    benchmark::Shutdown();
    return 0;
}
