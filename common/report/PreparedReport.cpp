#include "common/report/PreparedReport.h"

#include <QPageSize>

QPageLayout PreparedReport::pageLayout() const
{
    QPageLayout layout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

QSizeF PreparedReport::paperSize() const
{
    return orientation == QPageLayout::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

QStringList PreparedReport::texts(const QString &name) const
{
    QStringList out;
    for (const auto &page : pages)
        for (const auto &item : page.items)
            if (auto *text = std::get_if<PreparedText>(&item); text && text->name == name)
                out << text->text;
    return out;
}

const PreparedText *PreparedReport::findText(const QString &name) const
{
    for (const auto &page : pages)
        for (const auto &item : page.items)
            if (auto *text = std::get_if<PreparedText>(&item); text && text->name == name)
                return text;
    return nullptr;
}
