#include "common/WholeFileExport.h"

#include "common/Files.h"
#include "common/Guard.h"
#include "common/OpenURL.h"
#include "common/Platform.h"

WholeFileExportResult ExportWholeFile(const QString &fileName, const std::function<QByteArray()> &document,
                                      const QString &confirm, const QString &done, const QString &failure)
{
    if (!AskYesNo(confirm))
        return WholeFileExportResult::NotConfirmed;
    // The name as it is found in the program folder, so the file opened is the file written.
    const QString path = ResolveProgramPath(fileName);
    const bool written = RunGuarded([&] { SaveFileWhole(path, document()); },
                                    [&] { ShowPlainBox(failure); });
    if (!written)
        return WholeFileExportResult::Failed;
    if (!AskYesNo(done))
        return WholeFileExportResult::Written;
    TMisc::Open(u'"' + path + u'"');
    return WholeFileExportResult::Opened;
}
