// The program's platform during long work: the busy cursor, the user's clicks, keys and close
// requests held off, the windows still painting with no timer running, and a dialog shown
// meanwhile taking its input as usual.
#include "common/BusyWork.h"
#include "common/ui/QtPlatform.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace {

// Counts the paint events of the widgets it watches.
class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A window with a button and an edit, on the Qt platform for the length of a test.
class QtPlatformDuringWork : public ::testing::Test {
protected:
    void SetUp() override
    {
        installPlatform(&qt);
        auto *layout = new QVBoxLayout(&window);
        button = new QPushButton(QStringLiteral("Cerca"), &window);
        edit = new QLineEdit(&window);
        layout->addWidget(button);
        layout->addWidget(edit);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.installEventFilter(&painted);
        window.show();
        ASSERT_TRUE(WaitActive(&window));
        edit->setFocus();
    }
    void TearDown() override { installPlatform(nullptr); }

    // What the user does: a click on the button, "abc" typed, the window's close button.
    void userActs()
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::sendEvent(&window, &close);
    }

    ScriptedPlatform folder;  // a program folder of its own; the Qt platform replaces it
    QtPlatform qt;
    QWidget window;
    QPushButton *button = nullptr;
    QLineEdit *edit = nullptr;
    PaintCount painted;
    int clicks = 0;
};

} // namespace

TEST_F(QtPlatformDuringWork, InputIsIgnoredWhileTheWindowsStillPaint)
{
    QTimer timer;
    timer.setSingleShot(true);
    int fired = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    {
        const BusyWork work;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        userActs();
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(edit->text(), QString());
        EXPECT_TRUE(window.isVisible());

        timer.start(0);
        const int before = painted.paints;
        window.update();
        platform().paintWhileBusy();
        EXPECT_GT(painted.paints, before);
        EXPECT_EQ(fired, 0) << "no timer runs while the windows repaint";
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(clicks, 0) << "the input of the work is dropped, not put off";
    EXPECT_EQ(edit->text(), QString());

    // Once the work is over, everything goes through again.
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("abc"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->text(), "abc");
    QTest::qWait(1);
    EXPECT_EQ(fired, 1);
}

TEST_F(QtPlatformDuringWork, ADialogDuringTheWorkTakesItsInputWithTheNormalCursor)
{
    const BusyWork work;
    bool normalCursor = false;
    int dialogClicks = 0;
    QDialog dialog;
    auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, [&] {
        ++dialogClicks;
        dialog.accept();
    });
    QTimer::singleShot(0, &dialog, [&] {
        normalCursor = QApplication::overrideCursor() == nullptr;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    platform().showModal(&dialog);
    EXPECT_TRUE(normalCursor);
    EXPECT_EQ(dialogClicks, 1);
    // Back in the work, the cursor is busy and input held off again.
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
}
