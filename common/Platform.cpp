#include "common/Platform.h"

#include <cassert>

namespace {
Platform *current = nullptr;
}

Platform &platform()
{
    assert(current && "no platform installed");
    return *current;
}

void installPlatform(Platform *p) { current = p; }
bool PlatformInstalled() { return current != nullptr; }


void ShowNotice(NoticeKind kind, const QString &text) { platform().notice(kind, text); }
bool AskYesNo(const QString &text) { return platform().askYesNo(text); }
void ShowPlainBox(const QString &text) { platform().plainBox(text); }
void ShowErrorBox(const QString &text) { platform().errorBox(text); }
void ShowModal(QWidget *window) { platform().showModal(window); }
QDate Today() { return platform().today(); }
QTime TimeOfDay() { return platform().timeOfDay(); }
QString ProgramFolder() { return platform().programFolder(); }
QString ProgramFile(const QString &name) { return platform().programFolder() + name; }
