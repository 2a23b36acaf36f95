#include "common/ui/SearchWindow.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/CardPanel.h"

#include "common/Guard.h"
#include "common/ui/LineList.h"
#include "common/ui/Look.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <stdexcept>

namespace {

// The colour of the wait line and the count, which the suite's palette does not hold.
const QColor DarkCyan(0x00, 0x8b, 0x8b);

constexpr int Margin = 16;
constexpr int ColumnGap = 21;
constexpr int CriteriaTop = 100;
constexpr int RowPitch = 58;
constexpr int CaptionHeight = 20;
constexpr int EditHeight = 30;

} // namespace

namespace {

// Every search window shows its results under the banner "RISULTATI DI RICERCA".
ListWindowSetup withResultsBanner(const SearchWindowSetup &setup)
{
    ListWindowSetup s = setup;
    s.banner = SearchResultsBanner;
    return s;
}

} // namespace

SearchWindow::SearchWindow(const SearchWindowSetup &setup, QWidget *parent)
    : ListWindow(withResultsBanner(setup), parent), countOpening_(setup.countOpening)
{
    BuildWhenNeeded(this, [this, setup] {
        panContainer->hide();

        panAvvio = MakeNamed<QFrame>(this, QStringLiteral("panAvvio"));
        panAvvio->setGeometry(panContainer->geometry());
        panAvvio->setFrameShape(QFrame::StyledPanel);
        SetGradientBackground(panAvvio, Qt::white, Look::Pale);

        const QFont lineFont = Look::Verdana(10);
        const int textLeft = Margin + 70;
        const int textWidth = PanelWidth - textLeft - Margin;
        imgAvvio = MakeNamed<QLabel>(panAvvio, QStringLiteral("imgAvvio"));
        imgAvvio->setGeometry(Margin, 14, 60, 60);
        DrawPictureOnFirstShow(imgAvvio, MagnifierPicture);
        lblRigo04 =
            MakePanelLabel(panAvvio, QStringLiteral("lblRigo04"),
                           QString::fromUtf8("Immettere nei campi prescelti una o più parole consecutive presenti "
                                             "nelle schede da trovare e premere il pulsante Cerca."),
                           QRect(textLeft, 6, textWidth, 42), lineFont);
        lblRigo05 = MakePanelLabel(panAvvio, QStringLiteral("lblRigo05"),
                                   QStringLiteral("Lasciare in bianco tutti gli altri campi."),
                                   QRect(textLeft, 50, textWidth, 20), lineFont);
        lblRigo06 = MakePanelLabel(
            panAvvio, QStringLiteral("lblRigo06"),
            QString::fromUtf8("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."),
            QRect(textLeft, 72, textWidth, 20), lineFont);

        // The criteria: narrow ones two to a row, wide ones across the panel.
        QLabel **captions[CriterionCount] = {&lblCampo01, &lblCampo02, &lblCampo03, &lblCampo04, &lblCampo05,
                                             &lblCampo06, &lblCampo07, &lblCampo08, &lblCampo09, &lblCampo10};
        const QFont captionFont = Look::Verdana(10, true);
        const QFont editFont = Look::Verdana(12, true);
        const int fullWidth = PanelWidth - 2 * Margin;
        const int halfWidth = (fullWidth - ColumnGap) / 2;
        int row = 0;
        int column = 0;
        for (int i = 0; i < CriterionCount; ++i) {
            const CriterionSetup &c = setup.criteria[size_t(i)];
            fields_[size_t(i)] = setup.layout->indexOf(QLatin1String(c.field));
            if (fields_[size_t(i)] < 0)
                throw std::logic_error(std::string("no field named ") + c.field);
            if (c.wide && column != 0) {
                ++row;
                column = 0;
            }
            const int left = Margin + column * (halfWidth + ColumnGap);
            const int width = c.wide ? fullWidth : halfWidth;
            const int top = CriteriaTop + row * RowPitch;
            *captions[i] =
                MakePanelLabel(panAvvio, QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                               QString::fromUtf8(c.caption), QRect(left, top, width, CaptionHeight), captionFont);
            auto *edit = MakeNamed<QLineEdit>(panAvvio, QString::fromLatin1(c.edit));
            edit->setGeometry(left + 4, top + CaptionHeight + 4, width - 8, EditHeight);
            edit->setFont(editFont);
            criteria_[size_t(i)] = edit;
            highlights_[size_t(i)] = AttachFieldHighlight(edit, QString::fromLatin1(c.highlight));
            if (c.wide || column == 1) {
                ++row;
                column = 0;
            } else {
                column = 1;
            }
        }
        EnterFocusChain(QList<QWidget *>(criteria_.begin(), criteria_.end()));

        lblConta = MakeNamed<QLabel>(panAvvio, QStringLiteral("lblConta"), QStringLiteral("0"));
        lblConta->hide();
        lblMemory = MakeNamed<QLabel>(panAvvio, QStringLiteral("lblMemory"));
        lblMemory->hide();
        btnAnnulla = MakeNamed<QPushButton>(panAvvio, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"));
        btnAnnulla->setGeometry(Margin, 472, 151, 40);
        btnCerca = MakeNamed<QPushButton>(panAvvio, QStringLiteral("btnCerca"), QStringLiteral("Cerca"));
        btnCerca->setGeometry(PanelWidth - Margin - 151, 472, 151, 40);
        lblAttendere = MakePanelLabel(panAvvio, QStringLiteral("lblAttendere"),
                                      QStringLiteral("Ricerca schede in corso. Attendere..."), QRect(184, 480, 466, 24),
                                      captionFont, DarkCyan);
        lblAttendere->setAlignment(Qt::AlignCenter);
        lblAttendere->hide();

        lblTrovate = MakePanelLabel(panContainer, QStringLiteral("lblTrovate"),
                                    QStringLiteral("Il presente elenco contiene 0 schede."), lineBelowList(),
                                    captionFont, DarkCyan);

        MakeEnterButtons({btnAnnulla, btnCerca});
        connect(btnCerca, &QPushButton::pressed, this, [this] {
            lblAttendere->show();
            lblAttendere->repaint();
        });
        connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &SearchWindow::btnAnnullaClick);
    });
}

QString SearchWindow::contextTag() const { return TrimText(lblMemory->text()); }

void SearchWindow::showEvent(QShowEvent *e)
{
    ListWindow::showEvent(e);
    if (!e->spontaneous() && panAvvio->isVisible())
        criteria_[0]->setFocus(Qt::OtherFocusReason);
}

void SearchWindow::done(int result)
{
    lblAttendere->hide();
    ListWindow::done(result);
}

void SearchWindow::btnCercaClick() { ArchiveSearch(); }

void SearchWindow::ArchiveSearch()
{
    RunGuarded(
        [this] {
            QList<SearchCriterion> typed;
            for (int i = 0; i < CriterionCount; ++i)
                typed.append({criteria_[size_t(i)]->text(), fields_[size_t(i)]});
            const CriteriaMatcher matcher(typed);
            lblConta->setText(QString::number(matcher.nonBlankCount()));
            listRecords([&matcher](const Record &record) { return matcher.matches(record); });
            lblTrovate->setText(SearchCountText(countOpening_, lstRecords->count()));
            panAvvio->hide();
            panContainer->show();
            txtTrova->clear();
            txtTrova->setFocus(Qt::OtherFocusReason);
        },
        [] { ShowPlainBox(ArchiveAccessMessage()); });
}

void SearchWindow::btnAnnullaClick() { close(); }

void SearchWindow::exposeCriteria(const std::array<QLineEdit **, CriterionCount> &edits,
                                  const std::array<HighlightRect **, CriterionCount> &highlights) const
{
    for (int i = 0; i < CriterionCount; ++i) {
        *edits[size_t(i)] = criterion(i);
        *highlights[size_t(i)] = highlight(i);
    }
}
