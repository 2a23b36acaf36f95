#include "tests/support/ShownHelp.h"

#include "dialogs/Guida.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

ShownHelp ClickForHelp(ScriptedPlatform &sp, QWidget *picture)
{
    ShownHelp help;
    sp.onModal = [&](QWidget *w) {
        if (auto *guida = qobject_cast<TfrmGuida *>(w)) {
            help.shown = true;
            help.owner = guida->parentWidget();
            help.title = guida->lblTitolo->text();
            help.text = guida->txtGuida->toPlainText();
        }
    };
    QTest::mouseClick(picture, Qt::LeftButton);
    sp.onModal = nullptr;
    return help;
}
