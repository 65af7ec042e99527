// Runs the real qbxtool on generated documents and checks its output and exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "support/QbxWriter.h"
#include "support/TempDir.h"

namespace qbx {
namespace {

using namespace testing;

struct Result {
    int status = -1;
    std::string out, err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class QbxToolTest : public ::testing::Test {
protected:
    Result Run(const std::vector<std::string>& args) {
        std::string cmd = Quote(QBXTOOL_PATH);
        for (const auto& a : args) cmd += " " + Quote(a);
        const std::string errFile = dir.File("stderr.txt");
        cmd += " 2>" + Quote(errFile);
        Result r;
        std::FILE* p = popen(cmd.c_str(), "r");
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
        const int raw = pclose(p);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = ReadFileBytes(errFile);
        return r;
    }
    std::string Save(const WDocument& doc, const std::string& name = "doc.qbx") {
        const std::string path = dir.File(name);
        WriteFile(path, BuildDocument(doc));
        return path;
    }
    static WDocument Fixture() {
        WDocument doc;
        doc.author = Gbk("作者");
        doc.buildDate = 36526.5;
        doc.editDate = 36527.0 + 1.4 / 86400;  // rounds down to the second
        doc.bookmarks[0] = 1;
        doc.bookmarks[9] = 7;
        WNode a{.title = Gbk("目录"), .icon = 1, .keyword = "Alpha Key"};
        WNode b{.title = "Text \"one\"",
                .depth = 1,
                .contentFormat = 2,
                .body = std::string("{\\rtf1 x}\r\n\0z", 13),
                .author = "me",
                .pubDate = 36530.25};
        b.attachments = {{.name = "a.txt", .content = "AAA", .saveTime = 36531.0, .key = 0x80000001},
                         {.name = "b", .content = std::string(2560, 'b'), .saveTime = 36531.5}};
        WNode c{.title = "Locked", .depth = 1, .contentFormat = 3, .body = "secret text\r\n", .password = "np"};
        c.attachments = {{.name = "s.txt", .content = "hidden"}};
        WNode bin{.title = "Trash", .icon = 71, .password = "ignored"};
        bin.body = "in the bin";
        doc.nodes = {a, b, c, bin};
        return doc;
    }
    TempDir dir;
};

TEST_F(QbxToolTest, InfoJson) {
    const std::string path = Save(Fixture());
    const Result r = Run({"--json", "info", path});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string prefix =
        "{\"author\":\"作者\",\"has_password\":false,\"build_date\":\"2000-01-01T12:00:00\","
        "\"edit_date\":\"2000-01-02T00:00:01\",\"catalog_pos\":";
    ASSERT_EQ(r.out.substr(0, prefix.size()), prefix);
    EXPECT_NE(r.out.find(",\"nodes\":4,\"bookmarks\":[1,-1,-1,-1,-1,-1,-1,-1,-1,7],\"base_offset\":0}\n"),
              std::string::npos)
        << r.out;
}

TEST_F(QbxToolTest, TreeJson) {
    const Result r = Run({"--json", "tree", Save(Fixture())});
    ASSERT_EQ(r.status, 0) << r.err;
    const char* expected[] = {
        R"({"index":0,"depth":0,"parent":-1,"title":"目录","icon":1,"pos":)",
        R"("recycle_bin":false,"content_flag":0,"content_format":0,"author":"","keyword":"Alpha Key","has_password":false,"pub_date":"2023-03-15T06:00:00",)",
        R"({"index":1,"depth":1,"parent":0,"title":"Text \"one\"","icon":2,)",
        R"("content_flag":1,"content_format":2,"author":"me","keyword":"","has_password":false,"pub_date":"2000-01-05T06:00:00",)",
        R"("attachments":2})",
        R"({"index":2,"depth":1,"parent":0,"title":"Locked",)",
        R"("has_password":true,)",
        R"({"index":3,"depth":0,"parent":-1,"title":"Trash","icon":71,)",
        R"("recycle_bin":true,"content_flag":1,)",
    };
    size_t at = 0;
    for (const char* part : expected) {
        const size_t found = r.out.find(part, at);
        ASSERT_NE(found, std::string::npos) << "missing in order: " << part << "\n" << r.out;
        at = found;
    }
    EXPECT_EQ(r.out.front(), '[');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "]\n");
}

TEST_F(QbxToolTest, BodyBytesAreWrittenUnchanged) {
    const std::string path = Save(Fixture());
    EXPECT_EQ(Run({"body", path, "1"}).out, std::string("{\\rtf1 x}\r\n\0z", 13));
    EXPECT_EQ(Run({"--node-password", "np", "body", path, "2"}).out, "secret text\r\n");
    EXPECT_EQ(Run({"body", path, "0"}).out, "");            // a folder has no body
    EXPECT_EQ(Run({"body", path, "3"}).out, "in the bin");  // the recycle bin never asks
}

TEST_F(QbxToolTest, AttachmentsAndExtract) {
    const std::string path = Save(Fixture());
    const Result r = Run({"--json", "attachments", path, "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(
        r.out.find(
            R"({"index":0,"name":"a.txt","size":3,"size_text":"3 Bytes","save_time":"2000-01-06T00:00:00","key":2147483649,"data_pos":)"),
        std::string::npos)
        << r.out;
    EXPECT_NE(
        r.out.find(
            R"({"index":1,"name":"b","size":2560,"size_text":"2 KB","save_time":"2000-01-06T12:00:00","key":305441741,)"),
        std::string::npos)
        << r.out;
    const std::string target = dir.File("out.bin");
    EXPECT_EQ(Run({"extract", path, "1", "1", target}).status, 0);
    EXPECT_EQ(ReadFileBytes(target), std::string(2560, 'b'));
    EXPECT_EQ(Run({"extract", path, "1", "0", target}).status, 0);
    EXPECT_EQ(ReadFileBytes(target), "AAA");
    EXPECT_EQ(Run({"--json", "attachments", path, "0"}).out, "[]\n");
}

TEST_F(QbxToolTest, SearchJson) {
    const std::string path = Save(Fixture());
    EXPECT_EQ(Run({"--json", "search", path, "title", "TEXT"}).out,
              "[\n{\"index\":1,\"title\":\"Text \\\"one\\\"\"}\n]\n");
    EXPECT_EQ(Run({"--json", "search", path, "title", "目"}).out, "[\n{\"index\":0,\"title\":\"目录\"}\n]\n");
    EXPECT_EQ(Run({"--json", "search", path, "keyword", "alpha"}).out, "[\n{\"index\":0,\"title\":\"目录\"}\n]\n");
    EXPECT_EQ(Run({"--json", "search", path, "keyword", "Text"}).out, "[]\n");
}

TEST_F(QbxToolTest, ExitStatuses) {
    WDocument locked = Fixture();
    locked.password = Gbk("密码");
    const std::string plain = Save(Fixture()), withPw = Save(locked, "locked.qbx");
    std::string damagedBytes = BuildDocument(Fixture());
    damagedBytes.resize(damagedBytes.size() - 5);
    const std::string damaged = dir.File("damaged.qbx");
    WriteFile(damaged, damagedBytes);
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{}, 1, "no command"},
        {{"frobnicate", plain}, 1, "unknown command"},
        {{"--bogus", "info", plain}, 1, "unknown option"},
        {{"body", plain}, 1, "takes DOC INDEX"},
        {{"body", plain, "x"}, 1, "INDEX must be a number"},
        {{"body", plain, "4"}, 1, "there is no node 4"},
        {{"extract", plain, "1", "5", dir.File("x")}, 1, "has no attachment 5"},
        {{"search", plain, "fuzzy", "x"}, 1, "KIND must be title, keyword, local or full"},
        {{"--offset", "-3", "info", plain}, 1, "--offset"},
        {{"info", dir.File("missing.qbx")}, 2, "No such file"},
        {{"info", dir.Path().string()}, 2, "Is a directory"},
        {{"tree", damaged}, 2, "damaged document: catalog entry array"},
        {{"--offset", "100000", "info", plain}, 2, "lies beyond the end"},
        {{"tree", withPw}, 3, "give it with --password"},
        {{"--password", "wrong", "tree", withPw}, 3, "wrong document password"},
        {{"--password", "密码", "body", withPw, "2"}, 3, "--node-password"},
        {{"--password", "密码", "--node-password", "no", "body", withPw, "2"}, 3, "wrong node password"},
        {{"--password", "密码", "--node-password", "np", "body", withPw, "2"}, 0, ""},
        {{"info", withPw}, 0, ""},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args);
        std::string shown;
        for (const auto& a : c.args) shown += a + " ";
        EXPECT_EQ(r.status, c.status) << shown << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << shown << "\n" << r.err;
    }
}

TEST_F(QbxToolTest, ABookBehindTheExecutableReadsLikeThePlainFile) {
    const std::string docBytes = BuildDocument(Fixture());
    const std::string plain = dir.File("plain.qbx"), book = dir.File("book");
    WriteFile(plain, docBytes);
    const std::string exe = ReadFileBytes(QBXTOOL_PATH);
    WriteFile(book, exe + docBytes);
    const Result a = Run({"--json", "tree", plain});
    const Result b = Run({"--json", "tree", book});
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(Run({"--offset", std::to_string(exe.size()), "tree", book}).out, Run({"tree", plain}).out);
    EXPECT_NE(Run({"--json", "info", book}).out.find("\"base_offset\":" + std::to_string(exe.size())),
              std::string::npos);
}

TEST_F(QbxToolTest, TextOutputIsReadable) {
    const std::string path = Save(Fixture());
    const Result tree = Run({"tree", path});
    EXPECT_EQ(tree.out.substr(0, tree.out.find('\n')), "目录  [0] (no body)");
    EXPECT_NE(tree.out.find("  Locked  [2] (password) (1 attachments)\n"), std::string::npos) << tree.out;
    const Result list = Run({"attachments", path, "1"});
    EXPECT_NE(list.out.find("3 Bytes  2000-01-06 00:00:00  2147483649"), std::string::npos) << list.out;
}

// A tree whose bodies hold "moon" in RTF, compressed RTF and plain text, and
// one title with it that must not count for the text searches.
WDocument MoonFixture() {
    WDocument doc;
    doc.nodes = {
        {.title = "moon in title only", .contentFormat = 0, .body = "nothing here"},
        {.title = "poems", .icon = 1},
        {.title = "rtf", .depth = 1, .contentFormat = 2, .body = "{\\rtf1 bright {\\b MO}ON\\par}"},
        {.title = "zipped rtf", .depth = 1, .contentFormat = 3, .body = "{\\rtf1 \\'d4\\'c2 moon}"},
        {.title = "deeper", .depth = 2, .contentFormat = 4, .body = "plain\r\nMoonlight\r\n"},
        {.title = "no body but keyword", .depth = 1, .keyword = "moon"},
        {.title = "outside", .contentFormat = 0, .body = "the moon again"},
    };
    return doc;
}

TEST_F(QbxToolTest, ExportWritesTheBranch) {
    const std::string path = Save(MoonFixture());
    const std::string out = dir.File("out");
    std::filesystem::create_directory(out);
    const Result r = Run({"export", path, "1", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(out + "/poems/rtf.rtf"), "{\\rtf1 bright {\\b MO}ON\\par}");
    EXPECT_EQ(ReadFileBytes(out + "/poems/zipped rtf.txt"), "{\\rtf1 \\'d4\\'c2 moon}");
    const Result again = Run({"export", path, "1", out});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("The directory of exportment has already existed!"), std::string::npos);
    EXPECT_EQ(Run({"export", path, "0", out}).status, 1);  // a leaf has no branch
}

TEST_F(QbxToolTest, TextShowsTheDisplayedText) {
    const std::string path = Save(MoonFixture());
    EXPECT_EQ(Run({"text", path, "2"}).out, "bright MOON\n");
    EXPECT_EQ(Run({"text", path, "3"}).out, "月 moon");
    EXPECT_EQ(Run({"text", path, "4"}).out, "plain\nMoonlight\n");
    EXPECT_EQ(Run({"text", path, "1"}).out, "");
}

TEST_F(QbxToolTest, LocalAndFullTextSearch) {
    const std::string path = Save(MoonFixture());
    const struct {
        std::vector<std::string> args;
        int status;
        const char* out;
    } cases[] = {
        {{"search", path, "full", "moon"}, 0, "2\trtf\n3\tzipped rtf\n4\tdeeper\n6\toutside\n"},
        {{"search", path, "full", "月"}, 0, "3\tzipped rtf\n"},
        {{"search", path, "full", "absent"}, 0, ""},
        {{"search", path, "local", "moon", "--node", "1"}, 0, "2\trtf\n3\tzipped rtf\n4\tdeeper\n"},
        {{"--node", "3", "search", path, "local", "moon"}, 0, "4\tdeeper\n"},
        {{"search", path, "local", "moon"}, 1, ""},
        {{"search", path, "local", "moon", "--node", "2"}, 1, ""},
        {{"search", path, "local", "moon", "--node", "99"}, 1, ""},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[2] << " " << c.args[3] << "\n" << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[2] << " " << c.args[3];
    }
    EXPECT_EQ(Run({"search", path, "local", "x"}).err, "qbxtool: You must select a node\n");
    EXPECT_EQ(Run({"search", path, "local", "x", "--node", "6"}).err,
              "qbxtool: Selecting node must have children nodes\n");
    EXPECT_EQ(Run({"--json", "search", path, "full", "bright"}).out, "[\n{\"index\":2,\"title\":\"rtf\"}\n]\n");
}

}  // namespace
}  // namespace qbx
