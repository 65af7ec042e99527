// Test-document writer: builds documents node by node with every stored field
// settable, including the damaged and unusual ones, so a test states its
// fixture in a few lines. Test code only; the reader never writes documents.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qbx::testing {

struct WAttachment {
    std::string name;     // code page 936 bytes, any length up to 255
    std::string content;  // the file's bytes
    double saveTime = 45000.5;
    uint32_t key = 0x1234ABCD;
    std::optional<int32_t> size;  // stored Size; defaults to content.size()
    // Replaces the whole data block payload (after its i32 length) when set:
    // the bytes are stored as given, not compressed or scrambled.
    std::optional<std::string> rawBlock;
};

struct WNode {
    std::string title;  // code page 936 bytes
    int depth = 0;      // leading TABs of the catalog line
    int32_t icon = 2;
    int32_t contentFormat = 0;              // 0-2 scrambled, 3-4 compressed, other stored as is
    std::optional<std::string> body;        // nothing: ContentFlag 0
    std::string author, keyword, password;  // at most 16, 52, 12 bytes
    double pubDate = 45000.25;
    uint32_t key = 0x5A5A1234;
    std::vector<WAttachment> attachments;
    std::optional<int32_t> contentFlag;       // overrides the flag the body implies
    std::optional<std::string> rawBodyBlock;  // body payload as stored, after its i32 length
    std::optional<int32_t> bodyLength;        // overrides the stored i32 length
};

struct WDocument {
    std::vector<WNode> nodes;
    std::string password, author;  // at most 12, 16 bytes
    double buildDate = 44000.5, editDate = 45100.75;
    uint32_t headerKey = 0xC0FFEE11;
    uint32_t catalogKey = 0x0BADF00D;
    int32_t bookmarks[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::optional<std::string> catalogText;  // replaces the joined lines (plain, before scrambling)
    std::optional<int32_t> entryCount;       // overrides the stored count
    std::string lineEnd = "\r\n";
};

// Where the writer put things, for tests that damage a document on purpose.
struct WLayout {
    int32_t catalogPos = 0;
    std::vector<int32_t> nodePos;
    std::vector<int32_t> attachPos;             // 0 when the node has none
    std::vector<std::vector<int32_t>> dataPos;  // per node, per attachment
};

std::string BuildDocument(const WDocument& doc, WLayout* layout = nullptr);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// zlib-compressed block: u32 length, then the zlib stream.
std::string CompressedBlock(const std::string& content, int level = 6);
void ScrambleBytes(uint32_t key, std::string& bytes);

// UTF-8 source text to the code page 936 bytes documents hold.
std::string Gbk(const std::string& utf8);

}  // namespace qbx::testing
