#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The hidden labels of a card that keep its three attachments.
struct AttachmentLabels {
    std::array<QLabel *, 3> files{};
    std::array<QLabel *, 3> descriptions{};
};

// The attachment labels of any card that has the arrays `lblFile` and `lblDesc` ("lblFile01"..);
// all null when there is no card.
template <typename Card>
AttachmentLabels AttachmentLabelsOf(Card *card)
{
    if (!card)
        return {};
    return {card->lblFile, card->lblDesc};
}

// Makes a card's six hidden attachment labels "lblFile01".."lblFile03" and "lblDesc01"..
// "lblDesc03" (plain text, never shown) into its arrays.
void MakeAttachmentLabels(QWidget *parent, std::array<QLabel *, 3> &files, std::array<QLabel *, 3> &descriptions);

// The attach-files dialog: copies up to three files into "Documenti_Allegati" and hands their
// names and descriptions back to the card that the tag names.
class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    QLabel *imgLogo;
    QLabel *lblCampo01;
    QLabel *lblCampo02;
    QLabel *lblCampo03;
    QLabel *lblCampo04;
    QLabel *lblCampo05;
    QLabel *lblCampo06;
    QWidget *shpFile01;
    QWidget *shpFile02;
    QWidget *shpFile03;
    QLineEdit *txtFile01;
    QLineEdit *txtFile02;
    QLineEdit *txtFile03;
    QPushButton *btnSfoglia01;
    QPushButton *btnSfoglia02;
    QPushButton *btnSfoglia03;
    QPushButton *btnApri01;
    QPushButton *btnApri02;
    QPushButton *btnApri03;
    ClickLabel *imgCancella01;
    ClickLabel *imgCancella02;
    ClickLabel *imgCancella03;
    QLineEdit *txtDesc01;
    QLineEdit *txtDesc02;
    QLineEdit *txtDesc03;
    QPushButton *btnAnnulla;
    QPushButton *btnApplica;
    QLabel *lblMemory;

public slots:
    void btnSfoglia01Click();
    void btnSfoglia02Click();
    void btnSfoglia03Click();
    void btnApri01Click();
    void btnApri02Click();
    void btnApri03Click();
    void imgCancella01Click();
    void imgCancella02Click();
    void imgCancella03Click();
    void txtFile01Change();
    void txtFile02Change();
    void txtFile03Change();
    void btnApplicaClick(); // AttachmentsHandBack
    void btnAnnullaClick();

private:
    void attachFile(QLineEdit *file);
    void openAttachment(QLineEdit *file);
};

extern WindowHandle<TfrmAllegaCartella> frmAllegaCartella;

// The name under which an attachment is kept, in the slot and in "Documenti_Allegati" alike: the
// file-name part of the text only (never a folder), trimmed, Windows-1252 characters only (any
// other becomes "_"), at most 250 characters.
QString AttachmentFileName(const QString &text);

// The card that an attach-files tag names (compared after trimming). "clienti" names the owner
// card; the other cards register their tag with a function that finds their labels.
void RegisterAttachmentTarget(const QString &tag, std::function<AttachmentLabels()> findLabels);

// How a card opens the attach-files dialog: owned by the card, with the card's tag and the trimmed
// texts of its attachment labels in the edits, shown modally and destroyed when it closes.
void OpenAttachFiles(QWidget *card, const QString &tag, const AttachmentLabels &labels);
