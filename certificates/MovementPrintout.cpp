// The movement certificate's printout: the twelve values over a picture of the official bilingual
// form, which is drawn here in sheet millimetres.
#include "certificates/CertificatePrintout.h"

#include <QPainter>

namespace {

using Kind = CertificatePrintObject::Kind;

// The picture's box on the sheet and its pixels: fitted to the box's width, it covers 190 x 271 mm.
const QRectF PictureBox(10.0, 10.0, 190.0, 275.0);
constexpr QSize PicturePixels(1201, 1713);

// The form's grid, in millimetres from the sheet's corner.
constexpr double Left = 14.0, Middle = 104.8, Right = 195.7;
constexpr double TableTop = 54.0, Row2 = 64.1, Row3 = 74.5, Box7Top = 89.9, Row5 = 104.9, TableBottom = 120.3;
constexpr double FrameBottom = 252.7;

// A value object: Arial 8 bold, one line unless it wraps from the top of its box.
CertificatePrintObject value(const char *name, QRectF mm, ReportHAlign align, bool wraps = false)
{
    CertificatePrintObject o = PrintText(name, mm, 8, PrintFace::Bold, "", align);
    o.text = QStringLiteral("{%1}").arg(QLatin1String(name));
    if (wraps) {
        o.wordWrap = true;
        o.vAlign = ReportVAlign::Top;
    }
    return o;
}

QFont arial(bool bold, bool italic)
{
    QFont f(QStringLiteral("Arial"));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// The painter draws in sheet millimetres; fonts are given in points (1 pt = 0.3528 mm).
void write(QPainter &p, const QRectF &mm, const QString &text, double points, bool bold = false, bool italic = false,
           int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap)
{
    p.save();
    // Fonts are laid out at 10x their size in tenths of a millimetre, so small text keeps its shape.
    constexpr double Up = 10.0;
    p.scale(1 / Up, 1 / Up);
    // A size in pixels of this scaled painter, whatever the device's resolution.
    QFont f = arial(bold, italic);
    f.setPixelSize(qRound(points * 0.3528 * Up));
    p.setFont(f);
    p.drawText(QRectF(mm.topLeft() * Up, mm.size() * Up), flags, text);
    p.restore();
}

// A box's number and its caption, Italian then English, in the box's upper part.
void caption(QPainter &p, double left, double top, double width, const QString &text)
{
    write(p, QRectF(left + 1.0, top + 0.7, width - 2.0, 5.0), text, 6.5);
}

void dots(QPainter &p, double from, double to, double y)
{
    QPen pen(Qt::black, 0.3, Qt::DotLine);
    p.setPen(pen);
    p.drawLine(QPointF(from, y), QPointF(to, y));
}

} // namespace

QImage MovementFormPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Sheet millimetres: the picture's top-left corner is the box's, its width the box's.
    const double scale = size.width() / PictureBox.width();
    p.scale(scale, scale);
    p.translate(-PictureBox.topLeft());
    p.setPen(QPen(Qt::black, 0.25));

    // The title block, in both languages.
    write(p, QRectF(Left, 15.0, Right - Left, 6.0), QStringLiteral("ITALIA / ITALY"), 9, true, false,
          Qt::AlignHCenter | Qt::AlignTop);
    write(p, QRectF(Left, 21.0, Right - Left, 10.0),
          QStringLiteral("CERTIFICATO SANITARIO PER IL MOVIMENTO A CARATTERE NON COMMERCIALE DI ANIMALI DA COMPAGNIA "
                         "DA PAESI TERZI VERSO L'ITALIA"),
          9, true, false, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    write(p, QRectF(Left, 31.0, Right - Left, 10.0),
          QStringLiteral("HEALTH CERTIFICATE FOR THE NON-COMMERCIAL MOVEMENT OF PET ANIMALS FROM THIRD COUNTRIES "
                         "INTO ITALY"),
          9, true, true, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    write(p, QRectF(Left, 42.0, Right - Left, 10.0),
          QString::fromUtf8("(animali elencati nell'allegato I, parte B, del Regolamento (UE) n. 576/2013 / "
                            "pet animals listed in Annex I, part B, of Regulation (EU) No 576/2013)"),
          7, false, false, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);

    // The table of the nine numbered boxes.
    p.setPen(QPen(Qt::black, 0.35));
    p.drawRect(QRectF(QPointF(Left, TableTop), QPointF(Right, TableBottom)));
    p.drawLine(QPointF(Middle, TableTop), QPointF(Middle, TableBottom));
    for (double y : {Row2, Row3, Row5})
        p.drawLine(QPointF(Left, y), QPointF(Right, y));
    p.drawLine(QPointF(Middle, Box7Top), QPointF(Right, Box7Top));
    const double half = Middle - Left;
    caption(p, Left, TableTop, half, QStringLiteral("1. Numero del certificato / Certificate number"));
    caption(p, Middle, TableTop, Right - Middle,
            QString::fromUtf8("3. Identificazione dell'animale (nome, microchip o tatuaggio) / Animal's"));
    write(p, QRectF(Middle + 1.0, 59.6, 13.0, 4.0), QStringLiteral("identity:"), 6.5, false, false,
          Qt::AlignLeft | Qt::AlignVCenter);
    caption(p, Left, Row2, half, QStringLiteral("2. Specie / Species"));
    caption(p, Middle, Row2, Right - Middle, QStringLiteral("4. Sesso / Sex"));
    write(p, QRectF(Left + 1.0, Row3 + 0.7, half - 2.0, 10.0),
          QStringLiteral("5. Numero del certificato CITES (ove applicabile) /\nCITES certificate number (where "
                         "applicable)"),
          6.5);
    caption(p, Middle, Row3, Right - Middle, QStringLiteral("6. Proprietario dell'animale / Owner of the animal"));
    write(p, QRectF(Middle + 1.0, Box7Top + 0.7, Right - Middle - 2.0, 9.0),
          QStringLiteral("7. Data di nascita (se conosciuta) /\nDate of birth (where known)"), 6.5);
    caption(p, Left, Row5, half, QStringLiteral("8. Indirizzo di origine / Address of origin"));
    caption(p, Middle, Row5, Right - Middle, QStringLiteral("9. Indirizzo di destinazione / Destination address"));

    // The attestation, the validity sentence and the lines to fill, in a frame of their own.
    p.setPen(QPen(Qt::black, 0.35));
    p.drawRect(QRectF(QPointF(Left, TableBottom), QPointF(Right, FrameBottom)));
    const double text = Right - Left - 4.0;
    write(p, QRectF(Left + 2.0, 124.0, text, 9.0),
          QString::fromUtf8("10. Il sottoscritto veterinario ufficiale o autorizzato certifica che, al momento "
                            "dell'esame clinico, l'animale descritto ai punti da 1 a 9:"),
          7.5, true);
    write(p, QRectF(Left + 2.0, 132.5, text, 9.0),
          QStringLiteral("I, the undersigned official or authorised veterinarian, certify that at the time of the "
                         "clinical examination the animal described in points 1 to 9:"),
          7.5, false, true);
    const char *const points[][2] = {
        {"a) non presenta segni clinici di malattie infettive e diffusive;",
         "does not show any clinical sign of infectious and diffusive diseases;"},
        {"b) è idoneo a essere trasportato fino alla destinazione finale;",
         "is fit to be transported to its final destination;"},
        {"c) non proviene da zone soggette a restrizioni di polizia sanitaria.",
         "does not come from an area subject to animal-health restrictions."},
    };
    double y = 143.0;
    for (const auto &point : points) {
        write(p, QRectF(Left + 6.0, y, text - 4.0, 4.5), QString::fromUtf8(point[0]), 7.5);
        write(p, QRectF(Left + 10.0, y + 4.2, text - 8.0, 4.5), QString::fromUtf8(point[1]), 7.5, false, true);
        y += 10.0;
    }
    write(p, QRectF(Left + 2.0, 176.0, text, 4.5),
          QString::fromUtf8("Il presente certificato è valido per 10 giorni dalla data del rilascio."), 7.5, true);
    write(p, QRectF(Left + 2.0, 180.5, text, 4.5),
          QStringLiteral("This certificate is valid for 10 days from the date of issue."), 7.5, false, true);

    // Place and date.
    write(p, QRectF(Left + 2.0, 202.5, 29.0, 4.0), QStringLiteral("Fatto a / Done at"), 7.5, false, false,
          Qt::AlignLeft | Qt::AlignBottom);
    dots(p, 44.0, 91.0, 206.6);
    write(p, QRectF(104.0, 202.5, 11.5, 4.0), QStringLiteral("Il / on"), 7.5, false, false,
          Qt::AlignLeft | Qt::AlignBottom);
    dots(p, 116.0, 162.0, 206.6);

    // The stamp circle at the left.
    p.setPen(QPen(Qt::black, 0.3));
    p.drawEllipse(QPointF(40.0, 232.0), 13.0, 13.0);
    write(p, QRectF(27.0, 229.5, 26.0, 5.0), QStringLiteral("Timbro / Stamp"), 6.5, false, false, Qt::AlignCenter);

    // The signature and the name and qualification in capitals, at the right.
    write(p, QRectF(106.0, 214.0, 88.0, 8.0),
          QStringLiteral("Firma del veterinario ufficiale o autorizzato /\nSignature of the official or authorised "
                         "veterinarian"),
          6.5);
    dots(p, 108.0, 194.0, 236.7);
    write(p, QRectF(106.0, 238.6, 88.0, 8.0),
          QStringLiteral("Nome e qualifica (in lettere maiuscole) /\nName and qualification (in capital letters)"),
          6.5);
    dots(p, 108.0, 194.0, 251.3);

    // The footnotes below the frame.
    const char *const notes[] = {
        "(1) Il certificato è compilato in italiano e in inglese. / The certificate is completed in Italian and "
        "English.",
        "(2) Il certificato accompagna l'animale fino alla destinazione. / The certificate accompanies the animal to "
        "its destination.",
        "(3) Da compilare in stampatello. / To be completed in capital letters.",
    };
    y = 255.0;
    for (const char *note : notes) {
        write(p, QRectF(Left, y, Right - Left, 4.0), QString::fromUtf8(note), 6);
        y += 4.0;
    }
    return image;
}

std::vector<CertificatePrintObject> MovementCertificatePrintout()
{
    constexpr auto Centre = ReportHAlign::Center;
    constexpr auto Flush = ReportHAlign::Left;
    CertificatePrintObject form{"picSfondo", Kind::Picture, PictureBox};
    form.picture = [] { return MovementFormPicture(PicturePixels); };
    return {
        form,
        value("txtNum", QRectF(15.0, 59.6, 88.7, 4.0), Centre),
        value("txtNomeAni", QRectF(119.0, 59.6, 84.7, 4.0), Flush),
        value("txtSpecie", QRectF(15.0, 69.9, 88.7, 4.0), Centre),
        value("txtSessoAni", QRectF(105.8, 70.0, 89.0, 4.0), Centre),
        value("txtProprietario", QRectF(107.0, 80.0, 86.7, 9.0), Flush, true),
        value("txtCites", QRectF(16.0, 86.0, 86.7, 18.0), Flush, true),
        value("txtDataNascAni", QRectF(105.8, 100.0, 89.0, 4.0), Centre),
        value("txtOrigine", QRectF(16.0, 110.2, 86.7, 9.2), Flush, true),
        value("txtDestinazione", QRectF(107.0, 110.2, 86.7, 9.2), Flush, true),
        value("txtLuogo", QRectF(45.0, 202.0, 57.0, 4.0), Flush),
        value("txtData", QRectF(117.0, 202.0, 55.0, 4.0), Flush),
        value("txtVeterinario", QRectF(108.0, 247.6, 86.0, 3.8), Flush),
    };
}
