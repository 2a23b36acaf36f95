#pragma once
#include "common/Platform.h"

#include <QObject>

// Holds off the user's clicks and keys (and the window system's requests to close a window) while
// long work runs on the window's thread.
class InputHold : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *e) override;
};

class QInputDialog;
class QWidget;

// The input box of the running program: the prompt, the edit with `value`, OK and Annulla, wide
// enough for a window manager to show its whole caption in the title bar.
QInputDialog *MakeInputBox(QWidget *parent, const QString &caption, const QString &prompt, const QString &value);
// The width a dialog needs for its caption to stand whole in a title bar, beside the window's icon
// and its buttons.
int CaptionWidth(const QString &caption);

// The platform of the running program: Qt's message boxes, dialogs and desktop services.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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
    QDate today() override;
    QTime timeOfDay() override;
    qint64 clockMs() override;
    QString programFolder() override;
    void quit() override;

private:
    // A dialog shown during long work lifts the busy state while it is open.
    class DialogDuringWork;
    void holdInput(bool on);

    InputHold hold_;
    bool busy_ = false;
    bool painted_ = false;  // whether the windows repainted during the work now running
};
