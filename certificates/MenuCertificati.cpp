#include "certificates/MenuCertificati.h"
#include "common/ui/WindowBuild.h"

#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificateHelp.h"
#include "certificates/CertificatePictures.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "common/Dates.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "dialogs/Guida.h"
#include "dialogs/ReturnToLauncher.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmMenuCertificati> frmMenuCertificati;

namespace {

const QString Launcher = QStringLiteral("avvio");

// The seven buttons in their order on the screen, with the route each writes and the card it
// shows; a card not built yet has no finder and the route leads back to the launcher.
struct MenuButton {
    QPushButton *TfrmMenuCertificati::*button;
    const char *name;
    const char *caption;
    const char *tag;
    QWidget *(*card)();
};

const MenuButton Buttons[] = {
    {&TfrmMenuCertificati::btnCertificato_Sanitario, "btnCertificato_Sanitario", "Certificato sanitario",
     "certificato_sanitario", [] { return static_cast<QWidget *>(frmCertificato_Sanitario); }},
    {&TfrmMenuCertificati::btnCertificato_Vaccinazione, "btnCertificato_Vaccinazione", "Certificato vaccinazione",
     "certificato_vaccinazione", [] { return static_cast<QWidget *>(frmCertificato_Vaccinazione); }},
    {&TfrmMenuCertificati::btnCertificato_Malattia, "btnCertificato_Malattia", "Certificato malattia",
     "certificato_malattia", [] { return static_cast<QWidget *>(frmCertificato_Malattia); }},
    {&TfrmMenuCertificati::btnCertificato_Decesso, "btnCertificato_Decesso", "Certificato decesso",
     "certificato_decesso", [] { return static_cast<QWidget *>(frmCertificato_Decesso); }},
    {&TfrmMenuCertificati::btnAutorizzazione_Eutanasia, "btnAutorizzazione_Eutanasia", "Autorizzazione eutanasia",
     "autorizzazione_eutanasia", [] { return static_cast<QWidget *>(frmAutorizzazione_Eutanasia); }},
    {&TfrmMenuCertificati::btnConsenso_Intervento, "btnConsenso_Intervento", "Consenso intervento",
     "consenso_intervento", [] { return static_cast<QWidget *>(frmConsenso_Intervento); }},
    {&TfrmMenuCertificati::btnConsenso_Privacy, "btnConsenso_Privacy", "Certificato movimento", "consenso_privacy",
     [] { return static_cast<QWidget *>(frmConsenso_Privacy); }},
};

QPixmap headingPicture(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int h = size.height();
    // The words between two emblems.
    p.drawPixmap(0, 0, EmblemPicture(QSize(h, h)));
    p.drawPixmap(size.width() - h, 0, EmblemPicture(QSize(h, h)));
    QFont f = Look::Verdana(-1, true);
    f.setPixelSize(h / 2);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(h, 0, size.width() - 2 * h, h), Qt::AlignCenter, QStringLiteral("CERTIFICATI E CONSENSI"));
    return pixmap;
}

QPixmap documentsPicture(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    // Three sheets fanned out, the front one with a seal and lines of text.
    for (int i = 2; i >= 0; --i) {
        p.save();
        p.translate(w / 2, h / 2);
        p.rotate(-8.0 * i);
        const QRectF sheet(-w * 0.3, -h * 0.4, w * 0.6, h * 0.8);
        p.setPen(QPen(Look::Navy, 2));
        p.setBrush(i == 0 ? QColor(Qt::white) : Look::Mist);
        p.drawRoundedRect(sheet, 6, 6);
        if (i == 0) {
            p.setPen(QPen(Look::Steel, 3));
            for (int line = 0; line < 7; ++line) {
                const qreal y = sheet.top() + sheet.height() * (0.12 + 0.08 * line);
                p.drawLine(QPointF(sheet.left() + 16, y), QPointF(sheet.right() - 16, y));
            }
            p.drawPixmap(QRectF(sheet.right() - sheet.width() * 0.42, sheet.bottom() - sheet.width() * 0.42,
                                sheet.width() * 0.34, sheet.width() * 0.34)
                             .toRect(),
                         EmblemPicture(QSize(int(sheet.width() * 0.34), int(sheet.width() * 0.34))));
        }
        p.restore();
    }
    return pixmap;
}

} // namespace

QWidget *CertificateMenuRoute(const QString &route)
{
    const QString r = TrimText(route);
    for (const MenuButton &b : Buttons)
        if (r == QLatin1String(b.tag))
            return b.card ? b.card() : nullptr;
    return nullptr;
}

TfrmMenuCertificati::TfrmMenuCertificati(QWidget *parent) : QWidget(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmMenuCertificati"));
        setWindowTitle(QStringLiteral(" Tavoren - Certificati e Consensi"));
        SetGradientBackground(this, QColor(0x42, 0x7a, 0xa8), Qt::white);
        ApplyFormatSettings();

        QFrame *panel = PlaceCardPanel(this, QSize(1008, 680));
        RemoveStyledBackground(panel);
        icoTitolo = MakeDrawnPicture(panel, QStringLiteral("icoTitolo"), QRect(154, 16, 700, 64),
                                     [](QSize size) { return headingPicture(size); });
        lblIstruzioni = MakeNamed<QLabel>(panel, QStringLiteral("lblIstruzioni"));
        lblIstruzioni->setText(QStringLiteral("Premi il pulsante relativo al modello da compilare."));
        lblIstruzioni->setFont(Look::Verdana(12, true));
        lblIstruzioni->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
        lblIstruzioni->setAlignment(Qt::AlignCenter);
        lblIstruzioni->setGeometry(154, 92, 700, 28);
        icoCertificati = MakeDrawnPicture(panel, QStringLiteral("icoCertificati"), QRect(90, 150, 380, 400),
                                          [](QSize size) { return documentsPicture(size); });

        constexpr int ButtonLeft = 560;
        constexpr int ButtonTop = 146;
        constexpr int Pitch = 62;
        QWidget *previous = nullptr;
        int row = 0;
        for (const MenuButton &b : Buttons) {
            const QString name = QString::fromLatin1(b.name);
            QFrame *back = MakeNamed<QFrame>(panel, QStringLiteral("sfo") + name.mid(3));
            back->setStyleSheet(QStringLiteral("background: #ffebcd; border-radius: 6px;"));
            back->setGeometry(ButtonLeft, ButtonTop + row * Pitch, 340, 52);
            QPushButton *button = MakeNamed<QPushButton>(back, name);
            button->setText(QString::fromUtf8(b.caption));
            button->setFont(Look::Verdana(11, true));
            button->setCursor(Qt::PointingHandCursor);
            button->setGeometry(10, 8, 320, 36);
            this->*b.button = button;
            connect(button, &QPushButton::clicked, this, [this, tag = QString::fromLatin1(b.tag)] { choose(tag); });
            if (previous)
                QWidget::setTabOrder(previous, button);
            previous = button;
            ++row;
        }

        imgGuida = MakeNamed<ClickLabel>(panel, QStringLiteral("imgGuida"));
        imgGuida->setGeometry(24, 610, 120, 44);
        imgEsci = MakeNamed<ClickLabel>(panel, QStringLiteral("imgEsci"));
        imgEsci->setGeometry(1008 - 24 - 120, 610, 120, 44);
        for (ClickLabel *c : {imgGuida, imgEsci})
            c->setCursor(Qt::PointingHandCursor);
        DrawOnFirstShow(this, [this] {
            imgGuida->setPixmap(CommandPicture(QStringLiteral("Guida"), imgGuida->size()));
            imgEsci->setPixmap(CommandPicture(QStringLiteral("Esci"), imgEsci->size()));
        });
        connect(imgGuida, &ClickLabel::clicked, this, &TfrmMenuCertificati::imgGuidaClick);
        connect(imgEsci, &ClickLabel::clicked, this, &TfrmMenuCertificati::imgEsciClick);

        lblMemory = MakeNamed<QLabel>(panel, QStringLiteral("lblMemory"));
        lblMemory->setText(Launcher);
        lblMemory->hide();

        setWindowState(Qt::WindowMaximized);
    });
}

void TfrmMenuCertificati::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        lblMemory->setText(Launcher);
}

void TfrmMenuCertificati::choose(const QString &tag)
{
    lblMemory->setText(tag);
    close();
}

void TfrmMenuCertificati::imgEsciClick() { close(); }

void TfrmMenuCertificati::imgGuidaClick() { ShowHelp(this, CertificateHelpTitle(), CertificateHelpText()); }

void TfrmMenuCertificati::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (QWidget *card = CertificateMenuRoute(lblMemory->text())) {
        card->show();
        hide();
    } else {
        ReturnToLauncher(this);
    }
}
