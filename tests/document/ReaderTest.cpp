#include <gtest/gtest.h>

#include "document/QbxCatalog.h"
#include "document/QbxError.h"
#include "document/QbxUnit.h"
#include "support/QbxWriter.h"
#include "support/TempDir.h"

namespace qbx {
namespace {

using namespace testing;

class ReaderTest : public ::testing::Test {
protected:
    std::unique_ptr<TQbxObject> Open(const WDocument& doc, WLayout* layout = nullptr) {
        const std::string path = dir.File("doc" + std::to_string(++count) + ".qbx");
        WriteFile(path, BuildDocument(doc, layout));
        auto obj = std::make_unique<TQbxObject>(path, 0);
        EXPECT_TRUE(obj->IsOpen());
        return obj;
    }
    static TQbxCatalog Catalog(TQbxObject& obj) {
        std::vector<uint8_t> text, entries;
        obj.ReadCatalog(text, entries);
        return BuildCatalog(text, entries);
    }
    static std::string Body(TQbxObject& obj, int32_t pos) {
        obj.ReadNode(pos);
        std::vector<uint8_t> body;
        obj.ReadNodeContent(body);
        return {body.begin(), body.end()};
    }
    TempDir dir;
    int count = 0;
};

TEST_F(ReaderTest, HeaderFieldsAreDescrambled) {
    WDocument full;
    full.password = "123456789012";    // all 12 bytes, no NUL
    full.author = "ABCDEFGHIJKLMNOP";  // all 16 bytes
    full.bookmarks[2] = 0;
    auto obj = Open(full);
    EXPECT_EQ(obj->PasswordText(), "123456789012");
    EXPECT_EQ(obj->AuthorText(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(obj->Header.Bookmarks[2], 0);
    EXPECT_EQ(obj->Header.Bookmarks[9], -1);
    EXPECT_DOUBLE_EQ(obj->Header.BuildDate, 44000.5);
    EXPECT_DOUBLE_EQ(obj->Header.EditDate, 45100.75);

    WDocument none;
    none.password = std::string("\0secret", 7);  // first byte 0: no password
    EXPECT_EQ(Open(none)->PasswordText(), "");
}

TEST_F(ReaderTest, EmptyTextMeansAnEmptyCatalogWhateverTheEntryCount) {
    WDocument doc;
    doc.nodes.push_back({.title = "A"});
    doc.catalogText = "";
    doc.entryCount = 5;
    auto obj = Open(doc);
    std::vector<uint8_t> text = {1, 2}, entries = {3};
    obj->ReadCatalog(text, entries);
    EXPECT_TRUE(text.empty());
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(obj->CatalogHead.EntryCount, 5);
}

TEST_F(ReaderTest, BodiesOfEveryContentFormat) {
    const std::string text = "line one\r\nline two + 3 tail";  // length 4k + 3: the tail stays plain
    WDocument doc;
    for (int32_t format : {0, 1, 2, 3, 4, 5, -1, 99})
        doc.nodes.push_back({.title = "f" + std::to_string(format), .contentFormat = format, .body = text});
    WLayout layout;
    auto obj = Open(doc, &layout);
    for (size_t i = 0; i < doc.nodes.size(); ++i)
        EXPECT_EQ(Body(*obj, layout.nodePos[i]), text) << "format " << doc.nodes[i].contentFormat;
}

TEST_F(ReaderTest, StoredBytesOfUnknownFormatsAreReturnedAsStored) {
    WDocument doc;
    doc.nodes.push_back({.title = "raw", .contentFormat = 5, .rawBodyBlock = std::string("\x01\x02\x03\x04\x05", 5)});
    doc.nodes.push_back({.title = "z", .contentFormat = 3, .rawBodyBlock = CompressedBlock("exactly") + "JUNK"});
    WLayout layout;
    auto obj = Open(doc, &layout);
    EXPECT_EQ(Body(*obj, layout.nodePos[0]), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_EQ(Body(*obj, layout.nodePos[1]), "exactly");
}

TEST_F(ReaderTest, NodeFieldsAtFullWidthAndPasswordReadAside) {
    WDocument doc;
    doc.nodes.push_back({.title = "full",
                         .author = "0123456789abcdef",
                         .keyword = std::string(52, 'k'),
                         .password = "pw_twelve_12",
                         .key = 0x80000001});
    doc.nodes.push_back({.title = "plain", .author = "someone", .keyword = "key word"});
    WLayout layout;
    auto obj = Open(doc, &layout);
    obj->ReadNode(layout.nodePos[1]);
    EXPECT_EQ(obj->ReadNodePassword(layout.nodePos[0]), "pw_twelve_12");
    EXPECT_EQ(FieldText(obj->Node.Author), "someone");  // Node is not changed by ReadNodePassword
    EXPECT_EQ(FieldText(obj->Node.Keyword), "key word");
    EXPECT_EQ(obj->ReadNodePassword(layout.nodePos[1]), "");
    obj->ReadNode(layout.nodePos[0]);
    EXPECT_EQ(FieldText(obj->Node.Author), "0123456789abcdef");
    EXPECT_EQ(FieldText(obj->Node.Keyword), std::string(52, 'k'));
    EXPECT_EQ(FieldText(obj->Node.Password), "pw_twelve_12");
    EXPECT_EQ(obj->Node.ContentFlag, 0);
    EXPECT_EQ(obj->Node.AttachPos, 0);
}

TEST_F(ReaderTest, AttachmentListItems) {
    WDocument doc;
    WNode n{.title = "files"};
    n.attachments = {
        {.name = "a.txt", .content = std::string(1023, 'a')},
        {.name = "b.htm", .content = std::string(1024, 'b')},
        {.name = "c.tar.gz", .content = std::string(1536, 'c'), .key = 0x80000000},
        {.name = "noext", .content = std::string(2560, 'd'), .key = 0xFFFFFFFF},
        {.name = "seven.b", .content = "7"},  // 7-byte name: 4 scrambled, 3 plain
        {.name = std::string(255, 'n'), .content = ""},
        {.name = Gbk("图片.jpg"), .content = "jpeg", .saveTime = 45000.0, .size = 4096},
    };
    doc.nodes.push_back(n);
    WLayout layout;
    auto obj = Open(doc, &layout);
    obj->ReadNode(layout.nodePos[0]);
    ASSERT_EQ(obj->Node.AttachPos, layout.attachPos[0]);
    const auto items = obj->LoadAttachmentList(obj->Node.AttachPos);
    ASSERT_EQ(items.size(), n.attachments.size());
    const struct {
        const char* size;
        const char* ext;
    } expected[] = {{"1023 Bytes", ".txt"}, {"1 KB", ".htm"}, {"2 KB", ".gz"}, {"2 KB", ""},
                    {"1 Bytes", ".b"},      {"0 Bytes", ""},  {"4 KB", ".jpg"}};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].Name, n.attachments[i].name) << i;
        EXPECT_EQ(items[i].SizeText, expected[i].size) << i;
        EXPECT_EQ(items[i].Extension, expected[i].ext) << i;
        EXPECT_EQ(items[i].Key, n.attachments[i].key) << i;
        EXPECT_EQ(items[i].DataPos, layout.dataPos[0][i]) << i;
        EXPECT_EQ(obj->ExtractAttachmentData(items[i]),
                  std::vector<uint8_t>(n.attachments[i].content.begin(), n.attachments[i].content.end()))
            << i;
    }
    EXPECT_EQ(items[6].Size, 4096);
    EXPECT_DOUBLE_EQ(items[6].SaveTime, 45000.0);
}

TEST_F(ReaderTest, ExtractingTwiceReplacesTheFile) {
    WDocument doc;
    WNode n{.title = "files"};
    n.attachments = {{.name = "long.txt", .content = std::string(5000, 'L')},
                     {.name = "short.txt", .content = "short"}};
    doc.nodes.push_back(n);
    WLayout layout;
    auto obj = Open(doc, &layout);
    obj->LoadAttachmentList(layout.attachPos[0]);
    const std::string out = dir.File("out.txt");
    obj->ExtractAttachment(out, 0);
    obj->ExtractAttachment(out, 1);
    EXPECT_EQ(ReadFileBytes(out), "short");
    obj->ExtractAttachment(out, 1);
    EXPECT_EQ(ReadFileBytes(out), "short");
    EXPECT_THROW(obj->ExtractAttachment(out, 2), QbxError);
}

TEST_F(ReaderTest, ExtractToAnUnwritablePlaceRaises) {
    WDocument doc;
    WNode n{.title = "files"};
    n.attachments = {{.name = "a.txt", .content = "x"}};
    doc.nodes.push_back(n);
    WLayout layout;
    auto obj = Open(doc, &layout);
    obj->LoadAttachmentList(layout.attachPos[0]);
    try {
        obj->ExtractAttachment(dir.File("missing/folder/a.txt"), 0);
        FAIL() << "no error";
    } catch (const QbxError& e) {
        EXPECT_EQ(e.kind(), QbxError::Kind::Io);
        EXPECT_NE(std::string(e.what()).find("missing/folder/a.txt"), std::string::npos);
    }
}

TEST_F(ReaderTest, AMissingFileLeavesTheHandleInvalidWithoutRaising) {
    TQbxObject obj(dir.File("nothing-here.qbx"), 0);
    EXPECT_FALSE(obj.IsOpen());
    EXPECT_EQ(obj.Handle, -1);
}

TEST_F(ReaderTest, TheFileStaysReadableAndWritableByOthers) {
    WDocument doc;
    doc.nodes.push_back({.title = "A", .body = "body"});
    WLayout layout;
    auto obj = Open(doc, &layout);
    std::FILE* other = std::fopen(obj->FileName.c_str(), "r+b");
    ASSERT_NE(other, nullptr);
    std::fclose(other);
    EXPECT_EQ(Body(*obj, layout.nodePos[0]), "body");
}

}  // namespace
}  // namespace qbx
