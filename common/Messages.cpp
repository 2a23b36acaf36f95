#include "common/Messages.h"

#include "common/IniFile.h"
#include "common/Text.h"

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

QString UnstorableCharMessage(const QString &caption, char32_t character)
{
    const QString shown = QString::fromUcs4(&character, 1);
    const QString code = QStringLiteral("U+") + UpperText(QStringLiteral("%1").arg(uint(character), 4, 16, QLatin1Char('0')));
    return QString::fromUtf8("Attenzione: il campo \"%1\" contiene il carattere \"%2\" (%3), che non può essere "
                             "memorizzato.\n\r\n\rPer poter salvare è necessario sostituirlo o eliminarlo.")
        .arg(caption, shown, code);
}

QString NumberTooLongMessage(const QString &where, int capacity)
{
    return QString::fromUtf8("Attenzione: il numero indicato nel campo %1 supera i %2 caratteri che l'archivio può "
                             "contenere.\n\r\n\rPer poter salvare la scheda è necessario correggerlo.")
        .arg(where)
        .arg(capacity);
}
