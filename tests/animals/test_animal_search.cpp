// The animal search and the animal hand-back.
#include "tests/support/QStringPrinter.h"
#include "animals/AnimalHandBack.h"
#include "animals/AnimalRecord.h"
#include "animals/TrovaCani.h"
#include "common/Record.h"
#include "common/ui/LineList.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

Record animal(const std::map<QString, QString> &fields)
{
    Record r(AnimalRecordLayout());
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// An animal with a text of its own in every field, marked by `tag`.
Record fullAnimal(const QString &tag)
{
    Record r(AnimalRecordLayout());
    for (const QString &name : AnimalRecordLayout().names())
        r.setText(name, name.left(3).toUpper() + tag);
    r.setText("Sesso", tag.left(1));
    return r;
}


// A stand-in for the animal card: every control the tag "cani" writes, and the photo slot.
class FakeAnimalCard : public QWidget {
    Q_OBJECT
public:
    FakeAnimalCard()
    {
        for (const QString &name : AnimalRecordLayout().names()) {
            if (name.startsWith("File") || name.startsWith("Desc"))
                MakeNamed<QLabel>(this, "lbl" + name);
            else
                MakeNamed<QLineEdit>(this, "txt" + name);
        }
        lblPosizione = MakeNamed<QLabel>(this, "lblPosizione");
    }
    QLabel *lblPosizione;
    QStringList photos;  // lblPosizione at each photo load

public slots:
    void LoadAnimalPhoto() { photos << lblPosizione->text(); }
};

QWidget *target = nullptr;

class AnimalSearch : public ::testing::Test {
protected:
    void TearDown() override { target = nullptr; }
    void writeArchive(const std::vector<Record> &records) { writeBytes(sp.file(AnimalArchiveName), ArchiveBytes(records)); }

    ScriptedPlatform sp;
};

} // namespace

TEST_F(AnimalSearch, TheTenCriteriaSearchTheirFields)
{
    struct Criterion {
        const char *edit;
        const char *caption;
        const char *field;
        const char *highlight;
    };
    const Criterion criteria[] = {
        {"txtNome", "Nome:", "Nome", "effCampo01"},
        {"txtDataNasc", "Data nascita:", "DataNasc", "effCampo02"},
        {"txtGruppo", "Specie:", "Gruppo", "effCampo09"},
        {"txtRazza", "Razza:", "Razza", "effCampo10"},
        {"txtMedico", "Medico veterinario:", "Medico", "effCampo05"},
        {"txtMicrochip", "Codice microchip:", "Microchip", "effCampo06"},
        {"txtProprietario", "Proprietario attuale:", "Proprietario", "effCampo07"},
        {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCampo08"},
        {"txtROI", "Numero ROI/LOI/RSR/LIR/ES:", "ROI", "effCampo03"},
        {"txtNote", "Note:", "Note", "effCampo04"},
    };
    TfrmTrovaCani probe;
    EXPECT_EQ(probe.windowTitle(), " Trova animali in archivio");
    EXPECT_EQ(probe.setup().printTitle, "Riepilogo animali in archivio");
    for (int i = 0; i < 10; ++i) {
        const Criterion &c = criteria[i];
        SCOPED_TRACE(c.edit);
        EXPECT_EQ(probe.criterion(i)->objectName(), c.edit) << "the Enter cycle follows the table";
        EXPECT_EQ(probe.findChild<QLabel *>(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(),
                  c.caption);
        EXPECT_EQ(probe.highlight(i)->objectName(), c.highlight);

        // Only the animal holding the text in that field is found, in any letter case.
        const Record holder = animal({{c.field, "XEL 123"}, {"Nome", c.field == QString("Nome") ? "XEL 123" : "Trovato"}});
        writeArchive({animal({{"Nome", "Primo"}}), holder, animal({{"Nome", "Terzo"}})});
        TfrmTrovaCani search;
        search.show();
        search.findChild<QLineEdit *>(c.edit)->setText("el 1");
        QTest::mouseClick(search.btnCerca, Qt::LeftButton);
        ASSERT_EQ(search.lstRecords->count(), 1);
        EXPECT_EQ(search.lstRecords->line(0), AnimalListLine(holder));
        EXPECT_EQ(search.lblTrovate->text(), "Il presente riepilogo contiene 1 schede.");
    }
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AnimalSearch, ListsSortedCountsAndFindsChipsAnywhere)
{
    const QString chip = "380260000123456789012345";
    writeArchive({animal({{"Nome", "Zora"}, {"Microchip", chip}}), animal({{"Nome", "Argo"}}),
                  animal({{"Nome", "Milo"}, {"Microchip", "999"}})});
    TfrmTrovaCani all;
    all.show();
    QTest::mouseClick(all.btnCerca, Qt::LeftButton);
    ASSERT_EQ(all.lstRecords->count(), 3);
    EXPECT_TRUE(all.lstRecords->line(0).startsWith("Argo "));
    EXPECT_TRUE(all.lstRecords->line(1).startsWith("Milo "));
    EXPECT_TRUE(all.lstRecords->line(2).startsWith("Zora "));
    EXPECT_EQ(all.lblTrovate->text(), "Il presente riepilogo contiene 3 schede.");

    TfrmTrovaCani byChip;
    byChip.show();
    byChip.txtMicrochip->setText("0123456789");
    QTest::mouseClick(byChip.btnCerca, Qt::LeftButton);
    ASSERT_EQ(byChip.lstRecords->count(), 1);
    EXPECT_TRUE(byChip.lstRecords->line(0).contains("  Chip: " + chip.left(20) + "  Prop. "));
}

TEST_F(AnimalSearch, AMissingArchiveIsCreatedAndListsNothing)
{
    QFile::remove(sp.file(AnimalArchiveName));
    TfrmTrovaCani search;
    search.show();
    search.txtNome->setText("Fido");
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    EXPECT_TRUE(search.panContainer->isVisible());
    EXPECT_EQ(search.lstRecords->count(), 0);
    EXPECT_EQ(search.lblTrovate->text(), "Il presente riepilogo contiene 0 schede.");
    EXPECT_TRUE(QFile::exists(sp.file(AnimalArchiveName)));
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AnimalSearch, EachOfTwoEqualLinesLoadsItsOwnAnimalIntoTheCard)
{
    // Animals 1 and 3 share their line and differ elsewhere.
    const Record first = fullAnimal("1");
    Record third = fullAnimal("3");
    for (const char *shared : {"Nome", "Razza", "Microchip", "Proprietario", "Recapito"})
        third.setText(shared, first.text(shared));
    third.setText("Note", "  con spazi  ");
    const std::vector<Record> animals{first, fullAnimal("2"), third};
    writeArchive(animals);

    FakeAnimalCard card;
    target = &card;
    RegisterAnimalTarget("cani", [] { return target; });

    int row = 0;
    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *search = qobject_cast<TfrmTrovaCani *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), &card);
        EXPECT_EQ(search->focusWidget(), search->txtNome);
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 3);
        ASSERT_EQ(search->lstRecords->line(0), search->lstRecords->line(1));
        DoubleClickLine(search, row);
        EXPECT_FALSE(search->isVisible());
    };
    QStringList loaded;
    for (row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        OpenAnimalSearch(&card, "cani");
        EXPECT_TRUE(shown.isNull()) << "the caller destroys the search";
        const int number = card.lblPosizione->text().toInt();
        ASSERT_TRUE(number == 1 || number == 3);
        loaded << card.lblPosizione->text();
        const Record &r = animals[size_t(number - 1)];
        for (const QString &name : AnimalRecordLayout().names()) {
            QWidget *w = card.findChild<QWidget *>((name.startsWith("File") || name.startsWith("Desc") ? "lbl" : "txt") + name);
            EXPECT_EQ(ControlText(w), r.text(name).trimmed()) << name.toStdString();
        }
    }
    loaded.sort();
    EXPECT_EQ(loaded, (QStringList{"1", "3"})) << "each line loads its own animal";
    EXPECT_EQ(card.photos.size(), 2) << "the photo follows each load";
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(AnimalSearch, EachTagWritesItsOwnControlsAndNothingElse)
{
    const QStringList edits{"txtNomeAni", "txtSessoAni", "txtDataNascAni", "txtSpecie",    "txtRazza",
                            "txtTaglia",  "txtPelo",     "txtMantello",    "txtMicrochip", "txtTatuaggio",
                            "txtSegni",   "txtNome",     "txtDataNasc",    "txtProprietario", "txtRecapito",
                            "txtCodFisc", "txtNote"};
    const std::map<QString, QString> fieldOf{
        {"txtNomeAni", "Nome"},   {"txtSessoAni", "Sesso"},   {"txtDataNascAni", "DataNasc"}, {"txtSpecie", "Gruppo"},
        {"txtRazza", "Razza"},    {"txtTaglia", "Taglia"},    {"txtPelo", "Pelo"},            {"txtMantello", "Mantello"},
        {"txtMicrochip", "Microchip"}, {"txtTatuaggio", "Tatuaggio"}, {"txtSegni", "Segni"},  {"txtNome", "Nome"},
        {"txtDataNasc", "DataNasc"}, {"txtProprietario", "Proprietario"}, {"txtRecapito", "Recapito"},
        {"txtCodFisc", "CodFisc"}};
    const QStringList certificate{"txtNomeAni", "txtSessoAni", "txtDataNascAni", "txtSpecie", "txtRazza", "txtTaglia",
                                  "txtPelo",    "txtMantello", "txtMicrochip",   "txtTatuaggio", "txtSegni"};
    const std::map<QString, QStringList> written{
        {"scadenzario",
         {"txtNome", "txtDataNasc", "txtRazza", "txtMantello", "txtMicrochip", "txtSegni", "txtProprietario",
          "txtRecapito", "txtCodFisc"}},
        {"certificato_sanitario", certificate},
        {"certificato_vaccinazione", certificate},
        {"certificato_malattia", certificate},
        {"certificato_decesso", certificate},
        {"autorizzazione_eutanasia", certificate},
        {"consenso_intervento", certificate},
        {"certificato_movimento", {"txtNomeAni", "txtSessoAni", "txtDataNascAni", "txtSpecie"}},
        {"Scadenzario", {}},
        {"altro", {}},
    };
    const Record r = fullAnimal("9");
    for (const auto &[tag, controls] : written) {
        SCOPED_TRACE(tag.toStdString());
        QWidget window;
        for (const QString &name : edits)
            MakeNamed<QLineEdit>(&window, name)->setText("prima");
        target = &window;
        RegisterAnimalTarget(tag, [] { return target; });
        AnimalHandBack("  " + tag + " ", r, 2);
        for (const QString &name : edits) {
            const QString expected = controls.contains(name) ? r.text(fieldOf.at(name)) : QStringLiteral("prima");
            EXPECT_EQ(window.findChild<QLineEdit *>(name)->text(), expected) << name.toStdString();
        }
        target = nullptr;
    }

    // A tag whose window does not exist writes nothing, and the search still closes.
    writeArchive({r});
    QWidget owner;
    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *search = qobject_cast<TfrmTrovaCani *>(w);
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        DoubleClickLine(search, 0);
        EXPECT_FALSE(search->isVisible());
    };
    OpenAnimalSearch(&owner, "scadenzario");
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(sp.messages().isEmpty());
}

#include "test_animal_search.moc"
