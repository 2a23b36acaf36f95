#include "common/Errors.h"
#include "common/Files.h"
#include "common/IniFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Settings = "; Impostazioni dello studio\r\n"
                            "[Generale]\r\n"
                            "Nome=Clinica Bassi\r\n"
                            "  ; Nome=commento\r\n"
                            "riga senza uguale\r\n"
                            "\r\n"
                            "[ Stampa ]\r\n"
                            "margine =  10 \t\r\n"
                            "\r\n";

} // namespace

TEST(IniFile, ReadsNamesWithoutRegardToCaseAndTrimsValues)
{
    ScriptedPlatform p;
    writeBytes(p.file("Tavoren.ini"), Settings);
    const IniFile ini("Tavoren.ini");
    EXPECT_EQ(ini.readString("GENERALE", "nome"), "Clinica Bassi");
    EXPECT_EQ(ini.readString("stampa", "Margine"), "10");
    EXPECT_EQ(ini.readString("Stampa", "Nome"), "");
    EXPECT_EQ(ini.readString("Manca", "Nome"), "");
    EXPECT_EQ(ini.bytes(), Settings);
}

TEST(IniFile, WritingKeepsEveryOtherLineByteForByte)
{
    ScriptedPlatform p;
    writeBytes(p.file("Tavoren.ini"), Settings);
    IniFile ini("Tavoren.ini");
    ini.writeString("generale", "NOME", "Studio Verdi");
    ini.writeString("Generale", "Telefono", "0577 123");
    ini.writeString("Stampa", "Margine", "12");
    ini.writeString("Logo", "File", "logo.bmp");
    ini.save();
    EXPECT_EQ(readBytes(p.file("Tavoren.ini")), QByteArray("; Impostazioni dello studio\r\n"
                                                           "[Generale]\r\n"
                                                           "Nome=Studio Verdi\r\n"
                                                           "  ; Nome=commento\r\n"
                                                           "riga senza uguale\r\n"
                                                           "Telefono=0577 123\r\n"
                                                           "\r\n"
                                                           "[ Stampa ]\r\n"
                                                           "margine=12\r\n"
                                                           "\r\n"
                                                           "[Logo]\r\n"
                                                           "File=logo.bmp\r\n"));
}

TEST(IniFile, StoresWindows1252WithCrLf)
{
    ScriptedPlatform p;
    writeBytes(p.file("tavoren.INI"), "[Studio]\nNome=x\n[Altro]\nk=v"); // LF and no final line break
    IniWriteString("Tavoren.ini", "Studio", "Nome", QStringLiteral(u"Societ\u00E0 \u20AC \u65E5"));
    EXPECT_EQ(readBytes(p.file("tavoren.INI")), QByteArray("[Studio]\r\nNome=Societ\xE0 \x80 ?\r\n[Altro]\r\nk=v\r\n"));
    EXPECT_EQ(IniReadString("TAVOREN.ini", "studio", "nome"), QStringLiteral(u"Societ\u00E0 \u20AC ?"));
    EXPECT_EQ(QDir(p.folder()).entryList(QDir::Files), QStringList({"tavoren.INI"}));
}

TEST(IniFile, LineBreaksInAValueCannotAddLines)
{
    ScriptedPlatform p;
    IniWriteString("Tavoren.ini", "Studio", "Nome", "Bassi\r\n[Password]\r\nChiave=1");
    EXPECT_EQ(readBytes(p.file("Tavoren.ini")), QByteArray("[Studio]\r\nNome=Bassi  [Password]  Chiave=1\r\n"));
    EXPECT_EQ(IniReadString("Tavoren.ini", "Password", "Chiave"), "");
}

TEST(IniFile, MissingFileReadsEmptyAndIsNotCreatedByReading)
{
    ScriptedPlatform p;
    const IniFile ini("Manca.ini");
    EXPECT_EQ(ini.readString("Generale", "Nome"), "");
    EXPECT_TRUE(ini.bytes().isEmpty());
    EXPECT_EQ(IniReadString(p.folder() + "Cartella/Manca.ini", "A", "B"), "");
    EXPECT_FALSE(QFile::exists(p.file("Manca.ini")));
}

TEST(IniFile, FailedSaveThrowsAndLeavesTheOldFileWhole)
{
    ScriptedPlatform p;
    ASSERT_TRUE(QDir(p.folder()).mkdir("Cartella.ini"));
    for (const QString &target : {p.folder() + "Manca/Tavoren.ini", p.file("Cartella.ini")})
        EXPECT_THROW(IniWriteString(target, "A", "B", "c"), IoError) << target.toStdString();
    EXPECT_TRUE(QFileInfo(p.file("Cartella.ini")).isDir());

    // A disk that refuses the bytes midway.
    writeBytes(p.file("Tavoren.ini"), Settings);
    {
        const FileSizeLimit limit(200);
        EXPECT_THROW(IniWriteString("Tavoren.ini", "Generale", "Nome", QString(500, u'x')), IoError);
    }
    EXPECT_EQ(readBytes(p.file("Tavoren.ini")), Settings);
    EXPECT_EQ(QDir(p.folder()).entryList(QDir::Files), QStringList({"Tavoren.ini"})); // no temporary left
}

TEST(IniFile, AFileThatCouldNotBeReadIsNotReplaced)
{
    ScriptedPlatform p;
    writeBytes(p.file("unins000.dll"), Settings);
    // Root reads everything, so the read is done as another user who may not enter the folder.
    const bool root = geteuid() == 0;
    if (root)
        ASSERT_EQ(seteuid(65534), 0);
    else
        ASSERT_EQ(chmod(QFile::encodeName(p.file("unins000.dll")).constData(), 0), 0);
    IniFile ini(p.file("unins000.dll"));
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_EQ(ini.readString("Generale", "Nome"), "");
    ini.writeString("Generale", "Nome", "x");
    EXPECT_THROW(ini.save(), IoError);
    if (!root)
        chmod(QFile::encodeName(p.file("unins000.dll")).constData(), 0600);
    EXPECT_EQ(readBytes(p.file("unins000.dll")), Settings);
}

TEST(SaveFileWhole, ReplacesTheFileOfAnyLetterCase)
{
    ScriptedPlatform p;
    writeBytes(p.file("ELENCO.txt"), "vecchio");
    SaveFileWhole("Elenco.TXT", "nuovo\r\n");
    EXPECT_EQ(readBytes(p.file("ELENCO.txt")), "nuovo\r\n");
    EXPECT_EQ(QDir(p.folder()).entryList(QDir::Files), QStringList({"ELENCO.txt"}));
}
