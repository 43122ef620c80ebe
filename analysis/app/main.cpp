// Velquin_Analyser_Pelmar_v2-4: the analysis program.
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/Vues_Graphique.h"
#include "analysis/tables/Vues_Tableaux.h"

#include "platform/pictures.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The windows are laid out in twips for an 8-point Arial (Liberation Sans where Arial is absent).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    QApplication::setWindowIcon(QIcon(platform::LoadPicture(QStringLiteral("Logo Velquin.bmp"))));
    frmMain fenetre;
    // The views open through the route table; each folder registers its windows.
    Vues_Tableaux::Inscrire();
    Vues_Graphique::Inscrire();
    fenetre.Form_Load();
    if (!fenetre.isVisible())
        return 0;
    return app.exec();
}
