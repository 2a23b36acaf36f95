#include "common/WholeFileExport.h"

#include "common/BusyWork.h"
#include "common/Errors.h"
#include "common/Files.h"
#include "common/Guard.h"
#include "common/OpenURL.h"
#include "common/Platform.h"

#include <QSaveFile>

void SaveFileStreamed(const QString &path, const DocumentWriter &write)
{
    const QString target = ResolveProgramPath(path);
    QSaveFile file(target);
    const auto fail = [&] {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        throw IoError("cannot write " + target.toStdString() + ": " + reason);
    };
    // Unbuffered, so that a disk refusing part of the bytes shows in the count written; the pieces
    // handed over are large, so this costs no extra calls.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
    try {
        write([&](QByteArrayView piece) {
            if (file.write(piece.data(), piece.size()) != piece.size())
                fail();
            KeepPainting();
        });
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!file.commit())
        fail();
}

WholeFileExportResult ExportWholeFile(const WholeFileExportSteps &steps)
{
    if (!steps.confirm.isEmpty() && !AskYesNo(steps.confirm))
        return WholeFileExportResult::NotConfirmed;
    // The name as it is found in the program folder, so the file opened is the file written.
    const QString path = ResolveProgramPath(steps.fileName);
    const bool written = RunGuarded(
        [&] {
            const BusyWork busy;
            SaveFileStreamed(path, steps.write);
        },
        [&] { (steps.showFailure ? steps.showFailure : ShowPlainBox)(steps.failure); });
    if (!written)
        return WholeFileExportResult::Failed;
    if (!AskYesNo(steps.done))
        return WholeFileExportResult::Written;
    TMisc::Open(u'"' + path + u'"');
    return WholeFileExportResult::Opened;
}

WholeFileExportResult ExportWholeFile(const QString &fileName, const std::function<QByteArray()> &document,
                                      const QString &confirm, const QString &done, const QString &failure)
{
    return ExportWholeFile({
        .fileName = fileName,
        .write = [&document](const ByteSink &sink) { sink(document()); },
        .confirm = confirm,
        .done = done,
        .failure = failure,
    });
}
