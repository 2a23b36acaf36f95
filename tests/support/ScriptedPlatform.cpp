#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

ScriptedPlatform::ScriptedPlatform()
{
    folder_ = dir_.path() + '/';
    installPlatform(this);
}

ScriptedPlatform::~ScriptedPlatform() { installPlatform(nullptr); }

std::vector<PlatformCall> ScriptedPlatform::callsOf(const QString &kind) const
{
    std::vector<PlatformCall> out;
    for (const auto &c : calls)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

QStringList ScriptedPlatform::messages() const
{
    static const QStringList kinds{"warning", "error", "information", "question", "plain", "errorbox"};
    QStringList out;
    for (const auto &c : calls)
        if (kinds.contains(c.kind))
            out << c.text;
    return out;
}

void ScriptedPlatform::notice(NoticeKind kind, const QString &text)
{
    QString k = kind == NoticeKind::Warning ? "warning" : kind == NoticeKind::Error ? "error" : "information";
    record(k, text, {"OK", "Cancel"});
}

bool ScriptedPlatform::askYesNo(const QString &text)
{
    record("question", text, {"Yes", "No"});
    if (yesNoAnswers.empty())
        return true;
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

void ScriptedPlatform::plainBox(const QString &text) { record("plain", text, {"OK"}); }
void ScriptedPlatform::errorBox(const QString &text) { record("errorbox", text, {"OK"}); }

void ScriptedPlatform::showModal(QWidget *window)
{
    record("modal", QString::fromLatin1(window->metaObject()->className()));
    window->show();
    if (onModal)
        onModal(window);
    if (window->isVisible())
        window->close();
}

QString ScriptedPlatform::fileDialog(const char *kind, const QString &caption, const QString &filter)
{
    record(kind, caption);
    fileFilters << filter;
    if (fileNames.empty())
        return QString();
    QString f = fileNames.front();
    fileNames.pop_front();
    return f;
}

QString ScriptedPlatform::openFileName(QWidget *, const QString &caption, const QString &, const QString &filter)
{
    return fileDialog("open", caption, filter);
}

QString ScriptedPlatform::saveFileName(QWidget *, const QString &caption, const QString &, const QString &filter)
{
    return fileDialog("save", caption, filter);
}

bool ScriptedPlatform::inputBox(const QString &caption, const QString &, QString &value)
{
    record("input", caption);
    if (inputAnswers.empty())
        return false;
    value = inputAnswers.front();
    inputAnswers.pop_front();
    return true;
}

bool ScriptedPlatform::printDialog(QPrinter &printer, QWidget *)
{
    record("print", QString());
    PrintAnswer answer;
    if (!printAnswers.empty()) {
        answer = printAnswers.front();
        printAnswers.pop_front();
    }
    // The dialog changes the printer only when the user accepts it.
    if (answer.accepted) {
        if (answer.copies > 0)
            printer.setCopyCount(answer.copies);
        if (answer.fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(answer.fromPage, answer.toPage);
        }
    }
    printers.push_back({answer.accepted, printer.copyCount(), printer.pageLayout().orientation(),
                        printer.printRange(), printer.fromPage(), printer.toPage()});
    return answer.accepted;
}

void ScriptedPlatform::openDocument(const QString &target) { record("document", target); }
void ScriptedPlatform::playSound(const QString &file) { record("sound", file); }
void ScriptedPlatform::stopSound() { record("stopsound", QString()); }
void ScriptedPlatform::quit() { record("quit", QString()); }

void ScriptedPlatform::record(const QString &kind, const QString &text, const QStringList &buttons)
{
    calls.push_back({kind, text, buttons, busy_});
}

void ScriptedPlatform::beginBusy()
{
    busy_ = true;
    busyLog << QStringLiteral("busy");
}

void ScriptedPlatform::endBusy()
{
    busy_ = false;
    busyLog << QStringLiteral("idle");
}

void ScriptedPlatform::paintWhileBusy() { paintTimes.push_back(lastReading_); }

qint64 ScriptedPlatform::clockMs()
{
    lastReading_ = clockValue;
    clockValue += clockStepMs;
    return lastReading_;
}

bool WaitActive(QWidget *w)
{
    w->activateWindow();
    return QTest::qWaitForWindowActive(w, 2000);
}
