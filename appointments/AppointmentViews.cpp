#include "appointments/AppointmentViews.h"

#include "appointments/AppointmentRecord.h"
#include "common/Cp1252.h"
#include "common/Record.h"
#include "common/Text.h"
#include "dialogs/Guida.h"

QByteArray AppointmentSortKey(const Record &appointment)
{
    static const RecordLayout &layout = AppointmentRecordLayout();
    static const int data = layout.indexOf(QStringLiteral("Data"));
    static const int day = layout.indexOf(QStringLiteral("Giorno"));
    static const int hour = layout.indexOf(QStringLiteral("OreApp"));
    static const int minute = layout.indexOf(QStringLiteral("MinutiApp"));
    return ToCp1252(MidChars(appointment.text(data), 4, 2) + appointment.text(day) + appointment.text(hour) +
                    appointment.text(minute));
}

ExcelExportDefinition AppointmentGridExport(AppointmentGridSetup setup)
{
    ExcelExportDefinition d;
    d.objectName = setup.objectName;
    d.caption = setup.caption;
    d.fileName = setup.fileName;
    d.sheetName = setup.sheetName;
    d.layout = &AppointmentRecordLayout();
    d.columns = {
        {"colData", "Data scadenza", 150, true, "Data", "Data scadenza", 150},
        {"colOraApp", "Ora appuntamento", 150, true, "Ora", "Ora appuntamento", 150},
        {"colProprietario", "Proprietario", 250, true, "Proprietario", "Proprietario", 250},
        {"colCodFisc", "Codice fiscale", 180, true, "CodFisc", "Codice fiscale", 200},
        {"colRecapito", "Telefono preferenziale", 250, true, "Recapito", "Telefono preferenziale", 250},
        {"colNome", "Nome animale", 250, true, "Nome", "Nome animale", 250},
        {"colDataNasc", "Data nascita", 180, true, "DataNasc", "Data nascita", 200},
        {"colRazza", "Razza", 250, true, "Razza", "Razza", 250},
        {"colMantello", "Colore mantello", 250, true, "Mantello", "Colore mantello", 250},
        {"colMicrochip", "Codice microchip", 200, true, "Microchip", "Codice microchip", 250},
        {"colSegni", "Segni particolari", 250, true, "Segni", "Segni particolari", 300},
        {"colPersona", "Persona da incontrare", 250, true, "Persona", "Persona da incontrare", 250},
        {"colDettagli", "Causale scadenza", 300, true, "Dettagli", "Causale scadenza", 300},
        {"colOfficina", "Modalit\u00e0 di pagamento", 300, false, "Officina", "Modalit\u00e0 di pagamento", 300},
        {"colCosto", "Importo in euro", 180, false, "Costo", "Importo in euro", 200},
        {"colContatto", "Estremi ricevuta", 250, false, "Contatto", "Estremi ricevuta", 250},
        {"colDaConfermare", "Appuntamento da confermare", 200, false, "DaConfermare", "Appuntamento da confermare",
         250},
        {"colEffettuata", "Pagamento effettuato", 200, false, "Effettuata", "Pagamento effettuato", 250},
        {"colNote", "Note", 300, true, "Note", "Note", 300},
    };
    if (setup.selected) {
        d.columns.push_back({"colCodice", "Codice univoco", 150, false, nullptr, "Codice univoco", 150, false,
                             AppointmentSortKey});
        d.selected = std::move(setup.selected);
        d.sortColumn = QStringLiteral("colCodice");
    }
    d.helpTitle = setup.helpTitle;
    d.helpText = setup.helpText;
    d.showHelp = ShowHelp;
    return d;
}

QString AppointmentViewsHelpTitle() { return QStringLiteral("Visualizzazione scadenze e appuntamenti."); }

QStringList AppointmentViewsHelpParagraphs()
{
    return {
        QStringLiteral("L'elenco delle scadenze imminenti si apre con il pulsante OK della pagina iniziale "
                       "dell'applicazione Scadenze e Appuntamenti. Il pulsante è attivo soltanto quando "
                       "nell'archivio dell'anno in corso ci sono scadenze imminenti, segnalate anche dall'immagine "
                       "rossa \"Ci sono scadenze\" e da un avviso sonoro."),
        QStringLiteral("Una scadenza compare fra quelle imminenti a partire dal numero di giorni di preavviso "
                       "indicato nella sua scheda e fino al giorno stesso della scadenza. Per questo l'elenco può "
                       "mostrare anche scadenze ancora lontane, se per esse è stato chiesto un preavviso lungo."),
        QStringLiteral("Sotto il calendario della pagina iniziale si trovano due pulsanti: Scadenze del giorno "
                       "mostra tutte le voci della data selezionata sul calendario, Scadenze del mese tutte quelle "
                       "del mese a cui la data appartiene. Per cambiare giorno o mese basta selezionare un'altra "
                       "data prima di premere il pulsante."),
        QStringLiteral("In ogni elenco le voci sono ordinate per data e per ora, dalla più vicina alla più lontana, "
                       "qualunque sia l'ordine in cui sono state registrate in archivio. La colonna N. indica la "
                       "posizione di ciascuna voce nell'ordine di registrazione."),
        QStringLiteral("L'elenco visualizzato può essere esportato in un foglio di lavoro di Microsoft Excel con "
                       "l'apposita icona: il file viene scritto nella cartella del programma e può essere aperto "
                       "subito rispondendo di sì alla domanda che segue."),
    };
}
