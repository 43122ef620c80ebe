#include "configurator/Fichier_Parametres.h"

#include "configurator/Fonctions_Reglages.h"
#include "configurator/Modele.h"
#include "platform/ansi_text.h"
#include "platform/plain_file.h"
#include "platform/text_box.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace configurator::Fichier_Parametres {

namespace {

// ---- Texts of the tables ----------------------------------------------------------------------------

namespace Textes {
const QString Version = QStringLiteral("Version ");
const QString dB = QStringLiteral(" dB");
const QString Sur_15 = QStringLiteral(" / 15");
const QString Leq10 = QStringLiteral("Niveau Leq 10 Minutes");
const QString Leq5 = QStringLiteral("Niveau Leq 5 Minutes");
const QString Leq1 = QStringLiteral("Niveau Leq 1 Minute");
const QString Leq1s = QStringLiteral("Niveau Leq 1 Seconde");
const QString Crete = QStringLiteral("Niveau Crête");
const QString Desactive = QStringLiteral("Afficheur Désactivé");
const QString Lumens_Auto = QStringLiteral("Luminosité Automatique");
const QString Lumens_Manuel = QStringLiteral("Luminosité Manuelle");
const QString Type_Lumens = QStringLiteral("Type de Luminosité :");
const QString Valeur_Lumens_Fichier = QStringLiteral("Valeur de  Luminosité :");
const QString Valeur_Lumens_Feuille = QStringLiteral("Valeur de la Luminosité :");
const QString Interieure = QStringLiteral("Luminosité Intérieure");
const QString Exterieure = QStringLiteral("Luminosité Extérieure");
const QString Active = QStringLiteral("Activé");
const QString Desactivee = QStringLiteral("Désactivé");
// The sheet words the sensor link the same in both programs.
const QString Ferrin_Feuille = QStringLiteral("Liaison Avec un Ferrin");
const QString Ostra_Feuille = QStringLiteral("Liaison Avec un Ostra");
} // namespace Textes

// The number at the start of a field (an optional sign, then digits), as far as it goes; none when the field
// does not start with one. Very long runs saturate instead of overflowing.
std::optional<qint64> Valeur(const QString &champ)
{
    qsizetype i = 0;
    bool negatif = false;
    if (i < champ.size() && (champ[i] == QLatin1Char('+') || champ[i] == QLatin1Char('-')))
        negatif = champ[i++] == QLatin1Char('-');
    const qsizetype debut = i;
    qint64 n = 0;
    constexpr qint64 plafond = std::numeric_limits<qint64>::max() / 10 - 9;
    for (; i < champ.size() && champ[i].isDigit() && champ[i].unicode() < 128; ++i)
        n = n < plafond ? n * 10 + (champ[i].unicode() - '0') : plafond;
    if (i == debut)
        return std::nullopt;
    return negatif ? -n : n;
}

QString Choix(const std::optional<qint64> &v, std::initializer_list<QString> textes)
{
    if (!v || *v < 0 || *v >= static_cast<qint64>(textes.size()))
        return {};
    return *(textes.begin() + *v);
}

// ---- The reader ---------------------------------------------------------------------------------------

// The lines of a file: each ends with CR LF (a lone LF is taken too); the last may lack its line end.
std::vector<QByteArray> Decouper(const QByteArray &octets)
{
    std::vector<QByteArray> lignes;
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0)
            fin = octets.size();
        QByteArray ligne = octets.mid(debut, fin - debut);
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        lignes.push_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}

bool Chiffres(const QByteArray &texte)
{
    return !texte.isEmpty() &&
           std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number with an optional sign.
bool Nombre_Signe(const QByteArray &texte)
{
    return Chiffres(texte.startsWith('+') || texte.startsWith('-') ? texte.mid(1) : texte);
}

// A value the writer may leave unknown: digits, an empty line, or the "-1" of a list with no entry chosen.
bool Valeur_Ou_Inconnue(const QByteArray &texte)
{
    return texte.isEmpty() || texte == "-1" || Chiffres(texte);
}

int Entier(qint64 v)
{
    return static_cast<int>(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Reads the lines of a whole file; false at the first line that is not what its place asks for.
bool Lire_Lignes(std::vector<QByteArray> lignes, Parametres_Lus &p)
{
    const Description_Modele &m = Modele();
    const size_t attendues = m.Horloge() ? 14 : 13;
    // Empty lines after the last value change nothing.
    while (lignes.size() > attendues && lignes.back().isEmpty())
        lignes.pop_back();
    if (lignes.size() != attendues || lignes[0] != platform::ToAnsi(m.Entete_Fichier))
        return false;
    if (!Nombre_Signe(lignes[1]) || !Chiffres(lignes[2]))
        return false;
    p.Offset = platform::FromAnsi(lignes[1]);
    p.Alarme = platform::FromAnsi(lignes[2]);

    const QList<QByteArray> version = lignes[3].split(' ');
    if (version.size() != 2 || !Chiffres(version[0]) || !Chiffres(version[1]))
        return false;
    const qint64 majeure = Valeur(platform::FromAnsi(version[0])).value_or(0);
    p.Modele_40dB = majeure > 128;
    p.Version_Majeure = Entier(*p.Modele_40dB ? majeure - 128 : majeure);
    p.Version_Mineure = Entier(Valeur(platform::FromAnsi(version[1])).value_or(0));

    // The name runs to the marker that ends its line, whatever it holds itself.
    const QByteArray marqueur = platform::ToAnsi(Marqueur_Nom);
    if (!lignes[4].endsWith(marqueur))
        return false;
    p.Nom = platform::FromAnsi(lignes[4].chopped(marqueur.size()));
    p.Numero_Serie = platform::FromAnsi(lignes[5]);

    std::vector<QString *> suite{&p.Aff_Centre,  &p.Aff_Bas_Gauche, &p.Aff_Bas_Droite,
                                 &p.Mode_Lumens, &p.Type_Lumens,    &p.Valeur_Lumens};
    if (m.Horloge())
        suite.push_back(&p.Heure_Auto);
    suite.push_back(&p.Capteur);
    for (size_t i = 0; i < suite.size(); ++i) {
        const QByteArray &ligne = lignes[6 + i];
        if (!Valeur_Ou_Inconnue(ligne))
            return false;
        // An unknown value shows as nothing.
        *suite[i] = ligne == "-1" ? QString() : platform::FromAnsi(ligne);
    }
    return true;
}

} // namespace

bool Disposition_Leq5(int majeure, int mineure)
{
    return !(majeure == 2 && mineure < 3);
}

// ---- Writing ------------------------------------------------------------------------------------------

QStringList Lignes(const Controles_Config &c, const std::array<int16_t, 3> &version, bool modele_40dB)
{
    // A list with no entry chosen, or an option pair with neither option set, is written as an empty line:
    // the reader takes it as a value it does not know and stays in step with the lines that follow.
    // A display area is written as its position in the file's layout for the version, which may count an
    // entry that the window's shortened list lacks.
    const bool leq5 = Disposition_Leq5(version[1], version[2]);
    const auto position = [leq5](const Combo_Affichage &combo, const Combo_Affichage &complet) {
        std::vector<QString> disposition = complet.Elements;
        if (!leq5)
            std::erase(disposition, Textes_Affichage::Leq5);
        const auto it = std::find(disposition.begin(), disposition.end(), combo.Choix);
        return combo.ListIndex() < 0 || it == disposition.end() ? QString()
                                                                : QString::number(it - disposition.begin());
    };
    const Controles_Config listes_completes;
    const auto option = [](bool premiere, bool seconde, const char *si_premiere, const char *si_seconde) {
        return premiere  ? QString::fromLatin1(si_premiere)
               : seconde ? QString::fromLatin1(si_seconde)
                         : QString();
    };

    QStringList lignes;
    lignes << Modele().Entete_Fichier;
    lignes << QString::number(c.Slider_Offset.Value);
    lignes << QString::number(c.Slider_Alarme.Value);
    lignes << QStringLiteral("%1 %2").arg(version[1] + (modele_40dB ? 128 : 0)).arg(version[2]);
    // A line break in a text would split its line, and the file would no longer read.
    lignes << QLatin1Char(' ') + platform::FirstLine(c.Text_Name) + Marqueur_Nom;
    lignes << platform::FirstLine(c.Text_Serial_Number);
    lignes << position(c.Combo_Aff_Centre, listes_completes.Combo_Aff_Centre)
           << position(c.Combo_Aff_Bas_Gauche, listes_completes.Combo_Aff_Bas_Gauche)
           << position(c.Combo_Aff_Bas_Droite, listes_completes.Combo_Aff_Bas_Droite);
    lignes << option(c.Option_Lumens_Auto, c.Option_Lumens_Manuel, "0", "1");
    lignes << option(c.Option_Lumens_Int, c.Option_Lumens_Ext, "0", "1");
    lignes << QString::number(c.Slider_Lumens.Value);
    if (Modele().Horloge())
        lignes << QString::number(c.Check_Change_Automatique);
    lignes << option(c.Option_Alim_Fantom, c.Option_No_Alim_Fantom, "1", "2");
    return lignes;
}

QByteArray Contenu(const QStringList &lignes)
{
    QByteArray octets;
    for (const QString &ligne : lignes)
        octets += platform::ToAnsi(ligne) + "\r\n";
    return octets;
}

QString Nom_Par_Defaut(const QString &nom, const QDate &date)
{
    const Description_Modele &m = Modele();
    // A "/" of the panel's name would make a folder of the name.
    QString sans_dossier = platform::FirstLine(nom);
    sans_dossier.replace(QLatin1Char('/'), QLatin1Char('-'));
    return m.Prefixe_Nom_Fichier + sans_dossier + QStringLiteral(" - ") +
           date.toString(QStringLiteral("dd-MM-yyyy")) + QLatin1Char('.') + m.Extension_Fichier;
}

// ---- Checking -----------------------------------------------------------------------------------------

bool Extension_Valide(const QString &chemin)
{
    return chemin.endsWith(Modele().Extension_Fichier, Qt::CaseSensitive);
}

bool Entete_Valide(const QByteArray &debut)
{
    return debut == platform::ToAnsi(Modele().Entete_Fichier);
}

Verification Verifier(const QString &chemin)
{
    if (!Extension_Valide(chemin))
        return Verification::Refuse;
    platform::PlainFile fichier(chemin);
    const std::optional<QByteArray> debut = fichier.read(platform::ToAnsi(Modele().Entete_Fichier).size());
    if (!debut)
        return Verification::Illisible;
    return Entete_Valide(*debut) ? Verification::Accepte : Verification::Refuse;
}

// ---- Reading ------------------------------------------------------------------------------------------

Parametres_Lus Lire(const QByteArray &octets)
{
    Parametres_Lus p;
    const std::vector<QByteArray> lignes = Decouper(octets);
    p.Lignes = static_cast<int>(lignes.size());
    if (!Lire_Lignes(lignes, p)) {
        Parametres_Lus rien;
        rien.Lignes = p.Lignes;
        return rien;
    }
    p.Valide = true;
    return p;
}

Parametres_Lus Lire_Fichier(const QString &chemin)
{
    platform::PlainFile fichier(chemin);
    const std::optional<QByteArray> octets = fichier.read(Longueur_Lue_Max);
    return octets ? Lire(*octets) : Parametres_Lus{};
}

// ---- The two tables -----------------------------------------------------------------------------------

QString Texte_Offset_Fichier(const QString &champ)
{
    const std::optional<qint64> v = Valeur(champ);
    if (!v)
        return {};
    // Formatted from the value, so that a sign in the file ("+5") is not written twice.
    if (*v < 0 && *v > -10)
        return QStringLiteral("-0") + QString::number(-*v) + Textes::dB;
    if (*v > 0 && *v < 10)
        return QStringLiteral("+0") + QString::number(*v) + Textes::dB;
    if (*v != 0)
        return QString::number(*v) + Textes::dB;
    return QStringLiteral("00") + Textes::dB;
}

Textes_Tableau Textes_Fichier(const Parametres_Lus &p)
{
    const Description_Modele &m = Modele();
    Textes_Tableau t;
    if (!p.Valide)
        return t;
    t.Offset = Texte_Offset_Fichier(p.Offset);
    if (Valeur(p.Alarme))
        t.Alarme = p.Alarme + Textes::dB;
    if (p.Version_Majeure && p.Version_Mineure)
        t.FirmWare = Textes::Version + QString::number(*p.Version_Majeure) + QLatin1Char('.') +
                     QString::number(*p.Version_Mineure);
    if (p.Nom) {
        t.Name = *p.Nom;
        t.Entete = (p.Modele_40dB.value_or(false) ? m.Entete_Parametres_40dB : m.Entete_Parametres) + *p.Nom;
        t.Titre_Fenetre = m.Titre_Parametres + *p.Nom;
    }
    t.Serial_Number = p.Numero_Serie;

    const bool avec_leq5 = Disposition_Leq5(p.Version_Majeure.value_or(0), p.Version_Mineure.value_or(0));
    t.Aff_Centre =
        avec_leq5 ? Choix(Valeur(p.Aff_Centre), {Textes::Leq10, Textes::Leq5, Textes::Leq1, Textes::Leq1s})
                  : Choix(Valeur(p.Aff_Centre), {Textes::Leq10, Textes::Leq1, Textes::Leq1s});
    t.Aff_Bas_Gauche = avec_leq5 ? Choix(Valeur(p.Aff_Bas_Gauche), {Textes::Leq10, Textes::Leq5, Textes::Leq1,
                                                                    Textes::Leq1s, Textes::Desactive})
                                 : Choix(Valeur(p.Aff_Bas_Gauche),
                                         {Textes::Leq10, Textes::Leq1, Textes::Leq1s, Textes::Desactive});
    t.Aff_Bas_Droite = Choix(Valeur(p.Aff_Bas_Droite), {Textes::Crete, Textes::Desactive});
    t.Lumens = Choix(Valeur(p.Mode_Lumens), {Textes::Lumens_Auto, Textes::Lumens_Manuel});
    t.Type_Lumens = Choix(Valeur(p.Mode_Lumens), {Textes::Type_Lumens, Textes::Valeur_Lumens_Fichier});
    // Row 10 shows the type in automatic mode, the value in manual mode.
    if (t.Lumens == Textes::Lumens_Auto)
        t.Value_Lumens = Choix(Valeur(p.Type_Lumens), {Textes::Interieure, Textes::Exterieure});
    if (t.Lumens == Textes::Lumens_Manuel && Valeur(p.Valeur_Lumens))
        t.Value_Lumens = p.Valeur_Lumens + Textes::Sur_15;
    if (m.Horloge())
        t.Heure_Auto = Choix(Valeur(p.Heure_Auto), {Textes::Desactivee, Textes::Active});
    const std::optional<qint64> capteur = Valeur(p.Capteur);
    t.Capteur = capteur == 1 ? m.Capteur_Ferrin_Fichier : capteur == 2 ? m.Capteur_Ostra_Fichier : QString();
    return t;
}

Textes_Tableau Textes_Feuille(const Controles_Config &c, const std::array<int16_t, 3> &version,
                              bool modele_40dB)
{
    const Description_Modele &m = Modele();
    Textes_Tableau t;
    t.Entete = (modele_40dB ? m.Entete_Parametres_40dB : m.Entete_Parametres) + c.Text_Name;
    t.FirmWare =
        Textes::Version + QString::number(version[1]) + QLatin1Char('.') + QString::number(version[2]);
    t.Serial_Number = c.Text_Serial_Number;
    t.Name = c.Text_Name;
    // The settings window's labels without their caption and final period: " 85 dB", "-05 dB".
    t.Alarme = Fonctions_Reglages::Texte_Alarme(c.Slider_Alarme.Value).mid(17).chopped(1);
    t.Offset = Fonctions_Reglages::Texte_Offset(c.Slider_Offset.Value).mid(9).chopped(1);
    t.Aff_Centre = c.Combo_Aff_Centre.Text();
    t.Aff_Bas_Gauche = c.Combo_Aff_Bas_Gauche.Text();
    t.Aff_Bas_Droite = c.Combo_Aff_Bas_Droite.Text();
    if (c.Option_Lumens_Auto && !c.Option_Lumens_Manuel) {
        t.Lumens = Textes::Lumens_Auto;
        t.Type_Lumens = Textes::Type_Lumens;
        if (c.Option_Lumens_Int && !c.Option_Lumens_Ext)
            t.Value_Lumens = Textes::Interieure;
        else if (c.Option_Lumens_Ext && !c.Option_Lumens_Int)
            t.Value_Lumens = Textes::Exterieure;
    } else if (c.Option_Lumens_Manuel && !c.Option_Lumens_Auto) {
        t.Lumens = Textes::Lumens_Manuel;
        t.Type_Lumens = Textes::Valeur_Lumens_Feuille;
        t.Value_Lumens = QString::number(c.Slider_Lumens.Value) + Textes::Sur_15;
    }
    if (m.Horloge())
        t.Heure_Auto = c.Check_Change_Automatique == 1   ? Textes::Active
                       : c.Check_Change_Automatique == 0 ? Textes::Desactivee
                                                         : QString();
    t.Capteur = c.Option_Alim_Fantom      ? Textes::Ferrin_Feuille
                : c.Option_No_Alim_Fantom ? Textes::Ostra_Feuille
                                          : QString();
    return t;
}

} // namespace configurator::Fichier_Parametres
