#include "InvoiceFixture.h"

#include "common/PictureFiles.h"
#include "common/ui/Widgets.h"
#include "invoices/DatiVeicolo.h"
#include "invoices/InvoiceLogo.h"
#include "invoices/Logo.h"
#include "invoices/Numerazione.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ReadOnlyFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

namespace {

// Opens a dialog with `open` and lets `drive` work it while it is shown, once the application
// sees it as the active window (the platform reports it active a moment before the focus moves in).
template <typename Dialog>
void DriveDialog(ScriptedPlatform &sp, const std::function<void()> &open, const std::function<void(Dialog &)> &drive)
{
    bool shown = false;
    sp.onModal = [&](QWidget *w) {
        auto *dialog = qobject_cast<Dialog *>(w);
        ASSERT_NE(dialog, nullptr);
        shown = true;
        ASSERT_TRUE(WaitActive(dialog));
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 2000));
        drive(*dialog);
    };
    open();
    sp.onModal = nullptr;
    EXPECT_TRUE(shown);
}

// ---------------------------------------------------------------------------------------------
// Logo

const QString LogoNotLoaded = QString::fromUtf8(
    "Attenzione: il file selezionato non contiene un'immagine leggibile in formato Jpeg o Bitmap.\n\r\n\r"
    "Il logo non è stato modificato.");
const QString LogoNotWritten = QString::fromUtf8(
    "Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\n\r\n\r"
    "Il logo salvato in precedenza non è stato modificato.");

QImage Swatch(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Whether two pictures hold the same pixels, whatever their formats.
bool SamePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// Whether a colour is within a JPEG's rounding of another.
bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

class LogoDialog : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    QString logoFile() const { return sp.file(QStringLiteral("Logo.bmp")); }
    // Opens the dialog with the card's command and lets `drive` work it while it is shown.
    void withDialog(const std::function<void(TfrmLogo &)> &drive)
    {
        DriveDialog<TfrmLogo>(sp, [&] { click(card->btnLogo); }, drive);
    }
    // A picture file of the fixture folder.
    QString pictureFile(const QString &name, const QImage &picture, const char *format)
    {
        const QString path = sp.file(name);
        EXPECT_TRUE(picture.save(path, format));
        return path;
    }
};

TEST_F(LogoDialog, FirstUseShowsTheDefaultAndApplyWritesItAsBitmap)
{
    withDialog([&](TfrmLogo &dialog) {
        EXPECT_EQ(dialog.windowTitle(), " Impostazione logo");
        EXPECT_EQ(dialog.parentWidget(), card);
        EXPECT_TRUE(SamePixels(dialog.logo(), DefaultInvoiceLogo()));
        EXPECT_EQ(dialog.imgLogo->pixmap().size(), QSize(297, 184));
        dialog.btnApplica->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(readBytes(logoFile()).startsWith("BM"));
    EXPECT_TRUE(SamePixels(ReadPicture(logoFile()), DefaultInvoiceLogo()));
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(LogoDialog, ChosenJpegIsStoredAsBitmapAtItsOwnSize)
{
    // A picture larger than the preview is shrunk there, keeping its proportions, and stored whole.
    const QString jpeg = pictureFile(QStringLiteral("Studio.jpg"), Swatch(QSize(600, 400), Qt::red), "JPG");
    sp.fileNames = {jpeg};
    withDialog([&](TfrmLogo &dialog) {
        QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
        EXPECT_EQ(dialog.logo().size(), QSize(600, 400));
        EXPECT_EQ(dialog.imgLogo->pixmap().size(), QSize(276, 184));
        dialog.btnApplica->click();
    });
    ASSERT_EQ(sp.callsOf("open").size(), 1u);
    EXPECT_EQ(sp.callsOf("open")[0].text, "Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
    EXPECT_EQ(sp.fileFilters, QStringList{"Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"});
    EXPECT_TRUE(readBytes(logoFile()).startsWith("BM"));
    const QImage stored = ReadPicture(logoFile());
    EXPECT_EQ(stored.size(), QSize(600, 400));
    EXPECT_TRUE(Near(stored.pixelColor(300, 200), Qt::red));
}

TEST_F(LogoDialog, EraseThenApplyStoresTwoByTwoWhite)
{
    pictureFile(QStringLiteral("Logo.bmp"), Swatch(QSize(30, 20), Qt::green), "BMP");
    withDialog([&](TfrmLogo &dialog) {
        EXPECT_EQ(dialog.logo().size(), QSize(30, 20));
        QTest::mouseClick(dialog.btnCancLogo, Qt::LeftButton);
        dialog.btnApplica->click();
    });
    const QImage stored = ReadPicture(logoFile());
    ASSERT_EQ(stored.size(), QSize(2, 2));
    EXPECT_TRUE(SamePixels(stored, BlankInvoiceLogo()));
    // The invoices then print the blank picture.
    EXPECT_TRUE(SamePixels(LoadInvoiceLogo(), BlankInvoiceLogo()));
}

TEST_F(LogoDialog, EraseDefaultAndCancelLeaveTheFileAsItWas)
{
    pictureFile(QStringLiteral("Logo.bmp"), Swatch(QSize(30, 20), Qt::green), "BMP");
    const QByteArray before = readBytes(logoFile());
    withDialog([&](TfrmLogo &dialog) {
        QTest::mouseClick(dialog.btnCancLogo, Qt::LeftButton);
        EXPECT_TRUE(SamePixels(dialog.logo(), BlankInvoiceLogo()));
        QTest::mouseClick(dialog.imgEuro, Qt::LeftButton);
        EXPECT_TRUE(SamePixels(dialog.logo(), DefaultInvoiceLogo()));
        dialog.btnAnnulla->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(readBytes(logoFile()), before);
}

TEST_F(LogoDialog, AChoiceThatIsNoPictureKeepsThePreviousPictureAndSaysSo)
{
    pictureFile(QStringLiteral("Logo.bmp"), Swatch(QSize(30, 20), Qt::green), "BMP");
    writeBytes(sp.file(QStringLiteral("Appunti.jpg")), "non sono una fotografia");
    const struct {
        const char *what;
        QString chosen;
        bool warned;
    } cases[] = {
        {"cancelled", QString(), false},
        {"not a picture", sp.file(QStringLiteral("Appunti.jpg")), true},
        {"vanished", sp.file(QStringLiteral("Sparito.jpg")), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        sp.clear();
        sp.fileNames = {c.chosen};
        withDialog([&](TfrmLogo &dialog) {
            QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
            EXPECT_EQ(sp.messages(), c.warned ? QStringList{LogoNotLoaded} : QStringList{});
            EXPECT_EQ(sp.callsOf("warning").size(), c.warned ? 1u : 0u);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(SamePixels(dialog.logo(), Swatch(QSize(30, 20), Qt::green)));
            dialog.btnApplica->click();
        });
        EXPECT_TRUE(SamePixels(ReadPicture(logoFile()), Swatch(QSize(30, 20), Qt::green)));
    }
}

TEST_F(LogoDialog, AFailedWriteShowsTheErrorAndTheDialogStaysOpen)
{
    pictureFile(QStringLiteral("Logo.bmp"), Swatch(QSize(30, 20), Qt::green), "BMP");
    const QByteArray before = readBytes(logoFile());
    auto readOnly = std::make_unique<ReadOnlyFolder>(sp.folder());
    if (!readOnly->ok())
        GTEST_SKIP() << "no read-only folder here";
    withDialog([&](TfrmLogo &dialog) {
        QTest::mouseClick(dialog.btnCancLogo, Qt::LeftButton);
        dialog.btnApplica->click();
        EXPECT_EQ(sp.messages(), QStringList{LogoNotWritten});
        EXPECT_EQ(sp.callsOf("error").size(), 1u);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(readBytes(logoFile()), before);
        readOnly.reset();
        // Once the folder takes files again, the same picture is written.
        sp.clear();
        dialog.btnApplica->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(sp.messages().isEmpty());
    });
    EXPECT_TRUE(SamePixels(ReadPicture(logoFile()), BlankInvoiceLogo()));
}

// ---------------------------------------------------------------------------------------------
// Invoice numbering

class InvoiceNumbering : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    void withDialog(const std::function<void(TfrmNumerazione &)> &drive)
    {
        DriveDialog<TfrmNumerazione>(sp, [&] { click(card->cmdNumerazione); }, drive);
    }
    QString year() const { return IniReadString(settings(), "Numerazione Fatture", "Indicazione Anno Solare"); }
    QString start() const { return IniReadString(settings(), "Numerazione Fatture", "Inizio"); }
};

TEST_F(InvoiceNumbering, NoSettingsShowOneAndApplyCreatesTheSection)
{
    withDialog([&](TfrmNumerazione &dialog) {
        EXPECT_EQ(dialog.windowTitle(), " Impostazione inizio numerazione fatture");
        EXPECT_EQ(dialog.lblMemory->text(), "fatture");
        EXPECT_EQ(dialog.txtInizio->text(), "1");
        EXPECT_FALSE(dialog.chkTipo->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), dialog.txtInizio);
        dialog.btnApplica->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(readBytes(settings()), "[Numerazione Fatture]\r\nInizio=1\r\nIndicazione Anno Solare=No\r\n");
}

TEST_F(InvoiceNumbering, YearSettingIsReadTrimmedAndWrittenBackAsYesOrNo)
{
    const struct {
        QByteArray stored;  // the value in the file, Windows-1252
        bool ticked;
    } cases[] = {
        {"S\xec", true},       {"  S\xec\t", true}, {"s\xec", false}, {"Si", false},
        {"S\xcc", false},      {"No", false},       {"", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        writeBytes(settings(), "[Numerazione Fatture]\r\nInizio=7\r\nIndicazione Anno Solare=" + c.stored + "\r\n");
        withDialog([&](TfrmNumerazione &dialog) {
            EXPECT_EQ(dialog.txtInizio->text(), "7");
            EXPECT_EQ(dialog.chkTipo->isChecked(), c.ticked);
            dialog.btnApplica->click();
        });
        EXPECT_EQ(start(), "7");
        EXPECT_EQ(year(), c.ticked ? QString::fromUtf8("Sì") : QStringLiteral("No"));
    }
}

TEST_F(InvoiceNumbering, AppliedSettingsNumberTheNextNewInvoice)
{
    withDialog([&](TfrmNumerazione &dialog) {
        dialog.txtInizio->selectAll();
        QTest::keyClicks(dialog.txtInizio, "0a0-4,2.");
        EXPECT_EQ(dialog.txtInizio->text(), "0042");
        QTest::mouseClick(dialog.chkTipo, Qt::LeftButton);
        EXPECT_EQ(dialog.txtInizio->text(), "42");  // normalised on leaving
        QTest::mouseClick(dialog.btnApplica, Qt::LeftButton);
    });
    EXPECT_EQ(start(), "42");
    EXPECT_EQ(year(), QString::fromUtf8("Sì"));
    click(card->cmdNuovo);
    EXPECT_EQ(card->txtNumFatt->text(), "42/2026");
}

TEST_F(InvoiceNumbering, CancelAndOtherTagsWriteNothing)
{
    const QByteArray stored = "[Numerazione Fatture]\r\nInizio=5\r\nIndicazione Anno Solare=No\r\n";
    writeBytes(settings(), stored);
    withDialog([&](TfrmNumerazione &dialog) {
        dialog.txtInizio->setText(QStringLiteral("300"));
        dialog.chkTipo->setChecked(true);
        dialog.btnAnnulla->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(readBytes(settings()), stored);

    TfrmNumerazione dialog(card);
    dialog.lblMemory->setText(QStringLiteral("consenso_intervento"));
    dialog.show();
    ASSERT_TRUE(WaitActive(&dialog));
    EXPECT_EQ(dialog.txtInizio->text(), "1");
    dialog.chkTipo->setChecked(true);
    dialog.btnApplica->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(readBytes(settings()), stored);
}

// ---------------------------------------------------------------------------------------------
// Additional information

class ExtraInfo : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
        labels = {card->memVeicolo, card->memMarca, card->memColore, card->memImmatricolazione,
                  card->memAlimentazione, card->memTarga};
    }
    static std::array<QLineEdit *, 6> edits(TfrmDatiVeicolo &d)
    {
        return {d.txtVeicolo, d.txtMarca, d.txtColore, d.txtImmatricolazione, d.txtAlimentazione, d.txtTarga};
    }
    void withDialog(const std::function<void(TfrmDatiVeicolo &)> &drive)
    {
        DriveDialog<TfrmDatiVeicolo>(sp, [&] { QTest::mouseClick(card->cmdDatiComputer, Qt::LeftButton); }, drive);
    }
    QStringList labelTexts() const
    {
        QStringList texts;
        for (QLabel *l : labels)
            texts << l->text();
        return texts;
    }
    std::array<QLabel *, 6> labels{};
};

TEST_F(ExtraInfo, TextsGoBothWaysTrimmed)
{
    const QStringList stored{" Fido ", "10%", "", "  tre rate", "saldato ", "\t2%"};
    for (int i = 0; i < 6; ++i)
        labels[i]->setText(stored[i]);
    const QStringList typed{"  Micio", "", "120,50 ", " due rate ", "", "nessuno"};
    withDialog([&](TfrmDatiVeicolo &dialog) {
        EXPECT_EQ(dialog.windowTitle(), " Altre informazioni");
        EXPECT_EQ(dialog.lblMemory->text(), "fatture");
        EXPECT_EQ(QApplication::focusWidget(), dialog.txtVeicolo);
        const QStringList shown{"Fido", "10%", "", "tre rate", "saldato", "2%"};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(edits(dialog)[i]->text(), shown[i]) << i;
            edits(dialog)[i]->setText(typed[i]);
        }
        dialog.btnApplica->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(labelTexts(), (QStringList{"Micio", "", "120,50", "due rate", "", "nessuno"}));
    // The totals take no part: an amount typed as text is only text.
    EXPECT_TRUE(card->txtTotFattura->text().isEmpty());
}

TEST_F(ExtraInfo, CancelLeavesTheCardAsItWas)
{
    for (QLabel *l : labels)
        l->setText(QStringLiteral("prima"));
    withDialog([&](TfrmDatiVeicolo &dialog) {
        for (QLineEdit *e : edits(dialog))
            e->setText(QStringLiteral("dopo"));
        dialog.btnAnnulla->click();
    });
    EXPECT_EQ(labelTexts(), QStringList(6, QStringLiteral("prima")));
    // Applying and then pressing New discards the texts.
    withDialog([&](TfrmDatiVeicolo &dialog) {
        dialog.txtTarga->setText(QStringLiteral("5%"));
        dialog.btnApplica->click();
    });
    EXPECT_EQ(card->memTarga->text(), "5%");
    click(card->cmdNuovo);
    EXPECT_EQ(labelTexts(), QStringList(6, QString()));
}

// The card stores these texts: one it could not keep as shown is named here, the dialog stays open
// and the card is left as it was.
TEST_F(ExtraInfo, ApplyRefusesALetterTheCardCouldNotStore)
{
    for (QLabel *l : labels)
        l->setText(QStringLiteral("prima"));
    withDialog([&](TfrmDatiVeicolo &dialog) {
        dialog.txtVeicolo->setText("Fido");
        dialog.txtColore->setText(QString::fromUtf8("120 \u20ac \u2013 \U0001F436"));
        sp.clear();
        dialog.btnApplica->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(sp.messages(),
                  QStringList{QString::fromUtf8("Attenzione: il campo \"Totale terapia\" contiene il carattere "
                                                "\"\U0001F436\" (U+1F436), che non può essere memorizzato.\n\r\n\r"
                                                "Per poter salvare è necessario sostituirlo o eliminarlo.")});
        EXPECT_EQ(QApplication::focusWidget(), dialog.txtColore);
        dialog.btnAnnulla->click();
    });
    EXPECT_EQ(labelTexts(), QStringList(6, QStringLiteral("prima")));
}

TEST_F(ExtraInfo, EnterWalksTheSixEditsAndEachTakesFiftyCharacters)
{
    withDialog([&](TfrmDatiVeicolo &dialog) {
        const auto chain = edits(dialog);
        for (int i = 0; i < 6; ++i) {
            QWidget *edit = chain[i];
            ASSERT_EQ(QApplication::focusWidget(), edit) << i;
            EXPECT_TRUE(dialog.findChild<QWidget *>("eff" + edit->objectName().mid(3))->isVisible());
            QTest::keyClicks(edit, QString(51, QLatin1Char('x')));
            EXPECT_EQ(chain[i]->text(), QString(50, QLatin1Char('x')));
            QTest::keyClick(edit, Qt::Key_Return);
            EXPECT_FALSE(dialog.findChild<QWidget *>("eff" + edit->objectName().mid(3))->isVisible());
        }
        EXPECT_EQ(QApplication::focusWidget(), dialog.txtVeicolo);
        EXPECT_TRUE(dialog.isVisible()) << "Enter presses no button";
        dialog.btnApplica->click();
    });
    EXPECT_EQ(labelTexts(), QStringList(6, QString(50, QLatin1Char('x'))));
}

TEST_F(ExtraInfo, OnlyTheInvoiceTagWritesBack)
{
    TfrmDatiVeicolo dialog(card);
    dialog.lblMemory->setText(QStringLiteral("  fatture "));
    dialog.txtMarca->setText(QStringLiteral("sconto"));
    ExtraInfoHandBack(dialog);
    EXPECT_EQ(card->memMarca->text(), "sconto");
    dialog.lblMemory->setText(QStringLiteral("servizi"));
    dialog.txtMarca->setText(QStringLiteral("altro"));
    ExtraInfoHandBack(dialog);
    EXPECT_EQ(card->memMarca->text(), "sconto");
}

} // namespace
