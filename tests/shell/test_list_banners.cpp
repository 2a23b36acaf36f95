// The banner over the list panel of the search and list windows: which windows show one, with
// what lettering, and that the panel's rows still stand apart below it.
#include "ShellFixture.h"

#include "animals/CostiCane.h"
#include "animals/TrovaCani.h"
#include "appointments/Confermati.h"
#include "appointments/DaConfermare.h"
#include "appointments/NonConfermati.h"
#include "appointments/TrovaScadenzario.h"
#include "certificates/TrovaAutorizzazioni_Eutanasia.h"
#include "certificates/TrovaCertificati_Decesso.h"
#include "certificates/TrovaCertificati_Malattia.h"
#include "certificates/TrovaCertificati_Movimento.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "certificates/TrovaCertificati_Vaccinazione.h"
#include "certificates/TrovaConsensi_Interventi.h"
#include "common/ui/LineList.h"
#include "common/ui/ListWindow.h"
#include "invoice_reports/Sospese.h"
#include "invoice_reports/TrovaFatture.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "pricelist/Sottoscorta.h"
#include "pricelist/TrovaServizi.h"
#include "tests/support/QStringPrinter.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

struct BannerCase {
    const char *window;
    std::function<ListWindow *()> make;
    const char *banner;  // nullptr: the window has none
};

template <class W>
std::function<ListWindow *()> make()
{
    return [] { return new W(); };
}

const char *const Results = "RISULTATI DI RICERCA";

const BannerCase Cases[] = {
    {"TfrmTrovaClienti", make<TfrmTrovaClienti>(), Results},
    {"TfrmTrovaCani", make<TfrmTrovaCani>(), Results},
    {"TfrmTrovaScadenzario", make<TfrmTrovaScadenzario>(), Results},
    {"TfrmTrovaCertificati_Sanitari", make<TfrmTrovaCertificati_Sanitari>(), Results},
    {"TfrmTrovaCertificati_Vaccinazione", make<TfrmTrovaCertificati_Vaccinazione>(), Results},
    {"TfrmTrovaCertificati_Movimento", make<TfrmTrovaCertificati_Movimento>(), Results},
    {"TfrmTrovaCertificati_Malattia", make<TfrmTrovaCertificati_Malattia>(), Results},
    {"TfrmTrovaCertificati_Decesso", make<TfrmTrovaCertificati_Decesso>(), Results},
    {"TfrmTrovaAutorizzazioni_Eutanasia", make<TfrmTrovaAutorizzazioni_Eutanasia>(), Results},
    {"TfrmTrovaConsensi_Interventi", make<TfrmTrovaConsensi_Interventi>(), Results},
    {"TfrmTrovaServizi", make<TfrmTrovaServizi>(), Results},
    {"TfrmTrovaFatture", make<TfrmTrovaFatture>(), Results},
    {"TfrmSottoscorta", make<TfrmSottoscorta>(), "MATERIALI IN ESAURIMENTO"},
    {"TfrmRicontatta", make<TfrmRicontatta>(), nullptr},
    {"TfrmDaConfermare", make<TfrmDaConfermare>(), nullptr},
    {"TfrmConfermati", make<TfrmConfermati>(), nullptr},
    {"TfrmNonConfermati", make<TfrmNonConfermati>(), nullptr},
    {"TfrmSospese", make<TfrmSospese>(), nullptr},
};

// Whether the picture shows white lettering in the middle of the band.
bool hasLettering(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    for (int x = image.width() / 3; x < 2 * image.width() / 3; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == Qt::white)
                return true;
    return false;
}

class ListBanners : public ShellWindows {};

TEST_F(ListBanners, TheBannerStandsAboveTheInstructionsWhereTheWindowHasOne)
{
    for (const BannerCase &c : Cases) {
        SCOPED_TRACE(c.window);
        std::unique_ptr<ListWindow> w(c.make());
        w->show();
        auto *banner = w->panContainer->findChild<QLabel *>("imgTitolo");
        if (!c.banner) {
            EXPECT_EQ(banner, nullptr);
            continue;
        }
        ASSERT_NE(banner, nullptr);
        EXPECT_EQ(banner, w->imgTitolo);
        EXPECT_EQ(banner->accessibleName(), QString::fromUtf8(c.banner));
        ASSERT_FALSE(banner->pixmap().isNull());
        EXPECT_EQ(banner->pixmap().size(), banner->size());
        EXPECT_TRUE(hasLettering(banner->pixmap()));

        // The rows below the banner keep to the panel, one under the other without touching.
        QList<QWidget *> rows{banner, w->lblRigo01, w->lblRigo02, w->txtTrova};
        rows << w->lstRecords;
        if (w->lblRigo03)
            rows << w->lblRigo03;
        if (auto *count = w->panContainer->findChild<QLabel *>("lblTrovate"))
            rows << count;
        rows << w->btnStampa;
        EXPECT_EQ(w->lstRecords->size(), QSize(801, 273));
        for (int i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(rows[i]->objectName().toStdString());
            EXPECT_TRUE(w->panContainer->rect().contains(rows[i]->geometry()));
            if (i > 0) {
                EXPECT_LT(rows[i - 1]->geometry().bottom(), rows[i]->geometry().top());
            }
        }
        w->close();
    }
}

} // namespace
