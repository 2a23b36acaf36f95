#pragma once
#include "dialogs/ReturnToLauncher.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

// A certificate card of class Card over its own program folder, with a stand-in launcher to return
// to; show() shows it as the menu does.
template <typename Card>
class CertificateCardFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
        card = std::make_unique<Card>();
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }
    void show()
    {
        card->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    }
    QLineEdit *e(const QString &field) const { return card->edit(field); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void fill(const std::map<QString, QString> &fields)
    {
        for (const auto &[field, value] : fields)
            e(field)->setText(value);
    }

    ScriptedPlatform sp;
    QWidget launcher;
    std::unique_ptr<Card> card;
};
