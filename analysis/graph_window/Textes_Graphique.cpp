#include "analysis/graph_window/Textes_Graphique.h"

#include "platform/pictures.h"

#include <QVariant>

namespace Textes_Graphique {

namespace {
const char *const Texte_Dessin = "texteDessin";
}

void Poser_Image(QPushButton *bouton, const QString &fichier)
{
    // The design text is kept on the button: a picture that goes missing later gives it back.
    if (!bouton->property(Texte_Dessin).isValid())
        bouton->setProperty(Texte_Dessin, bouton->text());
    const QPixmap image = platform::LoadPicture(fichier);
    if (image.isNull()) {
        bouton->setIcon(QIcon());
        bouton->setText(bouton->property(Texte_Dessin).toString());
        return;
    }
    bouton->setIcon(QIcon(image));
    bouton->setText(QString());
}

} // namespace Textes_Graphique
