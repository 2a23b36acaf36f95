#include "common/ui/WindowBuild.h"

#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList built;

// A window in two layers, as the shared windows and their descendants are: the descendant's
// build uses a control that the base builds.
class BaseWindow : public QWidget {
public:
    explicit BaseWindow(QWidget *parent = nullptr) : QWidget(parent)
    {
        BuildWhenNeeded(this, [this] {
            built << QStringLiteral("base");
            edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("txtBase"));
        });
    }
    QLineEdit *edit = nullptr;
};

class DerivedWindow : public BaseWindow {
public:
    explicit DerivedWindow(QWidget *parent = nullptr) : BaseWindow(parent)
    {
        BuildWhenNeeded(this, [this] {
            built << QStringLiteral("derived");
            edit->setText(QStringLiteral("pronto"));
        });
    }
};

WindowHandle<DerivedWindow> frmDerived;

class WindowBuild : public ::testing::Test {
protected:
    void SetUp() override { built.clear(); }
    void TearDown() override
    {
        delete frmDerived.unbuilt();
        frmDerived = nullptr;
    }
    void createAtStartUp()
    {
        DeferWindowBuilds later;
        frmDerived = new DerivedWindow();
    }
};

TEST_F(WindowBuild, AWindowCreatedAtStartUpBuildsInLayerOrderWhenFirstReached)
{
    createAtStartUp();
    EXPECT_TRUE(built.isEmpty());
    EXPECT_EQ(frmDerived.unbuilt()->findChild<QLineEdit *>(), nullptr);

    // Every way of reaching the window through its global builds it first, once.
    EXPECT_EQ(frmDerived->edit->text(), QStringLiteral("pronto"));
    EXPECT_EQ(built, QStringList({QStringLiteral("base"), QStringLiteral("derived")}));
    QWidget *asWidget = frmDerived;
    EXPECT_EQ(asWidget, frmDerived.unbuilt());
    EXPECT_EQ(built.size(), 2);
}

TEST_F(WindowBuild, ShowingAWindowNotYetBuiltBuildsItFirst)
{
    createAtStartUp();
    DerivedWindow *raw = frmDerived.unbuilt();
    raw->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(raw));
    EXPECT_EQ(built.size(), 2);
    ASSERT_NE(raw->edit, nullptr);
    EXPECT_TRUE(raw->edit->isVisible());
    EXPECT_EQ(raw->edit->text(), QStringLiteral("pronto"));
}

TEST_F(WindowBuild, OutsideStartUpAndForControlsBuildingIsImmediate)
{
    DerivedWindow window;
    EXPECT_EQ(built.size(), 2);
    EXPECT_EQ(window.edit->text(), QStringLiteral("pronto"));

    // A widget inside another never waits, even while start-up windows are being created.
    built.clear();
    DeferWindowBuilds later;
    DerivedWindow inner(&window);
    EXPECT_EQ(built.size(), 2);
    EXPECT_EQ(inner.edit->text(), QStringLiteral("pronto"));
}

TEST_F(WindowBuild, ABuildThatReachesItsOwnWindowRunsOnce)
{
    int runs = 0;
    {
        DeferWindowBuilds later;
        frmDerived = new DerivedWindow();
        BuildWhenNeeded(frmDerived.unbuilt(), [&runs] {
            ++runs;
            frmDerived->edit->setText(QStringLiteral("di nuovo"));
        });
    }
    EXPECT_EQ(frmDerived->edit->text(), QStringLiteral("di nuovo"));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(built.size(), 2);
}

TEST_F(WindowBuild, AWindowNeverBuiltGoesWithoutBuilding)
{
    createAtStartUp();
    QPointer<QWidget> window = frmDerived.unbuilt();
    delete frmDerived.unbuilt();
    frmDerived = nullptr;
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(built.isEmpty());
    EXPECT_EQ(frmDerived.get(), nullptr);
}

} // namespace
