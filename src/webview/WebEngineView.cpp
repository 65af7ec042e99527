#include "WebEngineView.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace qbx {
namespace {

class TWebEngineView : public TWebView {
public:
    explicit TWebEngineView(QWidget* parent) : view_(new QWebEngineView(parent)) {
        view_->setObjectName(QStringLiteral("HtmlView"));
        view_->setContextMenuPolicy(Qt::NoContextMenu);  // right clicks show nothing
        QWebEngineSettings* s = view_->settings();
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    }
    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& url) override { view_->setUrl(url); }

private:
    QWebEngineView* view_;
};

}  // namespace

void UseWebEngineView() {
    SetWebViewFactory([](QWidget* parent) { return std::make_unique<TWebEngineView>(parent); });
}

}  // namespace qbx
