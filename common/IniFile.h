#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// The settings file of the program folder.
inline const QString SettingsFileName = QStringLiteral("Tavoren.ini");

// An INI file as Windows writes it: Windows-1252, CRLF, "[Section]" and "Key=Value", names matched
// without regard to A-Z case; other lines are kept as they are.
class IniFile {
public:
    // Reads the file; a missing or unreadable file reads as empty.
    explicit IniFile(const QString &path);

    // The value of the key, or the empty text when the section or key is missing.
    QString readString(const QString &section, const QString &key) const;
    // Sets the key, adding the section or the key at its end when missing.
    void writeString(const QString &section, const QString &key, const QString &value);
    // Writes the whole file through a temporary file; throws IoError on failure.
    void save() const;

    QString path() const { return path_; }
    QByteArray bytes() const;

private:
    QString path_;
    QList<QString> lines_;
    // An existing file that could not be read is never replaced by what little we know of it.
    bool unreadable_ = false;
};

// One-shot helpers over a file: read a key, or read-modify-save one key (throws IoError).
QString IniReadString(const QString &path, const QString &section, const QString &key);
void IniWriteString(const QString &path, const QString &section, const QString &key, const QString &value);
