#include "owners/Ricontatta.h"
#include "common/ui/WindowBuild.h"

#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"

WindowHandle<TfrmRicontatta> frmRicontatta;

namespace {

ListWindowSetup recontactSetup()
{
    ListWindowSetup s;
    s.caption = QStringLiteral(" Riepilogo proprietari da ricontattare");
    s.archiveFile = [] { return OwnerArchiveName; };
    s.layout = &OwnerRecordLayout();
    s.line = RecontactListLine;
    s.sorted = true;
    s.printTitle = QStringLiteral("Riepilogo proprietari da ricontattare");
    s.handBack = [](const Record &owner, int number) { OwnerHandBack(QStringLiteral("clienti"), owner, number); };
    static const int flag = OwnerRecordLayout().indexOf(QStringLiteral("Ricontatta"));
    s.listed = [](const Record &owner) { return owner.text(flag) == YesNoFlag(true); };
    return s;
}

} // namespace

TfrmRicontatta::TfrmRicontatta(QWidget *parent) : ListWindow(recontactSetup(), parent)
{
    BuildWhenNeeded(this, [this] { setObjectName(QStringLiteral("frmRicontatta")); });
}
