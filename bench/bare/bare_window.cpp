// The bare program of the start-up benchmark: a Qt Widgets application with one plain window of
// the login window's size, linked to Qt Widgets alone, started and timed as the suite is.
#include "bench/StartupReady.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(480, 460);
    ShowUntilExposed(&window);
    SayReady();
    return 0;
}
