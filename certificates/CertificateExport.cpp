#include "certificates/CertificateExport.h"

#include "dialogs/Guida.h"

namespace {

ExcelExportDefinition exportDefinition(const CertificateType &type)
{
    const CertificateExport &e = type.exportWindow;
    ExcelExportDefinition d;
    d.objectName = e.objectName;
    d.caption = e.caption;
    d.fileName = e.fileName;
    d.sheetName = e.sheetName;
    d.archiveName = type.archiveName;
    d.layout = type.layout;
    d.columns = e.columns;
    d.helpTitle = e.helpTitle;
    d.helpText = e.helpText.isEmpty() ? ExportHelpText(e.helpData) : e.helpText;
    d.showHelp = ShowHelp;
    return d;
}

} // namespace

CertificateExportWindow::CertificateExportWindow(const CertificateType &type, QWidget *owner)
    : ExcelExportWindow(exportDefinition(type), owner)
{
}
