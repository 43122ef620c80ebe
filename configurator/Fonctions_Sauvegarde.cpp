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
#include "platform/whole_file.h"

#include <QDate>

namespace configurator::Fonctions_Sauvegarde {

namespace {

const QString Titre_Ouverture_Impossible = QStringLiteral("Impossible d'ouvrir le fichier ...");
const QString Ecriture_Impossible = QStringLiteral("Le fichier de paramètres n'a pas pu être écrit :\n%1\n\n"
                                                   "Les paramètres ne sont pas sauvegardés.");
const QString Lecture_Impossible = QStringLiteral("Le fichier ne peut pas être lu :\n%1");

void Message_Critique(const QString &texte, const QString &titre)
{
    platform::MsgBox(texte, platform::MsgButtons::Ok, platform::MsgIcon::Critical, titre);
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
    // Cancel, or no name at all, ends the save without a word.
    const std::optional<QString> chemin = platform::ShowFileDialog(demande);
    if (!chemin || chemin->isEmpty())
        return;

    // The values as they stand once the name is given.
    const Declaration::Etat &d = Declaration::D();
    const QByteArray contenu = Fichier_Parametres::Contenu(
        Fichier_Parametres::Lignes(Reglages_Affiches(), d.Version_Firmware, d.Modele_40dB));
    if (!platform::WriteWholeFile(*chemin, contenu))
        Message_Critique(Ecriture_Impossible.arg(*chemin), m.Titre_Sauvegarde_Impossible);
}

void Ouverture_Parametres()
{
    const Description_Modele &m = Modele();
    const std::optional<QString> chemin =
        platform::ShowFileDialog({platform::FileDialogMode::Open, QString(), m.Filtre_Fichier});
    if (!chemin)
        return;
    // A file that is not one of this program's, or is damaged, is refused whole: nothing changes.
    switch (Fichier_Parametres::Verifier(*chemin)) {
    case Fichier_Parametres::Verification::Illisible:
        Message_Critique(Lecture_Impossible.arg(*chemin), Titre_Ouverture_Impossible);
        return;
    case Fichier_Parametres::Verification::Refuse:
        Message_Critique(m.Message_Fichier_Refuse, Titre_Ouverture_Impossible);
        return;
    case Fichier_Parametres::Verification::Accepte: break;
    }
    if (!Fichier_Parametres::Lire_Fichier(*chemin).Valide) {
        Message_Critique(m.Message_Fichier_Refuse, Titre_Ouverture_Impossible);
        return;
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
