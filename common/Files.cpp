#include "common/Files.h"

#include "common/Errors.h"
#include "common/Platform.h"
#include "common/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

void SaveFileWhole(const QString &path, const QByteArray &data)
{
    const QString target = ResolveProgramPath(path);
    QSaveFile file(target);
    // Unbuffered, so that a disk refusing part of the bytes shows in the count written: a buffered
    // QSaveFile drops the rest of its buffer and still commits the cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IoError("cannot write " + target.toStdString() + ": " + file.errorString().toStdString());
    if (file.write(data) != data.size() || !file.commit()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        throw IoError("cannot write " + target.toStdString() + ": " + reason);
    }
}
