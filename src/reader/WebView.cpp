#include "WebView.h"

#include <QTextBrowser>

namespace qbx {
namespace {

// Without a browser engine: pages and pictures through Qt's rich text.
class TTextBrowserView : public TWebView {
public:
    explicit TTextBrowserView(QWidget* parent) : browser_(new QTextBrowser(parent)) {
        browser_->setObjectName(QStringLiteral("HtmlView"));
        browser_->setOpenLinks(false);
        browser_->setContextMenuPolicy(Qt::NoContextMenu);
    }
    QWidget* Widget() override { return browser_; }
    void Navigate(const QUrl& url) override {
        if (url.isLocalFile())
            browser_->setSource(url);
        else
            browser_->clear();
    }

private:
    QTextBrowser* browser_;
};

TWebViewFactory& Factory() {
    static TWebViewFactory factory = [](QWidget* parent) { return std::make_unique<TTextBrowserView>(parent); };
    return factory;
}

}  // namespace

void SetWebViewFactory(TWebViewFactory factory) {
    if (!factory) factory = [](QWidget* parent) { return std::make_unique<TTextBrowserView>(parent); };
    Factory() = std::move(factory);
}

std::unique_ptr<TWebView> MakeWebView(QWidget* parent) { return Factory()(parent); }

ViewClass ClassifyExtension(const QString& extension) {
    static const QString list = QStringLiteral(".txt;.rtf;.htm;.html;.gif;.jpg;.jpeg;.swf;.mht;.eml;.doc;");
    const qsizetype at = list.indexOf(extension.toLower() + u';');
    if (at < 0 || extension.isEmpty()) return ViewClass::None;
    // The entry that starts where the first occurrence starts.
    const QString entry = list.mid(at, list.indexOf(u';', at) - at);
    if (entry != extension.toLower()) return ViewClass::None;
    if (entry == QLatin1String(".htm") || entry == QLatin1String(".html")) return ViewClass::Page;
    if (entry == QLatin1String(".doc")) return ViewClass::Document;
    if (entry == QLatin1String(".txt") || entry == QLatin1String(".rtf")) return ViewClass::None;
    return ViewClass::Viewable;
}

ViewChoice ChooseViewAttachment(const std::vector<QString>& names) {
    int viewable = -1, document = -1;
    for (size_t i = 0; i < names.size(); ++i) {
        const qsizetype dot = names[i].lastIndexOf(u'.');
        const QString ext = dot < 0 ? QString() : names[i].mid(dot);
        switch (ClassifyExtension(ext)) {
        case ViewClass::Page:
            return {static_cast<int>(i), true};
        case ViewClass::Viewable:
            if (viewable < 0) viewable = static_cast<int>(i);
            break;
        case ViewClass::Document:
            if (document < 0) document = static_cast<int>(i);
            break;
        case ViewClass::None:
            break;
        }
    }
    if (viewable >= 0) return {viewable, true};
    if (document >= 0) return {document, false};
    return {};
}

}  // namespace qbx
