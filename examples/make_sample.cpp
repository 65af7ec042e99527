// Writes a real-looking sample document: Chinese and English articles, RTF and
// plain bodies, folders three levels deep, an HTML page with a picture beside
// it, a node with a password ("quire"), a recycle bin and two bookmarks.
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "support/QbxWriter.h"

using namespace qbx::testing;

namespace {

// RTF with the Chinese text as \'hh escapes of its code page 936 bytes.
std::string Rtf(const std::string& utf8Paragraphs) {
    std::string body;
    for (unsigned char c : Gbk(utf8Paragraphs)) {
        char buf[8];
        if (c == '\n') {
            body += "\\par\r\n";
        } else if (c >= 0x80) {
            std::snprintf(buf, sizeof buf, "\\'%02x", c);
            body += buf;
        } else if (c == '\\' || c == '{' || c == '}') {
            body += '\\';
            body += static_cast<char>(c);
        } else {
            body += static_cast<char>(c);
        }
    }
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
           "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           body + "\\par\r\n}\r\n";
}

std::string Crlf(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return Gbk(out);
}

void PutBe32(std::string& s, uint32_t v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
}

std::string PngChunk(const char* type, const std::string& data) {
    std::string c;
    PutBe32(c, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    c += body;
    PutBe32(c, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
    return c;
}

// A 48 x 48 RGB picture: a blue sky over green hills.
std::string Picture() {
    const int w = 48, h = 48;
    std::string raw;
    for (int y = 0; y < h; ++y) {
        raw += '\0';
        for (int x = 0; x < w; ++x) {
            const bool hill = y > 30 + 6 * std::sin(x / 6.0);
            raw += static_cast<char>(hill ? 40 : 90);
            raw += static_cast<char>(hill ? 160 : 150);
            raw += static_cast<char>(hill ? 60 : 230);
        }
    }
    uLongf len = compressBound(raw.size());
    std::string z(len, '\0');
    compress(reinterpret_cast<Bytef*>(z.data()), &len, reinterpret_cast<const Bytef*>(raw.data()), raw.size());
    z.resize(len);
    std::string ihdr;
    PutBe32(ihdr, w);
    PutBe32(ihdr, h);
    ihdr += std::string("\x08\x02\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", z) + PngChunk("IEND", "");
}

WNode Folder(const std::string& title, int depth) { return WNode{.title = Gbk(title), .depth = depth, .icon = 1}; }

WNode Text(const std::string& title, int depth, int format, const std::string& body) {
    return WNode{.title = Gbk(title), .depth = depth, .icon = 2, .contentFormat = format, .body = body};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sample OUTPUT.qbx\n";
        return 1;
    }
    WDocument doc;
    doc.author = Gbk("书斋");
    doc.buildDate = 38000.4;  // 2004
    doc.editDate = 39500.75;

    WNode poems = Folder("唐诗选读", 0);
    WNode libai = Folder("李白", 1);
    WNode jingye = Text("静夜思", 2, 2, Rtf("床前明月光，\n疑是地上霜。\n举头望明月，\n低头思故乡。"));
    jingye.author = Gbk("李白");
    jingye.keyword = Gbk("思乡 月亮 moon");
    WNode early = Folder("早期作品", 2);
    WNode emei =
        Text("峨眉山月歌", 3, 3, Crlf("峨眉山月半轮秋，\n影入平羌江水流。\n夜发清溪向三峡，\n思君不见下渝州。\n"));
    emei.keyword = Gbk("峨眉 月");
    WNode dufu = Folder("杜甫", 1);
    WNode chunwang = Text("春望", 2, 0, Crlf("国破山河在，城春草木深。\n感时花溅泪，恨别鸟惊心。\n"));
    chunwang.author = Gbk("杜甫");

    WNode notes = Folder("Reading notes", 0);
    WNode english = Text("On reading slowly", 1, 4,
                         Crlf("Read slowly, and read again.\nA good book is a conversation across the years.\n"
                              "Search for \"moon\" to find the poems that mention it.\n"));
    english.author = "Editor";
    english.keyword = "reading habit";
    WNode mixed = Text("English and 中文 mixed", 1, 2,
                       Rtf("This article mixes English and Chinese.\n中文与English混排，检验字体与换行。"));

    WNode page = WNode{.title = Gbk("网页：山水"), .depth = 1, .icon = 3};
    page.attachments = {
        {.name = "index.htm",
         .content = Gbk("<html><head><meta charset=\"gb2312\"><title>山水</title></head><body>"
                        "<h1>山水</h1><p>青山绿水，一幅小画。</p><img src=\"hills.png\" width=\"192\"></body></html>"),
         .saveTime = 38001.5},
        {.name = "hills.png", .content = Picture(), .saveTime = 38001.5},
    };
    WNode secret = Text("私人笔记（密码 quire）", 1, 1,
                        Crlf("这是一篇受密码保护的笔记。\nThis note is protected by a password.\n"));
    secret.password = "quire";
    secret.attachments = {{.name = "note.txt", .content = "attached to a protected node\r\n"}};

    WNode bin = WNode{.title = Gbk("回收站"), .depth = 0, .icon = 70};
    WNode deleted = Text("已删除的文章", 1, 0, Crlf("这篇文章在回收站里。\n"));

    doc.nodes = {poems, libai, jingye, early, emei, dufu, chunwang, notes, english, mixed, page, secret, bin, deleted};
    doc.bookmarks[0] = 2;  // 静夜思
    doc.bookmarks[1] = 8;  // On reading slowly
    WriteFile(argv[1], BuildDocument(doc));
    return 0;
}
