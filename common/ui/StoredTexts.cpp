#include "common/ui/StoredTexts.h"

#include "common/Cp1252.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace {

// A control's name without its three-letter kind ("txtCliente" -> "Cliente").
QString bareName(const QString &name)
{
    static const char *const Kinds[] = {"txt", "mem", "lbl", "chk", "rad", "cmb"};
    for (const char *kind : Kinds)
        if (name.startsWith(QLatin1String(kind)) && name.size() > 3)
            return name.mid(3);
    return name;
}

// A caption without its colon and what follows it ("Importo: €" -> "Importo").
QString withoutColon(const QString &caption)
{
    const qsizetype colon = caption.indexOf(u':');
    return TrimText(colon < 0 ? caption : caption.left(colon));
}

} // namespace

QString FieldCaption(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    const QString bare = bareName(control->objectName());
    if (const QWidget *window = control->window())
        if (auto *label = window->findChild<QLabel *>(QStringLiteral("tit") + bare))
            if (const QString caption = withoutColon(label->text()); !caption.isEmpty())
                return caption;
    if (auto *box = qobject_cast<const QAbstractButton *>(control))
        if (const QString caption = withoutColon(box->text()); !caption.isEmpty())
            return caption;
    return bare;
}

void FocusField(QWidget *control, const RevealField &reveal)
{
    if (reveal && !control->isVisibleTo(control->window()))
        reveal(control);
    if (control->focusPolicy() != Qt::NoFocus)
        control->setFocus();
}

bool TextsStorable(const QList<QWidget *> &controls, const RevealField &reveal)
{
    for (QWidget *control : controls) {
        if (qobject_cast<QAbstractButton *>(control))
            continue;  // a flag is stored as "Sì" or "No"
        const char32_t refused = FirstUnstorableChar(TrimText(ControlText(control)));
        if (!refused)
            continue;
        ShowNotice(NoticeKind::Warning, UnstorableCharMessage(FieldCaption(control), refused));
        FocusField(control, reveal);
        return false;
    }
    return true;
}

bool NumberFitsField(QWidget *control, const QString &text, const QString &where, int capacity,
                     const RevealField &reveal)
{
    if (TrimText(text).size() <= capacity)
        return true;
    ShowNotice(NoticeKind::Warning, NumberTooLongMessage(where, capacity));
    FocusField(control, reveal);
    return false;
}
