#include "common/ui/CheckDialog.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/ui/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// The heading picture: the dialog's icon at the left, its title in bold navy beside it.
QPixmap Heading(QSize size, qreal (*drawIcon)(QPainter &, qreal), const QString &title)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    const qreal textLeft = drawIcon(p, h);

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(8, int(h * 0.42)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(CheckColors::Navy);
    p.drawText(QRectF(textLeft, 0, size.width() - textLeft, h), Qt::AlignVCenter | Qt::AlignLeft, title);
    return pm;
}

} // namespace

CheckDialog::CheckDialog(QWidget *parent, const Look &look) : QDialog(parent)
{
    BuildWhenNeeded(this, [this, look] {
        // FormCreate.
        setObjectName(look.name);
        ApplyFormatSettings();
        setWindowTitle(look.caption);
        const int width = look.client.width();
        const int height = look.client.height();
        MakeFixedWindow(this, width, height);
        SetGradientBackground(this, CheckColors::Pale, Qt::white);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(12, 8, width - 24, 64);
        DrawOnFirstShow(this, [this, drawIcon = look.drawIcon, title = look.title] {
            imgLogo->setPixmap(Heading(imgLogo->size(), drawIcon, title));
        });

        lblTitolo = MakeNamed<QLabel>(this, QStringLiteral("lblTitolo"), look.prompt);
        lblTitolo->setGeometry(18, 76, width - 36, 32);
        lblTitolo->setWordWrap(true);

        const int buttonWidth = 112;
        const int buttonLeft = width - 18 - buttonWidth;
        shape = MakeNamed<QWidget>(this, look.shapeName);
        shape->setGeometry(14, 112, buttonLeft - 14 - 12, 56);
        SetGradientBackground(shape, CheckColors::Blue, CheckColors::Sky);

        edit = MakeNamed<QLineEdit>(this, look.editName);
        edit->setGeometry(shape->geometry().adjusted(8, 8, -8, -8));
        QFont editFont(QStringLiteral("Courier New"), 20, look.boldEdit ? QFont::Bold : QFont::Normal);
        editFont.setStyleHint(QFont::TypeWriter);
        edit->setFont(editFont);
        ApplyEditRules(edit, look.rules);

        btnControlla = MakeNamed<QPushButton>(this, QStringLiteral("btnControlla"), QStringLiteral("Controlla"));
        btnControlla->setGeometry(buttonLeft, 120, buttonWidth, 40);
        btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
        btnChiudi->setGeometry(buttonLeft, height - 56, buttonWidth, 36);

        EnterMovesTo(edit, btnControlla);
        CenterWindow(this);

        connect(btnControlla, &QPushButton::clicked, this, &CheckDialog::btnControllaClick);
        connect(btnChiudi, &QPushButton::clicked, this, &CheckDialog::btnChiudiClick);
    });
}

void CheckDialog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    edit->setFocus(Qt::OtherFocusReason);
}

void CheckDialog::btnChiudiClick() { close(); }

void CheckDialog::warnAndRetry(const QString &text)
{
    ShowNotice(NoticeKind::Warning, text);
    edit->setFocus(Qt::OtherFocusReason);
}

void CheckDialog::giveVerdict(NoticeKind kind, const QString &text)
{
    ShowNotice(kind, text);
    accept();
}
