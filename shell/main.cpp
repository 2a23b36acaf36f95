#include "common/Files.h"
#include "common/ui/QtPlatform.h"
#include "shell/Password.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    // A write past the file-size limit fails and its command reports it; the program goes on.
    IgnoreFileSizeLimitSignal();
    // Draw in software, so that no graphics hardware is needed; must precede the application object.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavoren"));
    // The run ends only by the rules of the login window and the launcher.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own dialogs speak Italian.
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    QtPlatform qtPlatform;
    installPlatform(&qtPlatform);

    CreateStartupWindows();
    frmPassword->show();
    int rc = app.exec();
    DestroyStartupWindows();
    return rc;
}
