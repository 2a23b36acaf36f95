#pragma once
#include <functional>

class QWidget;

// The launcher registers itself here, so that the applications can go back to it without
// knowing the shell.
void RegisterLauncher(std::function<QWidget *()> find);

// What closing an application window does: the launcher is shown again and the window hidden;
// the window keeps its controls as they are.
void ReturnToLauncher(QWidget *window);
