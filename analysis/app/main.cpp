// Velquin_Analyser_Pelmar_v2-4: the analysis program.
#include "analysis/core/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    frmMain fenetre;
    fenetre.Form_Load();
    if (!fenetre.isVisible())
        return 0;
    return app.exec();
}
