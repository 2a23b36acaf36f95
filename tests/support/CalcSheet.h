#pragma once
// Reads a worksheet file back through LibreOffice Calc, where it is installed: the cells as Calc
// shows them, one list per row.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

// Whether Calc can be run here.
inline bool CalcInstalled() { return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(); }

// The rows of a CSV text: fields split at commas, double-quoted fields with "" for a quote.
inline QList<QStringList> ParseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows << (row << field);
    return rows;
}

// The first sheet of `path` as Calc opens it, converted to CSV in UTF-8 with each cell as shown;
// empty when the conversion fails.
inline QList<QStringList> CalcCells(const QString &path)
{
    QTemporaryDir dir;
    QProcess calc;
    calc.start(QStandardPaths::findExecutable(QStringLiteral("soffice")),
               {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                QStringLiteral("-env:UserInstallation=file://") + dir.path() + QStringLiteral("/profile"),
                QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                QStringLiteral("--outdir"), dir.path(), path});
    if (!calc.waitForFinished(100000) || calc.exitCode() != 0)
        return {};
    QFile csv(dir.filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".csv")));
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    return ParseCsv(QString::fromUtf8(csv.readAll()));
}
