#include "invoices/Logo.h"
#include "common/ui/WindowBuild.h"
#include "common/Files.h"
#include "common/Guard.h"
#include "common/PictureFiles.h"
#include "common/Platform.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "dialogs/DialogPictures.h"
#include "invoices/InvoiceLogo.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

WindowHandle<TfrmLogo> frmLogo;

namespace {

const QSize PreviewSize(297, 184);

const QString Title = QStringLiteral("Logo della Ditta emittente");
const QString Instruction = QStringLiteral(
    "Caricare il logo della Ditta emittente come immagine Jpeg o Bitmap di 297 x 184 pixel.");
const QString LogoNotLoaded = QString::fromUtf8(
    "Attenzione: il file selezionato non contiene un'immagine leggibile in formato Jpeg o Bitmap.\n\r\n\r"
    "Il logo non è stato modificato.");
const QString LogoNotWritten = QString::fromUtf8(
    "Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\n\r\n\r"
    "Il logo salvato in precedenza non è stato modificato.");

// The heading: a small caduceus, the title and the instruction.
QPixmap Heading(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int icon = std::min(size.height(), 52);
    p.drawPixmap(0, 0, CaduceusPicture(QSize(icon, icon)));
    const QRectF text(icon + 8, 0, size.width() - icon - 8, size.height());
    QFont title = Look::Verdana();
    title.setPixelSize(14);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Look::Navy);
    QRectF used;
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, Title, &used);
    QFont body = Look::Verdana();
    body.setPixelSize(11);
    p.setFont(body);
    p.setPen(Qt::black);
    p.drawText(text.adjusted(0, used.height() + 4, 0, 0), Qt::TextWordWrap, Instruction);
    return pm;
}

// The picture as the preview shows it: a larger one shrunk to fit, keeping its proportions; a
// smaller one at its own size, centred.
QPixmap Preview(const QImage &picture)
{
    const QImage fitted = picture.width() > PreviewSize.width() || picture.height() > PreviewSize.height()
                              ? picture.scaled(PreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : picture;
    return QPixmap::fromImage(fitted);
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmLogo"));
        setWindowTitle(QStringLiteral(" Impostazione logo"));
        MakeFixedWindow(this, 337, 370);
        SetGradientBackground(this, Qt::white, Look::Pale);

        imgTitolo = MakeNamed<QLabel>(this, QStringLiteral("imgTitolo"));
        imgTitolo->setGeometry(20, 8, 297, 62);
        imgTitolo->setAccessibleDescription(Title + QStringLiteral("\n") + Instruction);

        // The preview on white inside a thin frame, so that a blank logo shows as blank.
        auto *frame = MakeNamed<QFrame>(this, QStringLiteral("shpLogo"));
        frame->setGeometry(19, 77, PreviewSize.width() + 2, PreviewSize.height() + 2);
        frame->setStyleSheet(
            QStringLiteral("#shpLogo { background: white; border: 1px solid %1; }").arg(Look::Css(Look::Sky)));
        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(20, 78, PreviewSize.width(), PreviewSize.height());
        imgLogo->setAlignment(Qt::AlignCenter);
        imgTemp = MakeNamed<QLabel>(this, QStringLiteral("imgTemp"));
        imgTemp->hide();
        imgBianco = MakeNamed<QLabel>(this, QStringLiteral("imgBianco"));
        imgBianco->hide();

        btnSfoglia = MakeNamed<QPushButton>(this, QStringLiteral("btnSfoglia"), QStringLiteral("Sfoglia..."));
        btnSfoglia->setGeometry(20, 272, 110, 30);
        btnCancLogo = MakeNamed<ClickLabel>(this, QStringLiteral("btnCancLogo"));
        btnCancLogo->setGeometry(249, 272, 30, 30);
        btnCancLogo->setCursor(Qt::PointingHandCursor);
        imgEuro = MakeNamed<ClickLabel>(this, QStringLiteral("imgEuro"));
        imgEuro->setGeometry(287, 272, 30, 30);
        imgEuro->setCursor(Qt::PointingHandCursor);

        btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
        btnAnnulla->setGeometry(87, 324, 110, 34);
        btnApplica = MakeNamed<QPushButton>(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"));
        btnApplica->setGeometry(207, 324, 110, 34);
        MakeEnterButtons({btnSfoglia, btnAnnulla, btnApplica});

        DrawOnFirstShow(this, [this] {
            imgTitolo->setPixmap(Heading(imgTitolo->size()));
            btnCancLogo->setPixmap(DialogPictures::Eraser(btnCancLogo->size()));
            imgEuro->setPixmap(CaduceusPicture(imgEuro->size()));
            imgTemp->setPixmap(QPixmap::fromImage(DefaultInvoiceLogo()));
            imgBianco->setPixmap(QPixmap::fromImage(BlankInvoiceLogo()));
        });

        connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
        connect(btnCancLogo, &ClickLabel::clicked, this, &TfrmLogo::btnCancLogoClick);
        connect(imgEuro, &ClickLabel::clicked, this, &TfrmLogo::imgEuroClick);
        connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &TfrmLogo::btnAnnullaClick);
    });
}

void TfrmLogo::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    CenterWindow(this, parentWidget());
    setLogo(LoadInvoiceLogo());
}

void TfrmLogo::setLogo(const QImage &picture)
{
    logo_ = picture;
    imgLogo->setPixmap(Preview(picture));
}

void TfrmLogo::btnSfogliaClick()
{
    // Cancelled or unreadable: the preview keeps what it showed, so the user's logo is not
    // swapped for the default.
    const QImage picture =
        ChoosePicture(this, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
                      QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"), LogoNotLoaded);
    if (picture.isNull())
        return;
    setLogo(picture);
}

void TfrmLogo::btnCancLogoClick() { setLogo(BlankInvoiceLogo()); }

void TfrmLogo::imgEuroClick() { setLogo(DefaultInvoiceLogo()); }

void TfrmLogo::btnApplicaClick()
{
    // Written whole or not at all; after a failure the dialog stays open with its picture.
    const bool written = RunGuarded(
        [&] {
            SaveFileWhole(ResolveInFolder(ProgramFolder(), QString::fromLatin1(InvoiceLogoFileName)),
                          EncodePicture(logo_, "bmp"));
        },
        [] { ShowNotice(NoticeKind::Error, LogoNotWritten); });
    if (written)
        accept();
}

void TfrmLogo::btnAnnullaClick() { reject(); }

void OpenLogoDialog(QWidget *card) { OpenModal<TfrmLogo>(card); }
