#pragma once
// The fixed parts of an exported worksheet file, for tests that compare a whole file.
#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// The Office worksheet header up to the opening of the table, for the sheet `name` (Windows-1252).
inline QByteArray ExcelPrologue(const QByteArray &name)
{
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>" +
           name +
           "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
           "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
           "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
           "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
           "</head><body><table x:str>";
}

// The openings of a body cell, left- and right-aligned, marked as text.
inline constexpr char ExcelLeftCell[] = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
inline constexpr char ExcelRightCell[] = "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">";

// What closes the table and the file.
inline constexpr char ExcelEpilogue[] = "</table></body></html>";

// The bold header row of a worksheet: one cell per column, each with its `exportTitle` (UTF-8,
// written in Windows-1252 as far as Latin-1 goes) and `exportWidth`.
template <typename Columns>
QByteArray ExcelHeaderRow(const Columns &columns)
{
    QByteArray row = "<tr>";
    for (const auto &c : columns)
        row += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(c.exportWidth) + '>' +
               QString::fromUtf8(c.exportTitle).toLatin1() + "</td>";
    return row + "</tr>";
}

// A body row of left-aligned cells, each as written to the file.
inline QByteArray ExcelBodyRow(const QByteArrayList &cells)
{
    QByteArray row = "<tr>";
    for (const QByteArray &cell : cells)
        row += ExcelLeftCell + cell + "</td>";
    return row + "</tr>";
}
