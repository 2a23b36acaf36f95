#include "common/PictureFiles.h"
#include "common/Errors.h"
#include "common/Platform.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

QImage ReadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QByteArray EncodePicture(const QImage &picture, const QByteArray &format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !QImageWriter::supportedImageFormats().contains(format)
        || !picture.save(&buffer, format.constData(), quality))
        throw IoError("the picture cannot be encoded as " + format.toStdString());
    return bytes;
}

QImage ChoosePicture(QWidget *parent, const QString &caption, const QString &filter, const QString &unreadable)
{
    const QString chosen = platform().openFileName(parent, caption, QString(), filter);
    if (chosen.isEmpty())
        return QImage();
    const QImage picture = ReadPicture(chosen);
    if (picture.isNull())
        ShowNotice(NoticeKind::Warning, unreadable);
    return picture;
}
