#include "common/IniFile.h"

#include "common/Cp1252.h"
#include "common/Errors.h"
#include "common/Files.h"
#include "common/Text.h"

#include <QFile>

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace {

// The name of a "[Section]" line; nothing when the line is no section header.
std::optional<QString> sectionName(const QString &line)
{
    const QString t = TrimText(line);
    const qsizetype close = t.indexOf(u']');
    if (!t.startsWith(u'[') || close < 0)
        return std::nullopt;
    return TrimText(t.mid(1, close - 1));
}

// The trimmed key of a "Key=Value" line; nothing for comments and other lines.
std::optional<QString> keyName(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0 || TrimText(line).startsWith(u';'))
        return std::nullopt;
    return TrimText(line.left(eq));
}

// Lines [first, end) of the first section with this name; first is -1 when it is missing.
std::pair<qsizetype, qsizetype> findSection(const QList<QString> &lines, const QString &section)
{
    const QString wanted = TrimText(section);
    qsizetype first = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i]);
        if (!name)
            continue;
        if (first >= 0)
            return {first, i};
        if (SameText(*name, wanted))
            first = i + 1;
    }
    return {first, lines.size()};
}

// The line of the key within [first, end), or -1.
qsizetype findKey(const QList<QString> &lines, qsizetype first, qsizetype end, const QString &key)
{
    const QString wanted = TrimText(key);
    for (qsizetype i = first; i < end; ++i) {
        const std::optional<QString> name = keyName(lines[i]);
        if (name && SameText(*name, wanted))
            return i;
    }
    return -1;
}

} // namespace

IniFile::IniFile(const QString &path) : path_(ResolveProgramPath(path))
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        // Only a file that is not there reads as new; one we may not read is not overwritten.
        struct stat st;
        unreadable_ = ::stat(QFile::encodeName(path_).constData(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
        return;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        unreadable_ = true;
        return;
    }
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        if (end < 0)
            end = data.size();
        const qsizetype stop = end > start && data[end - 1] == '\r' ? end - 1 : end;
        lines_.append(FromCp1252(data.constData() + start, int(stop - start)));
        start = next;
    }
}

QString IniFile::readString(const QString &section, const QString &key) const
{
    const auto [first, end] = findSection(lines_, section);
    const qsizetype line = first < 0 ? -1 : findKey(lines_, first, end, key);
    if (line < 0)
        return QString();
    const QString &text = lines_[line];
    return TrimText(text.mid(text.indexOf(u'=') + 1));
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // A line break in the value would start new lines, even new sections, in the file.
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    const auto [first, end] = findSection(lines_, section);
    if (first < 0) {
        lines_.append(u'[' + TrimText(section) + u']');
        lines_.append(TrimText(key) + u'=' + flat);
        return;
    }
    const qsizetype line = findKey(lines_, first, end, key);
    if (line >= 0) {
        lines_[line] = *keyName(lines_[line]) + u'=' + flat;
        return;
    }
    // A new key goes after the section's last non-blank line.
    qsizetype at = end;
    while (at > first && TrimText(lines_[at - 1]).isEmpty())
        --at;
    lines_.insert(at, TrimText(key) + u'=' + flat);
}

QByteArray IniFile::bytes() const
{
    QByteArray out;
    for (const QString &line : lines_)
        out += ToCp1252(line) + "\r\n";
    return out;
}

void IniFile::save() const
{
    if (unreadable_)
        throw IoError("cannot read " + path_.toStdString() + ", not replacing it");
    SaveFileWhole(path_, bytes());
}

QString IniReadString(const QString &path, const QString &section, const QString &key)
{
    return IniFile(path).readString(section, key);
}

void IniWriteString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    IniFile file(path);
    file.writeString(section, key, value);
    file.save();
}
