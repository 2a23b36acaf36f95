#pragma once

class QWidget;

// What closing an application window does: the launcher is shown again and the window hidden;
// the window keeps its controls as they are.
void ReturnToLauncher(QWidget *window);
