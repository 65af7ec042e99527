// Shows a long body at once: the RTF is read into a compact list of events
// (as fast as taking its plain text), the first screenful is put into the
// document straight away, and the rest follows in short steps from the event
// loop. Finish() completes it at once when something needs the whole text.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTextDocument>
#include <memory>
#include <string_view>

#include "ContentLoader.h"

namespace qbx {

class RtfEventLog;

class TProgressiveLoader : public QObject {
    Q_OBJECT
public:
    explicit TProgressiveLoader(QObject* parent = nullptr);
    ~TProgressiveLoader() override;

    // Starts loading `body` into `doc` by the loading rule; returns how it is read.
    BodyKind Start(QTextDocument* doc, std::string_view body);
    // Puts in everything that is still missing.
    void Finish();
    bool Loading() const;
    // Forgets a load in progress (the document is being replaced).
    void Cancel();

    // How much goes in before Start returns, and per step afterwards.
    static constexpr size_t kFirstEvents = 400;
    static constexpr size_t kStepEvents = 4000;

signals:
    void Finished();

private:
    void Step();
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace qbx
