#include "common/Files.h"

#include "common/Errors.h"
#include "common/Platform.h"
#include "common/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <csignal>

QString ResolveInFolder(const QString &folder, const QString &name)
{
    const QString base = folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
    const QString exact = base + name;
    if (name.isEmpty() || QFileInfo(exact).exists())
        return exact;
    // The smallest matching name wins, so the choice does not depend on directory order.
    QString found;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &entry : entries)
        if (SameText(entry, name) && (found.isEmpty() || entry < found))
            found = entry;
    return found.isEmpty() ? exact : base + found;
}

QString ResolveProgramPath(const QString &fileName)
{
    const QString path = QDir::isRelativePath(fileName) ? ProgramFolder() + fileName : fileName;
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return ResolveInFolder(QString(), path);
    return ResolveInFolder(path.left(slash + 1), path.mid(slash + 1));
}

namespace {

// Opens the temporary file of a whole-file write. Unbuffered, so that a disk refusing part of the
// bytes shows in the count written: a buffered QSaveFile drops the rest of its buffer and still
// commits the cut file.
void openWhole(QSaveFile &file)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IoError("cannot write " + file.fileName().toStdString() + ": " + file.errorString().toStdString());
}

// Renames the temporary file into place when everything was written; otherwise drops it and throws.
void commitWhole(QSaveFile &file, bool written, const QString &reason = QString())
{
    if (written && file.commit())
        return;
    const QString why = reason.isEmpty() ? file.errorString() : reason;
    file.cancelWriting();
    throw IoError("cannot write " + file.fileName().toStdString() + ": " + why.toStdString());
}

} // namespace

void SaveFileWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(ResolveProgramPath(path));
    openWhole(file);
    commitWhole(file, file.write(data) == data.size());
}

void CopyFileWhole(const QString &source, const QString &destination)
{
    constexpr qint64 BlockSize = 1 << 20;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw IoError("cannot read " + source.toStdString() + ": " + in.errorString().toStdString());
    QSaveFile out(destination);
    openWhole(out);
    QByteArray block(BlockSize, Qt::Uninitialized);
    bool copied = true;
    while (copied) {
        const qint64 n = in.read(block.data(), BlockSize);
        if (n <= 0) {
            copied = n == 0 && in.error() == QFileDevice::NoError;
            break;
        }
        copied = out.write(block.constData(), n) == n;
    }
    commitWhole(out, copied, in.error() != QFileDevice::NoError ? in.errorString() : QString());
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }
