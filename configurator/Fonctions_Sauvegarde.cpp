#include "configurator/Fonctions_Sauvegarde.h"

#include "configurator/Declaration.h"
#include "configurator/Fichier_Parametres.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmParametres.h"
#include "configurator/windows/frmPrint.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"

#include <QDate>
#include <QSaveFile>

namespace configurator::Fonctions_Sauvegarde {

namespace {

const QString Titre_Ouverture_Impossible = QStringLiteral("Impossible d'ouvrir le fichier ...");
const QString Ecriture_Impossible = QStringLiteral("Le fichier de paramètres n'a pas pu être écrit :\n%1\n\n"
                                                   "Les paramètres ne sont pas sauvegardés.");

void Message_Critique(const QString &texte, const QString &titre)
{
    platform::MsgBox(texte, platform::MsgButtons::Ok, platform::MsgIcon::Critical, titre);
}

// Writes the whole file or leaves the disk as it was: a file that stood there keeps its old contents when
// the new ones cannot all be written.
bool Ecrire(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() && fichier.commit();
}

} // namespace

Controles_Config Reglages_Affiches()
{
    Controles_Config c = Fonctions::Controles_Programme().Config;
    if (const frmConfig *f = Config::Instance())
        f->Lire(c);
    return c;
}

void Sauvegarde_Parametres()
{
    const Description_Modele &m = Modele();
    platform::FileDialogRequest demande{
        platform::FileDialogMode::Save,
        Fichier_Parametres::Nom_Par_Defaut(Reglages_Affiches().Text_Name, QDate::currentDate()),
        m.Filtre_Fichier};
    std::optional<QString> chemin = platform::ShowFileDialog(demande);
    while (chemin && chemin->isEmpty()) {
        Message_Critique(m.Message_Nom_Vide, m.Titre_Sauvegarde_Impossible);
        demande.proposedName.clear();
        chemin = platform::ShowFileDialog(demande);
    }
    if (!chemin)
        return;

    // The values as they stand once the name is given.
    const Declaration::Etat &d = Declaration::D();
    const QByteArray contenu = Fichier_Parametres::Contenu(
        Fichier_Parametres::Lignes(Reglages_Affiches(), d.Version_Firmware, d.Modele_40dB));
    if (!Ecrire(*chemin, contenu))
        Message_Critique(Ecriture_Impossible.arg(*chemin), m.Titre_Sauvegarde_Impossible);
}

void Ouverture_Parametres()
{
    const Description_Modele &m = Modele();
    const std::optional<QString> chemin =
        platform::ShowFileDialog({platform::FileDialogMode::Open, QString(), m.Filtre_Fichier});
    if (!chemin)
        return;
    switch (Fichier_Parametres::Verifier(*chemin)) {
    case Fichier_Parametres::Verification::Illisible: return;
    case Fichier_Parametres::Verification::Refuse:
        Message_Critique(m.Message_Fichier_Refuse, Titre_Ouverture_Impossible);
        return;
    case Fichier_Parametres::Verification::Accepte: break;
    }
    Declaration::D().Chaine_Temp = *chemin;
    Fonctions::Fermer_Fenetres();
    Parametres::Show();
}

void Impression_Parametres()
{
    // The sheet lives only for its print, which its load does.
    Print::Load();
    Print::Unload();
}

} // namespace configurator::Fonctions_Sauvegarde
