#include "QbxToolCommands.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "Json.h"
#include "document/BookOffset.h"
#include "document/QbxCatalog.h"
#include "document/QbxError.h"
#include "document/QbxSearch.h"
#include "document/QbxText.h"
#include "document/QbxUnit.h"
#include "text/BodyText.h"
#include "text/BranchExport.h"
#include "text/Cp936.h"
#include "text/TextSearch.h"

namespace qbx {
namespace {

std::string Utf8(std::string_view cp936) { return Cp936ToUtf8(cp936); }

std::string DateJson(double ole) {
    const std::string iso = OleDateToIso(ole);
    return iso.empty() ? "null" : JsonString(iso);
}

std::string DateText(double ole) {
    std::string iso = OleDateToIso(ole);
    if (iso.empty()) return "-";
    iso[10] = ' ';
    return iso;
}

int ParseIndex(const std::string& text, const char* what) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 0 || v > INT32_MAX || errno != 0)
        throw UsageError(std::string(what) + " must be a number from 0, not \"" + text + "\"");
    return static_cast<int>(v);
}

// An open document with its catalog, as every command but `info` needs it.
struct OpenDoc {
    std::unique_ptr<TQbxObject> doc;
    TQbxCatalog catalog;
};

std::unique_ptr<TQbxObject> OpenFile(const ToolOptions& o, const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) ThrowIo("cannot open the document", path, errno);
    if (S_ISDIR(st.st_mode)) ThrowIo("cannot open the document", path, EISDIR);
    const int64_t offset = o.offset ? *o.offset : DocumentBaseOffset(path);
    auto doc = std::make_unique<TQbxObject>(path, offset);
    if (!doc->IsOpen()) ThrowIo("cannot open the document", path, errno ? errno : EACCES);
    return doc;
}

TQbxCatalog LoadCatalog(TQbxObject& doc) {
    std::vector<uint8_t> text, entries;
    doc.ReadCatalog(text, entries);
    TQbxCatalog c = BuildCatalog(std::move(text), entries);
    doc.RecycleBinNode = c.RecycleBin;
    return c;
}

void CheckDocumentPassword(const ToolOptions& o, const TQbxObject& doc) {
    const std::string stored = doc.PasswordText();
    if (stored.empty()) return;
    if (!o.password) throw PasswordError("the document has a password: give it with --password");
    if (Utf8ToCp936(*o.password) != stored) throw PasswordError("wrong document password");
}

OpenDoc OpenWithPassword(const ToolOptions& o, const std::string& path) {
    OpenDoc d{OpenFile(o, path), {}};
    CheckDocumentPassword(o, *d.doc);
    d.catalog = LoadCatalog(*d.doc);
    return d;
}

const TCatalogNode& NodeAt(const OpenDoc& d, const std::string& indexText) {
    const int index = ParseIndex(indexText, "INDEX");
    if (index >= d.catalog.Count())
        throw UsageError("there is no node " + indexText + " (the document has " + std::to_string(d.catalog.Count()) +
                         " nodes)");
    return d.catalog.Nodes[static_cast<size_t>(index)];
}

// The recycle bin never asks; every other node with a password does.
void CheckNodePassword(const ToolOptions& o, OpenDoc& d, const TCatalogNode& node) {
    if (IsRecycleBinIcon(node.IconIndex)) return;
    const std::string stored = d.doc->ReadNodePassword(node.NodePos);
    if (stored.empty()) return;
    if (!o.nodePassword) throw PasswordError("the node has a password: give it with --node-password");
    if (Utf8ToCp936(*o.nodePassword) != stored) throw PasswordError("wrong node password");
}

void Expect(const ToolOptions& o, size_t count, const char* shape) {
    if (o.args.size() != count) throw UsageError(o.command + " takes " + shape);
}

void Info(const ToolOptions& o, std::ostream& out) {
    Expect(o, 1, "DOC");
    auto doc = OpenFile(o, o.args[0]);
    const TQbxHeader& h = doc->Header;
    // The node count needs the catalog, which holds no secret of the password.
    const TQbxCatalog catalog = LoadCatalog(*doc);
    std::vector<int64_t> bookmarks(std::begin(h.Bookmarks), std::end(h.Bookmarks));
    if (o.json) {
        out << JsonObject()
                   .Add("author", Utf8(doc->AuthorText()))
                   .Add("has_password", !doc->PasswordText().empty())
                   .AddRaw("build_date", DateJson(h.BuildDate))
                   .AddRaw("edit_date", DateJson(h.EditDate))
                   .Add("catalog_pos", h.CatalogPos)
                   .Add("nodes", catalog.Count())
                   .AddRaw("bookmarks", JsonIntArray(bookmarks))
                   .Add("base_offset", doc->BaseOffset)
                   .Text()
            << "\n";
        return;
    }
    out << "Author:       " << Utf8(doc->AuthorText()) << "\n"
        << "Password:     " << (doc->PasswordText().empty() ? "no" : "yes") << "\n"
        << "Build date:   " << DateText(h.BuildDate) << "\n"
        << "Modify date:  " << DateText(h.EditDate) << "\n"
        << "Catalog at:   " << h.CatalogPos << "\n"
        << "Nodes:        " << catalog.Count() << "\n"
        << "Bookmarks:   ";
    for (int32_t b : h.Bookmarks) out << " " << b;
    out << "\nBase offset:  " << doc->BaseOffset << "\n";
}

int AttachmentCount(TQbxObject& doc, int32_t attachPos) {
    return attachPos == 0 ? 0 : static_cast<int>(doc.LoadAttachmentList(attachPos).size());
}

void Tree(const ToolOptions& o, std::ostream& out) {
    Expect(o, 1, "DOC");
    OpenDoc d = OpenWithPassword(o, o.args[0]);
    std::vector<std::string> rows;
    for (int i = 0; i < d.catalog.Count(); ++i) {
        const TCatalogNode& n = d.catalog.Nodes[static_cast<size_t>(i)];
        d.doc->ReadNode(n.NodePos);
        const TNodeRecord r = d.doc->Node;
        const int attachments = AttachmentCount(*d.doc, r.AttachPos);
        const std::string title = Utf8(d.catalog.Title(i));
        const bool locked = !FieldText(r.Password).empty();
        if (!o.json) {
            out << std::string(static_cast<size_t>(n.Level) * 2, ' ') << title << "  [" << i << "]"
                << (IsRecycleBinIcon(n.IconIndex) ? " (recycle bin)" : "") << (locked ? " (password)" : "")
                << (r.ContentFlag == 1 ? "" : " (no body)")
                << (attachments ? " (" + std::to_string(attachments) + " attachments)" : "") << "\n";
            continue;
        }
        rows.push_back(JsonObject()
                           .Add("index", i)
                           .Add("depth", n.Tabs)
                           .Add("parent", n.Parent)
                           .Add("title", title)
                           .Add("icon", n.IconIndex)
                           .Add("pos", n.NodePos)
                           .Add("recycle_bin", IsRecycleBinIcon(n.IconIndex))
                           .Add("content_flag", r.ContentFlag)
                           .Add("content_format", r.ContentFormat)
                           .Add("author", Utf8(FieldText(r.Author)))
                           .Add("keyword", Utf8(FieldText(r.Keyword)))
                           .Add("has_password", locked)
                           .AddRaw("pub_date", DateJson(r.PubDate))
                           .Add("attach_pos", r.AttachPos)
                           .Add("attachments", attachments)
                           .Text());
    }
    if (o.json) out << JsonArray(rows) << "\n";
}

// The decoded body of node INDEX (the command's second argument), or nothing
// for a node without one.
std::optional<std::vector<uint8_t>> NodeBody(const ToolOptions& o) {
    Expect(o, 2, "DOC INDEX");
    OpenDoc d = OpenWithPassword(o, o.args[0]);
    const TCatalogNode& n = NodeAt(d, o.args[1]);
    CheckNodePassword(o, d, n);
    d.doc->ReadNode(n.NodePos);
    if (d.doc->Node.ContentFlag != 1) return std::nullopt;
    std::vector<uint8_t> body;
    d.doc->ReadNodeContent(body);
    return body;
}

void Body(const ToolOptions& o, std::ostream& out) {
    if (const auto body = NodeBody(o))
        out.write(reinterpret_cast<const char*>(body->data()), static_cast<std::streamsize>(body->size()));
}

std::vector<TAttachmentItem> NodeAttachments(const ToolOptions& o, OpenDoc& d, const std::string& indexText) {
    const TCatalogNode& n = NodeAt(d, indexText);
    CheckNodePassword(o, d, n);
    d.doc->ReadNode(n.NodePos);
    if (d.doc->Node.AttachPos == 0) return {};
    return d.doc->LoadAttachmentList(d.doc->Node.AttachPos);
}

void Attachments(const ToolOptions& o, std::ostream& out) {
    Expect(o, 2, "DOC INDEX");
    OpenDoc d = OpenWithPassword(o, o.args[0]);
    const std::vector<TAttachmentItem> items = NodeAttachments(o, d, o.args[1]);
    std::vector<std::string> rows;
    for (size_t i = 0; i < items.size(); ++i) {
        const TAttachmentItem& a = items[i];
        if (o.json) {
            rows.push_back(JsonObject()
                               .Add("index", static_cast<int64_t>(i))
                               .Add("name", Utf8(a.Name))
                               .Add("size", a.Size)
                               .Add("size_text", a.SizeText)
                               .AddRaw("save_time", DateJson(a.SaveTime))
                               .Add("key", a.Key)
                               .Add("data_pos", a.DataPos)
                               .Text());
            continue;
        }
        char line[128];
        std::snprintf(line, sizeof line, "%4zu  %12s  %-19s  %10u  %10d  ", i, a.SizeText.c_str(),
                      DateText(a.SaveTime).c_str(), a.Key, a.DataPos);
        out << line << Utf8(a.Name) << "\n";
    }
    if (o.json) out << JsonArray(rows) << "\n";
}

void Extract(const ToolOptions& o, std::ostream&) {
    Expect(o, 4, "DOC INDEX ATT FILE");
    OpenDoc d = OpenWithPassword(o, o.args[0]);
    const std::vector<TAttachmentItem> items = NodeAttachments(o, d, o.args[1]);
    const int att = ParseIndex(o.args[2], "ATT");
    if (static_cast<size_t>(att) >= items.size())
        throw UsageError("node " + o.args[1] + " has no attachment " + o.args[2] + " (it has " +
                         std::to_string(items.size()) + ")");
    d.doc->ExtractAttachment(o.args[3], att);
}

// The English texts of the window's messages for these two refusals.
constexpr const char* kMustSelectNode = "You must select a node";
constexpr const char* kNodeNeedsChildren = "Selecting node must have children nodes";

void Search(const ToolOptions& o, std::ostream& out) {
    Expect(o, 3, "DOC KIND TEXT");
    const std::string& kind = o.args[1];
    if (kind != "title" && kind != "keyword" && kind != "local" && kind != "full")
        throw UsageError("KIND must be title, keyword, local or full, not \"" + kind + "\"");
    OpenDoc d = OpenWithPassword(o, o.args[0]);
    std::vector<int> hits;
    if (kind == "title") {
        hits = TitleSearch(d.catalog, Utf8ToCp936(o.args[2]));
    } else if (kind == "keyword") {
        const std::string needle = AsciiLower(Utf8ToCp936(o.args[2]));
        for (int i = 0; i < d.catalog.Count(); ++i) {
            d.doc->ReadNode(d.catalog.Nodes[static_cast<size_t>(i)].NodePos);
            if (ContainsAsciiCaseless(FieldText(d.doc->Node.Keyword), needle)) hits.push_back(i);
        }
    } else {
        const QString text = QString::fromStdString(o.args[2]);
        int first = 0, end = d.catalog.Count();
        if (kind == "local") {
            if (!o.node) throw Refusal(kMustSelectNode);
            const TCatalogNode& node = NodeAt(d, *o.node);
            if (node.FirstChild < 0) throw Refusal(kNodeNeedsChildren);
            const int index = static_cast<int>(&node - d.catalog.Nodes.data());
            first = index + 1;
            end = d.catalog.SubtreeEnd(index);
        }
        hits = SearchBodies(*d.doc, d.catalog, text, first, end);
    }
    std::vector<std::string> rows;
    for (int i : hits) {
        const std::string title = Utf8(d.catalog.Title(i));
        if (o.json)
            rows.push_back(JsonObject().Add("index", i).Add("title", title).Text());
        else
            out << i << "\t" << title << "\n";
    }
    if (o.json) out << JsonArray(rows) << "\n";
}

// The branch below INDEX into DIR/<title>, as the window's export writes it.
void Export(const ToolOptions& o, std::ostream&) {
    Expect(o, 3, "DOC INDEX DIR");
    OpenDoc d = OpenWithPassword(o, o.args[0]);
    const TCatalogNode& n = NodeAt(d, o.args[1]);
    const int index = static_cast<int>(&n - d.catalog.Nodes.data());
    if (n.FirstChild < 0) throw Refusal("node " + o.args[1] + " has no children to export");
    const std::string top = o.args[2] + "/" + ExportName(d.catalog.Title(index));
    struct stat st {};
    if (::stat(top.c_str(), &st) == 0)
        throw QbxError(QbxError::Kind::Io, "The directory of exportment has already existed!");
    if (::mkdir(top.c_str(), 0777) != 0) ThrowIo("cannot create the folder", top, errno);
    ExportBranch(*d.doc, d.catalog, index, top);
}

// The node's displayed text, as the content view shows it, in UTF-8.
void Text(const ToolOptions& o, std::ostream& out) {
    if (const auto body = NodeBody(o))
        out << BodyDisplayedText({reinterpret_cast<const char*>(body->data()), body->size()}).toStdString();
}

}  // namespace

void RunToolCommand(const ToolOptions& o, std::ostream& out) {
    static const std::map<std::string, std::function<void(const ToolOptions&, std::ostream&)>> commands = {
        {"info", Info},       {"tree", Tree},     {"body", Body}, {"attachments", Attachments},
        {"extract", Extract}, {"search", Search}, {"text", Text}, {"export", Export},
    };
    const auto it = commands.find(o.command);
    if (it == commands.end()) throw UsageError("unknown command \"" + o.command + "\"");
    it->second(o, out);
}

}  // namespace qbx
