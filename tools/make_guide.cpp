// Writes the user guide "Guida.pdf" from the launcher's general help: a title page, the
// introduction with the contents, then one chapter per application with its illustration. Run at build time as
//   make_guide <output path>
// under the offscreen platform. The file is written through a QSaveFile, so a failure leaves any
// previous guide whole; the exit status is non-zero on failure.

#include "dialogs/Artwork.h"
#include "common/ui/Look.h"
#include "shell/HelpTexts.h"
#include "common/Maker.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

const QString GuideTitle = QStringLiteral("Tavoren \u2014 Guida all'utilizzo del software");
using Look::Navy;
using Look::Blue;
using Look::Sky;
using Look::Slate;

constexpr int Dpi = 300;
constexpr qreal MarginMm = 20;

// A chapter: its heading, the range of help paragraphs it holds (1-based, inclusive) and, for the
// six applications, the illustration shown beside the text.
struct Chapter {
    QString title;
    int first;
    int last;
    std::optional<Artwork::Application> picture;
};

const std::vector<Chapter> &chapters()
{
    using A = Artwork::Application;
    static const std::vector<Chapter> list = {
        {QStringLiteral("Introduzione"), 1, 1, std::nullopt},
        {QStringLiteral("Anagrafica proprietari"), 2, 11, A::Owners},
        {QStringLiteral("Anagrafica animali"), 12, 25, A::Animals},
        {QStringLiteral("Certificati e consensi"), 26, 40, A::Certificates},
        {QStringLiteral("Scadenze e appuntamenti"), 41, 49, A::Appointments},
        {QStringLiteral("Tariffario prodotti e servizi"), 50, 54, A::PriceList},
        {QStringLiteral("Fatture proforma"), 55, 61, A::Invoices},
        {QStringLiteral("Statistiche degli incassi"), 62, 65, std::nullopt},
        {QStringLiteral("Informazioni generali"), 66, 70, std::nullopt},
    };
    return list;
}

// The illustrations of the six applications, drawn once at three times their launcher size so
// they stay sharp when printed. A transparent margin at the left and the bottom keeps the text
// that flows around an illustration off its edge. The title page and the chapters share them, so
// the PDF holds each image once.
constexpr int PhotoScale = 3;
constexpr int PhotoWidth = 226 * PhotoScale;
constexpr int PhotoHeight = 196 * PhotoScale;
constexpr int PadLeft = 14 * PhotoScale;
constexpr int PadBottom = 8 * PhotoScale;

QPixmap photo(Artwork::Application app)
{
    static QHash<int, QPixmap> cache;
    const int key = int(app);
    if (!cache.contains(key)) {
        QPixmap padded(PadLeft + PhotoWidth, PhotoHeight + PadBottom);
        padded.fill(Qt::transparent);
        QPainter p(&padded);
        p.drawPixmap(PadLeft, 0, Artwork::ApplicationPhoto(app, QSize(PhotoWidth, PhotoHeight)));
        p.end();
        cache.insert(key, padded);
    }
    return cache.value(key);
}

qreal mm(qreal millimetres)
{
    return millimetres * Dpi / 25.4;
}

QString pictureUrl(int chapter)
{
    return QStringLiteral("guida:figura%1").arg(chapter);
}

// The body as HTML: the introduction with the contents under it, then one chapter per page.
// `pages` gives the page number of each chapter for the contents (zeros on the first pass, which
// only measures).
QString bodyHtml(const QStringList &paragraphs, const std::vector<int> &pages)
{
    const auto &list = chapters();
    QString html = QStringLiteral("<html><body>");
    for (size_t i = 0; i < list.size(); ++i) {
        const Chapter &c = list[i];
        html += QStringLiteral("<h1 style=\"%1color:#1f4e79; font-size:20pt; margin-bottom:10pt;\">%2</h1>")
                    .arg(i == 0 ? QString() : QStringLiteral("page-break-before:always; "),
                         c.title.toHtmlEscaped());
        if (c.picture)
            html += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" align=\"right\" />")
                        .arg(pictureUrl(int(i)))
                        .arg((PadLeft + PhotoWidth) / PhotoScale)
                        .arg((PhotoHeight + PadBottom) / PhotoScale);
        for (int n = c.first; n <= c.last; ++n)
            html += QStringLiteral("<p style=\"margin-bottom:8pt;\" align=\"justify\">%1</p>")
                        .arg(paragraphs.at(n - 1).toHtmlEscaped());
        if (i == 0) {
            html += QStringLiteral("<h2 style=\"color:#1f4e79; font-size:15pt; margin-top:24pt; "
                                   "margin-bottom:8pt;\">Indice</h2>"
                                   "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\">");
            for (size_t k = 0; k < list.size(); ++k)
                html += QStringLiteral("<tr><td style=\"font-size:12pt;\">%1</td>"
                                       "<td align=\"right\" style=\"font-size:12pt;\">%2</td></tr>")
                            .arg(list[k].title.toHtmlEscaped())
                            .arg(pages[k]);
            html += QStringLiteral("</table>");
        }
    }
    html += QStringLiteral("</body></html>");
    return html;
}

// The page (0-based within the body) on which each chapter's heading falls.
std::vector<int> chapterPages(QTextDocument &doc, qreal pageHeight)
{
    std::vector<int> pages;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() != 1)
            continue;
        const qreal top = doc.documentLayout()->blockBoundingRect(b).top();
        pages.push_back(int((top + 1) / pageHeight));
    }
    return pages;
}

void drawTitlePage(QPainter &p, const QRectF &page)
{
    // A soft band at the top with the title.
    const QRectF band(0, 0, page.width(), mm(95));
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(0xdd, 0xeb, 0xf7));
    g.setColorAt(1, Qt::white);
    p.fillRect(band, g);
    p.fillRect(QRectF(0, 0, page.width(), mm(6)), Navy);

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPointSizeF(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Navy);
    p.drawText(QRectF(0, mm(30), page.width(), mm(28)), Qt::AlignCenter, QStringLiteral("Tavoren"));

    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPointSizeF(22);
    p.setFont(subtitle);
    p.setPen(Blue);
    p.drawText(QRectF(0, mm(60), page.width(), mm(14)), Qt::AlignCenter,
               QStringLiteral("Guida all'utilizzo del software"));
    p.setPen(QPen(Sky, mm(0.5)));
    p.drawLine(QPointF(page.width() / 2 - mm(45), mm(80)), QPointF(page.width() / 2 + mm(45), mm(80)));

    // The six applications, as on the launcher.
    using A = Artwork::Application;
    const A apps[] = {A::Owners, A::Animals, A::Certificates, A::Appointments, A::PriceList, A::Invoices};
    const QSizeF photoSize(mm(50), mm(50) * 196 / 226);
    const QSizeF button(mm(54), mm(54) * 38 / 308);
    const qreal gap = mm(8);
    const qreal rowWidth = 3 * button.width() + 2 * gap;
    for (int i = 0; i < 6; ++i) {
        const qreal cx = (page.width() - rowWidth) / 2 + (i % 3) * (button.width() + gap) + button.width() / 2;
        const qreal top = mm(100) + (i / 3) * (photoSize.height() + button.height() + mm(12));
        const QRectF pr(cx - photoSize.width() / 2, top, photoSize.width(), photoSize.height());
        const qreal k = pr.width() / PhotoWidth;
        p.drawPixmap(pr.adjusted(-PadLeft * k, 0, 0, PadBottom * k), photo(apps[i]), QRectF());
        const QRectF br(cx - button.width() / 2, pr.bottom() + mm(2), button.width(), button.height());
        p.drawPixmap(br, Artwork::ApplicationButton(apps[i], br.size().toSize()), QRectF());
    }

    // The maker at the foot.
    const QSizeF logo(mm(70), mm(70) * 380 / 625);
    const QRectF lr((page.width() - logo.width()) / 2, page.height() - mm(28) - logo.height(),
                    logo.width(), logo.height());
    p.drawPixmap(lr, Artwork::MakerLogo(lr.size().toSize()), QRectF());
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPointSizeF(10);
    p.setFont(small);
    p.setPen(Slate);
    p.drawText(QRectF(0, lr.bottom() + mm(4), page.width(), mm(8)), Qt::AlignCenter,
               MakerWebAddress + QStringLiteral("  \u2022  ") + MakerEmail);
}

void drawFrame(QPainter &p, const QRectF &page, int number)
{
    p.fillRect(QRectF(0, 0, page.width(), mm(3)), Navy);
    const qreal y = page.height() - mm(MarginMm) + mm(4);
    p.setPen(QPen(Sky, mm(0.3)));
    p.drawLine(QPointF(mm(MarginMm), y), QPointF(page.width() - mm(MarginMm), y));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(9);
    p.setFont(f);
    p.setPen(Slate);
    const QRectF text(mm(MarginMm), y + mm(1.5), page.width() - 2 * mm(MarginMm), mm(6));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, GuideTitle);
    p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(number));
}

bool writeGuide(QIODevice *out)
{
    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(Dpi);
    writer.setTitle(GuideTitle);
    writer.setCreator(QStringLiteral("Tavoren"));

    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    // The text area; the footer sits in the bottom margin.
    const QRectF body(mm(MarginMm), mm(MarginMm), page.width() - 2 * mm(MarginMm),
                      page.height() - 2 * mm(MarginMm));
    const qreal bodyHeight = body.height();

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(body.width(), bodyHeight));
    const auto &list = chapters();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].picture)
            doc.addResource(QTextDocument::ImageResource, QUrl(pictureUrl(int(i))), photo(*list[i].picture));
    }

    const QStringList paragraphs = GeneralHelpParagraphs();
    // First pass measures where the chapters fall; the second writes their page numbers.
    doc.setHtml(bodyHtml(paragraphs, std::vector<int>(list.size(), 0)));
    std::vector<int> pages = chapterPages(doc, bodyHeight);
    if (pages.size() != list.size())
        return false;
    for (int &n : pages)
        n += 2; // the title page comes first
    doc.setHtml(bodyHtml(paragraphs, pages));

    QPainter p;
    if (!p.begin(&writer))
        return false;
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    drawTitlePage(p, page);
    const int count = doc.pageCount();
    for (int i = 0; i < count; ++i) {
        if (!writer.newPage())
            return false;
        drawFrame(p, page, i + 2);
        p.save();
        p.translate(body.left(), body.top() - i * bodyHeight);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = QRectF(0, i * bodyHeight, body.width(), bodyHeight);
        p.setClipRect(ctx.clip);
        doc.documentLayout()->draw(&p, ctx);
        p.restore();
    }
    return p.end();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_guide <output path>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "make_guide: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    if (!writeGuide(&file)) {
        file.cancelWriting();
        std::fprintf(stderr, "make_guide: the guide could not be drawn\n");
        return 1;
    }
    if (!file.commit()) {
        std::fprintf(stderr, "make_guide: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
