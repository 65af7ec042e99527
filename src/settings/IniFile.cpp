#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "text/CodePageText.h"

namespace qbx {
namespace {

bool IsComment(const QString& trimmed) { return trimmed.startsWith(u';'); }

// The section name of a "[name]" line, or nothing.
std::optional<QString> SectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString DecodeFile(const QByteArray& bytes, TIniFile::Encoding encoding) {
    if (encoding == TIniFile::Encoding::Utf8OrCp936) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        if (!utf8.hasError()) return text;
        return Cp936ToUnicode(bytes);
    }
    return QString::fromUtf8(bytes);
}

}  // namespace

std::optional<int32_t> ParseIniInteger(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else if (t.startsWith(u'$'))
        v = t.mid(1).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || t.contains(u'+') || v < INT32_MIN || v > static_cast<qlonglong>(UINT32_MAX)) return std::nullopt;
    if ((t.startsWith(u'$') || t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) && t.contains(u'-'))
        return std::nullopt;
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

TIniFile::TIniFile(const QString& path, Encoding encoding) : path_(path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QString text = DecodeFile(f.readAll(), encoding);
    *this = FromText(text);
    path_ = path;
}

TIniFile TIniFile::FromText(const QString& text) {
    TIniFile ini;
    if (text.contains(QLatin1String("\r\n"))) ini.lineEnd_ = QStringLiteral("\r\n");
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    ini.lines_ = normal.split(u'\n');
    if (!ini.lines_.isEmpty() && ini.lines_.last().isEmpty()) ini.lines_.removeLast();
    return ini;
}

QString TIniFile::KeyOf(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

// The first section of that name counts, and in it the first line of the key.
TIniFile::Found TIniFile::Find(const QString& section, const QString& key) const {
    Found f;
    const QString wantSection = section.trimmed(), wantKey = key.trimmed();
    for (int i = 0; i < lines_.size(); ++i) {
        const auto name = SectionOf(lines_[i]);
        if (name) {
            if (f.sectionLine >= 0) break;  // the section ended
            if (SameName(*name, wantSection)) f.sectionLine = f.lastLine = i;
            continue;
        }
        if (f.sectionLine < 0) continue;
        const QString t = lines_[i].trimmed();
        if (t.isEmpty() || IsComment(t) || !t.contains(u'=')) continue;
        f.lastLine = i;
        if (f.keyLine < 0 && SameName(KeyOf(t), wantKey)) f.keyLine = i;
    }
    return f;
}

bool TIniFile::HasKey(const QString& section, const QString& key) const { return Find(section, key).keyLine >= 0; }

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
    const Found f = Find(section, key);
    if (f.keyLine < 0) return defaultValue;
    const QString& line = lines_[f.keyLine];
    return line.mid(line.indexOf(u'=') + 1).trimmed().left(kMaxIniValueLength);
}

int32_t TIniFile::ReadInteger(const QString& section, const QString& key, int32_t defaultValue) const {
    const Found f = Find(section, key);
    if (f.keyLine < 0) return defaultValue;
    return ParseIniInteger(ReadString(section, key, QString())).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString line = key.trimmed() + u'=' + value;
    const Found f = Find(section, key);
    if (f.keyLine >= 0) {
        lines_[f.keyLine] = line;
    } else if (f.sectionLine >= 0) {
        lines_.insert(f.lastLine + 1, line);
    } else {
        lines_ << u'[' + section.trimmed() + u']' << line;
    }
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString TIniFile::Text() const { return lines_.isEmpty() ? QString() : lines_.join(lineEnd_) + lineEnd_; }

bool TIniFile::Save() const {
    if (path_.isEmpty()) return false;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(Text().toUtf8());
    return f.commit();
}

}  // namespace qbx
