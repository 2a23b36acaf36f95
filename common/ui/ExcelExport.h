#pragma once
#include "common/ExcelHtml.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class ClickLabel;
class ExportGridModel;
class QFrame;
class QLabel;
class QTableView;
class Record;
class RecordLayout;

// One column of an export window's grid after "N.", and the cell it becomes in the file.
struct ExportColumn {
    const char *name;         // the grid column's name ("colCliente")
    const char *header;       // its header in the grid
    int width;                // its width in the grid
    bool readOnly;            // false: the user may type into its cells (the grid only, never the archive)
    const char *fields;       // the record field behind it, or two joined by one blank ("ComuneNasc ProvNasc");
                              // nullptr where the window fills its cells by code
    const char *exportTitle;  // the header cell written to the file
    int exportWidth;          // that cell's width
    bool alignRight = false;  // body cells right-aligned instead of left-aligned
    // With no fields: the cell made from the record, in Windows-1252 (at most 255 bytes are kept).
    std::function<QByteArray(const Record &)> computed = {};
};

// The help command's way to the help window, which lives with the windows: ShowHelp.
using ExportHelpFunction = void (*)(QWidget *owner, const QString &title, const QString &text);

// Everything a concrete export window says about itself.
struct ExcelExportDefinition {
    QString objectName;    // "frmExpClienti"
    QString caption;       // begins with a blank
    QString fileName;      // written in the program folder
    QString sheetName;
    QString archiveName;   // the archive shown; empty where the window fills its rows by code
    const RecordLayout *layout = nullptr;
    std::vector<ExportColumn> columns;  // in grid order; every one is exported
    // The records shown; none: every record. A window that selects numbers its rows 1, 2, 3 ... in
    // the order found, not by record number, and an archive whose records are all left out shows
    // no row at all (an empty archive keeps the empty design rows).
    std::function<bool(const Record &)> selected = {};
    // The column (a grid name) by which the filled grid is sorted (SortGridByColumn); none: file order.
    QString sortColumn = {};
    QString helpTitle;
    QString helpText;
    ExportHelpFunction showHelp = nullptr;
};

// The three help paragraphs of an export window, joined by an empty line; `data` names what is
// exported ("i dati anagrafici di tutti i proprietari").
QString ExportHelpText(const QString &data);

// The export window shared by every archive and view of the suite: the data in a grid, and a
// command that writes the grid to an HTML table that spreadsheets open as an Excel worksheet.
class ExcelExportWindow : public QDialog {
    Q_OBJECT
public:
    ExcelExportWindow(ExcelExportDefinition definition, QWidget *owner);

    QFrame *panContainer;
    QFrame *shpSfondo;     // the white heading strip
    QLabel *imgLogo;
    QLabel *icoHand;
    ClickLabel *cmdEsporta;
    ClickLabel *cmdGuida;
    ClickLabel *cmdEsci;
    QTableView *grdRecords;
    QFrame *shpInfo;
    QLabel *panInfo;

    const ExcelExportDefinition &definition() const { return definition_; }
    // The archive shown, for a window whose archive is known only when it opens.
    void setArchiveName(const QString &name) { definition_.archiveName = name; }

    // The grid's cells: column 0 is "N.", then the definition's columns.
    int columnIndex(const QString &name) const;
    int rowCount() const;
    int columnCount() const;
    // New rows have empty cells.
    void setRowCount(int rows);
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // Moves whole rows into the ascending order of one column's texts, letters A-Z compared
    // without regard to case; rows with equal texts keep their order. Nothing is renumbered.
    void SortGridByColumn(int column);

    // The worksheet the grid is written to: its name and the exported columns.
    ExcelSheet sheet() const;
    // The file of the grid as it stands, in Windows-1252: the Office worksheet header, one bold
    // header cell per exported column, then one table row per grid row, all on one line.
    QByteArray ExcelHtmlDocument() const;
    // Asks, writes the grid to the file whole, and offers to open it. Where the archive could not
    // be read the archive message is shown again and nothing is written.
    void ExcelHtmlExport();

public slots:
    // Fills the grid once, when the window is first shown; the archive exports read their archive.
    virtual void FormShow();
    // ExcelHtmlExport, with what is being typed into a cell taken into the grid first.
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void showEvent(QShowEvent *e) override;
    // The rows of the archive, one per record in file order, numbered from 1. A failure ends the
    // filling with the archive message; the rows filled before it stay, and the window will not
    // export, so that a partial grid never replaces an earlier file.
    void fillFromArchive();

private:
    void writeSheet(const ByteSink &sink) const;

    ExcelExportDefinition definition_;
    ExportGridModel *model_;
    std::vector<std::vector<int>> sources_;  // per column, the indices of its fields in the layout
    qsizetype maxRowText_ = 16;               // the longest texts of a row read from the archive, with its number
    bool shown_ = false;
    bool unreadable_ = false;
};
