// Feeds arbitrary bytes to the ini reader (as settings text and as a language
// file in either encoding) and to ApplyLanguage's lookups on a small window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdint>

#include "settings/IniFile.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"

namespace {

QTemporaryDir* folder;
QWidget* window;

template <typename T>
T* Named(const char* name, QWidget* parent) {
    auto* o = new T(parent);
    o->setObjectName(name);
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    folder = new QTemporaryDir;
    qbx::LanguageDir = folder->path() + "/";
    qbx::LanguageFileName = qbx::kTraditionalLanguageFile;
    window = new QWidget;
    window->setObjectName("QbxForm");
    auto* layout = new QVBoxLayout(window);
    Named<QAction>("OpenAction", window);
    layout->addWidget(Named<QLabel>("SearchLabel", window));
    layout->addWidget(Named<QCheckBox>("LoadQbxCheckBox", window));
    auto* tabs = Named<QTabWidget>("LeftPageControl", window);
    tabs->addTab(Named<QWidget>("IndexTabSheet", nullptr), "index");
    layout->addWidget(tabs);
    for (int n = 1; n <= 10; ++n) Named<QAction>(qPrintable(QString("bookmark%1").arg(n)), window);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qbx::TIniFile ini = qbx::TIniFile::FromText(QString::fromUtf8(bytes));
    for (const char* key : {"Width", "State", "FontName", "ListValues0", "0"}) {
        ini.ReadInteger("QbxForm", key, 7);
        qbx::ParseIniInteger(ini.ReadString("Strings", key, QString()));
    }
    qbx::TIniFile copy = ini;
    copy.WriteString("QbxForm", "Width", "1");
    copy.WriteInteger("New", "Key", -1);
    (void)copy.Text();

    QFile f(qbx::LanguageDir + qbx::LanguageFileName);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
        f.close();
        qbx::ApplyLanguage(window);
        qbx::ResetMessageTable();
    }
    return 0;
}
