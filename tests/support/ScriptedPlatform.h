#pragma once
#include "common/Platform.h"

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

// One call that went through the platform, as a test sees it.
struct PlatformCall {
    QString kind;     // "warning", "error", "information", "question", "plain", "errorbox", "modal", "open",
                      // "save", "input", "print", "document", "sound", "stopsound", "quit"
    QString text;     // message text, document target, window class name or dialog caption
    QStringList buttons;
    bool whileBusy = false;  // made during long work (between beginBusy and endBusy)
};

// One answer of the print dialog: cancelled, or accepted with what the user set in it.
struct PrintAnswer {
    PrintAnswer(bool accepted = true) : accepted(accepted) {}
    // Accepted with this number of copies and, when fromPage is above 0, that page range.
    static PrintAnswer printing(int copies, int fromPage = 0, int toPage = 0)
    {
        PrintAnswer a;
        a.copies = copies;
        a.fromPage = fromPage;
        a.toPage = toPage;
        return a;
    }
    bool accepted = true;
    int copies = 0;     // 0: as the printer was
    int fromPage = 0;   // 0: every page
    int toPage = 0;
};

// What the printer said once the print dialog closed.
struct PrinterAfterDialog {
    bool accepted = false;
    int copies = 1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPrinter::PrintRange range = QPrinter::AllPages;
    int fromPage = 0;
    int toPage = 0;
};

// A platform that records every call and answers as the test chose. Each instance works in its
// own temporary program folder and installs itself for its lifetime.
class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // --- what the test sets ---
    std::deque<bool> yesNoAnswers;        // next answers of askYesNo (Yes when empty)
    std::deque<QString> fileNames;        // next answers of the file dialogs (empty: cancelled)
    std::deque<QString> inputAnswers;     // next answers of the input box (none: cancelled)
    std::deque<PrintAnswer> printAnswers;  // next answers of the print dialog (accepted when empty)
    // Drives a modal window; the window is closed afterwards if still open.
    std::function<void(QWidget *)> onModal;
    QDate todayValue = QDate(2026, 12, 10);
    QTime timeValue = QTime(10, 30, 15);
    // The steady clock: each reading gives clockValue and then moves it on by clockStepMs.
    qint64 clockValue = 0;
    qint64 clockStepMs = 0;

    // --- what the test reads ---
    std::vector<PlatformCall> calls;
    std::vector<PrinterAfterDialog> printers;  // one per print dialog, in order
    QStringList fileFilters; // the filter of each file dialog, in order
    // The sign of life of long work: "busy" and "idle" as it begins and ends, in order, and the
    // clock's last reading at each repaint it allowed.
    QStringList busyLog;
    std::vector<qint64> paintTimes;
    bool busy() const { return busy_; }
    QString folder() const { return folder_; }
    QString file(const QString &name) const { return folder_ + name; }
    // Calls of one kind, and the texts of all message calls.
    std::vector<PlatformCall> callsOf(const QString &kind) const;
    QStringList messages() const;
    void clear()
    {
        calls.clear();
        fileFilters.clear();
        busyLog.clear();
        paintTimes.clear();
    }

    void notice(NoticeKind kind, const QString &text) override;
    bool askYesNo(const QString &text) override;
    void plainBox(const QString &text) override;
    void errorBox(const QString &text) override;
    void showModal(QWidget *window) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                         const QString &filter) override;
    bool inputBox(const QString &caption, const QString &prompt, QString &value) override;
    bool printDialog(QPrinter &printer, QWidget *parent) override;
    void openDocument(const QString &target) override;
    void playSound(const QString &file) override;
    void stopSound() override;
    void beginBusy() override;
    void endBusy() override;
    void paintWhileBusy() override;
    QDate today() override { return todayValue; }
    QTime timeOfDay() override { return timeValue; }
    qint64 clockMs() override;
    QString programFolder() override { return folder_; }
    void quit() override;

private:
    // One file dialog: records the call and its filter, and gives the next scripted name.
    QString fileDialog(const char *kind, const QString &caption, const QString &filter);
    // Records one call, with whether long work is running.
    void record(const QString &kind, const QString &text, const QStringList &buttons = {});
    QTemporaryDir dir_;
    QString folder_;
    Platform *previous_ = nullptr;
    bool busy_ = false;
    qint64 lastReading_ = 0;
};

// Waits until the window is active (offscreen windows activate asynchronously).
bool WaitActive(QWidget *w);
