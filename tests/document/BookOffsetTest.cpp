// The same document bytes read as a plain file and appended behind an
// executable give the same results.
#include "document/BookOffset.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstring>

#include "document/QbxCatalog.h"
#include "document/QbxUnit.h"
#include "support/DocumentWalk.h"
#include "support/QbxWriter.h"
#include "support/TempDir.h"

namespace qbx {
namespace {

using namespace testing;

WDocument Sample() {
    WDocument doc;
    doc.author = "book";
    doc.bookmarks[0] = 1;
    WNode a{.title = "root", .icon = 1};
    WNode b{.title = "text", .depth = 1, .contentFormat = 4, .body = "compressed body", .keyword = "kw"};
    b.attachments = {{.name = "x.htm", .content = "<p>x</p>"}};
    doc.nodes = {a, b};
    return doc;
}

// Everything a reader sees, as one string to compare.
std::string Everything(TQbxObject& doc) {
    std::string s = doc.AuthorText() + "|" + std::to_string(doc.Header.Bookmarks[0]);
    std::vector<uint8_t> text, entries;
    doc.ReadCatalog(text, entries);
    const TQbxCatalog c = BuildCatalog(text, entries);
    for (int i = 0; i < c.Count(); ++i) {
        doc.ReadNode(c.Nodes[static_cast<size_t>(i)].NodePos);
        s += "|" + std::string(c.Title(i)) + ":" + FieldText(doc.Node.Keyword);
        if (doc.Node.ContentFlag == 1) {
            std::vector<uint8_t> body;
            doc.ReadNodeContent(body);
            s += ":" + std::string(body.begin(), body.end());
        }
        if (doc.Node.AttachPos)
            for (const auto& item : doc.LoadAttachmentList(doc.Node.AttachPos)) {
                const auto data = doc.ExtractAttachmentData(item);
                s += ":" + item.Name + "=" + std::string(data.begin(), data.end());
            }
    }
    return s;
}

TEST(BookOffsetTest, PlainDocumentsStartAtZero) {
    TempDir dir;
    const std::string path = dir.File("plain.qbx");
    WriteFile(path, BuildDocument(Sample()));
    EXPECT_EQ(BookDocumentOffset(path), std::nullopt);
    EXPECT_EQ(DocumentBaseOffset(path), 0);
    EXPECT_EQ(DocumentBaseOffset(dir.File("missing")), 0);
}

TEST(BookOffsetTest, ADocumentBehindOurOwnExecutableReadsTheSame) {
    TempDir dir;
    const std::string exe = ReadFileBytes("/proc/self/exe");
    const std::string docBytes = BuildDocument(Sample());
    const std::string plain = dir.File("plain.qbx"), book = dir.File("book");
    WriteFile(plain, docBytes);
    WriteFile(book, exe + docBytes);
    WriteFile(dir.File("exe"), exe);

    EXPECT_EQ(ElfImageEnd(dir.File("exe")), static_cast<int64_t>(exe.size()));
    EXPECT_EQ(BookDocumentOffset(dir.File("exe")), std::nullopt);  // an executable without a document
    ASSERT_EQ(DocumentBaseOffset(book), static_cast<int64_t>(exe.size()));
    TQbxObject a(plain, 0), b(book, DocumentBaseOffset(book));
    EXPECT_EQ(Everything(a), Everything(b));
    EXPECT_EQ(Everything(a), "book|1|root:|text:kw:compressed body:x.htm=<p>x</p>");
}

TEST(BookOffsetTest, WindowsBooksKeepTheirDocumentAt352768) {
    TempDir dir;
    std::string stub(kWindowsBookOffset, '\0');
    stub[0] = 'M';
    stub[1] = 'Z';
    const std::string docBytes = BuildDocument(Sample());
    const std::string book = dir.File("book.exe"), bare = dir.File("bare.exe");
    WriteFile(book, stub + docBytes);
    WriteFile(bare, stub);  // exactly 352,768 bytes: no document
    EXPECT_EQ(DocumentBaseOffset(book), kWindowsBookOffset);
    EXPECT_EQ(BookDocumentOffset(bare), std::nullopt);
    const std::string plain = dir.File("plain.qbx");
    WriteFile(plain, docBytes);
    TQbxObject a(plain, 0), b(book, kWindowsBookOffset);
    EXPECT_EQ(Everything(a), Everything(b));
}

TEST(BookOffsetTest, DamagedElfHeadersGiveNoOffset) {
    TempDir dir;
    std::string exe = ReadFileBytes("/proc/self/exe");
    std::string damaged = exe;
    std::memset(damaged.data() + 0x28, 0xFF, 8);  // e_shoff far beyond the file
    const std::string path = dir.File("damaged");
    WriteFile(path, damaged + "appended");
    EXPECT_EQ(BookDocumentOffset(path), std::nullopt);
    WriteFile(path,
              "\x7f"
              "ELF");
    EXPECT_EQ(BookDocumentOffset(path), std::nullopt);
}

}  // namespace
}  // namespace qbx
