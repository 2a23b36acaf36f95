#include "common/Messages.h"

#include "common/IniFile.h"

QString ArchiveAccessMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

QString PrintFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di stampare il documento.\n\r\n\r"
                          "Accertarsi che la stampante sia collegata e disponibile.");
}

QString PreviewFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di visualizzare l'anteprima di stampa.");
}

QString PdfFailureMessage(const QString &fileName)
{
    return QStringLiteral("Attenzione: il sistema non permette di creare il file ") + fileName +
           QStringLiteral(".\n\r\n\rAccertarsi che il documento non sia già aperto.");
}

QString SettingsWriteFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di salvare le impostazioni nel file ") + SettingsFileName +
           QStringLiteral(".\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}
