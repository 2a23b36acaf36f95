#pragma once
#include "common/report/PreparedReport.h"
#include "common/ui/ActionPanel.h"
#include "invoice_reports/InvoiceDocument.h"

#include <QImage>
#include <QSize>

class QLabel;

// What an invoice output window's explanatory picture shows beside its texts.
enum class InvoiceOutputDevice { Printer, Preview, PdfFile };

// The face of one invoice output window: sizes, texts and picture.
struct InvoiceOutputSetup {
    QString name;          // the window's object name
    QString caption;
    QSize clientSize;
    QRect ground;          // shpSfondo
    QRect picture;         // imgLogo02
    QRect cancelPlace;     // btnAnnulla
    QRect actionPlace;     // btnStampa
    QString actionButton;
    InvoiceOutputDevice device;
    QString heading;
    QString first;         // the picture's two paragraphs
    QString second;
};

// The explanatory picture of an invoice output window at the size asked: the heading and the two
// paragraphs as drawn text, a person reading and the device beside them.
QPixmap InvoiceOutputPicture(const InvoiceOutputSetup &setup, QSize size);

// The three invoice output windows (print, preview, PDF) are built alike: the picture and two
// buttons, the practice's logo taken when the window is shown, and on the action button their own
// copy of the invoice document filled from the invoice card as it stands. Each does its own last
// step with the prepared page.
class InvoiceOutputWindow : public ActionDialog {
    Q_OBJECT
public:
    InvoiceOutputWindow(QWidget *parent, const InvoiceOutputSetup &setup);

    // Hidden pictures of 297 x 184: the logo the document prints, and the built-in default.
    QLabel *imgLogo;
    QLabel *imgTemp;

    // The window's own template and the document filled from the invoice card as it stands now.
    InvoiceReportTemplate repDocumento;
    PreparedReport PrepareDocument();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow

private:
    // "Logo.bmp" from the program folder into imgLogo, or imgTemp's picture when it cannot be read.
    void loadLogo();
};
