#include "dialogs/ReturnToLauncher.h"

#include <QWidget>

namespace {
std::function<QWidget *()> &launcher()
{
    static std::function<QWidget *()> find;
    return find;
}
} // namespace

void RegisterLauncher(std::function<QWidget *()> find) { launcher() = std::move(find); }

void ReturnToLauncher(QWidget *window)
{
    if (launcher())
        if (QWidget *l = launcher()())
            l->show();
    window->hide();
}
