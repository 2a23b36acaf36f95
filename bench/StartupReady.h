#pragma once
// How a program started by the start-up benchmark says that its window is on screen: the window
// shown and exposed, its first events taken, then one byte on descriptor 3. The suite and the bare
// program both end their start-up here, so that the tearing down that follows is not counted.
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <unistd.h>

inline constexpr int ReadyFd = 3;

inline void ShowUntilExposed(QWidget *w)
{
    w->show();
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

inline void SayReady()
{
    const char byte = 1;
    [[maybe_unused]] ssize_t written = write(ReadyFd, &byte, 1);
    close(ReadyFd);
}
