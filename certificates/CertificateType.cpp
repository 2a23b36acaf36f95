#include "certificates/CertificateType.h"

QString CertificateEditName(const CertificateEdit &edit)
{
    return edit.control ? QString::fromLatin1(edit.control) : QStringLiteral("txt") + QLatin1String(edit.field);
}
