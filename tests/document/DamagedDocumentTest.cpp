// Damaged documents raise QbxError naming the damaged part; nothing is read
// outside the file or a buffer (the sanitizer build checks that too).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "document/QbxError.h"
#include "document/QbxUnit.h"
#include "support/DocumentWalk.h"
#include "support/QbxWriter.h"
#include "support/TempDir.h"

namespace qbx {
namespace {

using namespace testing;

WDocument Sample() {
    WDocument doc;
    doc.author = "someone";
    WNode a{.title = "plain", .contentFormat = 0, .body = "scrambled body text"};
    WNode b{.title = "zipped", .depth = 1, .contentFormat = 3, .body = std::string(3000, 'z')};
    WNode c{.title = "files", .icon = 3};
    c.attachments = {{.name = "page.htm", .content = "<html>hi</html>"}, {.name = "pic.png", .content = "PNG"}};
    doc.nodes = {a, b, c};
    return doc;
}

void Put32(std::string& bytes, int64_t at, uint32_t value) { std::memcpy(bytes.data() + at, &value, 4); }

class DamagedDocumentTest : public ::testing::Test {
protected:
    std::string Save(const std::string& bytes) {
        const std::string path = dir.File("d" + std::to_string(++count) + ".qbx");
        WriteFile(path, bytes);
        return path;
    }
    TempDir dir;
    int count = 0;
};

TEST_F(DamagedDocumentTest, EveryTruncationIsAnErrorOrAShorterReadNeverACrash) {
    const std::string good = BuildDocument(Sample());
    for (size_t cut = 0; cut < good.size(); ++cut) {
        const std::string path = Save(good.substr(0, cut));
        try {
            TQbxObject doc(path, 0);
            WalkDocument(doc);
        } catch (const QbxError& e) {
            EXPECT_NE(std::string(e.what()).find("damaged document"), std::string::npos) << e.what();
        }
    }
}

TEST_F(DamagedDocumentTest, DamagedFieldsRaiseErrorsThatNameThePart) {
    WLayout l;
    const std::string good = BuildDocument(Sample(), &l);
    const int64_t bodyLength = l.nodePos[0] + 104;
    const int64_t zippedBody = l.nodePos[1] + 104 + 4;
    const int64_t table = l.attachPos[2];
    const int64_t entry0 = table + 4;
    const int64_t dataPos0 = entry0 + 1 + 8 + 8 + 4 + 4;  // name "page.htm" is 8 bytes
    const struct {
        const char* name;
        std::function<void(std::string&)> damage;
        const char* message;
    } cases[] = {
        {"catalog beyond the end", [&](std::string& b) { Put32(b, 8, 0x7FFFFFF0); }, "catalog at position"},
        {"negative catalog position", [&](std::string& b) { Put32(b, 8, 0xFFFFFFF0); }, "catalog has a negative"},
        {"huge catalog text", [&](std::string& b) { Put32(b, l.catalogPos + 12, 0x7FFFFFFF); }, "catalog text"},
        {"negative text length", [&](std::string& b) { Put32(b, l.catalogPos + 12, 0xFFFFFFFF); }, "negative length"},
        {"huge entry count", [&](std::string& b) { Put32(b, l.catalogPos + 8, 0x7FFFFFFF); }, "entry array"},
        {"negative entry count", [&](std::string& b) { Put32(b, l.catalogPos + 8, 0x80000000); }, "entry count"},
        {"node beyond the end", [&](std::string& b) { Put32(b, static_cast<int64_t>(b.size()) - 24, 0x7FFFFF00); },
         "node record"},
        {"negative body length", [&](std::string& b) { Put32(b, bodyLength, 0xFFFFFFFF); }, "negative length"},
        {"huge body length", [&](std::string& b) { Put32(b, bodyLength, 0x7FFFFFFF); }, "runs past the end"},
        {"garbage zlib", [&](std::string& b) { Put32(b, zippedBody + 4, 0xDEADBEEF); }, "invalid"},
        {"body declaring 4 GiB", [&](std::string& b) { Put32(b, zippedBody, 0xFFFFFFFF); }, "declares 4294967295"},
        {"huge attachment count", [&](std::string& b) { Put32(b, table, 0x7FFFFFFF); }, "of 2147483647 runs past"},
        {"attachment data beyond the end", [&](std::string& b) { Put32(b, dataPos0, 0x7FFFFFFF); }, "page.htm"},
        {"negative attachment data position", [&](std::string& b) { Put32(b, dataPos0, 0xFFFFFFFF); },
         "negative position"},
        {"attachment block shorter than 4 bytes", [&](std::string& b) { Put32(b, l.dataPos[2][0], 2); },
         "shorter than its 4-byte length"},
    };
    for (const auto& c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        TQbxObject doc(Save(bytes), 0);
        const WalkResult r = WalkDocument(doc);
        ASSERT_FALSE(r.errors.empty()) << c.name;
        bool named = false;
        for (const std::string& e : r.errors) named |= e.find(c.message) != std::string::npos;
        EXPECT_TRUE(named) << c.name << ": " << r.errors.front();
    }
}

TEST_F(DamagedDocumentTest, AnAttachmentDeclaringFourGiBIsRefusedWithoutAllocatingIt) {
    WDocument doc;
    WNode n{.title = "bomb"};
    std::string block = CompressedBlock("small");
    Put32(block, 0, 0xFFFFFFFF);
    ScrambleBytes(0x1234ABCD, block);
    n.attachments = {{.name = "bomb.bin", .content = "", .rawBlock = block}};
    doc.nodes.push_back(n);
    WLayout l;
    TQbxObject obj(Save(BuildDocument(doc, &l)), 0);
    const auto items = obj.LoadAttachmentList(l.attachPos[0]);
    EXPECT_THROW(obj.ExtractAttachmentData(items[0]), QbxError);
    // A failed extraction writes nothing.
    const std::string target = dir.File("kept.txt");
    WriteFile(target, "keep me");
    EXPECT_THROW(obj.ExtractAttachment(target, items[0]), QbxError);
    EXPECT_EQ(ReadFileBytes(target), "keep me");
}

TEST_F(DamagedDocumentTest, FilesTooShortForAHeaderOrAnOffsetBeyondTheEnd) {
    EXPECT_THROW(TQbxObject(Save(""), 0), QbxError);
    EXPECT_THROW(TQbxObject(Save(std::string(119, '\0')), 0), QbxError);
    EXPECT_THROW(TQbxObject(Save(std::string(500, '\0')), 400), QbxError);
    EXPECT_THROW(TQbxObject(Save(std::string(500, '\0')), 501), QbxError);
}

TEST_F(DamagedDocumentTest, RandomByteFlipsNeverCrash) {
    const std::string good = BuildDocument(Sample());
    uint32_t seed = 12345;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k) {
            seed = seed * 1664525 + 1013904223;
            bytes[seed % bytes.size()] = static_cast<char>(seed >> 24);
        }
        try {
            TQbxObject doc(Save(bytes), 0);
            WalkDocument(doc);
        } catch (const QbxError&) {
        }
    }
}

}  // namespace
}  // namespace qbx
