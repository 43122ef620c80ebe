// Config_Pelmar and Config_Tuvik: the configuration program, built once per model.
#include "configurator/windows/frmMain.h"
#include "platform/pictures.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The windows are laid out in twips for an 8-point Arial (Liberation Sans where Arial is absent).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    QApplication::setWindowIcon(QIcon(platform::LoadPicture(QStringLiteral("Logo Velquin.bmp"))));
    configurator::frmMain fenetre;
    // The receive loop is the program's event pump: it returns when the user quits.
    fenetre.MDIForm_Load();
    return 0;
}
