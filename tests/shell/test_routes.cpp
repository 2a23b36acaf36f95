// Where every command of the launcher, every button of a menu and every hand-back leads, over the
// windows that start-up creates. Each table row is one case; adding a window is adding a row.
#include "ShellFixture.h"

#include "animals/AnimalRecord.h"
#include "animals/Cani.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/Scadenzario.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "certificates/MenuCertificati.h"
#include "common/Record.h"
#include "common/ui/ListWindow.h"
#include "common/ui/RecordCard.h"
#include "common/ui/SearchWindow.h"
#include "common/ui/Widgets.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/Calendario.h"
#include "dialogs/NumerazioneDoc.h"
#include "invoice_reports/Statistiche.h"
#include "invoices/DatiVeicolo.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceRecord.h"
#include "invoices/MenuFatture.h"
#include "owners/Clienti.h"
#include "owners/OwnerRecord.h"
#include "pricelist/Giacenza.h"
#include "pricelist/PriceListRecord.h"
#include "pricelist/Servizi.h"
#include "shell/Avvio.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// The single instance that start-up made of a window class.
template <auto &Global>
QWidget *instance()
{
    return Global;
}

using Instance = QWidget *(*)();

// A name fit for a test: letters, digits and underscores only.
std::string testName(const QString &text)
{
    std::string out;
    for (QChar c : text)
        out += (c.isLetterOrNumber() && c.unicode() < 128) ? char(c.unicode()) : '_';
    return out;
}

// Texts compared as UTF-8, so that a failure shows them as they read.
std::string text(const QString &s) { return s.toStdString(); }
std::string text(const QStringList &list) { return list.join(QLatin1Char(' ')).toStdString(); }

void click(QWidget *w)
{
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
    QTest::mouseClick(w, Qt::LeftButton);
}

// ---------------------------------------------------------------------------------------------
// Launcher commands: each application command shows its window and hides the launcher; closing
// that window brings the launcher back. The information commands show a window of their own
// modally, owned by the launcher.

struct LauncherCase {
    const char *command;  // the picture clicked
    Instance shown;       // the window it shows; nullptr: a modal window
    const char *modal = nullptr;
};

void PrintTo(const LauncherCase &c, std::ostream *os) { *os << c.command; }

const LauncherCase LauncherCases[] = {
    {"imgProprietari", instance<frmClienti>},
    {"btnProprietari", instance<frmClienti>},
    {"imgAnimali", instance<frmCani>},
    {"btnAnimali", instance<frmCani>},
    {"imgCertificati", instance<frmMenuCertificati>},
    {"btnCertificati", instance<frmMenuCertificati>},
    {"imgAppuntamenti", instance<frmScadenzario>},
    {"btnAppuntamenti", instance<frmScadenzario>},
    {"imgTariffario", instance<frmServizi>},
    {"btnTariffario", instance<frmServizi>},
    {"imgFatture", instance<frmMenuFatture>},
    {"btnFatture", instance<frmMenuFatture>},
    {"imgInfo", nullptr, "TfrmInfo"},
    {"imgCopyright", nullptr, "TfrmSplash"},
    {"imgGuida", nullptr, "TfrmGuida"},
};

class LauncherRoute : public ShellWindows, public ::testing::WithParamInterface<LauncherCase> {
protected:
    void SetUp() override
    {
        ShellWindows::SetUp();
        frmAvvio->show();
    }
};

TEST_P(LauncherRoute, ShowsItsWindowAndClosingItComesBack)
{
    const LauncherCase &c = GetParam();
    QStringList modal;
    sp.onModal = [&](QWidget *w) {
        modal << w->metaObject()->className();
        EXPECT_EQ(w->parentWidget(), frmAvvio);
    };
    click(frmAvvio->findChild<ClickLabel *>(QString::fromLatin1(c.command)));
    if (!c.shown) {
        EXPECT_EQ(text(modal), c.modal);
        EXPECT_TRUE(frmAvvio->isVisible());
        return;
    }
    QWidget *shown = c.shown();
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_TRUE(modal.isEmpty()) << modal.join(' ').toStdString();

    shown->close();
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_TRUE(sp.callsOf("quit").empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, LauncherRoute, ::testing::ValuesIn(LauncherCases),
                         [](const auto &info) { return std::string(info.param.command); });

// ---------------------------------------------------------------------------------------------
// Menu buttons: each button of a menu closes the menu and shows its window, with what the menu
// hands over; leaving the menu without a choice shows the launcher. A window shown from a menu
// returns to the launcher when it closes, never to the menu.

struct MenuCase {
    const char *name;
    const char *opener;                 // the launcher command that shows the menu
    Instance menu;
    std::function<void()> choose;       // what the user does in the menu
    Instance shown;                     // the window shown when the menu closes
    // What the shown window received from the menu, checked against the program folder.
    std::function<void(const ScriptedPlatform &)> handed = {};
};

void PrintTo(const MenuCase &c, std::ostream *os) { *os << c.name; }

// Presses a button of the certificates menu.
std::function<void()> certificateButton(QPushButton *TfrmMenuCertificati::*button)
{
    return [button] { click(frmMenuCertificati->*button); };
}

const MenuCase MenuCases[] = {
    {"Certificato_Sanitario", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnCertificato_Sanitario), instance<frmCertificato_Sanitario>},
    {"Certificato_Vaccinazione", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnCertificato_Vaccinazione), instance<frmCertificato_Vaccinazione>},
    {"Certificato_Malattia", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnCertificato_Malattia), instance<frmCertificato_Malattia>},
    {"Certificato_Decesso", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnCertificato_Decesso), instance<frmCertificato_Decesso>},
    {"Autorizzazione_Eutanasia", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnAutorizzazione_Eutanasia), instance<frmAutorizzazione_Eutanasia>},
    {"Consenso_Intervento", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnConsenso_Intervento), instance<frmConsenso_Intervento>},
    // "Certificato movimento" shows the movement certificate, whose class carries the other name.
    {"Consenso_Privacy", "imgCertificati", instance<frmMenuCertificati>,
     certificateButton(&TfrmMenuCertificati::btnConsenso_Privacy), instance<frmConsenso_Privacy>},
    {"CertificatiEsci", "imgCertificati", instance<frmMenuCertificati>, [] { click(frmMenuCertificati->imgEsci); },
     instance<frmAvvio>},
    {"CertificatiChiusura", "btnCertificati", instance<frmMenuCertificati>, [] { frmMenuCertificati->close(); },
     instance<frmAvvio>},

    {"ApriFatture", "imgFatture", instance<frmMenuFatture>,
     [] {
         QLineEdit *year = frmMenuFatture->txtAnnoFatture;
         year->selectAll();
         QTest::keyClicks(year, "2031");
         click(frmMenuFatture->btnApriFatture);
     },
     instance<frmFatture>,
     [](const ScriptedPlatform &sp) {
         EXPECT_EQ(text(frmFatture->lblAnno->text()), "2031");
         EXPECT_EQ(text(frmFatture->lblFile->text()), text(sp.file("2031.fat")));
         EXPECT_EQ(text(frmFatture->windowTitle()), " Tavoren - Archivio fatture proforma anno 2031");
     }},
    // The year that the menu proposes, accepted as it stands, is today's.
    {"ApriFattureAnnoProposto", "btnFatture", instance<frmMenuFatture>, [] { click(frmMenuFatture->btnApriFatture); },
     instance<frmFatture>,
     [](const ScriptedPlatform &sp) {
         EXPECT_EQ(text(frmFatture->lblAnno->text()), "2026");
         EXPECT_EQ(text(frmFatture->lblFile->text()), text(sp.file("2026.fat")));
     }},
    // The chart asks for its own year: the menu passes none.
    {"ApriRiepStats", "imgFatture", instance<frmMenuFatture>, [] { click(frmMenuFatture->btnApriRiepStats); },
     instance<frmStatistiche>,
     [](const ScriptedPlatform &) { EXPECT_EQ(text(frmFatture->lblAnno->text()), ""); }},
    {"FattureEsci", "imgFatture", instance<frmMenuFatture>, [] { click(frmMenuFatture->imgEsci); },
     instance<frmAvvio>},
    {"FattureChiusura", "btnFatture", instance<frmMenuFatture>, [] { frmMenuFatture->close(); }, instance<frmAvvio>},
};

class MenuRoute : public ShellWindows, public ::testing::WithParamInterface<MenuCase> {
protected:
    void SetUp() override
    {
        ShellWindows::SetUp();
        frmAvvio->show();
    }
};

TEST_P(MenuRoute, ShowsItsWindowWithWhatTheMenuHandsOver)
{
    const MenuCase &c = GetParam();
    click(frmAvvio->findChild<ClickLabel *>(QString::fromLatin1(c.opener)));
    QWidget *menu = c.menu();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_TRUE(WaitActive(menu));

    c.choose();
    QWidget *shown = c.shown();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(frmAvvio->isVisible(), shown == frmAvvio);
    EXPECT_TRUE(sp.messages().isEmpty()) << sp.messages().join('\n').toStdString();
    if (c.handed)
        c.handed(sp);
    if (shown == frmAvvio)
        return;

    shown->close();
    EXPECT_FALSE(shown->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, MenuRoute, ::testing::ValuesIn(MenuCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Hand-backs: a window's command opens a picker with the window's tag; the user's choice in the
// picker lands in the named controls of that window's single instance. The pickers run over a
// program folder holding one record of each archive.

// The records of the fixture archives, field by field.
using Fields = std::map<QString, QString>;

const Fields Owner = {
    {"Cliente", "Rossi Mario"},      {"Sesso", "M"},         {"DataNasc", "01/02/1970"},
    {"ComuneNasc", "Napoli"},        {"ProvNasc", "NA"},     {"Recapito", "06 1234567"},
    {"IndirizzoRes", "Via Appia 1"}, {"CapRes", "00100"},    {"ComuneRes", "Roma"},
    {"ProvRes", "RM"},               {"CodFisc", "RSSMRA70B01F839U"}, {"PartitaIva", "01234567890"},
    {"Occupazione", "Fornaio"},      {"Ricontatta", "Sì"},   {"Note", "cliente storico"},
};

const Fields Animal = {
    {"Nome", "Fido"},           {"Sesso", "M"},          {"DataNasc", "03/04/2018"},
    {"Gruppo", "Cane"},         {"Razza", "Beagle"},     {"Taglia", "Media"},
    {"Pelo", "Corto"},          {"Mantello", "Tricolore"}, {"Microchip", "380260000123456"},
    {"Tatuaggio", "T12"},       {"Segni", "Macchia bianca"}, {"Proprietario", "Bianchi Anna"},
    {"Recapito", "333 1234567"}, {"CodFisc", "BNCNNA80A41F205X"}, {"ComuneRes", "Milano"},
};

const Fields Article = {
    {"Descrizione", "Vaccino trivalente"}, {"Prezzo", "25,00"},  {"Tipologia", "Farmaco"},
    {"Supplementi", "VAC01"},               {"Giacenza", "1"},    {"Sottoscorta", "5"},
    {"Note", "in frigorifero"},
};

const Fields Certificate = {
    {"Num", "7"},           {"Data", "05/06/2026"},   {"Luogo", "Roma"},
    {"Veterinario", "Dott. Gialli"}, {"Proprietario", "Verdi Luca"}, {"CodFisc", "VRDLCU75C03H501Z"},
    {"Recapito", "06 7654321"}, {"NomeAni", "Micia"},  {"Specie", "Gatto"},
    {"Razza", "Europeo"},   {"Destinazione", "Parigi"},
};

const Fields Invoice = {
    {"NumFatt", "3"},       {"Data", "07/07/2026"},   {"Cliente", "Neri Paolo"},
    {"CittaCliente", "Roma"}, {"TotFattura", "122,00"}, {"Saldata", "No"},
};

// Two appointments: the first waits for confirmation and is not paid, the second is paid.
const Fields Appointment = {
    {"Giorno", "20"},       {"Mese", "Dicembre"},     {"Anno", "2026"},
    {"Data", "20/12/2026"}, {"OreApp", "09"},         {"MinutiApp", "30"},
    {"Ora", "09:30"},       {"Avviso", "0"},          {"Proprietario", "Blu Carla"},
    {"Nome", "Rex"},        {"Dettagli", "A visita"}, {"DaConfermare", "Sì"},
    {"Effettuata", "No"},
};

// A record of the layout with those of the fields that it has.
Record recordOf(const RecordLayout &layout, const Fields &fields)
{
    Record r(layout);
    for (const auto &[field, value] : fields)
        if (layout.indexOf(field) >= 0)
            r.setText(field, value);
    return r;
}

Fields with(Fields fields, const Fields &changes)
{
    for (const auto &[field, value] : changes)
        fields[field] = value;
    return fields;
}

// The controls a hand-back must fill, with the text each must show.
using Filled = std::vector<std::pair<QString, QString>>;

// What the six certificate cards take of an owner and of an animal.
const Filled CertificateOwner = {
    {"txtProprietario", "Rossi Mario"}, {"txtSesso", "M"},           {"txtDataNasc", "01/02/1970"},
    {"txtCodFisc", "RSSMRA70B01F839U"}, {"txtComuneNasc", "Napoli"}, {"txtindirizzoRes", "Via Appia 1"},
    {"txtCapRes", "00100"},             {"txtComuneRes", "Roma"},    {"txtProvRes", "RM"},
    {"txtRecapito", "06 1234567"},
};
const Filled CertificateAnimal = {
    {"txtNomeAni", "Fido"},   {"txtSessoAni", "M"},       {"txtDataNascAni", "03/04/2018"},
    {"txtSpecie", "Cane"},    {"txtRazza", "Beagle"},     {"txtTaglia", "Media"},
    {"txtPelo", "Corto"},     {"txtMantello", "Tricolore"}, {"txtMicrochip", "380260000123456"},
    {"txtTatuaggio", "T12"},  {"txtSegni", "Macchia bianca"},
};
const Filled CertificateRecordShown = {
    {"txtNum", "7"}, {"txtData", "05/06/2026"}, {"txtProprietario", "Verdi Luca"}, {"lblPosizione", "1"}};

// How the user makes the choice in a picker.
using Choice = void (*)(QWidget *picker);

// A search ("Cerca" on its criteria, all blank) or a list: a double-click on the first line.
void ChooseFirstLine(QWidget *picker)
{
    auto *list = qobject_cast<ListWindow *>(picker);
    ASSERT_NE(list, nullptr);
    if (auto *search = qobject_cast<SearchWindow *>(picker))
        click(search->btnCerca);
    ASSERT_GE(list->lstRecords->count(), 1) << "the fixture's record is listed";
    DoubleClickLine(list, 0);
}

// The date picker: 15/03/2026, "Importa".
void ChooseDate(QWidget *picker)
{
    auto *dates = qobject_cast<TfrmCalendario *>(picker);
    ASSERT_NE(dates, nullptr);
    dates->calAppuntamenti->setSelectedDate(QDate(2026, 3, 15));
    click(dates->btnImportaData);
}

// The certificate numbering dialog: start from 25, "Applica e chiudi".
void ChooseStart25(QWidget *picker)
{
    auto *numbering = qobject_cast<TfrmNumerazioneDoc *>(picker);
    ASSERT_NE(numbering, nullptr);
    numbering->txtInizio->selectAll();
    QTest::keyClicks(numbering->txtInizio, "25");
    click(numbering->btnApplica);
}

// The stock update: a quantity of 3, "Applica e chiudi".
void ChooseQuantity3(QWidget *picker)
{
    auto *stock = qobject_cast<TfrmGiacenza *>(picker);
    ASSERT_NE(stock, nullptr);
    stock->txtAggiunta->selectAll();
    QTest::keyClicks(stock->txtAggiunta, "3");
    click(stock->btnAggiorna);
}

// The attach-files dialog: a name and a description in the first slot, "Applica e chiudi".
void ChooseAttachment(QWidget *picker)
{
    auto *attach = qobject_cast<TfrmAllegaCartella *>(picker);
    ASSERT_NE(attach, nullptr);
    attach->txtFile01->setText(QStringLiteral("referto.pdf"));
    attach->txtDesc01->setText(QStringLiteral("Referto della visita"));
    click(attach->btnApplica);
}

// The additional-information dialog: six texts, "Applica e chiudi".
void ChooseExtraInfo(QWidget *picker)
{
    auto *extra = qobject_cast<TfrmDatiVeicolo *>(picker);
    ASSERT_NE(extra, nullptr);
    extra->txtVeicolo->setText(QStringLiteral("Fido"));
    extra->txtMarca->setText(QStringLiteral("10%"));
    extra->txtColore->setText(QStringLiteral("300,00"));
    extra->txtImmatricolazione->setText(QStringLiteral("3 rate"));
    extra->txtAlimentazione->setText(QStringLiteral("Saldata"));
    extra->txtTarga->setText(QStringLiteral("Nessuno"));
    click(extra->btnApplica);
}

struct HandBackCase {
    QString name;
    Instance caller;       // the window whose command opens the picker, and which receives the choice
    QString command;       // that command (a key press in it when it is an edit)
    const char *picker;    // the class of the picker it opens
    QString tag;           // what the caller writes into the picker's lblMemory; empty: the picker has none
    Choice choice;         // null: a window that hands nothing back, only opened
    Filled filled;         // the caller's controls after the choice (and after `then`)
    std::function<void()> prepare = {};  // brings the command into view on the shown caller
    QString then = {};     // a command of the caller clicked after the choice
    QString caption = {};  // the picker's caption, where the caller sets it
};

// The animal card's owner data stand in its pedigree section.
void OpenOwnerSection() { click(frmCani->btnAlbero); }
// The appointment card opens on its year panel: "Apri" on the proposed year, today's.
void OpenAppointmentYear() { click(frmScadenzario->btnApri); }

void StockOf10() { frmServizi->txtGiacenza->setText(QStringLiteral("10")); }

void PrintTo(const HandBackCase &c, std::ostream *os) { *os << c.name.toStdString(); }

std::vector<HandBackCase> HandBackCases()
{
    const Filled attached = {{"lblFile01", "referto.pdf"}, {"lblDesc01", "Referto della visita"}};
    std::vector<HandBackCase> cases = {
        // The owner search and its hand-back.
        {"owner_clienti", instance<frmClienti>, "cmdTrova", "TfrmTrovaClienti", "clienti", ChooseFirstLine,
         {{"txtCliente", "Rossi Mario"}, {"txtCodFisc", "RSSMRA70B01F839U"}, {"txtComuneRes", "Roma"},
          {"txtOccupazione", "Fornaio"}, {"txtNote", "cliente storico"}, {"lblPosizione", "1"}}},
        {"owner_cani", instance<frmCani>, "btnCarta", "TfrmTrovaClienti", "cani", ChooseFirstLine,
         {{"txtProprietario", "Rossi Mario"}, {"txtRecapito", "06 1234567"}, {"txtCodFisc", "RSSMRA70B01F839U"},
          {"txtComuneRes", "Roma"}},
         OpenOwnerSection},
        {"owner_fatture", instance<frmFatture>, "impCliente", "TfrmTrovaClienti", "fatture", ChooseFirstLine,
         {{"txtCliente", "Rossi Mario"}, {"txtCodFiscCliente", "RSSMRA70B01F839U"}, {"txtIvaCliente", "01234567890"},
          {"txtViaCliente", "Via Appia 1"}, {"txtCapCliente", "00100"}, {"txtCittaCliente", "Roma"},
          {"txtProvCliente", "RM"}}},
        {"owner_certificato_sanitario", instance<frmCertificato_Sanitario>, "impProprietario", "TfrmTrovaClienti",
         "certificato_sanitario", ChooseFirstLine, CertificateOwner},
        {"owner_certificato_vaccinazione", instance<frmCertificato_Vaccinazione>, "impProprietario",
         "TfrmTrovaClienti", "certificato_vaccinazione", ChooseFirstLine, CertificateOwner},
        {"owner_consenso_intervento", instance<frmConsenso_Intervento>, "impProprietario", "TfrmTrovaClienti",
         "consenso_intervento", ChooseFirstLine, CertificateOwner},
        {"owner_certificato_movimento", instance<frmConsenso_Privacy>, "impProprietario", "TfrmTrovaClienti",
         "certificato_movimento", ChooseFirstLine, {{"txtProprietario", "Rossi Mario"}}},
        // The list of owners to recontact writes into the owner card as its search does.
        {"owner_ricontatta", instance<frmClienti>, "cmdRicontatta", "TfrmRicontatta", "", ChooseFirstLine,
         {{"txtCliente", "Rossi Mario"}, {"txtCodFisc", "RSSMRA70B01F839U"}, {"lblPosizione", "1"}}},

        // The animal search and its hand-back.
        {"animal_cani", instance<frmCani>, "cmdTrova", "TfrmTrovaCani", "cani", ChooseFirstLine,
         {{"txtNome", "Fido"}, {"txtRazza", "Beagle"}, {"txtMicrochip", "380260000123456"},
          {"txtProprietario", "Bianchi Anna"}, {"lblPosizione", "1"}}},
        {"animal_scadenzario", instance<frmScadenzario>, "cmdImporta", "TfrmTrovaCani", "scadenzario",
         ChooseFirstLine,
         {{"txtNome", "Fido"}, {"txtDataNasc", "03/04/2018"}, {"txtRazza", "Beagle"}, {"txtMantello", "Tricolore"},
          {"txtMicrochip", "380260000123456"}, {"txtSegni", "Macchia bianca"}, {"txtProprietario", "Bianchi Anna"},
          {"txtRecapito", "333 1234567"}, {"txtCodFisc", "BNCNNA80A41F205X"}},
         OpenAppointmentYear},
        {"animal_certificato_sanitario", instance<frmCertificato_Sanitario>, "impNomeAni", "TfrmTrovaCani",
         "certificato_sanitario", ChooseFirstLine, CertificateAnimal},
        {"animal_certificato_vaccinazione", instance<frmCertificato_Vaccinazione>, "impNomeAni", "TfrmTrovaCani",
         "certificato_vaccinazione", ChooseFirstLine, CertificateAnimal},
        {"animal_consenso_intervento", instance<frmConsenso_Intervento>, "impNomeAni", "TfrmTrovaCani",
         "consenso_intervento", ChooseFirstLine, CertificateAnimal},
        {"animal_certificato_movimento", instance<frmConsenso_Privacy>, "impNomeAni", "TfrmTrovaCani",
         "certificato_movimento", ChooseFirstLine,
         {{"txtNomeAni", "Fido"}, {"txtSessoAni", "M"}, {"txtDataNascAni", "03/04/2018"}, {"txtSpecie", "Cane"}}},

        // The price-list search and the low-stock list into the price-list card.
        {"article_servizi", instance<frmServizi>, "cmdTrova", "TfrmTrovaServizi", "servizi", ChooseFirstLine,
         {{"txtDescrizione", "Vaccino trivalente"}, {"txtPrezzo", "25,00"}, {"txtSupplementi", "VAC01"},
          {"lblPosizione", "1"}}},
        {"article_sottoscorta", instance<frmServizi>, "cmdSottoscorta", "TfrmSottoscorta", "", ChooseFirstLine,
         {{"txtDescrizione", "Vaccino trivalente"}, {"txtGiacenza", "1"}, {"lblPosizione", "1"}}},

        // The stock update into the card's stock, from a stock of 10 on the card.
        {"stock_aggiungi", instance<frmServizi>, "btnAggiungi", "TfrmGiacenza", "", ChooseQuantity3,
         {{"txtGiacenza", "13"}}, StockOf10},
        {"stock_sottrai", instance<frmServizi>, "btnSottrai", "TfrmGiacenza", "", ChooseQuantity3,
         {{"txtGiacenza", "7"}}, StockOf10},

        // The date picker into each certificate card's date.
        {"date_certificato_sanitario", instance<frmCertificato_Sanitario>, "txtData", "TfrmCalendario",
         "certificato_sanitario_data", ChooseDate, {{"txtData", "15/03/2026"}}},
        {"date_certificato_vaccinazione", instance<frmCertificato_Vaccinazione>, "txtData", "TfrmCalendario",
         "certificato_vaccinazione_data", ChooseDate, {{"txtData", "15/03/2026"}}},
        {"date_consenso_intervento", instance<frmConsenso_Intervento>, "txtData", "TfrmCalendario",
         "consenso_intervento_data", ChooseDate, {{"txtData", "15/03/2026"}}},
        {"date_certificato_movimento", instance<frmConsenso_Privacy>, "txtData", "TfrmCalendario",
         "certificato_movimento_data", ChooseDate, {{"txtData", "15/03/2026"}}},

        // The numbering dialog: the start it keeps is the card's next number (25 + the one record).
        {"numbering_certificato_sanitario", instance<frmCertificato_Sanitario>, "cmdNumerazione",
         "TfrmNumerazioneDoc", "certificato_sanitario", ChooseStart25, {{"txtNum", "26"}}, {}, "cmdNuovo",
         " Numerazione certificati sanitari"},
        {"numbering_certificato_vaccinazione", instance<frmCertificato_Vaccinazione>, "cmdNumerazione",
         "TfrmNumerazioneDoc", "certificato_vaccinazione", ChooseStart25, {{"txtNum", "26"}}, {}, "cmdNuovo",
         " Numerazione certificati vaccinazione"},
        {"numbering_consenso_intervento", instance<frmConsenso_Intervento>, "cmdNumerazione", "TfrmNumerazioneDoc",
         "consenso_intervento", ChooseStart25, {{"txtNum", "26"}}, {}, "cmdNuovo",
         " Numerazione consensi interventi"},
        {"numbering_certificato_movimento", instance<frmConsenso_Privacy>, "cmdNumerazione", "TfrmNumerazioneDoc",
         "certificato_movimento", ChooseStart25, {{"txtNum", "26"}}, {}, "cmdNuovo",
         " Numerazione certificati movimento"},

        // The attach-files dialog into the three cards that keep attachments.
        {"attach_clienti", instance<frmClienti>, "cmdFile", "TfrmAllegaCartella", "clienti", ChooseAttachment, attached},
        {"attach_cani", instance<frmCani>, "cmdFile", "TfrmAllegaCartella", "cani", ChooseAttachment, attached},
        {"attach_servizi", instance<frmServizi>, "cmdFile", "TfrmAllegaCartella", "servizi", ChooseAttachment, attached},

        // Each certificate card's own search.
        {"certificate_certificato_sanitario", instance<frmCertificato_Sanitario>, "cmdTrova",
         "TfrmTrovaCertificati_Sanitari", "certificato_sanitario", ChooseFirstLine, CertificateRecordShown},
        {"certificate_certificato_vaccinazione", instance<frmCertificato_Vaccinazione>, "cmdTrova",
         "TfrmTrovaCertificati_Vaccinazione", "certificato_vaccinazione", ChooseFirstLine, CertificateRecordShown},
        {"certificate_consenso_intervento", instance<frmConsenso_Intervento>, "cmdTrova",
         "TfrmTrovaConsensi_Interventi", "consenso_intervento", ChooseFirstLine, CertificateRecordShown},
        {"certificate_certificato_movimento", instance<frmConsenso_Privacy>, "cmdTrova",
         "TfrmTrovaCertificati_Movimento", "certificato_movimento", ChooseFirstLine,
         {{"txtNum", "7"}, {"txtProprietario", "Verdi Luca"}, {"txtDestinazione", "Parigi"}, {"lblPosizione", "1"}}},

        // The appointment search (its tag begins with a capital) and the lists into the appointment card.
        {"appointment_Scadenzario", instance<frmScadenzario>, "cmdTrova", "TfrmTrovaScadenzario", "Scadenzario",
         ChooseFirstLine, {{"txtProprietario", "Blu Carla"}, {"txtNome", "Rex"}, {"lblPosizione", "1"}},
         OpenAppointmentYear},
        {"appointment_daconfermare", instance<frmScadenzario>, "cmdDaConfermare", "TfrmDaConfermare", "",
         ChooseFirstLine, {{"txtProprietario", "Blu Carla"}, {"lblPosizione", "1"}}, OpenAppointmentYear},
        {"appointment_daeffettuare", instance<frmScadenzario>, "cmdDaEffettuare", "TfrmConfermati", "",
         ChooseFirstLine, {{"txtProprietario", "Blu Carla"}, {"lblPosizione", "1"}}, OpenAppointmentYear},
        {"appointment_effettuate", instance<frmScadenzario>, "cmdEffettuate", "TfrmNonConfermati", "",
         ChooseFirstLine, {{"txtProprietario", "Blu Carla"}, {"txtNome", "Max"}, {"lblPosizione", "2"}},
         OpenAppointmentYear},

        // The invoice search and the list of invoices subject to VAT into the invoice card.
        {"invoice_fatture", instance<frmFatture>, "cmdTrova", "TfrmTrovaFatture", "fatture", ChooseFirstLine,
         {{"txtNumFatt", "3"}, {"txtData", "07/07/2026"}, {"txtCliente", "Neri Paolo"}, {"lblPosizione", "1"}}},
        {"invoice_sospese", instance<frmFatture>, "cmdSospese", "TfrmSospese", "", ChooseFirstLine,
         {{"txtNumFatt", "3"}, {"txtCliente", "Neri Paolo"}, {"lblPosizione", "1"}}},
    };
    // The three clinical certificate cards take owners, animals, dates, numbering and their own records
    // as the other certificate cards do.
    struct Clinical {
        Instance card;
        QString tag;
        const char *search;
        QString caption;
    };
    const Clinical clinical[] = {
        {instance<frmCertificato_Malattia>, "certificato_malattia", "TfrmTrovaCertificati_Malattia",
         " Numerazione certificati malattia"},
        {instance<frmCertificato_Decesso>, "certificato_decesso", "TfrmTrovaCertificati_Decesso",
         " Numerazione certificati decesso"},
        {instance<frmAutorizzazione_Eutanasia>, "autorizzazione_eutanasia", "TfrmTrovaAutorizzazioni_Eutanasia",
         " Numerazione autorizzazioni eutanasia"},
    };
    for (const Clinical &c : clinical) {
        cases.push_back({"owner_" + c.tag, c.card, "impProprietario", "TfrmTrovaClienti", c.tag, ChooseFirstLine,
                         CertificateOwner});
        cases.push_back({"animal_" + c.tag, c.card, "impNomeAni", "TfrmTrovaCani", c.tag, ChooseFirstLine,
                         CertificateAnimal});
        cases.push_back({"date_" + c.tag, c.card, "txtData", "TfrmCalendario", c.tag + "_data", ChooseDate,
                         {{"txtData", "15/03/2026"}}});
        cases.push_back({"numbering_" + c.tag, c.card, "cmdNumerazione", "TfrmNumerazioneDoc", c.tag, ChooseStart25,
                         {{"txtNum", "26"}}, {}, "cmdNuovo", c.caption});
        cases.push_back({"certificate_" + c.tag, c.card, "cmdTrova", c.search, c.tag, ChooseFirstLine,
                         CertificateRecordShown});
    }

    // The invoice card's dialogs and document windows.
    cases.push_back({"numbering_fatture", instance<frmFatture>, "cmdNumerazione", "TfrmNumerazione", "fatture",
                     ChooseStart25, {{"txtNumFatt", "26"}}, {}, "cmdNuovo",
                     " Impostazione inizio numerazione fatture"});
    cases.push_back({"extra_fatture", instance<frmFatture>, "cmdDatiComputer", "TfrmDatiVeicolo", "fatture",
                     ChooseExtraInfo,
                     {{"memVeicolo", "Fido"}, {"memMarca", "10%"}, {"memColore", "300,00"},
                      {"memImmatricolazione", "3 rate"}, {"memAlimentazione", "Saldata"}, {"memTarga", "Nessuno"}}});
    cases.push_back({"logo", instance<frmFatture>, "btnLogo", "TfrmLogo", "", nullptr, {}});
    cases.push_back({"document_stampa", instance<frmFatture>, "cmdStampa", "TfrmStampaFat", "", nullptr, {}});
    cases.push_back({"document_anteprima", instance<frmFatture>, "cmdAnteprima", "TfrmAnteprimaFat", "", nullptr, {}});
    cases.push_back({"document_pdf", instance<frmFatture>, "cmdPDF", "TfrmCrea_PDF_Fat", "", nullptr, {}});

    // The price-list picker of each invoice line fills that line only.
    for (int line = 1; line <= InvoiceLineCount; ++line) {
        const QString nn = QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
        cases.push_back({"article_fat_art_" + nn, instance<frmFatture>, "impMag" + nn, "TfrmTrovaServizi",
                         "fat_art_" + nn, ChooseFirstLine,
                         {{"txtCodice" + nn, "VAC01"}, {"txtDesc" + nn, "Vaccino trivalente"}, {"txtPrezzo" + nn, "25,00"}},
                         [page = (line - 1) / 5 + 1] { frmFatture->showPage(page); }});
    }
    return cases;
}

class HandBack : public ShellWindows, public ::testing::WithParamInterface<HandBackCase> {
protected:
    void SetUp() override
    {
        ShellWindows::SetUp();
        writeBytes(sp.file(OwnerArchiveName), recordOf(OwnerRecordLayout(), Owner).bytes());
        writeBytes(sp.file(AnimalArchiveName), recordOf(AnimalRecordLayout(), Animal).bytes());
        writeBytes(sp.file(PriceListArchiveName), recordOf(PriceListItemRecordLayout(), Article).bytes());
        writeBytes(sp.file(HealthCertificateArchiveName), recordOf(HealthCertificateLayout(), Certificate).bytes());
        writeBytes(sp.file(VaccinationCertificateArchiveName),
                   recordOf(VaccinationCertificateLayout(), Certificate).bytes());
        writeBytes(sp.file(SurgeryConsentArchiveName), recordOf(SurgeryConsentLayout(), Certificate).bytes());
        writeBytes(sp.file(MovementCertificateArchiveName),
                   recordOf(MovementCertificateLayout(), Certificate).bytes());
        writeBytes(sp.file(SicknessCertificateArchiveName), recordOf(SicknessCertificateLayout(), Certificate).bytes());
        writeBytes(sp.file(DeathCertificateArchiveName), recordOf(DeathCertificateLayout(), Certificate).bytes());
        writeBytes(sp.file(EuthanasiaAuthorizationArchiveName),
                   recordOf(EuthanasiaAuthorizationLayout(), Certificate).bytes());
        writeBytes(sp.file("2026.fat"), recordOf(InvoiceRecordLayout(), Invoice).bytes());
        writeBytes(AppointmentArchivePath(sp.folder(), QStringLiteral("2026")),
                   recordOf(AppointmentRecordLayout(), Appointment).bytes() +
                       recordOf(AppointmentRecordLayout(),
                                with(Appointment, {{"Nome", "Max"}, {"Dettagli", "B richiamo"},
                                                   {"DaConfermare", "No"}, {"Effettuata", "Sì"}}))
                           .bytes());
        // The invoice card works on the year that the menu chose.
        frmFatture->lblFile->setText(sp.file("2026.fat"));
        frmFatture->lblAnno->setText(QStringLiteral("2026"));
    }
};

TEST_P(HandBack, ThePickersChoiceFillsTheCallersControls)
{
    const HandBackCase &c = GetParam();
    QWidget *caller = c.caller();
    caller->show();
    ASSERT_TRUE(WaitActive(caller));
    if (c.prepare)
        c.prepare();

    QStringList pickers;
    sp.onModal = [&](QWidget *w) {
        pickers << w->metaObject()->className();
        if (pickers.last() != QLatin1String(c.picker))
            return;
        EXPECT_EQ(w->parentWidget(), caller) << "the caller owns its picker";
        if (!c.tag.isEmpty()) {
            auto *memory = w->findChild<QLabel *>(QStringLiteral("lblMemory"));
            ASSERT_NE(memory, nullptr);
            EXPECT_EQ(text(memory->text()), text(c.tag));
        }
        if (!c.caption.isEmpty()) {
            EXPECT_EQ(text(w->windowTitle()), text(c.caption));
        }
        if (c.choice) {
            c.choice(w);
            EXPECT_FALSE(w->isVisible()) << "the choice closes the picker";
        }
    };
    QWidget *command = caller->findChild<QWidget *>(c.command);
    ASSERT_NE(command, nullptr) << c.command.toStdString();
    if (auto *edit = qobject_cast<QLineEdit *>(command)) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_5);
    } else {
        click(command);
    }
    sp.onModal = nullptr;
    EXPECT_EQ(text(pickers), c.picker);

    if (!c.then.isEmpty())
        click(caller->findChild<QWidget *>(c.then));
    for (const auto &[control, expected] : c.filled) {
        QWidget *w = caller->findChild<QWidget *>(control);
        ASSERT_NE(w, nullptr) << control.toStdString();
        EXPECT_EQ(w->window(), caller) << control.toStdString();
        EXPECT_EQ(text(ControlText(w)), text(expected)) << control.toStdString();
    }
    EXPECT_TRUE(sp.messages().isEmpty()) << sp.messages().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tags, HandBack, ::testing::ValuesIn(HandBackCases()),
                         [](const auto &info) { return testName(info.param.name); });

} // namespace
