#pragma once
#include <QDate>
#include <QString>
#include <QTime>

class QPrinter;
class QWidget;

enum class NoticeKind { Warning, Error, Information };

// Everything that blocks, leaves the process or reads the outside world goes through here.
// The program installs the Qt implementation; tests install a scripted one.
class Platform {
public:
    virtual ~Platform() = default;

    // Message box with OK and Cancel whose answer is ignored.
    virtual void notice(NoticeKind kind, const QString &text) = 0;
    // Yes/No confirmation; true unless the answer is No.
    virtual bool askYesNo(const QString &text) = 0;
    // Message box with the text and an OK button only.
    virtual void plainBox(const QString &text) = 0;
    // The framework's own error box, for failures of commands that have no guard of their own.
    virtual void errorBox(const QString &text) = 0;

    // Shows a window modally and returns when it has closed.
    virtual void showModal(QWidget *window) = 0;
    // File dialogs: the chosen path, or empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                                 const QString &filter) = 0;
    // Input box: false when cancelled; value holds the default on entry and the answer on exit.
    virtual bool inputBox(const QString &caption, const QString &prompt, QString &value) = 0;
    // The print dialog: false when cancelled.
    virtual bool printDialog(QPrinter &printer, QWidget *parent) = 0;

    // Opens a document, folder, web or mailto address with the desktop's program; reports nothing.
    virtual void openDocument(const QString &target) = 0;
    virtual void playSound(const QString &file) = 0;
    virtual void stopSound() = 0;

    // Long work on the window's thread: from beginBusy to endBusy the busy cursor shows and the
    // user's clicks and keys are ignored; paintWhileBusy lets the windows repaint meanwhile.
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
    virtual void paintWhileBusy() = 0;

    virtual QDate today() = 0;
    virtual QTime timeOfDay() = 0;
    // A steady clock in milliseconds, which paces long work.
    virtual qint64 clockMs() = 0;
    // The folder of the program, ending with "/".
    virtual QString programFolder() = 0;
    // Ends the run.
    virtual void quit() = 0;
};

// The installed platform (the caller keeps ownership).
Platform &platform();
void installPlatform(Platform *p);
// Whether a platform is installed (a tool or a test of the core may run without one).
bool PlatformInstalled();

// Shorthands used by the windows.
void ShowNotice(NoticeKind kind, const QString &text);
bool AskYesNo(const QString &text);
void ShowPlainBox(const QString &text);
void ShowErrorBox(const QString &text);
void ShowModal(QWidget *window);
QDate Today();
QTime TimeOfDay();
QString ProgramFolder();
// Program folder + name.
QString ProgramFile(const QString &name);
