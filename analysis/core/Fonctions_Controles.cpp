// Checks of the dates and addresses that the panel reports, before anything is sized from them.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"

#include <QDate>

namespace Fonctions {

using Declaration::D;

bool Adresse_Valide(int32_t adresse)
{
    return adresse >= Debut_Anneau && adresse < Fin_Anneau && (adresse - Debut_Anneau) % 8 == 0;
}

bool Memoire_Vide()
{
    const auto &i = D().Index_Memoire;
    return i.Adresse_Premier == 0 && i.Adresse_Dernier == 0;
}

QString Erreur_Index_Memoire()
{
    const auto &i = D().Index_Memoire;
    if (!QDate(2000 + i.Annee_Premier, i.Mois_Premier, i.Jour_Premier).isValid() ||
        !QDate(2000 + i.Annee_Dernier, i.Mois_Dernier, i.Jour_Dernier).isValid())
        return QStringLiteral("Les dates de la mémoire envoyées par l'Pelmar ne sont pas valides !!!");
    if (!Adresse_Valide(i.Adresse_Premier) || !Adresse_Valide(i.Adresse_Dernier))
        return QStringLiteral("Les adresses de la mémoire envoyées par l'Pelmar ne sont pas valides !!!");
    return {};
}

QString Erreur_Periode_Selection()
{
    const auto &s = D().Date_Selection;
    // No calendar, file or list can take a day that does not exist.
    if (!QDate(2000 + s.Annee_Debut_Selection, s.Mois_Debut_Selection, s.Jour_Debut_Selection).isValid() ||
        !QDate(2000 + s.Annee_Fin_Selection, s.Mois_Fin_Selection, s.Jour_Fin_Selection).isValid())
        return QStringLiteral("Les dates de la période envoyées par l'Pelmar ne sont pas valides !!!");
    if (!Adresse_Valide(s.Adresse_Debut_Selection) || !Adresse_Valide(s.Adresse_Fin_Selection))
        return QStringLiteral("Les adresses de la période envoyées par l'Pelmar ne sont pas valides !!!");
    return {};
}

void Message_Critique(const QString &texte, const QString &titre)
{
    platform::MsgBox(texte, platform::MsgButtons::Ok, platform::MsgIcon::Critical, titre);
}

void Message_Periode_Vide()
{
    platform::MsgBox(Texte_Periode_Vide, platform::MsgButtons::Ok, platform::MsgIcon::Information,
                     Titre_Periode_Vide);
}

void Message_Reponse_Erronee(const QString &raison)
{
    Message_Critique(raison + QStringLiteral(" Veuillez recommencer le transfert SVP !!!"),
                     QStringLiteral("Réponse de l'Pelmar erronée !!!"));
}

std::optional<QString> Demander_Nom_Sauvegarde(const QString &propose, const QString &filtre,
                                               const QString &texte_vide, const QString &titre_vide)
{
    QString nom = propose;
    for (;;) {
        const auto choix = platform::ShowFileDialog({platform::FileDialogMode::Save, nom, filtre});
        if (!choix || !choix->isEmpty())
            return choix;
        Message_Critique(texte_vide, titre_vide);
        nom.clear();
    }
}

} // namespace Fonctions
