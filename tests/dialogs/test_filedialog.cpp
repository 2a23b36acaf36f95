#include "common/ui/QtPlatform.h"
#include "tests/support/FileBytes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Runs `check` on the file dialog once it is open, then closes it.
void WhenTheFileDialogOpens(std::function<void(QFileDialog *)> check)
{
    QTimer::singleShot(0, [check] {
        QFileDialog *dialog = nullptr;
        const bool open = QTest::qWaitFor([&dialog] {
            dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            return dialog != nullptr;
        });
        ASSERT_TRUE(open);
        check(dialog);
        dialog->reject();
    });
}

// The names the dialog lists in `folder`, once it has read it.
QStringList ListedNames(QFileDialog *dialog, const QString &folder)
{
    auto *files = dialog->findChild<QFileSystemModel *>();
    if (!files)
        return {};
    const QModelIndex root = files->index(folder);
    if (!QTest::qWaitFor([&] { return files->rowCount(root) > 0; }))
        return {};
    QStringList names;
    for (int row = 0; row < files->rowCount(root); ++row)
        names << files->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

// A folder with a file whose name has an extension and one whose name has none.
struct OpenFileDialog : ::testing::Test {
    void SetUp() override
    {
        writeBytes(folder.filePath("referto.pdf"), "pdf");
        writeBytes(folder.filePath("LEGGIMI"), "testo");
    }
    QTemporaryDir folder;
    QtPlatform platform;
};

} // namespace

// "*.*" is every file, as on Windows: the filter keeps its text and names without a dot are listed too.
TEST_F(OpenFileDialog, EveryFileFilterKeepsItsTextAndListsNamesWithoutADot)
{
    QString filterShown;
    QStringList listed;
    WhenTheFileDialogOpens([&](QFileDialog *dialog) {
        if (auto *filters = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
            filterShown = filters->currentText();
        listed = ListedNames(dialog, folder.path());
    });
    const QString chosen =
        platform.openFileName(nullptr, QStringLiteral("Selezionare il file da allegare:"), folder.path(),
                              QStringLiteral("Tutti i file (*.*)"));
    EXPECT_EQ(chosen, QString()) << "the dialog was cancelled";
    EXPECT_EQ(filterShown, "Tutti i file (*.*)");
    EXPECT_EQ(listed, QStringList({"LEGGIMI", "referto.pdf"}));
}

// A filter naming a pattern still keeps to it.
TEST_F(OpenFileDialog, APatternFilterStillHidesOtherNames)
{
    QStringList listed;
    WhenTheFileDialogOpens([&](QFileDialog *dialog) { listed = ListedNames(dialog, folder.path()); });
    platform.openFileName(nullptr, QStringLiteral("Documento:"), folder.path(), QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(listed, QStringList({"referto.pdf"}));
}

// The input box (the chart's copies) is wide enough for a title bar to show its whole caption.
TEST(InputBox, IsWideEnoughForItsWholeCaption)
{
    const QString caption = QStringLiteral("Numero copie da stampare");
    std::unique_ptr<QInputDialog> box(MakeInputBox(nullptr, caption, QStringLiteral("Copie:"), QStringLiteral("1")));
    box->show();
    QFont title = QApplication::font();
    title.setBold(true);
    EXPECT_GE(box->width(), QFontMetrics(title).horizontalAdvance(caption) + 100);
    EXPECT_EQ(box->windowTitle(), caption);
    EXPECT_EQ(box->labelText(), "Copie:");
    EXPECT_EQ(box->textValue(), "1");
}
