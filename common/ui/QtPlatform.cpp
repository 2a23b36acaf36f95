#include "common/ui/QtPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLayout>
#include <QLibrary>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <chrono>
#include <memory>

namespace {

QWidget *activeParent() { return QApplication::activeWindow(); }

// Quits a local event loop when the watched window is hidden or closed.
class ModalWatcher : public QObject {
public:
    ModalWatcher(QWidget *w, QEventLoop *loop) : loop(loop) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Hide || e->type() == QEvent::Close)
            loop->quit();
        return false;
    }

private:
    QEventLoop *loop;
};

} // namespace

bool InputHold::eventFilter(QObject *, QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // The window system's close button; a window the program closes itself still closes.
        return e->spontaneous();
    default:
        return false;
    }
}

// Lifts the busy state for as long as a dialog is open, and puts it back.
class QtPlatform::DialogDuringWork {
public:
    explicit DialogDuringWork(QtPlatform &p) : platform_(p), lifted_(p.busy_)
    {
        if (lifted_)
            platform_.holdInput(false);
    }
    ~DialogDuringWork()
    {
        if (lifted_)
            platform_.holdInput(true);
    }
    DialogDuringWork(const DialogDuringWork &) = delete;
    DialogDuringWork &operator=(const DialogDuringWork &) = delete;

private:
    QtPlatform &platform_;
    bool lifted_;
};

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::holdInput(bool on)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        qApp->installEventFilter(&hold_);
    } else {
        qApp->removeEventFilter(&hold_);
        QApplication::restoreOverrideCursor();
    }
}

// Window-system events other than input (uncovered and resized windows) and the repaints the
// program asked for; no timer or socket runs, and input waits for the end of the work.
constexpr QEventLoop::ProcessEventsFlags PaintOnly =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;

void QtPlatform::beginBusy()
{
    busy_ = true;
    painted_ = false;
    holdInput(true);
}

void QtPlatform::endBusy()
{
    // The clicks and keys that came while the windows repainted during the work reach the hold,
    // which drops them: they were ignored, not put off.
    if (painted_)
        QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
    holdInput(false);
    busy_ = false;
}

void QtPlatform::paintWhileBusy()
{
    painted_ = true;
    QCoreApplication::processEvents(PaintOnly);
}

qint64 QtPlatform::clockMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void QtPlatform::notice(NoticeKind kind, const QString &text)
{
    DialogDuringWork lifted(*this);
    QMessageBox::Icon icon = kind == NoticeKind::Warning ? QMessageBox::Warning
                           : kind == NoticeKind::Error   ? QMessageBox::Critical
                                                         : QMessageBox::Information;
    QMessageBox box(icon, QString(), text, QMessageBox::Ok | QMessageBox::Cancel, activeParent());
    box.exec();
}

bool QtPlatform::askYesNo(const QString &text)
{
    DialogDuringWork lifted(*this);
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    activeParent());
    return box.exec() != QMessageBox::No;
}

void QtPlatform::plainBox(const QString &text)
{
    DialogDuringWork lifted(*this);
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    activeParent());
    box.exec();
}

void QtPlatform::errorBox(const QString &text)
{
    DialogDuringWork lifted(*this);
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    activeParent());
    box.exec();
}

void QtPlatform::showModal(QWidget *window)
{
    DialogDuringWork lifted(*this);
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    QEventLoop loop;
    ModalWatcher watcher(window, &loop);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    loop.exec();
}

QString QtPlatform::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter)
{
    DialogDuringWork lifted(*this);
    QFileDialog dialog(parent, caption, folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    // "*.*" means every file on Windows; here it would hide the names without a dot. The filter
    // keeps its text while the list matches every name.
    const auto matchEveryName = [&dialog](const QString &selected) {
        if (!selected.contains(QStringLiteral("*.*")))
            return;
        if (auto *files = dialog.findChild<QFileSystemModel *>())
            files->setNameFilters({QStringLiteral("*")});
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, matchEveryName);
    matchEveryName(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString QtPlatform::saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                                 const QString &filter)
{
    DialogDuringWork lifted(*this);
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

int CaptionWidth(const QString &caption)
{
    // Title bars letter the caption in bold; the icon and three buttons take about 120 pixels.
    QFont title = QApplication::font();
    title.setBold(true);
    return QFontMetrics(title).horizontalAdvance(caption) + 120;
}

QInputDialog *MakeInputBox(QWidget *parent, const QString &caption, const QString &prompt, const QString &value)
{
    auto *box = new QInputDialog(parent);
    box->setWindowTitle(caption);
    box->setLabelText(prompt);
    box->setTextValue(value);
    // The dialog's layout sets its least size from its controls: the edit carries the width.
    const QMargins margins = box->layout() ? box->layout()->contentsMargins() : QMargins();
    if (auto *edit = box->findChild<QLineEdit *>())
        edit->setMinimumWidth(CaptionWidth(caption) - margins.left() - margins.right());
    return box;
}

bool QtPlatform::inputBox(const QString &caption, const QString &prompt, QString &value)
{
    DialogDuringWork lifted(*this);
    std::unique_ptr<QInputDialog> box(MakeInputBox(activeParent(), caption, prompt, value));
    if (box->exec() != QDialog::Accepted)
        return false;
    value = box->textValue();
    return true;
}

bool QtPlatform::printDialog(QPrinter &printer, QWidget *parent)
{
    DialogDuringWork lifted(*this);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::openDocument(const QString &target)
{
    QString t = target;
    if (t.size() >= 2 && t.startsWith('"') && t.endsWith('"'))
        t = t.mid(1, t.size() - 2);
    QUrl url;
    if (t.startsWith("mailto:", Qt::CaseInsensitive) || t.contains("://"))
        url = QUrl(t, QUrl::TolerantMode);
    else
        url = QUrl::fromLocalFile(t);
    QDesktopServices::openUrl(url);
}

namespace {

// The entry points of the sound module beside the program, looked up when a sound first plays;
// null where the module cannot be loaded, which plays nothing.
struct SoundModule {
    void (*play)(const QString &) = nullptr;
    void (*stop)() = nullptr;
};

SoundModule *soundModule(bool load)
{
    static SoundModule module;
    static bool loaded = false;
    if (load && !loaded) {
        loaded = true;
        QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/tavoren_sound"));
        if (library.load()) {
            module.play = reinterpret_cast<void (*)(const QString &)>(library.resolve("TavorenPlaySound"));
            module.stop = reinterpret_cast<void (*)()>(library.resolve("TavorenStopSound"));
        }
    }
    return loaded ? &module : nullptr;
}

} // namespace

void QtPlatform::playSound(const QString &file)
{
    // Nothing to play from a file that is not there.
    if (!QFileInfo::exists(file))
        return;
    if (const auto play = soundModule(true)->play)
        play(file);
}

void QtPlatform::stopSound()
{
    // A module never loaded has played nothing.
    if (const SoundModule *module = soundModule(false); module && module->stop)
        module->stop();
}

QDate QtPlatform::today() { return QDate::currentDate(); }
QTime QtPlatform::timeOfDay() { return QTime::currentTime(); }

QString QtPlatform::programFolder()
{
    QString dir = QCoreApplication::applicationDirPath();
    return dir.endsWith('/') ? dir : dir + '/';
}

void QtPlatform::quit() { QCoreApplication::quit(); }
