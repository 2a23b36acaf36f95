#include "tests/support/QStringPrinter.h"
#include "animals/AnimalRecord.h"
#include "animals/Cani.h"
#include "animals/CostiCane.h"
#include "animals/TrovaCani.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "dialogs/AllegaCartella.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"
#include "shell/Avvio.h"
#include "shell/Startup.h"
#include "tests/support/CardTexts.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"
#include "tests/support/UnstorableText.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

template <typename T>
T *Named(const QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

const QString Overwritten =
    QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString EmptyArchive = QString::fromUtf8("L'archivio non contiene nessuna scheda.");
const QString FolderRefused = QString::fromUtf8(
    "Attenzione: l'abbinamento della cartella all'animale può avvenire soltanto dopo che la scheda è stata inserita "
    "in archivio.");
const QString CostsRefused = QString::fromUtf8(
    "Attenzione: la gestione dei costi può avvenire soltanto dopo che la scheda dell'animale è stata salvata in "
    "archivio.");
const QSize PlaceholderSize(306, 353);

// An animal with the five required fields filled and any others given.
Record animal(const QString &name, const std::map<QString, QString> &fields = {})
{
    Record r(AnimalRecordLayout());
    r.setText("Nome", name);
    r.setText("Sesso", "M");
    r.setText("DataNasc", "01/02/2020");
    r.setText("Gruppo", "Cane");
    r.setText("Razza", "Beagle");
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// An archive of animals "Animale 1" .. "Animale n".
QByteArray animalArchive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += animal(QStringLiteral("Animale %1").arg(i)).bytes();
    return bytes;
}

QByteArray pictureBytes(QSize size, const QColor &colour, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool isJpeg(const QByteArray &bytes) { return bytes.startsWith("\xFF\xD8\xFF"); }

// A fresh animal card over its own program folder, shown as the launcher would show it.
class AnimalCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmCani>();
        frmCani = card.get();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void TearDown() override { frmCani = nullptr; }

    QString archive() const { return sp.file(AnimalArchiveName); }
    QString album(int n) const { return sp.file(QStringLiteral("Album/Animale_%1.jpg").arg(n)); }
    void writeAlbum(int n, const QByteArray &bytes)
    {
        QDir().mkpath(sp.file("Album"));
        writeBytes(album(n), bytes);
    }
    void click(ClickLabel *command) { QTest::mouseClick(command, Qt::LeftButton); }
    void fillRequired()
    {
        card->txtNome->setText("Fido");
        card->txtSesso->setText("M");
        card->txtDataNasc->setText("abc");
        card->txtGruppo->setText("Cane");
        card->txtRazza->setText("Beagle");
    }
    QSize photoSize() const { return card->imgFoto->pixmap().size(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QString visibleSection() const
    {
        QString shown;
        for (QFrame *p : {card->panPsicosomatica, card->panAlbero, card->panSanitaria, card->panDocumenti})
            if (!p->isHidden())
                shown += p->objectName();
        return shown;
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmCani> card;
};

TEST_F(AnimalCard, EveryFieldTravelsFromItsControlToTheArchiveAndBack)
{
    // Each field gets a text of its own longer than its capacity: a control bound to a wrong field
    // or cut to a wrong length shows.
    const RecordLayout &layout = AnimalRecordLayout();
    ASSERT_EQ(layout.recordSize(), 10857);
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        const QString prefix = name.startsWith("File") || name.startsWith("Desc") ? "lbl" : "txt";
        auto *w = card->findChild<QWidget *>(prefix + name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        const QString value = "  " + name.repeated(300).left(layout.field(i).capacity + 1);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setText(value);
        else
            static_cast<QLabel *>(w)->setText(value);
    }
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{CardInserted});
    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 10857);
    const Record stored(layout, bytes);
    for (int i = 0; i < layout.fieldCount(); ++i)
        EXPECT_EQ(stored.text(i), layout.name(i).repeated(300).left(layout.field(i).capacity)) << layout.name(i).toStdString();
    // The card still shows the blanks it was given; reading the record back shows it trimmed.
    EXPECT_TRUE(card->txtNome->text().startsWith("  "));
    click(card->cmdNuovo);
    EXPECT_EQ(card->txtRazza->text(), "");
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    EXPECT_EQ(card->txtAlimentazione->text(), QString("Alimentazione").repeated(30).left(250));
    EXPECT_EQ(card->lblDesc[2]->text(), QString("Desc03").repeated(50).left(250));
    EXPECT_EQ(card->txtSesso->text(), "S");
}

TEST_F(AnimalCard, RequiredFieldsAreCheckedInOrderBeforeTheArchiveIsOpened)
{
    const struct {
        QLineEdit *TfrmCani::*blank;
        const char *focus;
        const char *phrase;
    } cases[] = {
        {&TfrmCani::txtNome, "txtNome", "il nome assegnato all'animale."},
        {&TfrmCani::txtSesso, "txtSesso", "il sesso dell'animale."},
        {&TfrmCani::txtDataNasc, "txtDataNasc", "la data di nascita dell'animale nel formato gg/mm/aaaa."},
        {&TfrmCani::txtGruppo, "txtGruppo", "la specie di appartenenza dell'animale."},
        {&TfrmCani::txtRazza, "txtRazza", "la razza di appartenenza dell'animale."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.focus);
        fillRequired();
        (card.get()->*c.blank)->setText("   ");
        card->txtNote->setFocus();
        sp.clear();
        click(card->cmdSalva);
        EXPECT_EQ(sp.messages(),
                  QStringList{QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ") +
                              QString::fromUtf8(c.phrase)});
        EXPECT_EQ(focused(), c.focus);
        EXPECT_FALSE(QFileInfo::exists(archive()));
        EXPECT_FALSE(QFileInfo::exists(sp.file("Album")));
    }
}

// A field on a section not shown is shown with the focus on it.
TEST_F(AnimalCard, SaveRefusesALetterTheArchiveCannotHoldOnItsSection)
{
    fillRequired();
    ASSERT_EQ(visibleSection(), "panPsicosomatica");
    ExpectUnstorableRefused(sp, card->txtPadre, "Padre", archive(), [&] { click(card->cmdSalva); });
    EXPECT_EQ(visibleSection(), "panAlbero");
    EXPECT_FALSE(QFileInfo::exists(sp.file("Album")));
}

TEST_F(AnimalCard, SaveAppendsANewAnimalWithItsPlaceholderPhotoAndOverwritesARecord)
{
    writeBytes(archive(), animalArchive(7));
    fillRequired();
    card->btnSanitariaClick();
    card->txtVaccinazioni->setFocus();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{CardInserted});
    EXPECT_EQ(card->lblPosizione->text(), "8");
    EXPECT_EQ(readBytes(archive()).size(), 8 * 10857);
    // The new animal gets the placeholder as its album photo; the card stays as it was.
    const QImage placeholder(album(8));
    EXPECT_EQ(placeholder.size(), PlaceholderSize);
    EXPECT_TRUE(isJpeg(readBytes(album(8))));
    EXPECT_EQ(visibleSection(), "panSanitaria");
    EXPECT_EQ(focused(), "txtVaccinazioni");
    EXPECT_EQ(card->txtDataNasc->text(), "abc");

    // Record 3, edited and saved, is written in place; its missing photo becomes the placeholder.
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    ASSERT_EQ(card->lblPosizione->text(), "3");
    sp.clear();
    card->txtNome->setText("Rex");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Overwritten});
    const QByteArray bytes = readBytes(archive());
    EXPECT_EQ(bytes.size(), 8 * 10857);
    EXPECT_EQ(Record(AnimalRecordLayout(), bytes.mid(2 * 10857, 10857)).text("Nome"), "Rex");
    EXPECT_EQ(QImage(album(3)).size(), PlaceholderSize);
}

TEST_F(AnimalCard, NavigationKeepsTheSectionAndLoadsEachRecordsPhoto)
{
    writeBytes(archive(), animalArchive(3));
    writeAlbum(2, pictureBytes(QSize(40, 30), Qt::red, "JPG"));
    card->btnAlberoClick();
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));  // a new card: record 1
    EXPECT_EQ(card->lblPosizione->text(), "1");
    EXPECT_EQ(photoSize(), PlaceholderSize);
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    EXPECT_EQ(card->txtNome->text(), "Animale 2");
    EXPECT_EQ(photoSize(), QSize(40, 30));
    EXPECT_EQ(card->photoSource(), TfrmCani::PhotoSource::Album);
    EXPECT_EQ(visibleSection(), "panAlbero");
    click(Named<ClickLabel>(card.get(), "cmdUltimo"));
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));  // past the last: nothing
    EXPECT_EQ(card->lblPosizione->text(), "3");
    EXPECT_EQ(photoSize(), PlaceholderSize);
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AnimalCard, EmptyOrMissingArchiveGivesTheNoticeAndKeepsTheCardNew)
{
    click(Named<ClickLabel>(card.get(), "cmdAvanti"));
    EXPECT_EQ(sp.messages(), QStringList{EmptyArchive});
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_TRUE(QFileInfo::exists(archive()));
    EXPECT_EQ(QFileInfo(archive()).size(), 0);
}

TEST_F(AnimalCard, DuplicateDetachesTheCopyFromTheRecordsFilesAndPhoto)
{
    writeBytes(archive(), ArchiveBytes({animal("A"), animal("B"), animal("C"), animal("D"),
                                        animal("Cucciolo", {{"File01", "pedigree.pdf"}, {"Desc01", "Pedigree"},
                                                            {"Padre", "Zeus"}})}));
    writeAlbum(5, pictureBytes(QSize(40, 30), Qt::blue, "JPG"));
    const QByteArray photo5 = readBytes(album(5));
    click(Named<ClickLabel>(card.get(), "cmdUltimo"));
    ASSERT_EQ(photoSize(), QSize(40, 30));
    card->btnSanitariaClick();
    sp.clear();
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8(
                                 "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                 "Al termine premere Salva per inserire la scheda in archivio.")});
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(card->lblFile[0]->text(), "");
    EXPECT_EQ(card->lblDesc[0]->text(), "");
    EXPECT_EQ(card->txtPadre->text(), "Zeus");
    EXPECT_EQ(photoSize(), PlaceholderSize);
    EXPECT_EQ(visibleSection(), "panPsicosomatica");
    EXPECT_EQ(focused(), "txtNome");

    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), "6");
    const Record copy(AnimalRecordLayout(), readBytes(archive()).mid(5 * 10857));
    EXPECT_EQ(copy.text("Padre"), "Zeus");
    EXPECT_EQ(copy.text("File01"), "");
    EXPECT_EQ(QImage(album(6)).size(), PlaceholderSize);
    EXPECT_EQ(readBytes(album(5)), photo5);
}

TEST_F(AnimalCard, CommandsOfANewCardAreRefusedAndCreateNothing)
{
    click(card->cmdDuplica);
    card->btnCartellaClick();
    card->btnCostiClick();
    EXPECT_EQ(sp.messages(),
              (QStringList{QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                             "questa è stata inserita in archivio."),
                           FolderRefused, CostsRefused}));
    EXPECT_FALSE(QFileInfo::exists(sp.file("Cartelle_Abbinate")));
    EXPECT_FALSE(QFileInfo::exists(archive()));
    EXPECT_TRUE(sp.callsOf("modal").empty());
}

// --- sections and the field behaviour ---

TEST_F(AnimalCard, EachSectionButtonShowsItsPanelAloneAndFocusesItsFirstControl)
{
    EXPECT_EQ(visibleSection(), "panPsicosomatica");
    EXPECT_FALSE(card->btnPsicosomatica->isEnabled());
    const struct {
        QPushButton *button;
        QFrame *panel;
        const char *focus;
    } cases[] = {
        {card->btnAlbero, card->panAlbero, "txtProprietario"},
        {card->btnSanitaria, card->panSanitaria, "txtVaccinazioni"},
        {card->btnDocumenti, card->panDocumenti, "btnCartella"},
        {card->btnPsicosomatica, card->panPsicosomatica, "txtMantello"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.focus);
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(visibleSection(), c.panel->objectName());
        for (QPushButton *b : {card->btnPsicosomatica, card->btnAlbero, card->btnSanitaria, card->btnDocumenti})
            EXPECT_EQ(b->isEnabled(), b != c.button) << b->objectName().toStdString();
        EXPECT_EQ(focused(), c.focus);
    }
}

TEST_F(AnimalCard, EnterWalksTheHeadIntoTheSectionShownAndItsLastEditBackToTheName)
{
    const struct {
        QPushButton *button;
        const char *fromRazza;
        QLineEdit *last;
    } cases[] = {
        {card->btnPsicosomatica, "txtMantello", card->txtNote},
        {card->btnAlbero, "txtProprietario", card->txtIscrizioni},
        {card->btnSanitaria, "txtVaccinazioni", card->txtAlimentazione},
    };
    card->txtNome->setFocus();
    for (const char *next : {"txtSesso", "txtDataNasc", "txtGruppo", "txtRazza"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(focused(), next);
    }
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fromRazza);
        c.button->click();
        card->txtRazza->setFocus();
        QTest::keyClick(card->txtRazza, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(focused(), c.fromRazza);
        c.last->setFocus();
        QTest::keyClick(c.last, Qt::Key_Enter, Qt::ControlModifier);
        EXPECT_EQ(focused(), "txtNome");
    }
    // The middle of a section follows the record order.
    card->btnPsicosomatica->click();
    card->txtROI->setFocus();
    QTest::keyClick(card->txtROI, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtMicrochip");

    // With the documents shown, Enter focuses the folder button without pressing it; the next presses it.
    card->btnDocumenti->click();
    card->txtRazza->setFocus();
    sp.clear();
    QTest::keyClick(card->txtRazza, Qt::Key_Return);
    EXPECT_EQ(focused(), "btnCartella");
    EXPECT_TRUE(sp.messages().isEmpty());
    QTest::keyClick(card->btnCartella, Qt::Key_Return);
    EXPECT_EQ(sp.messages(), QStringList{FolderRefused});
}

TEST_F(AnimalCard, TabGoesFromTheHeadThroughTheEnabledSectionButtonsIntoTheSectionShown)
{
    card->btnSanitariaClick();
    card->txtRazza->setFocus();
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << focused();
    }
    EXPECT_EQ(order, (QStringList{"btnPsicosomatica", "btnAlbero", "btnDocumenti", "txtVaccinazioni",
                                  "txtSverminazioni"}));
    card->btnDocumentiClick();
    QTest::keyClick(card->btnCartella, Qt::Key_Tab);
    EXPECT_EQ(focused(), "btnCosti");
}

TEST_F(AnimalCard, TheFocusedEditTurnsYellowAndTheOthersRestInAliceBlue)
{
    const auto fill = [](QLineEdit *e) { return e->grab().toImage().pixelColor(e->width() - 4, e->height() / 2); };
    const auto frame = [](QLineEdit *e) { return e->grab().toImage().pixelColor(0, e->height() / 2); };
    ASSERT_EQ(focused(), "txtNome");
    EXPECT_EQ(fill(card->txtNome), Look::FocusYellow);
    EXPECT_EQ(fill(card->txtSesso), Look::AliceBlue);
    QTest::keyClick(card->txtNome, Qt::Key_Return);
    EXPECT_EQ(fill(card->txtNome), Look::AliceBlue);
    EXPECT_EQ(fill(card->txtSesso), Look::FocusYellow);
    for (QLineEdit *e : {card->txtNome, card->txtSesso, card->txtNote})
        EXPECT_EQ(frame(e), Look::SkyBlue) << e->objectName().toStdString();
    // The owner card's yellow rectangle is not this card's form.
    EXPECT_EQ(card->findChild<HighlightRect *>(), nullptr);
}

TEST_F(AnimalCard, SexBirthDateAndTaxCodeTurnToUpperCaseOnlyWhenTyped)
{
    card->txtSesso->setFocus();
    QTest::keyClicks(card->txtSesso, "mf");
    EXPECT_EQ(card->txtSesso->text(), "M");  // one character only
    card->txtDataNasc->setFocus();
    QTest::keyClicks(card->txtDataNasc, "12 maggio 2020");
    // A blank typed at the end goes at once; typing stops at ten characters.
    EXPECT_EQ(card->txtDataNasc->text(), "12MAGGIO20");
    card->btnAlberoClick();
    QTest::keyClicks(card->txtCodFisc, "rss");
    QTest::sendKeyEvent(QTest::KeyAction::Click, card->txtCodFisc, Qt::Key_unknown, QString::fromUtf8("è"), {});
    QTest::keyClicks(card->txtCodFisc, " ");
    EXPECT_EQ(card->txtCodFisc->text(), QString::fromUtf8("RSSè"));
    // Text the card writes is shown as written until the user types in it.
    card->txtCodFisc->setText("abc");
    EXPECT_EQ(card->txtCodFisc->text(), "abc");
    card->txtCodFisc->end(false);
    QTest::keyClick(card->txtCodFisc, Qt::Key_Backspace);
    EXPECT_EQ(card->txtCodFisc->text(), "AB");
    // Other edits keep their case.
    QTest::keyClicks(card->txtComuneRes, "Bologna");
    EXPECT_EQ(card->txtComuneRes->text(), "Bologna");
}

// --- the photo ---

TEST_F(AnimalCard, AnAlbumPhotoThatCannotBeReadIsNeverReplaced)
{
    writeBytes(archive(), animalArchive(2));
    writeAlbum(2, "not a picture at all");
    click(Named<ClickLabel>(card.get(), "cmdUltimo"));
    EXPECT_EQ(photoSize(), PlaceholderSize);
    EXPECT_EQ(card->photoSource(), TfrmCani::PhotoSource::Unreadable);
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Overwritten});
    EXPECT_EQ(readBytes(album(2)), QByteArray("not a picture at all"));
}

TEST_F(AnimalCard, AnUnchangedPhotoIsNotWrittenAgain)
{
    writeBytes(archive(), animalArchive(1));
    // PNG bytes under the album's name: any re-encoding would turn them into a JPEG.
    const QByteArray png = pictureBytes(QSize(50, 20), Qt::green, "PNG");
    writeAlbum(1, png);
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    ASSERT_EQ(photoSize(), QSize(50, 20));
    click(card->cmdSalva);
    click(card->cmdSalva);
    EXPECT_EQ(readBytes(album(1)), png);
}

TEST_F(AnimalCard, LoadingAndClearingChangeThePhotoWrittenAtTheNextSave)
{
    writeBytes(archive(), animalArchive(2));
    writeAlbum(1, pictureBytes(QSize(50, 20), Qt::green, "JPG"));
    writeBytes(sp.file("gatto.bmp"), pictureBytes(QSize(64, 48), Qt::yellow, "BMP"));
    writeBytes(sp.file("rotto.jpg"), "\xFF\xD8 broken");

    click(Named<ClickLabel>(card.get(), "cmdUltimo"));  // record 2, no photo
    sp.fileNames = {sp.file("gatto.bmp")};
    click(card->btnCaricaFoto);
    EXPECT_EQ(photoSize(), QSize(64, 48));
    EXPECT_EQ(sp.callsOf("open").front().text, "Selezionare un file di immagine in formato Jpeg o Bitmap.");
    EXPECT_TRUE(sp.fileFilters.front().startsWith("Immagine JPEG"));
    // A file that is no picture leaves the loaded photo on screen and says so.
    sp.fileNames = {sp.file("rotto.jpg")};
    click(card->btnCaricaFoto);
    EXPECT_EQ(photoSize(), QSize(64, 48));
    ASSERT_EQ(sp.callsOf("warning").size(), 1u);
    EXPECT_TRUE(sp.callsOf("warning").front().text.contains("non è stata modificata"));
    // A cancelled dialog changes nothing either.
    click(card->btnCaricaFoto);
    EXPECT_EQ(photoSize(), QSize(64, 48));

    click(card->cmdSalva);
    const QByteArray written = readBytes(album(2));
    EXPECT_TRUE(isJpeg(written));
    EXPECT_EQ(QImage::fromData(written).size(), QSize(64, 48));

    // Record 1's photo, cleared and saved, becomes the placeholder.
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    ASSERT_EQ(photoSize(), QSize(50, 20));
    click(card->btnCancFoto);
    EXPECT_EQ(photoSize(), PlaceholderSize);
    click(card->cmdSalva);
    EXPECT_EQ(QImage(album(1)).size(), PlaceholderSize);
}

TEST_F(AnimalCard, SaveAsAddsTheExtensionAndAFailureKeepsThePicture)
{
    writeBytes(sp.file("foto.png"), pictureBytes(QSize(30, 30), Qt::red, "PNG"));
    sp.fileNames = {sp.file("foto.png")};
    click(card->btnCaricaFoto);
    sp.clear();
    sp.fileNames = {sp.file("copia")};
    click(card->btnSalvaFoto);
    ASSERT_EQ(sp.callsOf("save").size(), 1u);
    EXPECT_EQ(sp.callsOf("save").front().text, "Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    EXPECT_TRUE(isJpeg(readBytes(sp.file("copia.jpg"))));
    EXPECT_TRUE(sp.messages().isEmpty());
    // The name completed with its extension names a file already there: it is replaced only on Yes.
    sp.clear();
    writeBytes(sp.file("copia.jpg"), "earlier");
    sp.fileNames = {sp.file("copia")};
    sp.yesNoAnswers = {false};
    click(card->btnSalvaFoto);
    EXPECT_EQ(sp.callsOf("question").size(), 1u);
    EXPECT_EQ(readBytes(sp.file("copia.jpg")), QByteArray("earlier"));

    // A folder that does not exist, and a name whose extension names no picture format.
    for (const QString &target : {sp.file("manca/foto.jpg"), sp.file("foto.xyz")}) {
        SCOPED_TRACE(target.toStdString());
        sp.clear();
        sp.fileNames = {target};
        click(card->btnSalvaFoto);
        EXPECT_EQ(sp.messages(),
                  QStringList{QString::fromUtf8("Attenzione: non è stato possibile salvare la foto nel file indicato.")});
        EXPECT_EQ(photoSize(), QSize(30, 30));
        EXPECT_FALSE(QFileInfo::exists(target));
    }
}

TEST_F(AnimalCard, AnAlbumThatCannotBeWrittenKeepsThePhotoAndSaysSo)
{
    QDir().mkpath(sp.file("Album"));
    writeBytes(sp.file("foto.png"), pictureBytes(QSize(30, 30), Qt::red, "PNG"));
    ReadOnlyFolder locked(sp.file("Album"));
    if (!locked.ok())
        GTEST_SKIP() << "no read-only folder here";
    fillRequired();
    sp.fileNames = {sp.file("foto.png")};
    click(card->btnCaricaFoto);
    click(card->cmdSalva);
    const QStringList messages = sp.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains("cartella Album"));
    EXPECT_EQ(messages[1], CardInserted);
    EXPECT_EQ(card->lblPosizione->text(), "1");
    EXPECT_EQ(photoSize(), QSize(30, 30));
    EXPECT_EQ(card->photoSource(), TfrmCani::PhotoSource::Changed);
}

// --- files named by the animal's number ---

TEST_F(AnimalCard, TheDocumentFolderIsNamedOnlyBySavedRecords)
{
    writeBytes(archive(), animalArchive(12));
    card->lblPosizione->setText("12");
    card->btnCartellaClick();
    card->btnCartellaClick();
    const QString folder = sp.file("Cartelle_Abbinate/Animale_12");
    EXPECT_TRUE(QFileInfo(folder).isDir());
    ASSERT_EQ(sp.callsOf("document").size(), 2u);
    EXPECT_EQ(sp.callsOf("document").front().text, '"' + QDir::toNativeSeparators(folder) + '"');

    // A number that names no record in the archive names no folder.
    for (const char *position : {"0", "13", "-1", "x"}) {
        SCOPED_TRACE(position);
        sp.clear();
        card->lblPosizione->setText(position);
        card->btnCartellaClick();
        EXPECT_EQ(sp.messages(), QStringList{FolderRefused});
    }
    EXPECT_EQ(QDir(sp.file("Cartelle_Abbinate")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Animale_12"});
}

TEST_F(AnimalCard, TheCostRegisterNeedsASavedRecordANameAndABreed)
{
    writeBytes(archive(), animalArchive(2));
    click(Named<ClickLabel>(card.get(), "cmdUltimo"));
    card->txtNome->setText("  ");
    card->btnDocumentiClick();
    card->btnCostiClick();
    EXPECT_EQ(focused(), "txtNome");
    card->txtNome->setText("Fido");
    card->txtRazza->setText("");
    card->btnCostiClick();
    EXPECT_EQ(focused(), "txtRazza");
    EXPECT_EQ(sp.messages(),
              (QStringList{QString::fromUtf8("Attenzione: per accedere alla gestione dei costi è necessario indicare il "
                                             "nome dell'animale."),
                           QString::fromUtf8("Attenzione: per accedere alla gestione dei costi è necessario indicare la "
                                             "razza dell'animale.")}));
    card->txtRazza->setText("Beagle");
    QString title;
    sp.onModal = [&](QWidget *w) {
        if (auto *costs = qobject_cast<TfrmCostiCane *>(w)) {
            EXPECT_EQ(costs->parentWidget(), card.get());
            title = costs->lblTitolo->text();
        }
    };
    sp.clear();
    card->btnCostiClick();
    EXPECT_EQ(title, "Fido  -  Razza: Beagle");
    EXPECT_TRUE(sp.messages().isEmpty());
}

// --- hand-backs ---

TEST_F(AnimalCard, AnAttachmentNameFromARecordOpensOnlyInsideTheAttachmentFolder)
{
    writeBytes(archive(), ArchiveBytes({animal("Fido", {{"File01", "..\\..\\segreto.txt"}, {"Desc01", "Referto"}})}));
    click(Named<ClickLabel>(card.get(), "cmdPrimo"));
    sp.onModal = [&](QWidget *w) {
        auto *dialog = qobject_cast<TfrmAllegaCartella *>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->lblMemory->text(), "cani");
        EXPECT_EQ(dialog->txtDesc01->text(), "Referto");
        dialog->btnApri01Click();
    };
    click(card->cmdFile);
    ASSERT_EQ(sp.callsOf("document").size(), 1u);
    const QString opened = sp.callsOf("document").front().text;
    EXPECT_TRUE(opened.endsWith("Documenti_Allegati/segreto.txt\"")) << opened.toStdString();
    EXPECT_FALSE(opened.contains(".."));
}

TEST_F(AnimalCard, TheOwnerSearchFillsTheFourOwnerFields)
{
    Record owner(OwnerRecordLayout());
    owner.setText("Cliente", "Rossi Mario");
    owner.setText("Recapito", "051 123456");
    owner.setText("CodFisc", "rssmra80a01a944i");
    owner.setText("ComuneRes", "Bologna");
    owner.setText("Ricontatta", "No");
    writeBytes(sp.file(OwnerArchiveName), owner.bytes());
    card->btnAlberoClick();
    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaClienti *>(w);
        ASSERT_NE(search, nullptr);
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        DoubleClickLine(search, 0);
    };
    click(card->btnCarta);
    EXPECT_EQ(card->txtProprietario->text(), "Rossi Mario");
    EXPECT_EQ(card->txtRecapito->text(), "051 123456");
    EXPECT_EQ(card->txtCodFisc->text(), "rssmra80a01a944i");  // shown as stored
    EXPECT_EQ(card->txtComuneRes->text(), "Bologna");
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(visibleSection(), "panAlbero");
}

TEST_F(AnimalCard, TheAnimalSearchLoadsTheChosenAnimalWithItsPhoto)
{
    writeBytes(archive(), animalArchive(3));
    writeAlbum(3, pictureBytes(QSize(20, 40), Qt::red, "JPG"));
    card->btnSanitariaClick();
    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaCani *>(w);
        ASSERT_NE(search, nullptr);
        search->txtNome->setText("Animale 3");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        DoubleClickLine(search, 0);
    };
    click(card->cmdTrova);
    EXPECT_EQ(card->txtNome->text(), "Animale 3");
    EXPECT_EQ(card->lblPosizione->text(), "3");
    EXPECT_EQ(photoSize(), QSize(20, 40));
    EXPECT_EQ(visibleSection(), "panSanitaria");
}

TEST_F(AnimalCard, PrintRtfAndZoomOpenTheirWindowsOverTheCard)
{
    const struct {
        ClickLabel *command;
        const char *window;
    } cases[] = {
        {card->cmdStampa, "TfrmStampaCane"},
        {card->cmdAnteprima, "TfrmCreaRTF"},
        {card->btnZoomFoto, "TfrmZoom"},
        {card->cmdEsporta, "TfrmExpCani"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.window);
        QString shown, tag;
        sp.onModal = [&](QWidget *w) {
            shown = QString::fromLatin1(w->metaObject()->className());
            EXPECT_EQ(w->parentWidget(), card.get());
            if (auto *memory = w->findChild<QLabel *>("lblMemory"))
                tag = memory->text();
        };
        click(c.command);
        EXPECT_EQ(shown, c.window);
        if (shown == "TfrmCreaRTF") {
            EXPECT_EQ(tag, "cani");
        }
    }
}

// --- the window ---

TEST_F(AnimalCard, HelpHasTheTitleAndFourteenParagraphs)
{
    const ShownHelp help = ClickForHelp(sp, card->cmdGuida);
    ASSERT_TRUE(help.shown);
    EXPECT_EQ(help.title, "Applicazione Anagrafica Animali.");
    EXPECT_EQ(help.paragraphs().size(), 14) << help.text.toStdString();
}

TEST_F(AnimalCard, WindowCaptionHintsAndStartState)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Anagrafica Animali");
    EXPECT_TRUE(card->windowState() & Qt::WindowMaximized);
    TfrmCani fresh;
    EXPECT_EQ(Named<QLabel>(&fresh, "panInfo")->text(), "Pronto per archiviare una nuova scheda...");
    EXPECT_EQ(fresh.imgFoto->pixmap().size(), PlaceholderSize);
    EXPECT_TRUE(fresh.imgBianco->isHidden());
    for (QWidget *c : card->findChildren<ClickLabel *>())
        EXPECT_EQ(c->focusPolicy(), Qt::NoFocus) << c->objectName().toStdString();
    // Every edit: Verdana 12 bold, its capacity as the typing limit.
    for (QLineEdit *e : card->findChildren<QLineEdit *>()) {
        SCOPED_TRACE(e->objectName().toStdString());
        EXPECT_EQ(e->font().family(), "Verdana");
        EXPECT_EQ(e->font().pointSize(), 12);
        EXPECT_TRUE(e->font().bold());
    }
    EXPECT_EQ(card->txtSesso->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    card->setWindowState(Qt::WindowNoState);
    card->setGeometry(0, 0, 1280, 900);
    QCoreApplication::processEvents();
    auto *panInfo = Named<QLabel>(card.get(), "panInfo");
    const auto hover = [&](QWidget *w, QPoint at) { QTest::mouseMove(card->windowHandle(), w->mapTo(card.get(), at)); };
    hover(card->btnZoomFoto, QPoint(5, 5));
    EXPECT_EQ(panInfo->text(), "Visualizza la foto nelle sue dimensioni reali.");
    hover(card->panPsicosomatica, QPoint(card->panPsicosomatica->width() - 4, card->panPsicosomatica->height() - 4));
    EXPECT_EQ(panInfo->text(), "");
    hover(card->btnAlbero, QPoint(5, 5));
    EXPECT_EQ(panInfo->text(), "Visualizza la sezione relativa all'albero genealogico.");
    hover(card->txtNome, QPoint(5, 5));
    EXPECT_EQ(panInfo->text(), "Visualizza la sezione relativa all'albero genealogico.");
}

TEST_F(AnimalCard, EveryControlOfEverySectionIsWithinTheDesignAreaWithoutScrolling)
{
    for (QPushButton *section : {card->btnAlbero, card->btnSanitaria, card->btnDocumenti, card->btnPsicosomatica}) {
        SCOPED_TRACE(section->objectName().toStdString());
        section->click();
        ExpectWithinTheDesignArea(card.get());
    }
}

TEST(AnimalCardLauncher, LauncherOpensAnEmptyCardOnTheFirstSectionEachTime)
{
    ScriptedPlatform sp;
    writeBytes(sp.file(AnimalArchiveName), animalArchive(2));
    CreateStartupWindows();
    frmAvvio->show();
    QTest::mouseClick(frmAvvio->imgAnimali, Qt::LeftButton);
    ASSERT_TRUE(frmCani->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());

    QTest::mouseClick(Named<ClickLabel>(frmCani, "cmdUltimo"), Qt::LeftButton);
    frmCani->btnSanitariaClick();
    frmCani->txtNote->setText("non salvata");
    QTest::mouseClick(frmCani->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(frmCani->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());

    QTest::mouseClick(frmAvvio->btnAnimali, Qt::LeftButton);
    ASSERT_TRUE(frmCani->isVisible());
    EXPECT_EQ(frmCani->lblPosizione->text(), "");
    EXPECT_EQ(frmCani->txtNome->text(), "");
    EXPECT_EQ(frmCani->txtNote->text(), "");
    EXPECT_FALSE(frmCani->panPsicosomatica->isHidden());
    EXPECT_TRUE(frmCani->panSanitaria->isHidden());
    EXPECT_TRUE(WaitActive(frmCani));
    EXPECT_EQ(QApplication::focusWidget(), frmCani->txtNome);
    frmCani->close();
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_TRUE(sp.messages().isEmpty());
    DestroyStartupWindows();
}

} // namespace
