#include "common/ui/SettingsBinding.h"

#include "common/IniFile.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "common/ui/StoredTexts.h"

void SettingsBinding::load(const QString &path) const
{
    const IniFile settings(path);
    for (const Entry &e : entries_)
        SetControlText(e.control, settings.readString(e.section, e.key));
}

void SettingsBinding::save(const QString &path) const
{
    IniFile settings(path);
    for (const Entry &e : entries_)
        settings.writeString(e.section, e.key, TrimText(ControlText(e.control)));
    settings.save();
}

bool SettingsBinding::storable() const
{
    QList<QWidget *> controls;
    for (const Entry &e : entries_)
        controls.append(e.control);
    return TextsStorable(controls);
}
