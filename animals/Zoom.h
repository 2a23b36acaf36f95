#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QSize>

class ClickLabel;

// The card's photo as large as the screen allows, on a gradient, in a maximised window that a
// click on the photo closes.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget *parent = nullptr);

    // The picture shown; set by the opener before the window is shown.
    void setPicture(const QPixmap &picture);

    ClickLabel *panContainer;
    ClickLabel *imgFoto;

    // The size of the photo area on a screen of the given size: 60 less in width, 90 in height.
    static QSize PhotoArea(QSize screen);
    // Sizes the panel and the photo for a screen of this size and centres them in the window.
    void fitToScreen(QSize screen);

protected:
    void showEvent(QShowEvent *e) override; // FormShow
    void resizeEvent(QResizeEvent *e) override;

private:
    // Centres the panel in the window and draws the picture scaled into the photo.
    void placePhoto();
    QPixmap picture_;
};

extern WindowHandle<TfrmZoom> frmZoom;

// Opens the zoom with the picture of the card's imgFoto, modally, and destroys it when it closes.
void OpenPhotoZoom(QWidget *card);
