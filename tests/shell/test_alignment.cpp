// Every edit and figure that the cards centre or align to the right, in one table; on the
// certificate cards every other edit keeps its text at the left.
#include "ShellFixture.h"

#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "dialogs/NumerazioneDoc.h"
#include "invoice_reports/Riepiloghi.h"
#include "invoices/Fatture.h"
#include "invoices/Numerazione.h"
#include "owners/Clienti.h"
#include "pricelist/Giacenza.h"
#include "pricelist/Servizi.h"

#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Align { Centre, Right };

struct AlignedControls {
    const char *window;
    std::function<QWidget *()> window_;
    std::vector<std::string> controls;
    Align align;
};

// The controls of lines 01 to 30 named `prefix` + the line number.
std::vector<std::string> lines(const std::string &prefix)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 30; ++i)
        names.push_back(prefix + (i < 10 ? "0" : "") + std::to_string(i));
    return names;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The edits of the shared certificate base that every card built on it centres.
const std::vector<std::string> BaseCentred{"txtNum", "txtData", "txtSesso", "txtDataNasc", "txtSessoAni",
                                           "txtDataNascAni"};

Qt::Alignment horizontal(QWidget *w)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->alignment() & Qt::AlignHorizontal_Mask;
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->alignment() & Qt::AlignHorizontal_Mask;
    return {};
}

class Alignment : public ShellWindows {
protected:
    // Windows made here for the test; the main windows are start-up's.
    template <class W>
    std::function<QWidget *()> own()
    {
        return [this] {
            made.emplace_back(new W());
            return made.back().get();
        };
    }
    std::vector<std::unique_ptr<QWidget>> made;
};

TEST_F(Alignment, EveryControlThePartsAlignStandsAsTheyAlignIt)
{
    const std::vector<AlignedControls> table{
        {"TfrmClienti", [] { return frmClienti.get(); }, {"txtDataNasc", "txtSesso"}, Align::Centre},
        {"TfrmCertificato_Sanitario", [] { return frmCertificato_Sanitario.get(); }, BaseCentred, Align::Centre},
        {"TfrmCertificato_Vaccinazione", [] { return frmCertificato_Vaccinazione.get(); },
         BaseCentred + std::vector<std::string>{"txtDataSom", "txtScadeMed"}, Align::Centre},
        {"TfrmConsenso_Privacy", [] { return frmConsenso_Privacy.get(); }, {"txtNum", "txtData", "txtDataNascAni"},
         Align::Centre},
        {"TfrmCertificato_Malattia", [] { return frmCertificato_Malattia.get(); }, BaseCentred, Align::Centre},
        {"TfrmCertificato_Decesso", [] { return frmCertificato_Decesso.get(); },
         BaseCentred + std::vector<std::string>{"txtDataDecesso"}, Align::Centre},
        {"TfrmAutorizzazione_Eutanasia", [] { return frmAutorizzazione_Eutanasia.get(); }, BaseCentred,
         Align::Centre},
        {"TfrmConsenso_Intervento", [] { return frmConsenso_Intervento.get(); }, BaseCentred, Align::Centre},
        {"TfrmServizi", [] { return frmServizi.get(); }, {"txtGiacenza", "txtSottoscorta"}, Align::Centre},
        {"TfrmServizi", [] { return frmServizi.get(); }, {"txtPrezzo", "txtCosto", "txtValore"}, Align::Right},
        {"TfrmGiacenza", own<TfrmGiacenza>(), {"txtGiacenza", "txtAggiunta", "txtTotale"}, Align::Right},
        {"TfrmNumerazioneDoc", own<TfrmNumerazioneDoc>(), {"txtInizio"}, Align::Centre},
        {"TfrmNumerazione", own<TfrmNumerazione>(), {"txtInizio"}, Align::Centre},
        {"TfrmFatture", [] { return frmFatture.get(); },
         std::vector<std::string>{"txtNumFatt", "txtData", "txtPercIva"} + lines("txtQuant") + lines("txtPercSconto"),
         Align::Centre},
        {"TfrmFatture", [] { return frmFatture.get(); },
         std::vector<std::string>{"txtTotImponibile", "txtTotImposta", "txtTotIva", "txtTotEsente", "txtTotFattura"}
             + lines("txtPrezzo") + lines("txtImporto"),
         Align::Right},
        {"TfrmRiepMensile", own<TfrmRiepMensile>(), {"lblTotImponibile", "lblTotImposta", "lblTotEsente", "lblTotale"},
         Align::Right},
    };
    for (const AlignedControls &row : table) {
        QWidget *window = row.window_();
        ASSERT_NE(window, nullptr) << row.window;
        for (const std::string &name : row.controls) {
            SCOPED_TRACE(std::string(row.window) + "." + name);
            auto *control = window->findChild<QWidget *>(QString::fromStdString(name));
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(horizontal(control), row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignRight);
        }
    }

    // The certificate cards centre those edits and no other.
    for (const AlignedControls &row : table) {
        if (std::string(row.window).rfind("TfrmCert", 0) != 0 && std::string(row.window).rfind("TfrmCons", 0) != 0
            && std::string(row.window).rfind("TfrmAut", 0) != 0)
            continue;
        const std::set<std::string> centred(row.controls.begin(), row.controls.end());
        for (QLineEdit *edit : row.window_()->findChildren<QLineEdit *>()) {
            if (!edit->objectName().startsWith("txt"))
                continue;
            SCOPED_TRACE(std::string(row.window) + "." + edit->objectName().toStdString());
            EXPECT_EQ(horizontal(edit), centred.count(edit->objectName().toStdString()) ? Qt::AlignHCenter
                                                                                        : Qt::AlignLeft);
        }
    }
}

} // namespace
