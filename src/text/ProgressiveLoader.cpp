#include "ProgressiveLoader.h"

#include <QTimer>
#include <variant>
#include <vector>

#include "BodyText.h"
#include "LinkDetection.h"
#include "RtfDocumentSink.h"
#include "RtfReader.h"

namespace qbx {

// The RTF reader's events, kept to be replayed into a document later.
class RtfEventLog : public RtfSink {
public:
    struct TextEvent {
        QString text;
        RtfCharFormat chr;
        RtfParaFormat para;
    };
    struct LineEvent {
        RtfCharFormat chr;
        RtfParaFormat para;
    };
    struct ParaEvent {
        RtfParaFormat para;
    };
    struct CellEvent {
        RtfParaFormat para;
    };
    struct RowEvent {
        int cells;
    };
    struct PictureEvent {
        RtfPicture picture;
        RtfCharFormat chr;
        RtfParaFormat para;
    };
    struct LinkStartEvent {
        QString url;
    };
    struct LinkEndEvent {};
    using Event =
        std::variant<TextEvent, LineEvent, ParaEvent, CellEvent, RowEvent, PictureEvent, LinkStartEvent, LinkEndEvent>;

    void Begin(const RtfTables& tables) override { source_ = &tables; }
    void Text(const QString& t, const RtfCharFormat& c, const RtfParaFormat& p) override {
        events.push_back(TextEvent{t, c, p});
        shows = true;
    }
    void LineBreak(const RtfCharFormat& c, const RtfParaFormat& p) override { events.push_back(LineEvent{c, p}); }
    void ParagraphEnd(const RtfParaFormat& p) override { events.push_back(ParaEvent{p}); }
    void CellEnd(const RtfParaFormat& p) override { events.push_back(CellEvent{p}); }
    void RowEnd(int cells) override { events.push_back(RowEvent{cells}); }
    void Picture(const RtfPicture& pic, const RtfCharFormat& c, const RtfParaFormat& p) override {
        events.push_back(PictureEvent{pic, c, p});
        shows = true;
    }
    void LinkStart(const QString& url) override { events.push_back(LinkStartEvent{url}); }
    void LinkEnd() override { events.push_back(LinkEndEvent{}); }
    void Finish(const RtfParaFormat& last) override {
        lastPara = last;
        tables = *source_;  // the reader's tables end with it
    }

    // Replays events [from, from + count) into `sink`; returns where it stopped.
    size_t Replay(RtfSink& sink, size_t from, size_t count) const {
        const size_t end = std::min(events.size(), from + count);
        for (size_t i = from; i < end; ++i) {
            std::visit(
                [&sink](const auto& e) {
                    using T = std::decay_t<decltype(e)>;
                    if constexpr (std::is_same_v<T, TextEvent>)
                        sink.Text(e.text, e.chr, e.para);
                    else if constexpr (std::is_same_v<T, LineEvent>)
                        sink.LineBreak(e.chr, e.para);
                    else if constexpr (std::is_same_v<T, ParaEvent>)
                        sink.ParagraphEnd(e.para);
                    else if constexpr (std::is_same_v<T, CellEvent>)
                        sink.CellEnd(e.para);
                    else if constexpr (std::is_same_v<T, RowEvent>)
                        sink.RowEnd(e.cells);
                    else if constexpr (std::is_same_v<T, PictureEvent>)
                        sink.Picture(e.picture, e.chr, e.para);
                    else if constexpr (std::is_same_v<T, LinkStartEvent>)
                        sink.LinkStart(e.url);
                    else
                        sink.LinkEnd();
                },
                events[i]);
        }
        return end;
    }

    std::vector<Event> events;
    RtfTables tables;
    RtfParaFormat lastPara;
    bool shows = false;

private:
    const RtfTables* source_ = nullptr;
};

struct TProgressiveLoader::State {
    QPointer<QTextDocument> doc;
    RtfEventLog log;
    std::unique_ptr<DocumentSink> sink;
    size_t next = 0;
    int linkedBlocks = 0;  // blocks whose links are marked
};

TProgressiveLoader::TProgressiveLoader(QObject* parent) : QObject(parent) {}
TProgressiveLoader::~TProgressiveLoader() = default;

bool TProgressiveLoader::Loading() const { return state_ != nullptr; }

void TProgressiveLoader::Cancel() { state_.reset(); }

BodyKind TProgressiveLoader::Start(QTextDocument* doc, std::string_view body) {
    Cancel();
    auto state = std::make_unique<State>();
    bool rtf = false;
    if (LooksLikeRtf(body)) {
        ReadRtf(body, state->log);
        rtf = state->log.shows;
    }
    if (!rtf) {  // plain text: a paragraph per line
        state->log = RtfEventLog();
        const QString text = PlainBodyText(body);
        qsizetype start = 0;
        for (;;) {
            const qsizetype end = text.indexOf(u'\n', start);
            const QString line = text.mid(start, end < 0 ? -1 : end - start);
            if (!line.isEmpty()) state->log.events.push_back(RtfEventLog::TextEvent{line, {}, {}});
            if (end < 0) break;
            state->log.events.push_back(RtfEventLog::ParaEvent{});
            start = end + 1;
        }
    }
    doc->clear();
    state->doc = doc;
    state->sink = std::make_unique<DocumentSink>(*doc);
    state->sink->Begin(state->log.tables);
    state_ = std::move(state);
    Step();  // the first screenful now
    return rtf ? BodyKind::Rtf : BodyKind::Plain;
}

void TProgressiveLoader::Step() {
    if (!state_) return;
    State& s = *state_;
    if (!s.doc) {
        state_.reset();
        return;
    }
    const size_t count = s.next == 0 ? kFirstEvents : kStepEvents;
    QTextCursor edit(s.doc);
    edit.beginEditBlock();
    s.next = s.log.Replay(*s.sink, s.next, count);
    const bool done = s.next >= s.log.events.size();
    if (done) s.sink->Finish(s.log.lastPara);
    edit.endEditBlock();
    // Links of the finished blocks (the last may still grow).
    const int complete = done ? s.doc->blockCount() : s.doc->blockCount() - 1;
    if (complete > s.linkedBlocks) {
        DetectLinks(*s.doc, s.linkedBlocks, complete);
        s.linkedBlocks = complete;
    }
    if (done) {
        state_.reset();
        emit Finished();
        return;
    }
    QTimer::singleShot(0, this, &TProgressiveLoader::Step);
}

void TProgressiveLoader::Finish() {
    while (state_) {
        const size_t before = state_->next;
        Step();
        if (state_ && state_->next == before) break;
    }
}

}  // namespace qbx
