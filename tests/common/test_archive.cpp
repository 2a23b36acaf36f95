#include "common/Archive.h"
#include "common/ArchiveSearch.h"
#include "common/Errors.h"
#include "common/Record.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A small layout: 11 + 3 + 6 = 20 bytes a record.
const RecordLayout &petLayout()
{
    static const RecordLayout layout{{"Nome", 10}, {"Attivo", 2}, {"Note", 5}};
    return layout;
}

QByteArray petRecord(const QString &name, bool active, const QString &note)
{
    Record r(petLayout());
    r.setText("Nome", name);
    r.setText("Attivo", YesNoFlag(active));
    r.setText("Note", note);
    return r.bytes();
}

QByteArray fixtureBytes()
{
    return petRecord("Fido", true, "cane") + petRecord("Micia", false, "gatta") + petRecord("Nemo", true, "");
}

QByteArray field(const char *bytes, int size) { return QByteArray(bytes, size); }

} // namespace

TEST(ShortText, StoreTrimsConvertsCutsAndZeroesTheRest)
{
    struct Case {
        QString text;
        int capacity;
        QByteArray bytes;
    } cases[] = {
        {"  abc  ", 2, field("\x02" "ab", 3)},
        {"\tab\r\n", 5, field("\x02" "ab\0\0\0", 6)},
        {QStringLiteral(u"Societ\u00E0 \u20AC"), 10, field("\x09" "Societ\xE0 \x80\0", 11)},
        {QStringLiteral(u"\u65E5x"), 3, field("\x02" "?x\0", 4)},
        {"", 3, field("\0\0\0\0", 4)},
        {"abcdef", 0, field("\0", 1)},
    };
    for (const Case &c : cases) {
        QByteArray buf(c.capacity + 1, '\xAA'); // leftovers of an older, longer text
        StoreShortText(buf.data(), c.capacity, c.text);
        EXPECT_EQ(buf.toHex(' '), c.bytes.toHex(' ')) << c.text.toStdString();
    }
}

TEST(ShortText, LoadReadsOnlyTheStoredLengthWithinTheField)
{
    struct Case {
        QByteArray field; // the field followed by a byte of the next field
        int capacity;
        QString text;
    } cases[] = {
        {field("\x02" "abXYZ" "!", 7), 5, "ab"},            // bytes after L ignored
        {field("\xFF" "abcde" "!", 7), 5, "abcde"},         // length over capacity clamped
        {field("\x06" "abcde" "!", 7), 5, "abcde"},
        {field("\x05" " ab \t" "!", 7), 5, "ab"},           // trimmed
        {field("\x03" "\x80\xE0\x9D" "!", 5), 3, QStringLiteral(u"\u20AC\u00E0\u009D")},
        {field("\x00" "abcde" "!", 7), 5, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LoadShortText(c.field.constData(), c.capacity), c.text) << c.field.toHex(' ').toStdString();
}

TEST(ShortText, YesNoFlagBytesAndLoading)
{
    Record r(petLayout());
    r.setText("Attivo", YesNoFlag(true));
    EXPECT_EQ(r.bytes().mid(petLayout().offset(1), 3), field("\x02\x53\xEC", 3));
    r.setText("Attivo", YesNoFlag(false));
    EXPECT_EQ(r.bytes().mid(petLayout().offset(1), 3), field("\x02\x4E\x6F", 3));

    EXPECT_TRUE(LoadYesNoFlag(QStringLiteral(u" S\u00EC "), false));
    EXPECT_FALSE(LoadYesNoFlag("No", true));
    for (const QString &other : {QString("si"), QString("SI"), QString("Si"), QString(), QString("NO")}) {
        EXPECT_TRUE(LoadYesNoFlag(other, true)) << other.toStdString();
        EXPECT_FALSE(LoadYesNoFlag(other, false)) << other.toStdString();
    }
}

TEST(ShortText, RecordFieldsByNameAndLayoutSize)
{
    EXPECT_EQ(petLayout().recordSize(), 20);
    EXPECT_EQ(petLayout().offset(2), 14);
    Record r(petLayout(), petRecord("Fido", true, "cane"));
    EXPECT_EQ(r.text("Nome"), "Fido");
    EXPECT_EQ(r.text(2), "cane");
    EXPECT_THROW(r.text("nome"), std::logic_error);
    EXPECT_THROW(r.setText("Razza", "x"), std::logic_error);
    EXPECT_THROW(Record(petLayout(), QByteArray(19, '\0')), std::logic_error);
}

TEST(Archive, ReadsTheFixtureWithPositions)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes());
    Archive a = OpenOrCreateArchive("Animali.pro", 20);
    EXPECT_EQ(a.count(), 3);
    EXPECT_EQ(a.position(), 0);
    QStringList names;
    while (a.position() < a.count())
        names << Record(petLayout(), a.read()).text("Nome");
    EXPECT_EQ(names, QStringList({"Fido", "Micia", "Nemo"}));
    EXPECT_EQ(a.position(), 3);
    a.seek(1);
    EXPECT_EQ(Record(petLayout(), a.read()).text("Note"), "gatta");
    EXPECT_EQ(a.position(), 2);
    a.close();
    EXPECT_EQ(readBytes(p.file("Animali.pro")), fixtureBytes()); // opening never truncates
}

TEST(Archive, MissingFileIsCreatedEmpty)
{
    ScriptedPlatform p;
    {
        Archive a = OpenOrCreateArchive("Nuovo.pro", 20);
        EXPECT_EQ(a.count(), 0);
        EXPECT_THROW(a.read(), IoError);
    }
    ASSERT_TRUE(QFile::exists(p.file("Nuovo.pro")));
    EXPECT_EQ(QFile(p.file("Nuovo.pro")).size(), 0);
}

TEST(Archive, ExistingNameInOtherLetterCaseIsUsed)
{
    ScriptedPlatform p;
    writeBytes(p.file("proprietari.PRO"), fixtureBytes());
    {
        Archive a = OpenOrCreateArchive("Proprietari.pro", 20);
        EXPECT_EQ(a.count(), 3);
        a.seek(3);
        a.write(petRecord("Rex", false, "x"));
    }
    {
        Archive a = OpenOrCreateArchive(p.folder() + "PROPRIETARI.pro", 20);
        EXPECT_EQ(a.count(), 4);
        EXPECT_EQ(a.path(), p.file("proprietari.PRO"));
    }
    EXPECT_EQ(QDir(p.folder()).entryList(QDir::Files), QStringList({"proprietari.PRO"}));
}

TEST(Archive, AppendWritesOverAPartialTail)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes() + QByteArray(10, 'z'));
    Archive a = OpenOrCreateArchive("Animali.pro", 20);
    EXPECT_EQ(a.count(), 3);
    EXPECT_EQ(a.append(petRecord("Rex", false, "")), 4);
    EXPECT_EQ(a.position(), 4);
    a.close();
    EXPECT_EQ(readBytes(p.file("Animali.pro")), fixtureBytes() + petRecord("Rex", false, ""));
}

TEST(Archive, WriteOverwritesInsideAndAppendsAtTheEnd)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes());
    Archive a = OpenOrCreateArchive("Animali.pro", 20);
    a.seek(1);
    a.write(petRecord("Micio", true, "nero"));
    EXPECT_EQ(a.position(), 2);
    EXPECT_EQ(a.count(), 3);
    a.seek(3);
    a.write(petRecord("Rex", false, ""));
    EXPECT_EQ(a.position(), 4);
    a.close();
    EXPECT_EQ(readBytes(p.file("Animali.pro")), petRecord("Fido", true, "cane") + petRecord("Micio", true, "nero") +
                                                    petRecord("Nemo", true, "") + petRecord("Rex", false, ""));
}

TEST(Archive, TwoOpenArchivesAppendWithoutOverwriting)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes());
    Archive first = OpenOrCreateArchive("Animali.pro", 20);
    Archive second = OpenOrCreateArchive("Animali.pro", 20);
    EXPECT_EQ(first.count(), 3);
    EXPECT_EQ(second.append(petRecord("Rex", false, "")), 4);
    EXPECT_EQ(first.count(), 4); // measured anew, not remembered
    EXPECT_EQ(first.append(petRecord("Bobi", true, "")), 5);
    first.seek(3);
    EXPECT_EQ(Record(petLayout(), first.read()).text("Nome"), "Rex");
}

TEST(Archive, AccessOutsideTheRecordsFailsAndWritesNothing)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes());
    const std::function<void(Archive &)> actions[] = {
        [](Archive &a) { a.seek(-1); },
        [](Archive &a) { a.seek(4); },
        [](Archive &a) { a.seek(3); a.read(); },
    };
    for (const auto &action : actions) {
        Archive a = OpenOrCreateArchive("Animali.pro", 20);
        EXPECT_THROW(action(a), IoError);
        EXPECT_EQ(a.count(), 3);
    }
    EXPECT_EQ(readBytes(p.file("Animali.pro")), fixtureBytes());

    Archive a = OpenOrCreateArchive("Animali.pro", 20);
    EXPECT_THROW(a.write(QByteArray(21, 'x')), std::logic_error);
    EXPECT_THROW(a.append(QByteArray(19, 'x')), std::logic_error);
    EXPECT_EQ(a.count(), 3);
}

TEST(Archive, PlacesThatCannotHoldAnArchiveFail)
{
    ScriptedPlatform p;
    writeBytes(p.file("file.txt"), "x");
    ASSERT_TRUE(QDir(p.folder()).mkdir("Cartella.pro"));
    const QString names[] = {"Manca/Animali.pro", "file.txt/Animali.pro", "Cartella.pro",
                             p.folder() + "Manca/Animali.pro"};
    for (const QString &name : names)
        EXPECT_THROW(OpenOrCreateArchive(name, 20), IoError) << name.toStdString();
    EXPECT_FALSE(QFile::exists(p.file("Manca")));
}

TEST(Archive, ARefusedWriteFailsAndTheShortTailIsReplacedLater)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes());
    Archive a = OpenOrCreateArchive("Animali.pro", 20);
    {
        const FileSizeLimit limit(fixtureBytes().size() + 5);
        EXPECT_THROW(a.append(petRecord("Rex", false, "")), IoError);
    }
    EXPECT_EQ(a.count(), 3);
    EXPECT_EQ(a.append(petRecord("Rex", false, "")), 4);
    a.close();
    EXPECT_EQ(readBytes(p.file("Animali.pro")), fixtureBytes() + petRecord("Rex", false, ""));
}

namespace {

// An archive of `count` pet records, each named after its 1-based number, and a partial tail.
QByteArray numberedArchive(int count, int tail)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * 20 + tail);
    for (int i = 1; i <= count; ++i)
        bytes += petRecord(QStringLiteral("N%1").arg(i), i % 2 == 0, "");
    return bytes + QByteArray(tail, '\x07');
}

// Scans the archive and checks that record k came k-th with number k and its own bytes.
void expectWholeScan(const QString &name, int count, int blockBytes)
{
    int seen = 0;
    bool inOrder = true;
    ScanArchive(
        name, petLayout(),
        [&](const Record &r, int number) {
            ++seen;
            inOrder = inOrder && number == seen && r.text(0) == QStringLiteral("N%1").arg(seen) &&
                      r.text(1) == YesNoFlag(seen % 2 == 0);
        },
        blockBytes);
    EXPECT_EQ(seen, count);
    EXPECT_TRUE(inOrder);
}

} // namespace

TEST(ArchiveScan, BlocksHandOutEveryWholeRecordOnceAndInOrder)
{
    ScriptedPlatform p;
    // Past two blocks of a megabyte, which hold no whole number of 20-byte records, and a tail.
    const int many = ScanBlockBytes / 20 * 2 + 1234;
    const QByteArray big = numberedArchive(many, 13);
    writeBytes(p.file("Grande.pro"), big);
    expectWholeScan("Grande.pro", many, ScanBlockBytes);
    EXPECT_EQ(readBytes(p.file("Grande.pro")), big) << "a scan never writes";

    // Blocks of one record, of three, of a size that is no multiple of the record, smaller than
    // one record, and larger than the file.
    writeBytes(p.file("Piccolo.pro"), numberedArchive(10, 19));
    for (int block : {20, 60, 70, 7, 4096}) {
        SCOPED_TRACE(block);
        expectWholeScan("Piccolo.pro", 10, block);
    }
    writeBytes(p.file("Vuoto.pro"), QByteArray(19, 'x'));
    expectWholeScan("Vuoto.pro", 0, ScanBlockBytes);
}

TEST(ArchiveScan, AFileThatGetsShorterOrCannotBeOpenedFails)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), numberedArchive(10, 0));
    int seen = 0;
    EXPECT_THROW(ScanArchive(
                     "Animali.pro", petLayout(),
                     [&](const Record &, int number) {
                         seen = number;
                         // Another workstation's copy leaves four records and half a fifth.
                         if (number == 1)
                             writeBytes(p.file("Animali.pro"), numberedArchive(4, 10));
                     },
                     60),
                 IoError);
    EXPECT_EQ(seen, 3) << "the first block was handed out whole";

    ASSERT_TRUE(QDir(p.folder()).mkdir("Cartella.pro"));
    EXPECT_THROW(ScanArchive("Cartella.pro", petLayout(), [](const Record &, int) {}), IoError);
}

TEST(Archive, ReadRecordsStopsAtTheLastWholeRecord)
{
    ScriptedPlatform p;
    writeBytes(p.file("Animali.pro"), fixtureBytes() + QByteArray(7, 'x'));
    Archive a = OpenOrCreateArchive("Animali.pro", 20);
    QByteArray buffer(5 * 20, '\0');
    a.seek(1);
    EXPECT_EQ(a.readRecords(buffer.data(), 5), 2);
    EXPECT_EQ(a.position(), 3);
    EXPECT_EQ(buffer.left(40), fixtureBytes().mid(20));
    EXPECT_EQ(a.readRecords(buffer.data(), 5), 0) << "the partial tail is not a record";
    EXPECT_EQ(a.position(), 3);
}
