#pragma once
#include <QByteArray>
#include <QString>

// The path of a name in a folder: an existing entry whose name differs only in A-Z letter case
// is taken when there is no exact match, so files copied from Windows are found.
QString ResolveInFolder(const QString &folder, const QString &name);
// A relative name is taken in the program folder (resolved as above); an absolute path is resolved
// in its own folder.
QString ResolveProgramPath(const QString &fileName);

// Writes a whole file to a temporary file and renames it into place. Throws IoError on any failure,
// leaving the old file whole.
void SaveFileWhole(const QString &path, const QByteArray &data);

// Copies a file by streaming it, in blocks, into a temporary file beside the destination that is
// then renamed into place. Throws IoError on any failure, leaving an earlier destination whole.
void CopyFileWhole(const QString &source, const QString &destination);

// Makes a write past the process's file-size limit fail with its error instead of ending the
// program (SIGXFSZ is ignored), so the command's guard reports it. Called once at start.
void IgnoreFileSizeLimitSignal();
