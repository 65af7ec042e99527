#include "QbxWriter.h"

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "document/Descramble.h"
#include "text/Cp936.h"

namespace qbx::testing {
namespace {

class Out {
public:
    std::string bytes;
    int32_t pos() const { return static_cast<int32_t>(bytes.size()); }
    template <typename T>
    void put(T v) {
        char b[sizeof v];
        std::memcpy(b, &v, sizeof v);
        bytes.append(b, sizeof v);
    }
    template <typename T>
    void putAt(size_t at, T v) {
        std::memcpy(bytes.data() + at, &v, sizeof v);
    }
    void raw(const std::string& s) { bytes += s; }
    // A fixed-width field, NUL-padded (a value of the full width has no NUL).
    void field(const std::string& s, size_t width, uint32_t key, int words) {
        if (s.size() > width) throw std::invalid_argument("field too long: " + s);
        std::string f = s;
        f.resize(width, '\0');
        Descramble(key, reinterpret_cast<uint8_t*>(f.data()), words);
        raw(f);
    }
};

void WriteAttachments(Out& o, const WNode& n, WLayout& l) {
    std::vector<int32_t> positions;
    for (const WAttachment& a : n.attachments) {
        positions.push_back(o.pos());
        std::string block = a.rawBlock ? *a.rawBlock : CompressedBlock(a.content);
        if (!a.rawBlock) ScrambleBytes(a.key, block);
        o.put<int32_t>(static_cast<int32_t>(block.size()));
        o.raw(block);
    }
    l.dataPos.push_back(positions);
    if (n.attachments.empty()) {
        l.attachPos.push_back(0);
        return;
    }
    l.attachPos.push_back(o.pos());
    o.put<int32_t>(static_cast<int32_t>(n.attachments.size()));
    for (size_t i = 0; i < n.attachments.size(); ++i) {
        const WAttachment& a = n.attachments[i];
        if (a.name.size() > 255) throw std::invalid_argument("attachment name over 255 bytes");
        o.put<uint8_t>(static_cast<uint8_t>(a.name.size()));
        std::string name = a.name;
        ScrambleBytes(a.key, name);
        o.raw(name);
        o.put<double>(a.saveTime);
        o.put<uint32_t>(a.key);
        o.put<int32_t>(a.size.value_or(static_cast<int32_t>(a.content.size())));
        o.put<int32_t>(positions[i]);
        o.put<uint32_t>(0);
    }
}

void WriteNode(Out& o, const WNode& n, WLayout& l) {
    WriteAttachments(o, n, l);
    l.nodePos.push_back(o.pos());
    const bool hasBody = n.body.has_value() || n.rawBodyBlock.has_value();
    o.put<int32_t>(n.contentFormat);
    o.field(n.author, 16, n.key, 4);
    o.put<double>(n.pubDate);
    o.put<uint32_t>(n.key);
    o.put<int32_t>(n.contentFlag.value_or(hasBody ? 1 : 0));
    o.field(n.keyword, 52, n.key, 13);
    o.field(n.password, 12, n.key, 3);
    o.put<int32_t>(l.attachPos.back());
    if (!hasBody) return;
    std::string block;
    if (n.rawBodyBlock) {
        block = *n.rawBodyBlock;
    } else if (n.contentFormat >= 0 && n.contentFormat <= 2) {
        block = *n.body;
        ScrambleBytes(n.key, block);
    } else if (n.contentFormat == 3 || n.contentFormat == 4) {
        block = CompressedBlock(*n.body);
    } else {
        block = *n.body;
    }
    o.put<int32_t>(n.bodyLength.value_or(static_cast<int32_t>(block.size())));
    o.raw(block);
}

}  // namespace

std::string CompressedBlock(const std::string& content, int level) {
    uLongf len = compressBound(content.size());
    std::string out(len, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(content.data()),
                  content.size(), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(len);
    std::string block(4, '\0');
    const uint32_t n = static_cast<uint32_t>(content.size());
    std::memcpy(block.data(), &n, 4);
    return block + out;
}

void ScrambleBytes(uint32_t key, std::string& bytes) {
    Descramble(key, reinterpret_cast<uint8_t*>(bytes.data()), static_cast<int64_t>(bytes.size() / 4));
}

std::string BuildDocument(const WDocument& doc, WLayout* layoutOut) {
    WLayout l;
    Out o;
    o.bytes.assign(120, '\0');
    for (const WNode& n : doc.nodes) WriteNode(o, n, l);

    l.catalogPos = o.pos();
    std::string text;
    if (doc.catalogText) {
        text = *doc.catalogText;
    } else {
        for (size_t i = 0; i < doc.nodes.size(); ++i) {
            if (i) text += doc.lineEnd;
            text += std::string(static_cast<size_t>(doc.nodes[i].depth), '\t') + doc.nodes[i].title;
        }
    }
    ScrambleBytes(doc.catalogKey, text);
    o.put<uint32_t>(0);
    o.put<uint32_t>(doc.catalogKey);
    o.put<int32_t>(doc.entryCount.value_or(static_cast<int32_t>(doc.nodes.size())));
    o.put<int32_t>(static_cast<int32_t>(text.size()));
    o.put<uint32_t>(0);
    o.raw(text);
    for (size_t i = 0; i < doc.nodes.size(); ++i) {
        o.put<int32_t>(l.nodePos[i]);
        o.put<int32_t>(doc.nodes[i].icon);
    }

    Out h;
    h.put<uint32_t>(0);
    h.put<uint32_t>(0);
    h.put<int32_t>(l.catalogPos);
    h.put<double>(doc.editDate);
    h.put<uint32_t>(doc.headerKey);
    h.field(doc.password, 12, doc.headerKey, 3);
    h.field(doc.author, 16, doc.headerKey, 4);
    h.put<double>(doc.buildDate);
    h.put<uint32_t>(0);
    h.raw(std::string("qbxtest\0", 8));
    h.put<uint32_t>(3);
    for (int32_t b : doc.bookmarks) h.put<int32_t>(b);
    h.put<uint32_t>(0);
    o.bytes.replace(0, 120, h.bytes);
    if (layoutOut) *layoutOut = std::move(l);
    return o.bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Gbk(const std::string& utf8) {
    bool lossy = false;
    std::string s = Utf8ToCp936(utf8, &lossy);
    if (lossy) throw std::invalid_argument("not representable in code page 936: " + utf8);
    return s;
}

}  // namespace qbx::testing
