#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "owners/Clienti.h"
#include "owners/OwnerRecord.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray ownerArchive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i) {
        Record r(OwnerRecordLayout());
        r.setText("Cliente", QStringLiteral("Proprietario %1").arg(i));
        bytes += r.bytes();
    }
    return bytes;
}

} // namespace

// A save that would grow the archive past the process's file-size limit is an archive failure the
// card reports; the program goes on and the typed card stays as it was.
TEST(FileSizeLimit, SaveRefusedByTheLimitReportsAndKeepsTheTypedCard)
{
    ScriptedPlatform sp;
    const QByteArray before = ownerArchive(2);
    writeBytes(sp.file(OwnerArchiveName), before);
    TfrmClienti card;
    card.show();
    ASSERT_TRUE(WaitActive(&card));
    card.txtCliente->setFocus();
    QTest::keyClicks(card.txtCliente, QStringLiteral("Neri Paolo"));
    card.txtComuneRes->setFocus();
    QTest::keyClicks(card.txtComuneRes, QStringLiteral("Roma"));
    {
        const FileSizeLimit limit(rlim_t(before.size()));
        QTest::mouseClick(card.cmdSalva, Qt::LeftButton);
    }
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(sp.callsOf("error").size(), 1u);
    EXPECT_EQ(readBytes(sp.file(OwnerArchiveName)), before);
    EXPECT_EQ(card.txtCliente->text(), "Neri Paolo");
    EXPECT_EQ(card.txtComuneRes->text(), "Roma");
    EXPECT_EQ(card.lblPosizione->text(), "") << "the card is still a new one";

    // Without the limit the same card is saved as the third record.
    sp.clear();
    QTest::mouseClick(card.cmdSalva, Qt::LeftButton);
    EXPECT_EQ(card.lblPosizione->text(), "3");
    EXPECT_EQ(readBytes(sp.file(OwnerArchiveName)).size(), 3 * before.size() / 2);
}
