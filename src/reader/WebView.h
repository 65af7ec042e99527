// The web view beside the content view. The window only navigates it; the
// program plugs in the real browser engine, tests a recording one, and a
// simple rich-text browser stands in where no engine is plugged in.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace qbx {

class TWebView {
public:
    virtual ~TWebView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
};

using TWebViewFactory = std::function<std::unique_ptr<TWebView>(QWidget* parent)>;
// Replaces how the main window makes its web view (set before it is created).
void SetWebViewFactory(TWebViewFactory factory);
std::unique_ptr<TWebView> MakeWebView(QWidget* parent);

// What the web view can show of an attachment, by its lower-cased extension:
// the first occurrence of extension + ";" in ".txt;.rtf;.htm;.html;.gif;.jpg;
// .jpeg;.swf;.mht;.eml;.doc;" decides.
enum class ViewClass { None, Page, Viewable, Document };
ViewClass ClassifyExtension(const QString& extension);

struct ViewChoice {
    int index = -1;          // the attachment to show; -1 when none
    bool automatic = false;  // a page or viewable: shown by itself on a node without text
};
// A page wins at once; else the first viewable; else the first document.
ViewChoice ChooseViewAttachment(const std::vector<QString>& names);

}  // namespace qbx
