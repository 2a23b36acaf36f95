#include "common/Log.h"

#include "common/Platform.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWindow>

#include <cstdio>

const QString LogFileName = QStringLiteral("Tavoren.log");
const QString PreviousLogFileName = QStringLiteral("Tavoren.1.log");

namespace {

// The caption of the window the user was working in, as the place of the failure.
QString place()
{
    const QWindow *window = QGuiApplication::focusWindow();
    const QString title = window ? window->title().trimmed() : QString();
    return title.isEmpty() ? QStringLiteral("-") : title;
}

void appendToFile(const QByteArray &line)
{
    if (!PlatformInstalled())
        return;
    const QString path = ProgramFile(LogFileName);
    if (QFileInfo(path).size() >= LogFileLimit) {
        const QString previous = ProgramFile(PreviousLogFileName);
        QFile::remove(previous);
        QFile::rename(path, previous);
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(line);
}

} // namespace

void LogFailure(const QString &what)
{
    const QString when = PlatformInstalled() ? QDateTime(Today(), TimeOfDay()).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                                       : QStringLiteral("-");
    QString text = what;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray line = (when + QStringLiteral("  [") + place() + QStringLiteral("]  ") + text + u'\n').toUtf8();
    std::fputs(line.constData(), stderr);
    appendToFile(line);
}
