#pragma once
#include "certificates/CertificateType.h"
#include "common/report/PreparedReport.h"

#include <QImage>
#include <functional>
#include <vector>

class QWidget;

// The printouts of the certificate cards. A type's printout is a table of objects on one A4 page
// without margins; Print and Preview copy the card's edits (read by name, whatever the card's
// class) into its texts, prepare the page and print or show it. They read nothing but the edits on
// screen and change nothing; a failure is reported in the framework's error box.

// The builders of the objects of the types' printouts: a text in Arial at `points` in a face, with
// its words (UTF-8, "{txtF}" standing for the edit txtF), a rectangle filled with one colour, a line.
enum class PrintFace { Plain, Bold, Italic };
CertificatePrintObject PrintText(const char *name, QRectF mm, double points, PrintFace face, const char *words,
                                 ReportHAlign align = ReportHAlign::Left);
CertificatePrintObject PrintBand(const char *name, QRectF mm, const QColor &fill);
CertificatePrintObject PrintLine(const char *name, QPointF from, QPointF to);

// The page frame with the practice header that the health, vaccination, sickness, death and
// euthanasia printouts share: the practice's name and three header lines beside the emblem, and
// the four rules that frame the body.
const std::vector<CertificatePrintObject> &CertificatePageFrame();

// The emblem of the certificate printouts: a black caduceus over a light-blue cross, 320 x 324.
QImage CertificateEmblemPicture();

// The text a printout object prints: `text` with each "{txtF}" replaced by `editText("txtF")`.
// Replaced values are never read again, so braces typed on the card print as typed.
QString ComposeCertificateText(const QString &text, const std::function<QString(const QString &)> &editText);

// Building blocks of the printouts' tables: a text (its words with "{txtF}" fields), a filled
// rectangle, and a line from one point to another.
CertificatePrintObject CertificateText(const char *name, QRectF mm, double points, const char *words,
                                       ReportHAlign align = ReportHAlign::Left, bool bold = false,
                                       bool italic = false);
CertificatePrintObject CertificateFilled(const char *name, QRectF mm, const QColor &fill);
CertificatePrintObject CertificateLine(const char *name, QPointF from, QPointF to);

// The health certificate's objects: the page frame, then its own, in reading order.
std::vector<CertificatePrintObject> HealthCertificatePrintout();
// The surgery consent's objects: the page frame, then its own, in reading order.
std::vector<CertificatePrintObject> SurgeryConsentPrintout();
// The vaccination certificate's objects: the page frame, then its own, in reading order.
std::vector<CertificatePrintObject> VaccinationCertificatePrintout();
// The movement certificate's objects: the picture of the official form and its twelve values.
std::vector<CertificatePrintObject> MovementCertificatePrintout();
// The official form of the movement certificate, drawn at the size asked (190 x 271 mm in its
// proportions).
QImage MovementFormPicture(QSize size);

// The type's printout filled from the trimmed texts of the card's edits, prepared as one page.
// Throws TavorenError when the card lacks an edit that the printout names.
PreparedReport PrepareCertificate(const QWidget *card, const CertificateType &type);

// The card's Print (after the print dialog) and Preview commands.
void PrintCertificate(QWidget *card, const CertificateType &type);
void PreviewCertificate(QWidget *card, const CertificateType &type);
