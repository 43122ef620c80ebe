#include "configurator/Controles_Config.h"

namespace configurator {

int Combo_Affichage::ListIndex() const
{
    if (Choix.isEmpty())
        return -1;
    const auto it = std::find(Elements.begin(), Elements.end(), Choix);
    return it == Elements.end() ? -1 : static_cast<int>(it - Elements.begin());
}

QString Combo_Affichage::Text() const
{
    const int index = ListIndex();
    return index < 0 ? Textes_Affichage::Choisir : Elements[static_cast<size_t>(index)];
}

bool Combo_Affichage::Choisir(const QString &texte)
{
    if (std::find(Elements.begin(), Elements.end(), texte) == Elements.end())
        return false;
    Choix = texte;
    return true;
}

Controles_Config::Controles_Config()
    : Cmd_Mode_Reglage(QStringLiteral("Activer Mode Réglage")), Labels_Alarme{QStringLiteral("75 dB"),
                                                                              QStringLiteral("90 dB"),
                                                                              QStringLiteral("105 dB"),
                                                                              QStringLiteral("120 dB")}
{
    using namespace Textes_Affichage;
    Combo_Aff_Centre.Elements = {Leq10, Leq5, Leq1, Leq1s};
    Combo_Aff_Bas_Gauche.Elements = {Leq10, Leq5, Leq1, Leq1s, Desactiver};
    Combo_Aff_Bas_Droite.Elements = {Crete, Desactiver};
}

} // namespace configurator
