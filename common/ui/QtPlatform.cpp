#include "common/ui/QtPlatform.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMediaDevices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

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

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::notice(NoticeKind kind, const QString &text)
{
    QMessageBox::Icon icon = kind == NoticeKind::Warning ? QMessageBox::Warning
                           : kind == NoticeKind::Error   ? QMessageBox::Critical
                                                         : QMessageBox::Information;
    QMessageBox box(icon, QString(), text, QMessageBox::Ok | QMessageBox::Cancel, activeParent());
    box.exec();
}

bool QtPlatform::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    activeParent());
    return box.exec() != QMessageBox::No;
}

void QtPlatform::plainBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    activeParent());
    box.exec();
}

void QtPlatform::errorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    activeParent());
    box.exec();
}

void QtPlatform::showModal(QWidget *window)
{
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
    std::unique_ptr<QInputDialog> box(MakeInputBox(activeParent(), caption, prompt, value));
    if (box->exec() != QDialog::Accepted)
        return false;
    value = box->textValue();
    return true;
}

bool QtPlatform::printDialog(QPrinter &printer, QWidget *parent)
{
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

void QtPlatform::playSound(const QString &file)
{
    // Nothing to play on a machine without audio output, nor from a file that is not there.
    if (QMediaDevices::audioOutputs().isEmpty() || !QFileInfo::exists(file))
        return;
    if (!player) {
        player = new QMediaPlayer(qApp);
        audio = new QAudioOutput(qApp);
        player->setAudioOutput(audio);
    }
    player->setSource(QUrl::fromLocalFile(file));
    player->play();
}

void QtPlatform::stopSound()
{
    if (player)
        player->stop();
}

QDate QtPlatform::today() { return QDate::currentDate(); }
QTime QtPlatform::timeOfDay() { return QTime::currentTime(); }

QString QtPlatform::programFolder()
{
    QString dir = QCoreApplication::applicationDirPath();
    return dir.endsWith('/') ? dir : dir + '/';
}

void QtPlatform::quit() { QCoreApplication::quit(); }
