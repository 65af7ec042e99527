#include "RtfReader.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <unordered_map>

#include "CodePageText.h"

namespace qbx {

std::optional<uint32_t> RtfTables::Color(int index) const {
    if (index <= 0 || static_cast<size_t>(index) >= colors.size()) return std::nullopt;
    return colors[static_cast<size_t>(index)];
}

QString RtfTables::FontName(int font) const {
    const auto it = fonts.find(font);
    return it == fonts.end() ? QString() : it->second.name;
}

namespace {

// Deeper groups than this are counted, not stored: 100,000 levels of nesting
// still read fine, and a file of nothing but "{" cannot exhaust memory.
constexpr size_t kMaxStoredDepth = 200000;
constexpr int kMaxTwips = 31680;  // 22 inches

enum class Dest : uint8_t { Text, Skip, FontTable, ColorTable, Picture, FieldInstruction };

struct Group {
    RtfCharFormat chr;
    RtfParaFormat para;
    Dest dest = Dest::Text;
    bool ownsDest = false;    // this group started its destination
    bool linkResult = false;  // this group is a HYPERLINK field's result
    int uc = 1;               // characters to skip after \uN
};

enum class Word : uint8_t {
    Unknown,
    Rtf,
    Ansicpg,
    Deff,
    FontTable,
    ColorTable,
    F,
    Fcharset,
    Red,
    Green,
    Blue,
    B,
    I,
    Ul,
    UlNone,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Dn,
    Plain,
    Fs,
    Cf,
    Cb,
    Highlight,
    Par,
    Pard,
    Ql,
    Qc,
    Qr,
    Qj,
    Li,
    Ri,
    Fi,
    Sb,
    Sa,
    Line,
    Tab,
    Page,
    Trowd,
    Cellx,
    Intbl,
    Cell,
    Row,
    NestCell,
    NestRow,
    Uc,
    U,
    Bin,
    Pict,
    PngBlip,
    JpegBlip,
    OtherBlip,
    PicW,
    PicH,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
    Field,
    FldInst,
    FldRslt,
    SkipDest,
    TextDest,
    Char,
};

struct WordInfo {
    Word word;
    char16_t ch = 0;  // for Word::Char
};

const std::unordered_map<std::string_view, WordInfo>& Words() {
    static const std::unordered_map<std::string_view, WordInfo> words = [] {
        std::unordered_map<std::string_view, WordInfo> w = {
            {"rtf", {Word::Rtf}},
            {"ansicpg", {Word::Ansicpg}},
            {"deff", {Word::Deff}},
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColorTable}},
            {"f", {Word::F}},
            {"fcharset", {Word::Fcharset}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"b", {Word::B}},
            {"i", {Word::I}},
            {"ul", {Word::Ul}},
            {"uld", {Word::Ul}},
            {"uldb", {Word::Ul}},
            {"ulw", {Word::Ul}},
            {"ulth", {Word::Ul}},
            {"ulwave", {Word::Ul}},
            {"uldash", {Word::Ul}},
            {"ulnone", {Word::UlNone}},
            {"strike", {Word::Strike}},
            {"striked", {Word::Strike}},
            {"super", {Word::Super}},
            {"sub", {Word::Sub}},
            {"nosupersub", {Word::NoSuperSub}},
            {"up", {Word::Up}},
            {"dn", {Word::Dn}},
            {"plain", {Word::Plain}},
            {"fs", {Word::Fs}},
            {"cf", {Word::Cf}},
            {"cb", {Word::Cb}},
            {"highlight", {Word::Highlight}},
            {"par", {Word::Par}},
            {"pard", {Word::Pard}},
            {"ql", {Word::Ql}},
            {"qc", {Word::Qc}},
            {"qr", {Word::Qr}},
            {"qj", {Word::Qj}},
            {"li", {Word::Li}},
            {"ri", {Word::Ri}},
            {"fi", {Word::Fi}},
            {"sb", {Word::Sb}},
            {"sa", {Word::Sa}},
            {"line", {Word::Line}},
            {"tab", {Word::Tab}},
            {"page", {Word::Page}},
            {"sect", {Word::Page}},
            {"trowd", {Word::Trowd}},
            {"cellx", {Word::Cellx}},
            {"intbl", {Word::Intbl}},
            {"cell", {Word::Cell}},
            {"row", {Word::Row}},
            {"nestcell", {Word::NestCell}},
            {"nestrow", {Word::NestRow}},
            {"uc", {Word::Uc}},
            {"u", {Word::U}},
            {"bin", {Word::Bin}},
            {"pict", {Word::Pict}},
            {"pngblip", {Word::PngBlip}},
            {"jpegblip", {Word::JpegBlip}},
            {"emfblip", {Word::OtherBlip}},
            {"wmetafile", {Word::OtherBlip}},
            {"macpict", {Word::OtherBlip}},
            {"dibitmap", {Word::OtherBlip}},
            {"wbitmap", {Word::OtherBlip}},
            {"pmmetafile", {Word::OtherBlip}},
            {"picw", {Word::PicW}},
            {"pich", {Word::PicH}},
            {"picwgoal", {Word::PicWGoal}},
            {"pichgoal", {Word::PicHGoal}},
            {"picscalex", {Word::PicScaleX}},
            {"picscaley", {Word::PicScaleY}},
            {"field", {Word::Field}},
            {"fldinst", {Word::FldInst}},
            {"fldrslt", {Word::FldRslt}},
            {"shppict", {Word::TextDest}},
            {"emdash", {Word::Char, u'\u2014'}},
            {"endash", {Word::Char, u'\u2013'}},
            {"bullet", {Word::Char, u'\u2022'}},
            {"lquote", {Word::Char, u'\u2018'}},
            {"rquote", {Word::Char, u'\u2019'}},
            {"ldblquote", {Word::Char, u'\u201C'}},
            {"rdblquote", {Word::Char, u'\u201D'}},
            {"emspace", {Word::Char, u'\u2003'}},
            {"enspace", {Word::Char, u'\u2002'}},
            {"qmspace", {Word::Char, u'\u2005'}},
            {"zwj", {Word::Char, u'\u200D'}},
            {"zwnj", {Word::Char, u'\u200C'}},
        };
        // Destinations whose content is never shown.
        for (std::string_view d : {"stylesheet",   "info",      "listtable",  "listoverridetable",
                                   "revtbl",       "rsidtbl",   "themedata",  "colorschememapping",
                                   "latentstyles", "datastore", "xmlnstbl",   "mmathPr",
                                   "generator",    "header",    "headerl",    "headerr",
                                   "headerf",      "footer",    "footerl",    "footerr",
                                   "footerf",      "footnote",  "annotation", "atnid",
                                   "atnauthor",    "falt",      "panose",     "pn",
                                   "nonshppict",   "objdata",   "filetbl",    "xe",
                                   "tc",           "bkmkstart", "bkmkend",    "author",
                                   "operator",     "title",     "subject",    "keywords",
                                   "comment",      "doccomm",   "company",    "category",
                                   "template",     "private",   "userprops",  "pgdsctbl",
                                   "protusertbl",  "fchars",    "lchars",     "wgrffmtfilter",
                                   "background",   "shpinst",   "sp",         "sn",
                                   "sv",           "do",        "macpict"})
            w[d] = {Word::SkipDest};
        w["macpict"] = {Word::OtherBlip};
        return w;
    }();
    return words;
}

int Clamp(long long v, int lo, int hi) { return static_cast<int>(std::clamp<long long>(v, lo, hi)); }

int HexValue(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    Parser(std::string_view rtf, RtfSink& sink) : in_(rtf), sink_(sink) {}

    void Run() {
        sink_.Begin(tables_);
        while (pos_ < in_.size() && !rootClosed_) {
            const uint8_t c = static_cast<uint8_t>(in_[pos_]);
            if (c == '{') {
                ++pos_;
                OpenGroup();
            } else if (c == '}') {
                ++pos_;
                CloseGroup();
            } else if (c == '\\') {
                if (!TextRun()) {
                    ++pos_;
                    ControlSequence();
                }
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else if (!TextRun()) {
                AppendByte(static_cast<uint8_t>(in_[pos_++]));
            }
        }
        while (!stack_.empty()) CloseGroup();
        FlushText();
        sink_.Finish(lastPara_);
    }

private:
    // --- groups -----------------------------------------------------------
    void OpenGroup() {
        skipCount_ = 0;
        if (stack_.size() >= kMaxStoredDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(top_);
        top_.ownsDest = false;
        top_.linkResult = false;
    }

    void CloseGroup() {
        skipCount_ = 0;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (stack_.empty()) return;  // an unbalanced "}"
        FlushText();
        if (top_.ownsDest) EndDestination(top_.dest);
        if (top_.linkResult) sink_.LinkEnd();
        if (stack_.size() == 1) lastPara_ = top_.para;  // the last paragraph keeps the formats set last
        top_ = stack_.back();
        stack_.pop_back();
        rootClosed_ = stack_.empty();  // whatever follows the document's last brace is not shown
    }

    void StartDestination(Dest d) {
        FlushText();
        top_.dest = d;
        top_.ownsDest = true;
        if (d == Dest::FontTable || d == Dest::ColorTable) entryBytes_.clear(), entrySet_ = false;
        if (d == Dest::Picture) {
            picture_ = RtfPicture{};
            picW_ = picH_ = 0;
            scaleX_ = scaleY_ = 100;
            nibble_ = -1;
        }
        if (d == Dest::FieldInstruction) fieldInstruction_.clear();
    }

    void EndDestination(Dest d) {
        switch (d) {
        case Dest::FontTable:
            EndFontEntry();
            break;
        case Dest::Picture:
            EndPicture();
            break;
        default:
            break;
        }
    }

    // --- text -------------------------------------------------------------
    bool Shown() const { return top_.dest == Dest::Text && stack_.size() > 0; }

    int CodePage() const {
        const int font = top_.chr.font >= 0 ? top_.chr.font : tables_.defaultFont;
        const auto it = tables_.fonts.find(font);
        if (it != tables_.fonts.end() && it->second.codePage > 0) return it->second.codePage;
        return documentCodePage_;
    }

    void AppendByte(uint8_t b) {
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        switch (top_.dest) {
        case Dest::Text:
            if (stack_.empty() || b == 0) return;
            if (runBytes_.empty()) runCodePage_ = CodePage();
            runBytes_.push_back(static_cast<char>(b));
            break;
        case Dest::FontTable:
            if (b == ';') {
                EndFontEntry();
            } else {
                entryBytes_.push_back(static_cast<char>(b));
            }
            break;
        case Dest::ColorTable:
            if (b == ';') {
                tables_.colors.push_back(entrySet_ ? std::optional<uint32_t>(color_) : std::nullopt);
                color_ = 0;
                entrySet_ = false;
            }
            break;
        case Dest::Picture: {
            const int v = HexValue(b);
            if (v < 0) break;
            if (nibble_ < 0) {
                nibble_ = v;
            } else {
                picture_.data.append(static_cast<char>(nibble_ << 4 | v));
                nibble_ = -1;
            }
            break;
        }
        case Dest::FieldInstruction:
            fieldInstruction_.push_back(static_cast<char>(b));
            break;
        case Dest::Skip:
            break;
        }
    }

    // A run of ordinary bytes and \'hh escapes of shown text, taken in one
    // go: most of a Chinese body is escapes. False when it took nothing.
    bool TextRun() {
        if (top_.dest != Dest::Text || skipCount_ != 0 || stack_.empty()) return false;
        const size_t start = pos_;
        {
            if (runBytes_.empty()) runCodePage_ = CodePage();
            while (pos_ < in_.size()) {
                const char c = in_[pos_];
                if (c == '\\') {
                    if (pos_ + 3 >= in_.size() || in_[pos_ + 1] != '\'') break;
                    const int hi = HexValue(static_cast<uint8_t>(in_[pos_ + 2]));
                    const int lo = HexValue(static_cast<uint8_t>(in_[pos_ + 3]));
                    if (hi < 0 || lo < 0) break;
                    runBytes_.push_back(static_cast<char>(hi << 4 | lo));
                    pos_ += 4;
                    continue;
                }
                if (c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0') break;
                runBytes_.push_back(c);
                ++pos_;
            }
        }
        return pos_ > start;
    }

    void AppendChar(char16_t ch) {
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        if (!Shown()) return;
        DecodeRun();
        runText_.append(QChar(ch));
    }

    void DecodeRun() {
        if (runBytes_.empty()) return;
        runText_ += DecodeCodePage(runCodePage_, runBytes_);
        runBytes_.clear();
    }

    // Every format change and group end flushes first, so the run pending
    // here always has the formats of the current group.
    void FlushText() {
        DecodeRun();
        if (runText_.isEmpty()) return;
        sink_.Text(runText_, top_.chr, top_.para);
        runText_.clear();
    }

    // --- control words ----------------------------------------------------
    void ControlSequence() {
        if (pos_ >= in_.size()) return;
        const uint8_t c = static_cast<uint8_t>(in_[pos_]);
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        const size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(static_cast<uint8_t>(in_[pos_])) && pos_ - start < 32) ++pos_;
        const std::string_view name = in_.substr(start, pos_ - start);
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasParam = true;
            if (param < INT_MAX) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        param = std::min<long long>(param, INT_MAX);
        if (negative) param = -param;
        ControlWord(name, hasParam, static_cast<int>(param));
    }

    static bool IsLetter(uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void ControlSymbol(uint8_t c) {
        switch (c) {
        case '\'': {
            int hi = pos_ < in_.size() ? HexValue(static_cast<uint8_t>(in_[pos_])) : -1;
            if (hi < 0) return;  // a broken escape shows nothing
            ++pos_;
            const int lo = pos_ < in_.size() ? HexValue(static_cast<uint8_t>(in_[pos_])) : -1;
            if (lo < 0) return;  // half an escape shows nothing either
            ++pos_;
            const uint8_t byte = static_cast<uint8_t>(hi << 4 | lo);
            if (top_.dest == Dest::Picture) return;  // escapes carry no picture data
            AppendByte(byte);
            return;
        }
        case '*':
            pendingIgnorable_ = true;
            return;
        case '\r':
        case '\n':
            ControlWord("par", false, 0);
            return;
        case '~':
            AppendTextChar(u'\u00A0');
            return;
        case '_':
            AppendTextChar(u'\u2011');
            return;
        case '-':  // an optional hyphen is not shown
        case ':':
        case '|':
            SkipOne();
            return;
        case '\\':
        case '{':
        case '}':
            AppendByte(c);
            return;
        default:
            SkipOne();
            return;
        }
    }

    void SkipOne() {
        if (skipCount_ > 0) --skipCount_;
    }

    void AppendTextChar(char16_t ch) { AppendChar(ch); }

    void ControlWord(std::string_view name, bool hasParam, int param) {
        const bool ignorable = pendingIgnorable_;
        pendingIgnorable_ = false;
        const auto& words = Words();
        const auto it = words.find(name);
        const WordInfo info = it == words.end() ? WordInfo{Word::Unknown} : it->second;
        if (skipCount_ > 0 && info.word != Word::Bin) {
            --skipCount_;
            return;
        }
        if (top_.dest == Dest::Skip && info.word != Word::Bin) return;
        if (info.word == Word::Unknown) {
            if (ignorable) StartDestination(Dest::Skip);
            return;
        }
        const int p = hasParam ? param : 1;  // toggles without a number mean "on"
        RtfCharFormat& chr = top_.chr;
        RtfParaFormat& para = top_.para;

        if (top_.dest == Dest::FontTable) return FontTableWord(info.word, param);
        if (top_.dest == Dest::ColorTable) return ColorTableWord(info.word, param);
        if (top_.dest == Dest::Picture) return PictureWord(info.word, hasParam, param);

        switch (info.word) {
        case Word::Rtf:
            break;
        case Word::Ansicpg:
            if (IsKnownCodePage(param)) documentCodePage_ = param;
            break;
        case Word::Deff:
            tables_.defaultFont = param;
            break;
        case Word::FontTable:
            StartDestination(Dest::FontTable);
            break;
        case Word::ColorTable:
            StartDestination(Dest::ColorTable);
            break;
        case Word::SkipDest:
            StartDestination(Dest::Skip);
            break;
        case Word::TextDest:
            break;
        case Word::F:
            SetChar([&] { chr.font = param; });
            break;
        case Word::Fcharset:
            break;
        case Word::B:
            SetChar([&] { chr.bold = p != 0; });
            break;
        case Word::I:
            SetChar([&] { chr.italic = p != 0; });
            break;
        case Word::Ul:
            SetChar([&] { chr.underline = p != 0; });
            break;
        case Word::UlNone:
            SetChar([&] { chr.underline = false; });
            break;
        case Word::Strike:
            SetChar([&] { chr.strike = p != 0; });
            break;
        case Word::Super:
            SetChar([&] { chr.vertical = 1; });
            break;
        case Word::Sub:
            SetChar([&] { chr.vertical = 2; });
            break;
        case Word::NoSuperSub:
            SetChar([&] { chr.vertical = 0; });
            break;
        case Word::Up:
            SetChar([&] { chr.vertical = p > 0 ? 1 : 0; });
            break;
        case Word::Dn:
            SetChar([&] { chr.vertical = p > 0 ? 2 : 0; });
            break;
        case Word::Plain:
            SetChar([&] { chr = RtfCharFormat{}; });
            break;
        case Word::Fs:
            SetChar([&] { chr.fontSize = hasParam && param > 0 ? Clamp(param, 2, 3276) : -1; });
            break;
        case Word::Cf:
            SetChar([&] { chr.foreground = std::max(0, param); });
            break;
        case Word::Cb:
        case Word::Highlight:
            SetChar([&] { chr.background = std::max(0, param); });
            break;
        case Word::Pard:
            SetPara([&] { para = RtfParaFormat{}; });
            break;
        case Word::Ql:
            SetPara([&] { para.align = RtfParaFormat::Left; });
            break;
        case Word::Qc:
            SetPara([&] { para.align = RtfParaFormat::Center; });
            break;
        case Word::Qr:
            SetPara([&] { para.align = RtfParaFormat::Right; });
            break;
        case Word::Qj:
            SetPara([&] { para.align = RtfParaFormat::Justify; });
            break;
        case Word::Li:
            SetPara([&] { para.leftIndent = Clamp(param, -kMaxTwips, kMaxTwips); });
            break;
        case Word::Ri:
            SetPara([&] { para.rightIndent = Clamp(param, -kMaxTwips, kMaxTwips); });
            break;
        case Word::Fi:
            SetPara([&] { para.firstIndent = Clamp(param, -kMaxTwips, kMaxTwips); });
            break;
        case Word::Sb:
            SetPara([&] { para.spaceBefore = Clamp(param, 0, kMaxTwips); });
            break;
        case Word::Sa:
            SetPara([&] { para.spaceAfter = Clamp(param, 0, kMaxTwips); });
            break;
        case Word::Intbl:
            SetPara([&] { para.inTable = true; });
            break;
        case Word::Trowd:
            cellCount_ = 0;
            break;
        case Word::Cellx:
            cellCount_ = std::min(cellCount_ + 1, 63);
            break;
        case Word::Par:
            if (!Shown()) break;
            FlushText();
            sink_.ParagraphEnd(para);
            break;
        case Word::Page:
            if (!Shown()) break;
            FlushText();
            sink_.ParagraphEnd(para);
            break;
        case Word::Line:
            if (!Shown()) break;
            FlushText();
            sink_.LineBreak(chr, para);
            break;
        case Word::Tab:
            AppendTextChar(u'\t');
            break;
        case Word::Cell:
            if (!Shown()) break;
            FlushText();
            para.inTable = true;
            sink_.CellEnd(para);
            break;
        case Word::Row:
            if (!Shown()) break;
            FlushText();
            sink_.RowEnd(std::max(cellCount_, 1));
            break;
        case Word::NestCell:
            AppendTextChar(u'\t');
            break;
        case Word::NestRow:
            if (!Shown()) break;
            FlushText();
            sink_.LineBreak(chr, para);
            break;
        case Word::Uc:
            top_.uc = Clamp(param, 0, 10);
            break;
        case Word::U: {
            const int v = param < 0 ? param + 65536 : param;
            AppendTextChar(v >= 0 && v <= 0xFFFF ? static_cast<char16_t>(v) : u'\uFFFD');
            skipCount_ = top_.uc;
            break;
        }
        case Word::Bin:
            SkipBinary(hasParam ? param : 0);
            break;
        case Word::Pict:
            StartDestination(Dest::Picture);
            break;
        case Word::Field:
            fieldInstruction_.clear();
            break;
        case Word::FldInst:
            StartDestination(Dest::FieldInstruction);
            break;
        case Word::FldRslt: {
            const QString url = HyperlinkTarget();
            if (!url.isEmpty() && Shown()) {
                FlushText();
                sink_.LinkStart(url);
                top_.linkResult = true;
            }
            fieldInstruction_.clear();
            break;
        }
        case Word::Char:
            AppendTextChar(info.ch);
            break;
        default:
            break;
        }
    }

    template <typename F>
    void SetChar(F change) {
        if (top_.dest != Dest::Text) return;
        FlushText();
        change();
    }
    template <typename F>
    void SetPara(F change) {
        if (top_.dest != Dest::Text) return;
        FlushText();
        change();
    }

    // \binN: N raw bytes follow; more than are left takes what is left.
    void SkipBinary(int count) {
        const size_t n = std::min<size_t>(static_cast<size_t>(std::max(count, 0)), in_.size() - pos_);
        if (top_.dest == Dest::Picture && skipCount_ == 0) picture_.data.append(in_.data() + pos_, qsizetype(n));
        pos_ += n;
        skipCount_ = 0;
    }

    void FontTableWord(Word w, int param) {
        if (w == Word::F) {
            EndFontEntry();
            font_ = param;
            entrySet_ = true;
        } else if (w == Word::Fcharset) {
            tables_.fonts[font_].codePage = CodePageOfCharset(param);
        } else if (w == Word::SkipDest) {
            StartDestination(Dest::Skip);
        }
    }

    void EndFontEntry() {
        if (!entrySet_) return;
        RtfFont& f = tables_.fonts[font_];
        std::string bytes = entryBytes_;
        while (!bytes.empty() && (bytes.back() == ' ' || bytes.back() == ';')) bytes.pop_back();
        f.name = DecodeCodePage(f.codePage > 0 ? f.codePage : documentCodePage_, bytes).trimmed();
        entryBytes_.clear();
        entrySet_ = false;
    }

    void ColorTableWord(Word w, int param) {
        const uint32_t v = static_cast<uint32_t>(Clamp(param, 0, 255));
        if (w == Word::Red)
            color_ = (color_ & 0x00FFFF) | v << 16;
        else if (w == Word::Green)
            color_ = (color_ & 0xFF00FF) | v << 8;
        else if (w == Word::Blue)
            color_ = (color_ & 0xFFFF00) | v;
        else
            return;
        entrySet_ = true;
    }

    void PictureWord(Word w, bool hasParam, int param) {
        const int v = hasParam ? Clamp(param, 0, 1 << 20) : 0;
        switch (w) {
        case Word::PngBlip:
            picture_.kind = RtfPicture::Png;
            break;
        case Word::JpegBlip:
            picture_.kind = RtfPicture::Jpeg;
            break;
        case Word::OtherBlip:
            picture_.kind = RtfPicture::Other;
            break;
        case Word::PicW:
            picW_ = v;
            break;
        case Word::PicH:
            picH_ = v;
            break;
        case Word::PicWGoal:
            picture_.widthTwips = v;
            break;
        case Word::PicHGoal:
            picture_.heightTwips = v;
            break;
        case Word::PicScaleX:
            scaleX_ = Clamp(v, 1, 1000);
            break;
        case Word::PicScaleY:
            scaleY_ = Clamp(v, 1, 1000);
            break;
        case Word::Bin:
            SkipBinary(param);
            break;
        case Word::SkipDest:
            StartDestination(Dest::Skip);
            break;
        default:
            break;
        }
    }

    void EndPicture() {
        // Without goal sizes: pixels for PNG and JPEG, 0.01 mm for metafiles.
        auto size = [&](int goal, int natural, int scale) {
            long long twips = goal;
            if (twips <= 0) twips = picture_.kind == RtfPicture::Other ? natural * 1440LL / 2540 : natural * 15LL;
            return Clamp(twips * scale / 100, 0, kMaxTwips);
        };
        picture_.widthTwips = size(picture_.widthTwips, picW_, scaleX_);
        picture_.heightTwips = size(picture_.heightTwips, picH_, scaleY_);
        const Group& outer = stack_.empty() ? top_ : stack_.back();
        if (outer.dest == Dest::Text && stack_.size() > 1) sink_.Picture(picture_, outer.chr, outer.para);
        picture_ = RtfPicture{};
    }

    // The target of a HYPERLINK field: its first quoted or bare argument.
    QString HyperlinkTarget() const {
        const QString instr = DecodeCodePage(documentCodePage_, fieldInstruction_).trimmed();
        if (!instr.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive)) return {};
        QStringView rest = QStringView(instr).mid(9).trimmed();
        while (rest.startsWith(u'\\')) {  // switches such as \l "anchor" come first or last
            const qsizetype space = rest.indexOf(u' ');
            if (space < 0) return {};
            rest = rest.mid(space).trimmed();
            if (rest.startsWith(u'"')) {
                const qsizetype close = rest.indexOf(u'"', 1);
                if (close < 0) return {};
                rest = rest.mid(close + 1).trimmed();
            }
        }
        if (rest.startsWith(u'"')) {
            const qsizetype close = rest.indexOf(u'"', 1);
            return (close < 0 ? rest.mid(1) : rest.mid(1, close - 1)).toString();
        }
        const qsizetype space = rest.indexOf(u' ');
        return (space < 0 ? rest : rest.left(space)).toString();
    }

    std::string_view in_;
    size_t pos_ = 0;
    RtfSink& sink_;
    RtfTables tables_;
    std::vector<Group> stack_;
    Group top_;
    size_t overflowDepth_ = 0;
    bool rootClosed_ = false;
    RtfParaFormat lastPara_;
    bool pendingIgnorable_ = false;
    int skipCount_ = 0;  // characters still to skip after \uN
    int documentCodePage_ = kDefaultCodePage;
    int cellCount_ = 0;

    std::string runBytes_;
    int runCodePage_ = kDefaultCodePage;
    QString runText_;

    std::string entryBytes_;  // font name being read
    bool entrySet_ = false;
    int font_ = 0;
    uint32_t color_ = 0;
    RtfPicture picture_;
    int picW_ = 0, picH_ = 0, scaleX_ = 100, scaleY_ = 100;
    int nibble_ = -1;
    std::string fieldInstruction_;
};

// Collects the displayed text only, as the built document would hold it: a
// table's start counts as a line end, and each cell ends with one. (Rows with
// fewer cells than the table has columns are where the two can differ.)
class TextSink : public RtfSink {
public:
    void Text(const QString& text, const RtfCharFormat&, const RtfParaFormat& para) override {
        Place(para);
        out += text;
    }
    void LineBreak(const RtfCharFormat&, const RtfParaFormat& para) override {
        Place(para);
        out += u'\n';
    }
    void ParagraphEnd(const RtfParaFormat& para) override {
        Place(para);
        out += u'\n';
    }
    void CellEnd(const RtfParaFormat& para) override {
        Place(para);
        out += u'\n';
    }
    void RowEnd(int) override {}
    void Picture(const RtfPicture&, const RtfCharFormat&, const RtfParaFormat& para) override {
        Place(para);
        out += QChar::ObjectReplacementCharacter;
    }
    void LinkStart(const QString&) override {}
    void LinkEnd() override {}
    void Finish(const RtfParaFormat&) override {}
    QString out;

private:
    void Place(const RtfParaFormat& para) {
        if (para.inTable && !inTable_) out += u'\n';
        inTable_ = para.inTable;
    }
    bool inTable_ = false;
};

}  // namespace

void ReadRtf(std::string_view rtf, RtfSink& sink) { Parser(rtf, sink).Run(); }

QString RtfDisplayedText(std::string_view rtf) {
    TextSink sink;
    ReadRtf(rtf, sink);
    sink.out.replace(QChar::Nbsp, u' ');  // as a document's plain text shows it
    return sink.out;
}

}  // namespace qbx
