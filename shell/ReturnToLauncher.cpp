#include "shell/ReturnToLauncher.h"

#include "shell/Avvio.h"

void ReturnToLauncher(QWidget *window)
{
    if (frmAvvio)
        frmAvvio->show();
    window->hide();
}
