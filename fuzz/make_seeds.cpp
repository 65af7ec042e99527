// Writes a seed corpus for the document fuzzer with the test-document writer.
#include <filesystem>
#include <iostream>

#include "support/QbxWriter.h"

using namespace qbx::testing;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds FOLDER\n";
        return 1;
    }
    std::filesystem::create_directories(argv[1]);
    auto save = [&](const std::string& name, const WDocument& doc) {
        WriteFile((std::filesystem::path(argv[1]) / name).string(), BuildDocument(doc));
    };
    WDocument empty;
    save("empty", empty);

    WDocument formats;
    formats.password = "pw";
    formats.bookmarks[0] = 1;
    for (int f : {0, 1, 2, 3, 4, 5})
        formats.nodes.push_back({.title = "f" + std::to_string(f),
                                 .depth = f % 3,
                                 .contentFormat = f,
                                 .body = "body text of format " + std::to_string(f)});
    save("formats", formats);

    WDocument files;
    WNode page{.title = "page", .icon = 3};
    page.attachments = {{.name = "index.htm", .content = "<html><img src=a.png></html>"},
                        {.name = "a.png", .content = std::string(3000, 'p'), .key = 0x80000000},
                        {.name = "noext", .content = ""}};
    WNode bin{.title = "bin", .icon = 70};
    WNode gone{.title = "gone", .depth = 1, .contentFormat = 3, .body = std::string(5000, 'g'), .password = "x"};
    files.nodes = {page, bin, gone};
    save("attachments", files);
    return 0;
}
