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
    calls.push_back({k, text, {"OK", "Cancel"}});
}

bool ScriptedPlatform::askYesNo(const QString &text)
{
    calls.push_back({"question", text, {"Yes", "No"}});
    if (yesNoAnswers.empty())
        return true;
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

void ScriptedPlatform::plainBox(const QString &text) { calls.push_back({"plain", text, {"OK"}}); }
void ScriptedPlatform::errorBox(const QString &text) { calls.push_back({"errorbox", text, {"OK"}}); }

void ScriptedPlatform::showModal(QWidget *window)
{
    calls.push_back({"modal", QString::fromLatin1(window->metaObject()->className()), {}});
    window->show();
    if (onModal)
        onModal(window);
    if (window->isVisible())
        window->close();
}

QString ScriptedPlatform::fileDialog(const char *kind, const QString &caption, const QString &filter)
{
    calls.push_back({kind, caption, {}});
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
    calls.push_back({"input", caption, {}});
    if (inputAnswers.empty())
        return false;
    value = inputAnswers.front();
    inputAnswers.pop_front();
    return true;
}

bool ScriptedPlatform::printDialog(QPrinter &printer, QWidget *)
{
    calls.push_back({"print", QString(), {}});
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

void ScriptedPlatform::openDocument(const QString &target) { calls.push_back({"document", target, {}}); }
void ScriptedPlatform::playSound(const QString &file) { calls.push_back({"sound", file, {}}); }
void ScriptedPlatform::stopSound() { calls.push_back({"stopsound", QString(), {}}); }
void ScriptedPlatform::quit() { calls.push_back({"quit", QString(), {}}); }

bool WaitActive(QWidget *w)
{
    w->activateWindow();
    return QTest::qWaitForWindowActive(w, 2000);
}
