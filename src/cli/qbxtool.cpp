// qbxtool: the command-line companion of the reader. It prints what a document
// holds, extracts bodies and attachments, and runs the byte searches.
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "QbxToolCommands.h"
#include "document/QbxError.h"

namespace {

constexpr const char* kUsage =
    "usage: qbxtool [--json] [--offset N|auto] [--password PW] [--node-password PW] COMMAND ARGS\n"
    "  info DOC                     the header\n"
    "  tree DOC                     every node in pre-order\n"
    "  body DOC INDEX               the node's decoded body bytes to standard output\n"
    "  attachments DOC INDEX        the node's attachment list\n"
    "  extract DOC INDEX ATT FILE   write attachment ATT (0-based) of node INDEX to FILE\n"
    "  text DOC INDEX               the node's displayed text (UTF-8, \\n line ends)\n"
    "  export DOC INDEX DIR         the branch below INDEX into DIR/<title>, as the window exports it\n"
    "  search DOC KIND TEXT         KIND is title, keyword, full, or local with --node INDEX\n"
    "INDEX is the node's absolute index (its catalog line). Exit status: 0 done, 1 usage,\n"
    "2 the document cannot be read, 3 a password is missing or wrong.\n";

int64_t ParseOffset(const std::string& text) {
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 0) throw qbx::UsageError("--offset takes a byte count or \"auto\"");
    return v;
}

// Options may stand anywhere; the other arguments are the command and its own.
qbx::ToolOptions ParseArguments(int argc, char** argv) {
    qbx::ToolOptions o;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw qbx::UsageError(std::string(a) + " needs a value");
            return argv[++i];
        };
        if (a == "--json") {
            o.json = true;
        } else if (a == "--offset") {
            const std::string v = value();
            o.offset = v == "auto" ? std::nullopt : std::optional<int64_t>(ParseOffset(v));
        } else if (a == "--password") {
            o.password = value();
        } else if (a == "--node-password") {
            o.nodePassword = value();
        } else if (a == "--node") {
            o.node = value();
        } else if (a == "--help") {
            std::cout << kUsage;
            std::exit(qbx::kExitDone);
        } else if (a.starts_with("--")) {
            throw qbx::UsageError("unknown option " + std::string(a));
        } else {
            words.emplace_back(a);
        }
    }
    if (words.empty()) throw qbx::UsageError("no command given");
    o.command = words.front();
    o.args.assign(words.begin() + 1, words.end());
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        qbx::RunToolCommand(ParseArguments(argc, argv), std::cout);
        std::cout.flush();
        return std::cout ? qbx::kExitDone : qbx::kExitUnreadable;
    } catch (const qbx::Refusal& e) {
        std::cerr << "qbxtool: " << e.what() << "\n";
        return qbx::kExitUsage;
    } catch (const qbx::UsageError& e) {
        std::cerr << "qbxtool: " << e.what() << "\n" << kUsage;
        return qbx::kExitUsage;
    } catch (const qbx::PasswordError& e) {
        std::cerr << "qbxtool: " << e.what() << "\n";
        return qbx::kExitPassword;
    } catch (const qbx::QbxError& e) {
        std::cerr << "qbxtool: " << e.what() << "\n";
        return qbx::kExitUnreadable;
    } catch (const std::exception& e) {
        std::cerr << "qbxtool: " << e.what() << "\n";
        return qbx::kExitUnreadable;
    }
}
