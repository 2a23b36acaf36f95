#include "dialogs/AllegaCartella.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/Cp1252.h"
#include "common/Errors.h"
#include "common/Files.h"
#include "common/Guard.h"
#include "common/OpenURL.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/StoredTexts.h"
#include "common/ui/Widgets.h"
#include "dialogs/DialogPictures.h"
#include "dialogs/TagTargets.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <utility>

WindowHandle<TfrmAllegaCartella> frmAllegaCartella;

namespace {

const QString AttachmentFolderName = QStringLiteral("Documenti_Allegati");
constexpr int MaxAttachmentName = 250;  // the capacity of a card's file-name field

const QString OverwriteQuestion = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");

const QStringList InstructionLines = {
    QStringLiteral("Selezionare i file da allegare alla scheda corrente servendosi del pulsante Sfoglia."),
    QStringLiteral("Quindi fare clic su Applica e chiudi e poi sul pulsante Salva per salvare le modifiche."),
    QStringLiteral("Per aprire un file è sufficiente premere il pulsante Apri."),
};

using Look::Blue;
using Look::Sky;
using Look::Pale;

TagTargets<AttachmentLabels> &attachmentTargets()
{
    static TagTargets<AttachmentLabels> targets;
    return targets;
}

// The attachment folder in the program folder, ending with "/"; an existing folder whose name
// differs only in letter case is taken.
QString attachmentFolder() { return ResolveInFolder(ProgramFolder(), AttachmentFolderName) + u'/'; }

// What names an attachment's file or description, in the dialog and in messages.
QString AttachmentCaption(bool description, int n)
{
    return (description ? QStringLiteral("Descrizione %1° file allegato") : QStringLiteral("Nome %1° file allegato"))
        .arg(n);
}

} // namespace

void MakeAttachmentLabels(QWidget *parent, std::array<QLabel *, 3> &files, std::array<QLabel *, 3> &descriptions)
{
    files = MakeNamedArray<QLabel, 3>(parent, QStringLiteral("lblFile"));
    descriptions = MakeNamedArray<QLabel, 3>(parent, QStringLiteral("lblDesc"));
    for (int i = 0; i < 3; ++i) {
        files[size_t(i)]->setAccessibleName(AttachmentCaption(false, i + 1));
        descriptions[size_t(i)]->setAccessibleName(AttachmentCaption(true, i + 1));
    }
    for (const auto &labels : {files, descriptions})
        for (QLabel *l : labels) {
            l->setTextFormat(Qt::PlainText);
            l->hide();
        }
}

QString AttachmentFileName(const QString &text)
{
    QString name = TrimText(text);
    const qsizetype cut = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    name = name.mid(cut + 1);
    QString kept;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i;  // one character outside the code page, written as two halves
        kept += IsCp1252Char(c) && !c.isSurrogate() ? c : QChar(u'_');
    }
    kept = TrimText(LeftChars(TrimText(kept), MaxAttachmentName));
    if (kept == QLatin1String(".") || kept == QLatin1String(".."))
        return QString();
    return kept;
}

void RegisterAttachmentTarget(const QString &tag, std::function<AttachmentLabels()> findLabels)
{
    attachmentTargets().add(tag, std::move(findLabels));
}

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmAllegaCartella"));
        setWindowTitle(QStringLiteral(" Allega file"));
        MakeFixedWindow(this, 634, 534);
        SetGradientBackground(this, Pale, Qt::white);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(8, 6, 618, 84);
        imgLogo->setAccessibleDescription(InstructionLines.join(u'\n'));

        const QFont captionFont = [this] {
            QFont f = font();
            f.setBold(true);
            return f;
        }();
        QFont fileFont = Look::Verdana();
        fileFont.setBold(true);
        const QFont descFont = Look::Verdana(12, true);

        const struct {
            QLabel *&fileCaption;
            QWidget *&shape;
            QLineEdit *&file;
            QPushButton *&browse;
            QPushButton *&open;
            ClickLabel *&clear;
            QLabel *&descCaption;
            QLineEdit *&desc;
            int n;
        } rows[] = {
            {lblCampo01, shpFile01, txtFile01, btnSfoglia01, btnApri01, imgCancella01, lblCampo02, txtDesc01, 1},
            {lblCampo03, shpFile02, txtFile02, btnSfoglia02, btnApri02, imgCancella02, lblCampo04, txtDesc02, 2},
            {lblCampo05, shpFile03, txtFile03, btnSfoglia03, btnApri03, imgCancella03, lblCampo06, txtDesc03, 3},
        };
        for (const auto &s : rows) {
            const int y = 96 + (s.n - 1) * 128;
            const QString nn = QStringLiteral("0%1").arg(s.n);
            s.fileCaption = MakeNamed<QLabel>(this, QStringLiteral("lblCampo0%1").arg(2 * s.n - 1),
                                              AttachmentCaption(false, s.n) + u':');
            s.fileCaption->setGeometry(14, y, 380, 20);
            s.fileCaption->setFont(captionFont);
            s.shape = MakeNamed<QWidget>(this, QStringLiteral("shpFile") + nn);
            s.shape->setGeometry(10, y + 20, 392, 42);
            SetGradientBackground(s.shape, Blue, Sky);
            s.file = MakeNamed<QLineEdit>(this, QStringLiteral("txtFile") + nn);
            s.file->setGeometry(16, y + 25, 380, 32);
            s.file->setReadOnly(true);
            s.file->setFont(fileFont);
            s.browse = MakeNamed<QPushButton>(this, QStringLiteral("btnSfoglia") + nn, QStringLiteral("Sfoglia..."));
            s.browse->setGeometry(412, y + 24, 96, 34);
            s.open = MakeNamed<QPushButton>(this, QStringLiteral("btnApri") + nn, QStringLiteral("Apri"));
            s.open->setGeometry(514, y + 24, 70, 34);
            s.open->setEnabled(false);
            s.clear = new ClickLabel(this, QStringLiteral("imgCancella") + nn);
            s.clear->setGeometry(590, y + 25, 32, 32);
            s.clear->setPixmap(DialogPictures::Eraser(s.clear->size()));
            s.descCaption = MakeNamed<QLabel>(this, QStringLiteral("lblCampo0%1").arg(2 * s.n),
                                              AttachmentCaption(true, s.n) + u':');
            s.descCaption->setGeometry(14, y + 66, 380, 20);
            s.descCaption->setFont(captionFont);
            s.desc = MakeNamed<QLineEdit>(this, QStringLiteral("txtDesc") + nn);
            s.desc->setGeometry(10, y + 86, 612, 32);
            s.desc->setFont(descFont);
            s.file->setAccessibleName(AttachmentCaption(false, s.n));
            s.desc->setAccessibleName(AttachmentCaption(true, s.n));
            // Enter in an edit presses no button: the dialog has no default command.
            s.browse->setAutoDefault(false);
            s.open->setAutoDefault(false);
        }

        btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
        btnAnnulla->setGeometry(382, 488, 110, 34);
        btnAnnulla->setAutoDefault(false);
        btnApplica = MakeNamed<QPushButton>(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"));
        btnApplica->setGeometry(502, 488, 120, 34);
        btnApplica->setAutoDefault(false);

        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->hide();

        DrawOnFirstShow(this, [this] {
            imgLogo->setPixmap(DialogPictures::AttachInstructions(imgLogo->size(), InstructionLines));
        });

        connect(btnSfoglia01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia01Click);
        connect(btnSfoglia02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia02Click);
        connect(btnSfoglia03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia03Click);
        connect(btnApri01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri01Click);
        connect(btnApri02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri02Click);
        connect(btnApri03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri03Click);
        connect(imgCancella01, &ClickLabel::clicked, this, &TfrmAllegaCartella::imgCancella01Click);
        connect(imgCancella02, &ClickLabel::clicked, this, &TfrmAllegaCartella::imgCancella02Click);
        connect(imgCancella03, &ClickLabel::clicked, this, &TfrmAllegaCartella::imgCancella03Click);
        connect(txtFile01, &QLineEdit::textChanged, this, &TfrmAllegaCartella::txtFile01Change);
        connect(txtFile02, &QLineEdit::textChanged, this, &TfrmAllegaCartella::txtFile02Change);
        connect(txtFile03, &QLineEdit::textChanged, this, &TfrmAllegaCartella::txtFile03Change);
        connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);

        CenterWindow(this);
    });
}

void TfrmAllegaCartella::btnSfoglia01Click() { attachFile(txtFile01); }
void TfrmAllegaCartella::btnSfoglia02Click() { attachFile(txtFile02); }
void TfrmAllegaCartella::btnSfoglia03Click() { attachFile(txtFile03); }
void TfrmAllegaCartella::btnApri01Click() { openAttachment(txtFile01); }
void TfrmAllegaCartella::btnApri02Click() { openAttachment(txtFile02); }
void TfrmAllegaCartella::btnApri03Click() { openAttachment(txtFile03); }
void TfrmAllegaCartella::imgCancella01Click() { txtFile01->clear(); }
void TfrmAllegaCartella::imgCancella02Click() { txtFile02->clear(); }
void TfrmAllegaCartella::imgCancella03Click() { txtFile03->clear(); }
void TfrmAllegaCartella::txtFile01Change() { btnApri01->setEnabled(!TrimText(txtFile01->text()).isEmpty()); }
void TfrmAllegaCartella::txtFile02Change() { btnApri02->setEnabled(!TrimText(txtFile02->text()).isEmpty()); }
void TfrmAllegaCartella::txtFile03Change() { btnApri03->setEnabled(!TrimText(txtFile03->text()).isEmpty()); }

void TfrmAllegaCartella::attachFile(QLineEdit *file)
{
    const QString chosen = platform().openFileName(this, QStringLiteral("Selezionare il file da allegare:"),
                                                   QString(), QStringLiteral("Tutti i file (*.*)"));
    if (chosen.isEmpty())
        return;
    // The slot and the copy bear the same name; when nothing could be copied the slot gets its
    // earlier name back, so a card never names a file that is not in the folder.
    const QString previous = file->text();
    const QString name = AttachmentFileName(QFileInfo(chosen).fileName());
    file->setText(name);
    RunGuarded(
        [&] {
            if (name.isEmpty())
                throw IoError("no name to attach the file under");
            const QString folder = attachmentFolder();
            if (!QDir().mkpath(folder))
                throw IoError("cannot create " + folder.toStdString());
            const QString destination = ResolveInFolder(folder, name);
            const QFileInfo existing(destination);
            if (existing.exists()) {
                // A file chosen in the folder itself is already attached: it is neither asked
                // about nor copied onto itself.
                if (existing.canonicalFilePath() == QFileInfo(chosen).canonicalFilePath())
                    return;
                if (!AskYesNo(OverwriteQuestion))
                    return;
            }
            CopyFileWhole(chosen, destination);
        },
        [&] { file->setText(previous); });
}

void TfrmAllegaCartella::openAttachment(QLineEdit *file)
{
    // Only a name in the attachment folder is opened, whatever folder the stored text names.
    const QString name = AttachmentFileName(file->text());
    if (name.isEmpty())
        return;
    TMisc::Open(u'"' + ResolveInFolder(attachmentFolder(), name) + u'"');
}

void TfrmAllegaCartella::btnApplicaClick()
{
    const AttachmentLabels labels = attachmentTargets().find(TrimText(lblMemory->text()));
    if (!labels.files[0])
        return;  // no card of that tag: nothing is written and the dialog stays
    const QLineEdit *files[3] = {txtFile01, txtFile02, txtFile03};
    const QLineEdit *descriptions[3] = {txtDesc01, txtDesc02, txtDesc03};
    // The card will store these texts: one it could not keep as shown is corrected here.
    if (!TextsStorable({txtFile01, txtDesc01, txtFile02, txtDesc02, txtFile03, txtDesc03}))
        return;
    for (int i = 0; i < 3; ++i) {
        labels.files[i]->setText(TrimText(files[i]->text()));
        labels.descriptions[i]->setText(TrimText(descriptions[i]->text()));
    }
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick() { close(); }

void OpenAttachFiles(QWidget *card, const QString &tag, const AttachmentLabels &labels)
{
    OpenModal<TfrmAllegaCartella>(card, [&](TfrmAllegaCartella &dialog) {
        dialog.lblMemory->setText(tag);
        QLineEdit *files[3] = {dialog.txtFile01, dialog.txtFile02, dialog.txtFile03};
        QLineEdit *descriptions[3] = {dialog.txtDesc01, dialog.txtDesc02, dialog.txtDesc03};
        for (int i = 0; i < 3; ++i) {
            if (labels.files[i])
                files[i]->setText(TrimText(labels.files[i]->text()));
            if (labels.descriptions[i])
                descriptions[i]->setText(TrimText(labels.descriptions[i]->text()));
        }
    });
}
