#include "animals/AnimalPictures.h"
#include "animals/CreaRTF.h"
#include "animals/StampaCane.h"
#include "animals/Zoom.h"
#include "common/Cp1252.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

const QString RtfName = QStringLiteral("Scheda_Animale.rtf");
const QString Confirm = QString::fromUtf8(
    "Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
    "Si conferma la creazione del file?");
const QString Created =
    QString::fromUtf8("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
const QString ExportFailed = QString::fromUtf8(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il documento non sia già aperto.");

// The animal card's edits, in the order of its record.
const char *const CardEdits[] = {
    "txtNome",          "txtSesso",         "txtDataNasc",     "txtGruppo",         "txtRazza",
    "txtMantello",      "txtPelo",          "txtSegni",        "txtAltezza",        "txtLunghezza",
    "txtTaglia",        "txtPeso",          "txtSterilizzato", "txtLibretto",       "txtMedico",
    "txtROI",           "txtMicrochip",     "txtDataApp",      "txtLocalizzazione", "txtTatuaggio",
    "txtPedigree",      "txtAggressivo",    "txtGuinzaglio",   "txtGiochi",         "txtProprietario",
    "txtRecapito",      "txtCodFisc",       "txtComuneRes",    "txtInizioProp",     "txtAllevatore",
    "txtPassaggi",      "txtPadre",         "txtNonniPat",     "txtBisnonniPat",    "txtTrisnonniPat",
    "txtMadre",         "txtNonniMat",      "txtBisnonniMat",  "txtTrisnonniMat",   "txtCampionatiIta",
    "txtCampionatiInt", "txtTitoli",        "txtAccompagnatori", "txtIscrizioni",   "txtVaccinazioni",
    "txtSverminazioni", "txtTrattamenti",   "txtAccertamenti", "txtMalattie",       "txtInterventi",
    "txtProfilassi",    "txtDifetti",       "txtAlimentazione", "txtNote",
};

// The edits the printout shows.
const std::set<QString> PrintedEdits = {
    "txtNome",     "txtSesso",        "txtDataNasc",   "txtGruppo",      "txtRazza",        "txtMantello",
    "txtSegni",    "txtSterilizzato", "txtLibretto",   "txtMedico",      "txtROI",          "txtMicrochip",
    "txtLocalizzazione", "txtTatuaggio", "txtProprietario", "txtRecapito", "txtInizioProp", "txtAllevatore",
    "txtPadre",    "txtMadre",        "txtVaccinazioni", "txtAlimentazione", "txtNote",
};

// The sample animal: " valore NN " in the NNth edit, but a name with braces, backslashes and an
// accented letter, a breed with a letter Windows-1252 cannot hold, a weight and blank notes.
QString sampleValue(int index, const QString &edit)
{
    static const std::map<QString, QString> special = {
        {"txtNome", QString::fromUtf8(" Rex {Jr.} C:\\cani\\ Perché ")},
        {"txtRazza", QString::fromUtf8("Łajka – più")},
        {"txtPeso", "12,5 kg"},
        {"txtNote", "   "},
    };
    const auto it = special.find(edit);
    return it != special.end() ? it->second : QStringLiteral(" valore %1 ").arg(index, 2, 10, QLatin1Char('0'));
}

// A stand-in for the animal card: its edits and its photo, found by name.
class FakeCard : public QWidget {
public:
    FakeCard()
    {
        setObjectName(QStringLiteral("frmCani"));
        resize(400, 300);
        int i = 0;
        for (const char *edit : CardEdits) {
            auto *e = MakeNamed<QLineEdit>(this, QString::fromLatin1(edit));
            e->setText(sampleValue(++i, e->objectName()));
        }
        imgFoto = MakeNamed<QLabel>(this, QStringLiteral("imgFoto"));
    }
    void set(const QString &edit, const QString &text) { findChild<QLineEdit *>(edit)->setText(text); }
    QLabel *imgFoto;
};

QString trimmedSample(const QString &edit)
{
    int i = 0;
    for (const char *e : CardEdits) {
        ++i;
        if (edit == QLatin1String(e))
            return TrimText(sampleValue(i, edit));
    }
    return QString();
}

// The text an RTF reader shows: groups of the font and colour tables skipped, "\par" as a line end,
// escaped symbols, "\'hh" and "\uN" decoded. `balanced` tells whether every group was closed, and
// nothing followed the document's own group.
struct RtfReading {
    QString text;
    bool balanced = true;
};

RtfReading ReadRtf(const QByteArray &bytes)
{
    RtfReading r;
    const QString s = FromCp1252(bytes);
    int depth = 0;
    int skipDepth = 0;   // inside a table group while above 0
    int skipNext = 0;    // the replacement character after "\uN"
    const auto put = [&](QChar c) {
        if (skipNext > 0) {
            --skipNext;
            return;
        }
        if (skipDepth == 0)
            r.text += c;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'{') {
            if (depth == 0 && i > 0)
                r.balanced = false;
            ++depth;
        } else if (c == u'}') {
            if (skipDepth == depth)
                skipDepth = 0;
            if (--depth < 0)
                r.balanced = false;
        } else if (c == u'\\') {
            const QChar n = i + 1 < s.size() ? s[i + 1] : QChar();
            if (n == u'\\' || n == u'{' || n == u'}') {
                put(n);
                ++i;
            } else if (n == u'\'') {
                put(FromCp1252(QByteArray::fromHex(s.mid(i + 2, 2).toLatin1()))[0]);
                i += 3;
            } else {
                qsizetype j = i + 1;
                while (j < s.size() && s[j].isLetter())
                    ++j;
                const QString word = s.mid(i + 1, j - i - 1);
                const qsizetype numberStart = j;
                if (j < s.size() && s[j] == u'-')
                    ++j;
                while (j < s.size() && s[j].isDigit())
                    ++j;
                const int number = s.mid(numberStart, j - numberStart).toInt();
                if (j < s.size() && s[j] == u' ')
                    ++j;
                i = j - 1;
                if (word == QLatin1String("fonttbl") || word == QLatin1String("colortbl"))
                    skipDepth = depth;
                else if (word == QLatin1String("par"))
                    put(u'\n');
                else if (word == QLatin1String("u")) {
                    put(QChar(char16_t(number < 0 ? number + 65536 : number)));
                    skipNext = 1;
                }
            }
        } else {
            put(c);
        }
    }
    if (depth != 0)
        r.balanced = false;
    return r;
}

class AnimalDocuments : public ::testing::Test {
protected:
    QString rtfPath() const { return sp.file(RtfName); }

    // Opens the RTF window for the card and presses "Esporta e stampa"; tells whether the window
    // closed by itself.
    bool exportFromWindow(const QString &tag = QStringLiteral("cani"))
    {
        bool closed = false;
        sp.onModal = [&](QWidget *w) {
            auto *window = qobject_cast<TfrmCreaRTF *>(w);
            ASSERT_NE(window, nullptr);
            window->lblMemory->setText(tag);
            QTest::mouseClick(window->btnStampa, Qt::LeftButton);
            closed = !window->isVisible();
        };
        OpenAnimalRtf(&card);
        sp.onModal = nullptr;
        return closed;
    }

    ScriptedPlatform sp;
    FakeCard card;
};

TEST_F(AnimalDocuments, DocumentIsTheReferenceOneLineInWindows1252AndOpensQuoted)
{
    EXPECT_TRUE(exportFromWindow());
    const QByteArray reference = readBytes(QStringLiteral(TAVOREN_SOURCE_DIR "/tests/animals/data/Scheda_Animale.rtf"));
    ASSERT_FALSE(reference.isEmpty());
    const QByteArray written = readBytes(rtfPath());
    EXPECT_EQ(written, reference);
    EXPECT_FALSE(written.contains('\n') || written.contains('\r'));
    // The accented letter is its single Windows-1252 byte.
    EXPECT_TRUE(written.contains(QByteArray("Perch\xe9")));

    ASSERT_EQ(sp.messages(), (QStringList{Confirm, Created}));
    const auto opened = sp.callsOf("document");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, u'"' + rtfPath() + u'"');
}

TEST_F(AnimalDocuments, ReaderSeesEveryValueAsTyped)
{
    card.set("txtMantello", QString::fromUtf8("nero {focato} \\par } {\\b grassetto}"));
    card.set("txtSegni", QStringLiteral("riga\tuna\nriga due"));
    ASSERT_NE(WriteAnimalRtf(&card), WholeFileExportResult::Failed);
    const RtfReading reading = ReadRtf(readBytes(rtfPath()));
    EXPECT_TRUE(reading.balanced);
    const QStringList lines = reading.text.split(u'\n');
    const auto has = [&lines](const QString &line) { return lines.contains(line); };
    EXPECT_TRUE(has(QString::fromUtf8("SCHEDA ANAGRAFICA ANIMALE")));
    EXPECT_TRUE(has(QString::fromUtf8("Nome: Rex {Jr.} C:\\cani\\ Perché")));
    EXPECT_TRUE(has(QString::fromUtf8("Razza: Łajka – più")));
    EXPECT_TRUE(has(QString::fromUtf8("Colore mantello: nero {focato} \\par } {\\b grassetto}")));
    // A control character would break the one-line document: it becomes a blank.
    EXPECT_TRUE(has(QStringLiteral("Segni particolari: riga una riga due")));
    EXPECT_TRUE(has(QStringLiteral("Comportamento verso persone o altri animali: valore 22")));
    EXPECT_TRUE(has(QStringLiteral("Note: ")));
}

TEST_F(AnimalDocuments, NoToTheFirstQuestionWritesNothingAndKeepsTheOldDocument)
{
    writeBytes(rtfPath(), "old document");
    sp.yesNoAnswers = {false};
    EXPECT_TRUE(exportFromWindow());
    EXPECT_EQ(readBytes(rtfPath()), QByteArray("old document"));
    EXPECT_EQ(sp.messages(), QStringList{Confirm});
    EXPECT_TRUE(sp.callsOf("document").empty());
}

TEST_F(AnimalDocuments, FailedWriteShowsTheMessageAndLeavesTheOldDocumentWhole)
{
    writeBytes(rtfPath(), "old document");
    const auto expectFailureReported = [this](const char *how) {
        SCOPED_TRACE(how);
        EXPECT_TRUE(exportFromWindow());
        EXPECT_EQ(readBytes(rtfPath()), QByteArray("old document"));
        ASSERT_EQ(sp.messages(), (QStringList{Confirm, ExportFailed}));
        EXPECT_EQ(sp.callsOf("plain").size(), 1u);
        EXPECT_TRUE(sp.callsOf("document").empty());
        EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), (QStringList{RtfName, "Tavoren.log"})) << "no temporary file left; the failure traced";
        sp.clear();
    };
    {
        // The disk fills up half-way through the document.
        FileSizeLimit limit(1000);
        expectFailureReported("a write that stops half-way");
    }
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make a folder read-only here";
    expectFailureReported("a read-only folder");
}

TEST_F(AnimalDocuments, SecondExportReplacesTheFirst)
{
    sp.yesNoAnswers = {true, false, true, false};
    EXPECT_TRUE(exportFromWindow());
    card.set("txtNome", QStringLiteral("Bobi"));
    EXPECT_TRUE(exportFromWindow());
    const QByteArray written = readBytes(rtfPath());
    EXPECT_EQ(written, ToCp1252(AnimalRtfText(&card)));
    EXPECT_TRUE(written.contains("Nome:\\b0\\f1  \\f0 Bobi\\par"));
    EXPECT_FALSE(written.contains("Rex"));
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{RtfName});
}

TEST_F(AnimalDocuments, OtherTagDoesNothingAndKeepsTheWindowOpen)
{
    EXPECT_FALSE(exportFromWindow(QStringLiteral("clienti")));
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(rtfPath()));
}

TEST_F(AnimalDocuments, CancelClosesWritingNothing)
{
    sp.onModal = [](QWidget *w) {
        QTest::mouseClick(static_cast<TfrmCreaRTF *>(w)->btnAnnulla, Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
    };
    OpenAnimalRtf(&card);
    EXPECT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(rtfPath()));
}

class AnimalPrintout : public ::testing::Test {
protected:
    // The printout window for the card, shown as its opener shows it.
    std::unique_ptr<TfrmStampaCane> shownPrintout()
    {
        auto w = std::make_unique<TfrmStampaCane>(&card);
        w->setSource(&card);
        w->show();
        return w;
    }

    ScriptedPlatform sp;
    FakeCard card;
};

TEST_F(AnimalPrintout, PageHoldsTheTwentyThreeValuesTrimmedAndTheFooter)
{
    const PreparedReport page = shownPrintout()->PrepareReport();
    ASSERT_EQ(page.pages.size(), 1u);
    EXPECT_EQ(page.name, QStringLiteral("Scheda Animale"));
    EXPECT_EQ(page.orientation, QPageLayout::Portrait);
    for (const QString &edit : PrintedEdits)
        EXPECT_EQ(page.texts(edit), QStringList{trimmedSample(edit)}) << edit.toStdString();
    EXPECT_EQ(page.texts("txtNome"), QStringList{QString::fromUtf8("Rex {Jr.} C:\\cani\\ Perché")});
    EXPECT_EQ(page.texts("txtCalce"), QStringList{"Stampa eseguita in data 10/12/2026 alle ore 10:30:15"});

    // No value of an edit left out of the page is printed anywhere.
    QStringList printed;
    for (const PreparedItem &item : page.pages[0].items)
        if (const auto *t = std::get_if<PreparedText>(&item))
            printed << t->text;
    for (const char *edit : CardEdits) {
        if (!PrintedEdits.count(QString::fromLatin1(edit))) {
            EXPECT_FALSE(printed.contains(trimmedSample(edit))) << edit;
        }
    }
    // The captions print as written.
    for (const char *caption : {"DATA NASCITA:", "SPECIE:", "INIZIO PROPRIETA':", "NOTE:", "ALIMENTAZIONE:"})
        EXPECT_TRUE(printed.contains(QString::fromLatin1(caption))) << caption;
}

TEST_F(AnimalPrintout, PrintsTheCardsPhotoOrThePlaceholder)
{
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    for (const bool hasPhoto : {true, false}) {
        SCOPED_TRACE(hasPhoto ? "photo" : "no photo");
        if (hasPhoto)
            card.imgFoto->setPixmap(QPixmap::fromImage(photo));
        else
            card.imgFoto->clear();
        const auto window = shownPrintout();
        const PreparedReport page = window->PrepareReport();
        const PreparedPicture *picture = nullptr;
        for (const PreparedItem &item : page.pages[0].items)
            if (const auto *p = std::get_if<PreparedPicture>(&item); p && p->name == QLatin1String("imgLogo"))
                picture = p;
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->centred);
        EXPECT_EQ(picture->rect, QRectF(11, 24, 188, 112));
        if (hasPhoto) {
            EXPECT_EQ(picture->picture.convertToFormat(QImage::Format_RGB32), photo);
        } else {
            EXPECT_FALSE(picture->picture.isNull());
            EXPECT_EQ(picture->picture, window->imgTemp->pixmap().toImage());
        }
    }
}

TEST_F(AnimalPrintout, CancelOrACancelledPrintDialogPrintsNothingAndCloses)
{
    const struct {
        const char *button;
        size_t printDialogs;
    } cases[] = {{"btnAnnulla", 0}, {"btnStampa", 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        sp.clear();
        sp.printAnswers = {false};
        bool closed = false;
        sp.onModal = [&](QWidget *w) {
            QTest::mouseClick(w->findChild<QPushButton *>(QString::fromLatin1(c.button)), Qt::LeftButton);
            closed = !w->isVisible();
        };
        OpenAnimalPrintout(&card);
        EXPECT_TRUE(closed);
        EXPECT_EQ(sp.callsOf("print").size(), c.printDialogs);
        EXPECT_TRUE(sp.callsOf("errorbox").empty());
    }
}

class PhotoZoom : public ::testing::Test {
protected:
    ScriptedPlatform sp;
    FakeCard card;
};

TEST_F(PhotoZoom, PhotoAreaIsTheScreenLessSixtyByNinety)
{
    const struct {
        QSize screen;
        QSize area;
    } cases[] = {
        {{1920, 1080}, {1860, 990}},
        {{1024, 768}, {964, 678}},
        {{1366, 768}, {1306, 678}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TfrmZoom::PhotoArea(c.screen), c.area);

    TfrmZoom zoom;
    zoom.resize(1920, 1040);
    zoom.fitToScreen({1920, 1080});
    EXPECT_EQ(zoom.panContainer->size(), QSize(1860, 990));
    EXPECT_EQ(zoom.imgFoto->geometry(), QRect(0, 0, 1860, 990));
    EXPECT_EQ(zoom.panContainer->geometry().center(), zoom.rect().center());
}

TEST_F(PhotoZoom, ShowsTheCardsPhotoWithItsProportionsAndAClickCloses)
{
    QImage photo(400, 200, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    card.imgFoto->setPixmap(QPixmap::fromImage(photo));
    for (const char *target : {"imgFoto", "panContainer"}) {
        SCOPED_TRACE(target);
        bool closed = false;
        sp.onModal = [&](QWidget *w) {
            auto *zoom = qobject_cast<TfrmZoom *>(w);
            ASSERT_NE(zoom, nullptr);
            EXPECT_TRUE(zoom->windowState() & Qt::WindowMaximized);
            const QSize area = TfrmZoom::PhotoArea(zoom->screen()->size());
            EXPECT_EQ(zoom->imgFoto->size(), area);
            const QPixmap shown = zoom->imgFoto->pixmap();
            ASSERT_FALSE(shown.isNull());
            EXPECT_EQ(shown.size(), QSize(400, 200).scaled(area, Qt::KeepAspectRatio));
            QWidget *clicked = zoom->findChild<QWidget *>(QString::fromLatin1(target));
            // The photo covers its panel: the panel is clicked at its own edge, outside the photo.
            if (clicked == zoom->panContainer)
                zoom->imgFoto->resize(area / 2);
            QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(clicked->width() - 2, clicked->height() - 2));
            closed = !zoom->isVisible();
        };
        OpenPhotoZoom(&card);
        EXPECT_TRUE(closed);
    }
}

} // namespace
