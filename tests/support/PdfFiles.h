#pragma once
// Reading back the PDF files the tests write.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <qpdf/QPDF.hh>

// The text of a PDF file as pdftotext reads it (with -layout when asked); empty when the tool is missing.
inline QString PdfText(const QString &path, bool layout = false)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << path << QStringLiteral("-");
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPageCount(const QString &path)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData());
    return int(pdf.getAllPages().size());
}
