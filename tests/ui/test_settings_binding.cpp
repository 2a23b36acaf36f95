#include "common/Errors.h"
#include "common/IniFile.h"
#include "common/ui/SettingsBinding.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class SettingsBindingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        name = new QLineEdit(&window);
        box = new QComboBox(&window);
        box->setEditable(true);
        box->addItems({"BO", "RM"});
    }
    SettingsBinding binding() const
    {
        return SettingsBinding({{name, "Modulo Privacy", "Titolare"}, {box, "Modulo Privacy", "Provincia Sede"}});
    }
    QString path() const { return sp.file("Tavoren.ini"); }

    ScriptedPlatform sp;
    QWidget window;
    QLineEdit *name = nullptr;
    QComboBox *box = nullptr;
};

TEST_F(SettingsBindingTest, LoadsKeysWithoutRegardToCaseAndMissingOnesAsEmpty)
{
    writeBytes(path(), "[modulo privacy]\r\nTITOLARE=Dott. Rossi\r\n");
    name->setText("vecchio");
    box->setEditText("MI");
    binding().load(path());
    EXPECT_EQ(name->text(), "Dott. Rossi");
    EXPECT_EQ(box->currentText(), "");

    binding().load(sp.file("Mancante.ini"));
    EXPECT_EQ(name->text(), "");
}

TEST_F(SettingsBindingTest, SavesTrimmedValuesAndKeepsTheRestOfTheFile)
{
    writeBytes(path(), "; nota\r\n[Altro]\r\nChiave=1\r\n[Modulo Privacy]\r\ntitolare=vecchio\r\n");
    name->setText("  Dott. Bianchi ");
    box->setEditText(" RM");
    binding().save(path());
    EXPECT_EQ(readBytes(path()),
              QByteArray("; nota\r\n[Altro]\r\nChiave=1\r\n[Modulo Privacy]\r\ntitolare=Dott. Bianchi\r\n"
                         "Provincia Sede=RM\r\n"));
}

TEST_F(SettingsBindingTest, AFailedSaveThrowsAndLeavesTheFileWhole)
{
    writeBytes(path(), "[Modulo Privacy]\r\nTitolare=vecchio\r\n");
    const ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make a folder read-only here";
    name->setText("nuovo");
    EXPECT_THROW(binding().save(path()), IoError);
    EXPECT_EQ(readBytes(path()), QByteArray("[Modulo Privacy]\r\nTitolare=vecchio\r\n"));
}

} // namespace
