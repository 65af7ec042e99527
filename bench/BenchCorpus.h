// Documents and bodies the benchmarks share.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"
#include "support/QbxWriter.h"

namespace qbx::bench {

using namespace qbx::testing;

inline std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("qbxbench-" + std::to_string(getpid()) + "-" + name)).string();
}

// Chinese prose with some English, as code page 936 bytes.
inline std::string Prose(size_t bytes, uint32_t seed) {
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
inline std::string RtfBody(size_t bytes, uint32_t seed) {
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

}  // namespace qbx::bench
