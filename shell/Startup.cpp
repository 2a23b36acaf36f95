#include "shell/Startup.h"

#include "animals/ExpCani.h"
#include "animals/CostiCane.h"
#include "animals/TrovaCani.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/ExpAutorizzazioni_Eutanasia.h"
#include "certificates/ExpCertificati_Decesso.h"
#include "certificates/ExpCertificati_Malattia.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/MenuCertificati.h"
#include "certificates/TrovaAutorizzazioni_Eutanasia.h"
#include "certificates/TrovaCertificati_Decesso.h"
#include "certificates/TrovaCertificati_Malattia.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "owners/Carta.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/Iban.h"
#include "owners/Privacy.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "dialogs/AllegaCartella.h"
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
    using T = std::remove_pointer_t<std::remove_reference_t<decltype(Global)>>;
    return {[] { Global = new T(); }, [] {
                delete Global;
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
    Window<frmTrovaCani>(),      // 18 animal search
    Window<frmExpCani>(),        // 19 animal export
    Window<frmCostiCane>(),      // 22 animal cost register
    Window<frmMenuCertificati>(),       // 53 certificates menu
    Window<frmCertificato_Sanitario>(), // 54 health certificate card
    Window<frmCalendario>(),     // 55 date picker
    Window<frmNumerazioneDoc>(), // 56 certificate numbering
    Window<frmTrovaCertificati_Sanitari>(), // 57 health certificate search
    Window<frmExpCertificati_Sanitari>(),   // 58 health certificate export
    Window<frmCertificato_Malattia>(),      // 62 sickness certificate card
    Window<frmTrovaCertificati_Malattia>(), // 63 sickness certificate search
    Window<frmExpCertificati_Malattia>(),   // 64 sickness certificate export
    Window<frmCertificato_Decesso>(),       // 65 death certificate card
    Window<frmTrovaCertificati_Decesso>(),  // 66 death certificate search
    Window<frmExpCertificati_Decesso>(),    // 67 death certificate export
    Window<frmAutorizzazione_Eutanasia>(),       // 68 euthanasia authorisation card
    Window<frmTrovaAutorizzazioni_Eutanasia>(),  // 69 euthanasia authorisation search
    Window<frmExpAutorizzazioni_Eutanasia>(),    // 70 euthanasia authorisation export
    Window<frmPrivacy>(),        // 77 privacy-notice document
};

} // namespace

void CreateStartupWindows()
{
    RegisterLauncher([]() -> QWidget * { return frmAvvio; });
    for (const StartupWindow &w : StartupTable)
        w.create();
}

void DestroyStartupWindows()
{
    for (auto it = std::rbegin(StartupTable); it != std::rend(StartupTable); ++it)
        it->destroy();
}
