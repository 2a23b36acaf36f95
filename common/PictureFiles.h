#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

class QWidget;

// The picture in a file, read by its content whatever its extension; null when it cannot be read.
QImage ReadPicture(const QString &path);

// The picture encoded in `format` ("jpg", "bmp"), at `quality` where the format has one (-1: the
// format's default). Throws IoError when the format is unknown or encoding fails.
QByteArray EncodePicture(const QImage &picture, const QByteArray &format, int quality = -1);

// Lets the user choose a picture file through the platform's file-open dialog and reads it. Null
// when the dialog is cancelled, or when the file can't be read as a picture: then the warning
// `unreadable` has been shown.
QImage ChoosePicture(QWidget *parent, const QString &caption, const QString &filter, const QString &unreadable);
