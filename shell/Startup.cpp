#include "shell/Startup.h"

#include "common/Dates.h"
#include "common/ui/WindowBuild.h"

#include "animals/Cani.h"
#include "animals/CreaRTF.h"
#include "animals/ExpCani.h"
#include "animals/StampaCane.h"
#include "animals/Zoom.h"
#include "animals/CostiCane.h"
#include "animals/TrovaCani.h"
#include "appointments/Scadenzario.h"
#include "appointments/Confermati.h"
#include "appointments/DaConfermare.h"
#include "appointments/ExpGiornaliere.h"
#include "appointments/ExpImminenti.h"
#include "appointments/ExpMensili.h"
#include "appointments/ExpScadenzario.h"
#include "appointments/NonConfermati.h"
#include "appointments/TrovaScadenzario.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "certificates/ExpAutorizzazioni_Eutanasia.h"
#include "certificates/ExpCertificati_Decesso.h"
#include "certificates/ExpCertificati_Malattia.h"
#include "certificates/ExpCertificati_Movimento.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/ExpCertificati_Vaccinazione.h"
#include "certificates/ExpConsensi_Interventi.h"
#include "certificates/MenuCertificati.h"
#include "certificates/TrovaAutorizzazioni_Eutanasia.h"
#include "certificates/TrovaCertificati_Decesso.h"
#include "certificates/TrovaCertificati_Malattia.h"
#include "certificates/TrovaCertificati_Movimento.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "certificates/TrovaCertificati_Vaccinazione.h"
#include "certificates/TrovaConsensi_Interventi.h"
#include "owners/Carta.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/Iban.h"
#include "owners/Privacy.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "pricelist/ExpServizi.h"
#include "pricelist/Giacenza.h"
#include "invoices/DatiVeicolo.h"
#include "invoices/Logo.h"
#include "invoices/Numerazione.h"
#include "pricelist/Servizi.h"
#include "pricelist/Sottoscorta.h"
#include "pricelist/StampaServizi.h"
#include "pricelist/TrovaServizi.h"
#include "dialogs/AllegaCartella.h"
#include "invoices/Fatture.h"
#include "invoices/MenuFatture.h"
#include "invoice_reports/Riepiloghi.h"
#include "invoice_reports/Sospese.h"
#include "invoice_reports/ExpFatture.h"
#include "invoice_reports/Statistiche.h"
#include "invoice_reports/TrovaFatture.h"
#include "invoice_reports/StampaFat.h"
#include "invoice_reports/AnteprimaFat.h"
#include "invoice_reports/Crea_PDF_Fat.h"
#include "shell/Avvio.h"
#include "dialogs/Calendario.h"
#include "shell/CambiaPassword.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "shell/Info.h"
#include "dialogs/NumerazioneDoc.h"
#include "dialogs/PartitaIVA.h"
#include "dialogs/ReturnToLauncher.h"
#include "shell/Password.h"
#include "shell/Splash.h"

#include <QCoreApplication>
#include <QEvent>

#include <type_traits>

namespace {

struct StartupWindow {
    void (*create)();
    void (*destroy)();
};

// One entry per window class: creates its single instance into the global, and deletes it again.
template <auto &Global>
constexpr StartupWindow Window()
{
    using T = std::remove_pointer_t<decltype(Global.unbuilt())>;
    return {[] { Global = new T(); },
            [] {
                delete Global.unbuilt();
                Global = nullptr;
            }};
}

// The fixed creation order; the login window comes first and is the main window.
const StartupWindow StartupTable[] = {
    Window<frmPassword>(),       // 1 login
    Window<frmAvvio>(),          // 2 launcher
    Window<frmCambiaPassword>(), // 3 password change
    Window<frmGuida>(),          // 4 help
    Window<frmInfo>(),           // 5 about
    Window<frmSplash>(),         // 6 maker's logo
    Window<frmCodFisc>(),        // 7 tax-code check
    Window<frmPartitaIva>(),     // 8 VAT-number check
    Window<frmCarta>(),          // 9 payment-card check
    Window<frmIban>(),           // 10 IBAN check
    Window<frmClienti>(),        // 11 owner card
    Window<frmAllegaCartella>(), // 12 attach-files dialog
    Window<frmTrovaClienti>(),   // 13 owner search
    Window<frmExpClienti>(),     // 14 owner export
    Window<frmRicontatta>(),     // 15 owners to recontact
    Window<frmCani>(),           // 16 animal card
    Window<frmZoom>(),           // 17 photo zoom
    Window<frmTrovaCani>(),      // 18 animal search
    Window<frmExpCani>(),        // 19 animal export
    Window<frmStampaCane>(),     // 20 animal printout
    Window<frmCreaRTF>(),        // 21 animal RTF document
    Window<frmCostiCane>(),      // 22 animal cost register
    Window<frmScadenzario>(),    // 23 appointment card
    Window<frmExpImminenti>(),   // 24 imminent entries
    Window<frmExpGiornaliere>(), // 25 entries of the day
    Window<frmExpMensili>(),     // 26 entries of the month
    Window<frmExpScadenzario>(), // 27 export of the year's appointments
    Window<frmConfermati>(),     // 28 unpaid entries
    Window<frmNonConfermati>(),  // 29 paid entries
    Window<frmTrovaScadenzario>(), // 30 appointment search
    Window<frmDaConfermare>(),   // 31 appointments to confirm
    Window<frmServizi>(),        // 32 price-list card
    Window<frmGiacenza>(),       // 33 stock update
    Window<frmSottoscorta>(),    // 34 low-stock list
    Window<frmExpServizi>(),     // 35 price-list export
    Window<frmTrovaServizi>(),   // 36 price-list search
    Window<frmStampaServizi>(),  // 37 price-list card printout
    Window<frmMenuFatture>(),    // 38 invoices menu
    Window<frmFatture>(),        // 39 invoice card
    Window<frmStatistiche>(),    // 40 takings chart
    Window<frmLogo>(),           // 41 logo dialog
    Window<frmNumerazione>(),    // 42 invoice numbering
    Window<frmDatiVeicolo>(),    // 43 additional information
    Window<frmSospese>(),        // 44 invoices subject to VAT
    Window<frmExpFatture>(),     // 45 invoice export
    Window<frmRiepAnnuale>(),    // 46 yearly summary
    Window<frmRiepMensile>(),    // 47 monthly summary
    Window<frmRiepTrimestrale>(), // 48 quarterly summary
    Window<frmTrovaFatture>(),   // 49 invoice search
    Window<frmStampaFat>(),      // 50 invoice printing
    Window<frmAnteprimaFat>(),   // 51 invoice print preview
    Window<frmCrea_PDF_Fat>(),   // 52 invoice PDF
    Window<frmMenuCertificati>(),       // 53 certificates menu
    Window<frmCertificato_Sanitario>(), // 54 health certificate card
    Window<frmCalendario>(),     // 55 date picker
    Window<frmNumerazioneDoc>(), // 56 certificate numbering
    Window<frmTrovaCertificati_Sanitari>(), // 57 health certificate search
    Window<frmExpCertificati_Sanitari>(),   // 58 health certificate export
    Window<frmCertificato_Vaccinazione>(),  // 59 vaccination certificate card
    Window<frmTrovaCertificati_Vaccinazione>(), // 60 vaccination certificate search
    Window<frmExpCertificati_Vaccinazione>(),   // 61 vaccination certificate export
    Window<frmCertificato_Malattia>(),      // 62 sickness certificate card
    Window<frmTrovaCertificati_Malattia>(), // 63 sickness certificate search
    Window<frmExpCertificati_Malattia>(),   // 64 sickness certificate export
    Window<frmCertificato_Decesso>(),       // 65 death certificate card
    Window<frmTrovaCertificati_Decesso>(),  // 66 death certificate search
    Window<frmExpCertificati_Decesso>(),    // 67 death certificate export
    Window<frmAutorizzazione_Eutanasia>(),       // 68 euthanasia authorisation card
    Window<frmTrovaAutorizzazioni_Eutanasia>(),  // 69 euthanasia authorisation search
    Window<frmExpAutorizzazioni_Eutanasia>(),    // 70 euthanasia authorisation export
    Window<frmConsenso_Intervento>(),       // 71 surgery consent card
    Window<frmTrovaConsensi_Interventi>(),  // 72 surgery consent search
    Window<frmExpConsensi_Interventi>(),    // 73 surgery consent export
    Window<frmConsenso_Privacy>(),              // 74 movement certificate card
    Window<frmTrovaCertificati_Movimento>(),    // 75 movement certificate search
    Window<frmExpCertificati_Movimento>(),      // 76 movement certificate export
    Window<frmPrivacy>(),        // 77 privacy-notice document
};

} // namespace

void CreateStartupWindows()
{
    RegisterLauncher([]() -> QWidget * { return frmAvvio; });
    // Qt's own controls speak Italian from the first window on, whichever is built first.
    ApplyFormatSettings();
    {
        // Each window builds its controls when the program first needs it.
        DeferWindowBuilds later;
        for (const StartupWindow &w : StartupTable)
            w.create();
    }
    // Every widget asks to be polished on the next turn of the event loop, and polishing a window
    // not yet built would build it. The start-up windows are hidden, and showing a window polishes
    // it, so the requests are dropped: each window is built and styled when it is first needed.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

void DestroyStartupWindows()
{
    for (auto it = std::rbegin(StartupTable); it != std::rend(StartupTable); ++it)
        it->destroy();
}
