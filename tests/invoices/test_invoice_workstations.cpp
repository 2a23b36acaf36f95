// Two workstations sharing the program folder: two processes, each with its own invoice card over
// one archive, press New and Save at the same moment, round after round.
#include "InvoiceFixture.h"

#include "common/Record.h"
#include "invoices/InvoiceRecord.h"
#include "tests/support/CardTexts.h"
#include "tests/support/FileBytes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <map>
#include <memory>

namespace {

constexpr int Rounds = 8;
constexpr int RecordSize = 4926;
const char ArchiveVariable[] = "TAVOREN_SHARED_ARCHIVE";
const char NameVariable[] = "TAVOREN_WORKSTATION";
const char WorkstationTest[] = "InvoiceWorkstation.SavesANewInvoiceEachRound";

// Between the outcomes of two rounds: the messages hold line breaks of their own.
const QChar RoundSeparator(0x1e);

// Leaves a mark that this workstation has reached `step` and waits for the other's mark.
bool meet(const QString &folder, const QString &me, const QString &other, const QString &step)
{
    QFile mark(folder + step + QLatin1Char('-') + me);
    if (!mark.open(QIODevice::WriteOnly))
        return false;
    mark.close();
    const QDeadlineTimer deadline(60000);
    while (!QFile::exists(folder + step + QLatin1Char('-') + other)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
    return true;
}

class InvoiceWorkstation : public InvoiceWindows {};

} // namespace

// One workstation: run by TwoWorkstations below, in a process of its own; skipped otherwise.
TEST_F(InvoiceWorkstation, SavesANewInvoiceEachRound)
{
    const QString shared = qEnvironmentVariable(ArchiveVariable);
    const QString me = qEnvironmentVariable(NameVariable);
    if (shared.isEmpty() || me.isEmpty())
        GTEST_SKIP() << "one of the two workstations of TwoWorkstations.NeverIssueOneInvoiceNumberTwice";
    const QString folder = QFileInfo(shared).absolutePath() + QLatin1Char('/');
    const QString other = me == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
    card->lblFile->setText(shared);
    card->lblAnno->setText(QStringLiteral("2026"));
    card->show();
    ASSERT_TRUE(WaitActive(card));

    QStringList outcomes;
    for (int round = 0; round < Rounds; ++round) {
        // Both count the records saved so far, so both are offered the same number.
        ASSERT_TRUE(meet(folder, me, other, QStringLiteral("nuovo%1").arg(round)));
        click(card->cmdNuovo);
        card->txtCliente->setText(QStringLiteral("Cliente ") + me);
        ASSERT_TRUE(meet(folder, me, other, QStringLiteral("salva%1").arg(round)));
        sp.clear();
        click(card->cmdSalva);
        outcomes << card->txtNumFatt->text() + QLatin1Char('\t') + sp.messages().join(QLatin1Char('|'));
    }
    QFile out(folder + me + QStringLiteral(".txt"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(outcomes.join(RoundSeparator).toUtf8());
}

TEST(TwoWorkstations, NeverIssueOneInvoiceNumberTwice)
{
    ScriptedPlatform sp;
    const QString shared = sp.file(QStringLiteral("2026.fat"));
    std::map<QString, std::unique_ptr<QProcess>> stations;
    for (const char *name : {"A", "B"}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(ArchiveVariable), shared);
        env.insert(QString::fromLatin1(NameVariable), QString::fromLatin1(name));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--gtest_filter=") + QString::fromLatin1(WorkstationTest)});
        stations[QString::fromLatin1(name)] = std::move(process);
    }
    for (auto &[name, process] : stations) {
        ASSERT_TRUE(process->waitForFinished(100000)) << name.toStdString();
        const QByteArray output = process->readAll();
        ASSERT_EQ(process->exitStatus(), QProcess::NormalExit) << output.toStdString();
        ASSERT_EQ(process->exitCode(), 0) << output.toStdString();
        ASSERT_TRUE(QFile::exists(sp.file(name + ".txt"))) << output.toStdString();
    }

    // One invoice a round, numbered 1 to 8 with no gap and no number twice.
    const QByteArray bytes = readBytes(shared);
    ASSERT_EQ(bytes.size(), Rounds * RecordSize);
    for (int k = 1; k <= Rounds; ++k)
        EXPECT_EQ(Record(InvoiceRecordLayout(), bytes.mid((k - 1) * RecordSize, RecordSize)).text("NumFatt"),
                  QString::number(k));

    // Each round, one workstation saved and the other was told, naming the number, and kept its card.
    const QStringList a = QString::fromUtf8(readBytes(sp.file("A.txt"))).split(RoundSeparator);
    const QStringList b = QString::fromUtf8(readBytes(sp.file("B.txt"))).split(RoundSeparator);
    ASSERT_EQ(a.size(), Rounds);
    ASSERT_EQ(b.size(), Rounds);
    for (int round = 0; round < Rounds; ++round) {
        const QString number = QString::number(round + 1);
        const QString saved = number + '\t' + CardInserted;
        const QString refused = number + '\t' + NumberTakenMessage(number);
        EXPECT_TRUE((a[round] == saved && b[round] == refused) || (a[round] == refused && b[round] == saved))
            << round << ": " << a[round].toStdString() << " / " << b[round].toStdString();
    }
}
