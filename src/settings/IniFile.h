// The settings and language files: Windows ini text. Section and key names
// match without regard to case, with surrounding blanks dropped; values are
// trimmed and cut to 2047 characters; lines starting with ";" are comments.
// Writing keeps every other line, comment and key order; a new key goes at
// the end of its section and a new section at the end of the file.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace qbx {

constexpr int kMaxIniValueLength = 2047;

// Integers: decimal (with a minus), "0x" or "$" hexadecimal; anything else is
// no number. Values up to 0xFFFFFFFF wrap to 32 bits as colours do.
std::optional<int32_t> ParseIniInteger(const QString& text);

class TIniFile {
public:
    TIniFile() = default;
    // Reads `path`; a missing or unreadable file is an empty one. `encoding`
    // says how to decode the bytes.
    enum class Encoding { Utf8, Utf8OrCp936 };
    explicit TIniFile(const QString& path, Encoding encoding = Encoding::Utf8);
    // The same from text already in memory (tests, the embedded English file).
    static TIniFile FromText(const QString& text);

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int32_t ReadInteger(const QString& section, const QString& key, int32_t defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    bool HasKey(const QString& section, const QString& key) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Writes the file in UTF-8, creating its folder; false when that fails.
    bool Save() const;
    QString Text() const;
    const QString& Path() const { return path_; }

private:
    struct Found {
        int sectionLine = -1;  // the section header
        int keyLine = -1;      // the key's line, or -1
        int lastLine = -1;     // the section's last key line (or its header)
    };
    Found Find(const QString& section, const QString& key) const;
    static QString KeyOf(const QString& line);

    QString path_;
    QStringList lines_;
    QString lineEnd_ = QStringLiteral("\n");
};

}  // namespace qbx
