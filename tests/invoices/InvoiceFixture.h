#pragma once
#include "common/IniFile.h"
#include "common/ui/Widgets.h"
#include "dialogs/ReturnToLauncher.h"
#include "invoices/Fatture.h"
#include "invoices/MenuFatture.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QFrame>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The invoices menu and card over their own program folder, with a stand-in launcher.
class InvoiceWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        launcher = std::make_unique<QWidget>();
        RegisterLauncher([this] { return launcher.get(); });
        frmFatture = new TfrmFatture();
        frmMenuFatture = new TfrmMenuFatture();
        card = frmFatture;
        menu = frmMenuFatture;
    }
    void TearDown() override
    {
        delete frmMenuFatture;
        frmMenuFatture = nullptr;
        delete frmFatture;
        frmFatture = nullptr;
        RegisterLauncher([] { return nullptr; });
    }

    // Shows the card on the archive of `year` as the menu would, and waits for it.
    void showCard(const QString &year = QStringLiteral("2026"))
    {
        card->lblFile->setText(archive(year));
        card->lblAnno->setText(year);
        card->show();
        ASSERT_TRUE(WaitActive(card));
    }
    QString archive(const QString &year = QStringLiteral("2026")) const { return sp.file(year + ".fat"); }
    QString settings() const { return sp.file(SettingsFileName); }
    void click(ClickLabel *command) { QTest::mouseClick(command, Qt::LeftButton); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // The one page of lines shown (1 to 6); 0 when none is, -1 when more than one is.
    int visiblePage() const
    {
        int shown = 0;
        for (int p = 0; p < 6; ++p)
            if (card->grpPage[size_t(p)]->isVisible())
                shown = shown ? -1 : p + 1;
        return shown;
    }

    ScriptedPlatform sp;
    std::unique_ptr<QWidget> launcher;
    TfrmFatture *card = nullptr;
    TfrmMenuFatture *menu = nullptr;
};
