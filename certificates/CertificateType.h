#pragma once
#include "common/ArchiveSearch.h"
#include "common/Record.h"
#include "common/report/ReportObjects.h"
#include "common/ui/ExcelExport.h"
#include "common/ui/SearchWindow.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QList>
#include <QRectF>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// How an edit of a certificate card takes the keyboard.
enum class CertificateInput {
    Plain,      // anything, up to the field's capacity
    UpperCase,  // trimmed and upper-cased at every typed key
    UpperCaseKeepBlanks,  // upper-cased at every typed key, blanks kept where typed
    TaxCode,    // letters and digits only, upper-cased
    Date,       // read-only: the date picker fills it, Backspace and Delete empty it
};

// The picture command that stands at the right of an edit.
enum class CertificateEditCommand { None, ImportOwner, ImportAnimal, CheckTaxCode };

// One edit of a certificate card. Its control is "txt" + the field's name unless `control` names
// it otherwise. Table order is the tab order and the order of the Enter chain.
struct CertificateEdit {
    const char *field;
    const char *caption;
    int x;       // left edge in its band
    int row;     // row of the band's grid
    int width;
    CertificateInput input = CertificateInput::Plain;
    CertificateEditCommand command = CertificateEditCommand::None;
    const char *control = nullptr;
    QColor rest = Qt::white;  // the edit's colour while it has not the focus
    QColor colour{};  // the text colour of the edit and its caption, where it is not the default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString captionName{};  // the caption's name where it is not "tit" + the field
};

// The same edit with its text centred (numbers, dates and one-letter sexes).
CertificateEdit Centred(CertificateEdit edit);
// The same edit with its caption named `lblCampo` + `number` in three digits ("lblCampo008").
CertificateEdit CaptionNumbered(CertificateEdit edit, int number);

// What a band of the card shows besides its edits.
enum class CertificateBandKind {
    Header,       // the logo and the practice header
    Title,        // the title picture
    Fields,       // edits only
    Owner,        // edits beside the owner icon
    Animal,       // edits beside the animal icon
    Declaration,  // the declaration and the signature box, below the band's edits if it has any
    Own,          // edits at the left, the type's own controls (`ownControls`) beside them
};

// A horizontal band of the card, top to bottom.
struct CertificateBand {
    CertificateBandKind kind;
    int height;
    QList<CertificateEdit> edits{};
};

// A settings key of "Intestazione Studio" and the record field whose edit it fills.
struct HeaderKey {
    const char *key;
    const char *field;
};

// A field Save refuses to leave empty and the end of its warning.
struct RequiredPhrase {
    const char *field;
    QString phrase;
};

// A value that clearing the card puts into a field (empty unless a type presets it).
struct ClearValue {
    const char *field;
    QString value;
};

// One object of a certificate printout, on an A4 page in millimetres from its top left corner.
// A text's `text` is printed as it is, except that each "{txtF}" in it stands for the trimmed
// text of the card's edit txtF.
struct CertificatePrintObject {
    enum class Kind { Text, Line, Rectangle, Picture };
    const char *name;
    Kind kind;
    QRectF mm;
    QString text{};
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    ReportHAlign hAlign = ReportHAlign::Left;
    ReportVAlign vAlign = ReportVAlign::Center;
    bool wordWrap = false;
    std::optional<QColor> fill{};
    QImage (*picture)() = nullptr;  // a picture's image, drawn when the page is prepared
    QString (*value)(const QWidget *card) = nullptr;  // a text read from the card otherwise than from an edit
};

// The search window of a type: its caption, criteria, list line and printout title.
struct CertificateSearch {
    QString objectName;
    QString caption;
    std::array<CriterionSetup, 10> criteria{};
    ListLineRecipe listLine{};
    QString printTitle;
};

// The export window of a type: its file, worksheet and columns.
struct CertificateExport {
    QString objectName;
    QString caption;
    QString fileName;
    QString sheetName;
    std::vector<ExportColumn> columns{};
    QString helpTitle;
    QString helpData;  // what the help says is exported ("i dati dei certificati sanitari ...")
    QString helpText{};  // the whole help text where the type words its own; empty: the shared one
};

// Everything one certificate type says of itself. The card, search, export and printout windows
// run any type; a type adds code only where it truly differs.
struct CertificateType {
    QString contextTag;      // handed to the pickers, the numbering dialog and the searches
    QString menuTag;         // the route the certificates menu writes for it
    QString objectName;      // the card window's name ("frmCertificato_Sanitario")
    QString caption;         // the card window's caption, beginning with a blank
    QString archiveName;
    const RecordLayout *layout = nullptr;
    QList<HeaderKey> headerKeys{};       // read when shown, written when closed; kept by New
    QString numberingSection;            // holds "Inizio"
    QList<CertificateBand> bands{};      // the card, top to bottom
    QString title;                       // the title picture's words
    // The declaration picture's Italian words and its English words, line by line ('\n' between
    // lines): each Italian line shows with its English line under it.
    QString declaration;
    QString declarationEnglish;
    // A photograph at the right of the declaration band, where the type shows one: its control's
    // name and its picture.
    const char *photoName = nullptr;
    QPixmap (*photo)(QSize size) = nullptr;
    // The words of the signature box, whoever signs the document.
    QString signature = QStringLiteral("FIRMA DEL VETERINARIO");
    QString signatureEnglish = QStringLiteral("VETERINARIAN'S SIGNATURE");
    QList<RequiredPhrase> required{};    // checked by Save in this order
    QString dateMessage;                 // the warning of a date that does not exist
    QList<ClearValue> clearValues{};     // what clearing presets (every other edit is emptied)
    const char *clearFocus = nullptr;    // the field focused after clearing, New included
    CertificateSearch search{};
    CertificateExport exportWindow{};
    QString printName;                   // the report template's name
    std::vector<CertificatePrintObject> printout{};
    // What the card's search, export, preview and print commands run, given the card; a type
    // without one does nothing on that command.
    std::function<void(QWidget *card)> openSearch{};
    std::function<void(QWidget *card)> openExport{};
    std::function<void(QWidget *card)> preview{};
    std::function<void(QWidget *card)> print{};
    // Where a type has controls of its own (the death card's choice): made on its band of kind
    // Own once the band's edits exist, set by clearing after the presets, and set from every
    // record put on the card.
    std::function<void(QWidget *band)> ownControls{};
    std::function<void(QWidget *card)> ownClear{};
    std::function<void(QWidget *card, const Record &record)> ownShow{};

    // The tag of the date picker: the context tag + "_data".
    QString dateTag() const { return contextTag + QStringLiteral("_data"); }
};

// The health certificate: "Certificati_Sanitari.pro", tag "certificato_sanitario".
const CertificateType &HealthCertificateType();
// The rabies vaccination certificate: "Certificati_Vaccinazione.pro", tag "certificato_vaccinazione".
const CertificateType &VaccinationCertificateType();
// The certificate for the non-commercial movement of pets: "Certificati_Movimento.pro", tag
// "certificato_movimento", menu tag "consenso_privacy".
const CertificateType &MovementCertificateType();

// The consent to anaesthesia and surgery: "Consensi_Interventi.pro", tag "consenso_intervento".
const CertificateType &SurgeryConsentType();

// What every type whose record begins with the shared base declares alike: the six keys of the
// practice header, and the bands of the header, of the document's number, date, place and
// veterinarian (the number under its own caption), of the owner and of the animal.
QList<HeaderKey> PracticeHeaderKeys();
CertificateBand PracticeHeaderBand();
CertificateBand IssueBand(const char *numberCaption);
CertificateBand OwnerBand();
CertificateBand AnimalBand();
// Save's nine required fields of those types, the document named in three of the warnings
// ("certificato", "consenso all'intervento chirurgico", "autorizzazione": the article elided before a
// vowel), and the warning of a date that does not exist, which names the document alike.
QList<RequiredPhrase> PracticeRequired(const QString &document);
QString InvalidDateMessage(const QString &document);

// The name of the edit that shows a field on every card: "txt" + the field, except the owner's
// street, whose edit is spelled with a lower-case i.
QString CertificateEditName(const CertificateEdit &edit);
