#include "animals/Zoom.h"
#include "common/ui/WindowBuild.h"

#include "animals/AnimalPictures.h"
#include "common/Dates.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>

WindowHandle<TfrmZoom> frmZoom;

TfrmZoom::TfrmZoom(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmZoom"));
        setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        ApplyFormatSettings();
        // A window of its own, so that it can open maximised.
        setWindowFlags(Qt::Window);
        setWindowState(Qt::WindowMaximized);
        SetGradientBackground(this, Look::WindowTop, Qt::white);

        panContainer = new ClickLabel(this, QStringLiteral("panContainer"));
        imgFoto = new ClickLabel(panContainer, QStringLiteral("imgFoto"));
        imgFoto->setAlignment(Qt::AlignCenter);
        connect(panContainer, &ClickLabel::clicked, this, &QDialog::accept);
        connect(imgFoto, &ClickLabel::clicked, this, &QDialog::accept);
    });
}

QSize TfrmZoom::PhotoArea(QSize screen) { return QSize(screen.width() - 60, screen.height() - 90); }

void TfrmZoom::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    placePhoto();
}

void TfrmZoom::fitToScreen(QSize screen)
{
    const QSize area = PhotoArea(screen).expandedTo(QSize(1, 1));
    panContainer->resize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    placePhoto();
}

void TfrmZoom::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (const QScreen *s = screen())
        fitToScreen(s->size());
}

void TfrmZoom::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    placePhoto();
}

void TfrmZoom::placePhoto()
{
    QRect r(QPoint(0, 0), panContainer->size());
    r.moveCenter(rect().center());
    panContainer->move(r.topLeft());
    if (picture_.isNull())
        imgFoto->clear();
    else
        imgFoto->setPixmap(picture_.scaled(imgFoto->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void OpenPhotoZoom(QWidget *card)
{
    const QPixmap picture = AnimalPictures::CardPhoto(card);
    OpenModal<TfrmZoom>(card, [&picture](TfrmZoom &w) { w.setPicture(picture); });
}
