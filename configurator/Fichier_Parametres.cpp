#include "configurator/Fichier_Parametres.h"

#include "configurator/Fonctions_Reglages.h"
#include "configurator/Modele.h"

#include <QFile>
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

// Thrown when the reader would go past the end of the file: the reading stops there.
struct Fin_Fichier
{
};

class Lecteur
{
public:
    explicit Lecteur(const QByteArray &octets) : m_octets(octets) {}

    char Suivant()
    {
        if (m_position >= m_octets.size())
            throw Fin_Fichier{};
        return m_octets[m_position++];
    }
    void Sauter(int n)
    {
        for (int i = 0; i < n; ++i)
            Suivant();
    }

    // One numeric field: its first character whatever it is, then a run of digits. The character that ends
    // the run is consumed but not kept. An empty line (its CR taken as the first character) gives "".
    QString Champ(bool signes)
    {
        const auto chiffre = [signes](char c) {
            return (c >= '0' && c <= '9') || (signes && (c == '+' || c == '-'));
        };
        char c = Suivant();
        QByteArray champ;
        if (c != '\r')
            champ += c;
        while (chiffre(c)) {
            c = Suivant();
            if (chiffre(c))
                champ += c;
        }
        return QString::fromLatin1(champ);
    }

    // The name line: characters up to the first end marker, which is consumed with it.
    QString Nom()
    {
        QByteArray texte;
        for (int i = 0; i < 4; ++i)
            texte += Suivant();
        while (!texte.endsWith("+-*/"))
            texte += Suivant();
        texte.chop(4);
        return QString::fromLatin1(texte);
    }

private:
    const QByteArray &m_octets;
    qsizetype m_position = 0;
};

int Entier(qint64 v)
{
    return static_cast<int>(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void Lire_Champs(Lecteur &l, Parametres_Lus &p)
{
    const Description_Modele &m = Modele();
    l.Sauter(static_cast<int>(m.Entete_Fichier.size()) + 2);
    p.Lignes = 1;

    p.Offset = l.Champ(true);
    p.Lignes = 2;
    l.Sauter(1);
    p.Alarme = l.Champ(false);
    p.Lignes = 3;
    l.Sauter(1);

    const std::optional<qint64> majeure = Valeur(l.Champ(false));
    p.Modele_40dB = majeure && *majeure > 128;
    if (majeure)
        p.Version_Majeure = Entier(*p.Modele_40dB ? *majeure - 128 : *majeure);
    const std::optional<qint64> mineure = Valeur(l.Champ(false));
    if (mineure)
        p.Version_Mineure = Entier(*mineure);
    p.Lignes = 4;
    l.Sauter(1);

    p.Nom = l.Nom();
    p.Lignes = 5;
    l.Sauter(2);

    p.Numero_Serie = l.Champ(false);
    p.Lignes = 6;
    std::vector<QString *> suite{&p.Aff_Centre,  &p.Aff_Bas_Gauche, &p.Aff_Bas_Droite,
                                 &p.Mode_Lumens, &p.Type_Lumens,    &p.Valeur_Lumens};
    if (m.Horloge())
        suite.push_back(&p.Heure_Auto);
    suite.push_back(&p.Capteur);
    for (QString *champ : suite) {
        l.Sauter(1);
        *champ = l.Champ(false);
        ++p.Lignes;
    }
    p.Complet = true;
}

} // namespace

// ---- Writing ------------------------------------------------------------------------------------------

QStringList Lignes(const Controles_Config &c, const std::array<int16_t, 3> &version, bool modele_40dB)
{
    // A list with no entry chosen, or an option pair with neither option set, is written as an empty line:
    // the reader takes it as a value it does not know and stays in step with the lines that follow.
    const auto position = [](const Combo_Affichage &combo) {
        const int index = combo.ListIndex();
        return index < 0 ? QString() : QString::number(index);
    };
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
    lignes << QLatin1Char(' ') + c.Text_Name + Marqueur_Nom;
    lignes << c.Text_Serial_Number;
    lignes << position(c.Combo_Aff_Centre) << position(c.Combo_Aff_Bas_Gauche)
           << position(c.Combo_Aff_Bas_Droite);
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
        octets += ligne.toLatin1() + "\r\n";
    return octets;
}

QString Nom_Par_Defaut(const QString &nom, const QDate &date)
{
    const Description_Modele &m = Modele();
    return m.Prefixe_Nom_Fichier + nom + QStringLiteral(" - ") + date.toString(QStringLiteral("dd-MM-yyyy")) +
           QLatin1Char('.') + m.Extension_Fichier;
}

// ---- Checking -----------------------------------------------------------------------------------------

bool Extension_Valide(const QString &chemin)
{
    return chemin.endsWith(Modele().Extension_Fichier, Qt::CaseSensitive);
}

bool Entete_Valide(const QByteArray &debut)
{
    return debut == Modele().Entete_Fichier.toLatin1();
}

Verification Verifier(const QString &chemin)
{
    if (!Extension_Valide(chemin))
        return Verification::Refuse;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return Verification::Illisible;
    const qsizetype longueur = Modele().Entete_Fichier.toLatin1().size();
    const QByteArray debut = fichier.read(longueur);
    if (debut.size() < longueur)
        return Verification::Illisible;
    return Entete_Valide(debut) ? Verification::Accepte : Verification::Refuse;
}

// ---- Reading ------------------------------------------------------------------------------------------

Parametres_Lus Lire(const QByteArray &octets)
{
    Parametres_Lus p;
    Lecteur lecteur(octets);
    try {
        Lire_Champs(lecteur, p);
    } catch (const Fin_Fichier &) {
        // A short file: what was read so far stands.
    }
    return p;
}

Parametres_Lus Lire_Fichier(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return Lire(fichier.readAll());
}

// ---- The two tables -----------------------------------------------------------------------------------

QString Texte_Offset_Fichier(const QString &champ)
{
    const std::optional<qint64> v = Valeur(champ);
    if (!v)
        return {};
    if (*v < 0 && *v > -10)
        return QStringLiteral("-0") + QString::number(-*v) + Textes::dB;
    if (*v > 0 && *v < 10)
        return QStringLiteral("+0") + champ + Textes::dB;
    if (*v != 0)
        return champ + Textes::dB;
    return QStringLiteral("00") + Textes::dB;
}

Textes_Tableau Textes_Fichier(const Parametres_Lus &p)
{
    const Description_Modele &m = Modele();
    Textes_Tableau t;
    if (p.Lignes >= 2)
        t.Offset = Texte_Offset_Fichier(p.Offset);
    if (p.Lignes >= 3 && Valeur(p.Alarme))
        t.Alarme = p.Alarme + Textes::dB;
    if (p.Lignes >= 4 && p.Version_Majeure && p.Version_Mineure)
        t.FirmWare = Textes::Version + QString::number(*p.Version_Majeure) + QLatin1Char('.') +
                     QString::number(*p.Version_Mineure);
    if (p.Nom) {
        t.Name = *p.Nom;
        t.Entete = (p.Modele_40dB.value_or(false) ? m.Entete_Parametres_40dB : m.Entete_Parametres) + *p.Nom;
        t.Titre_Fenetre = m.Titre_Parametres + *p.Nom;
    }
    if (p.Lignes >= 6)
        t.Serial_Number = p.Numero_Serie;

    // The firmware's list layout: the lists hold the 5-minute level from minor version 3 on.
    const bool avec_leq5 = p.Version_Mineure.value_or(0) >= 3;
    if (p.Lignes >= 7)
        t.Aff_Centre = avec_leq5 ? Choix(Valeur(p.Aff_Centre),
                                         {Textes::Leq10, Textes::Leq5, Textes::Leq1, Textes::Leq1s})
                                 : Choix(Valeur(p.Aff_Centre), {Textes::Leq10, Textes::Leq1, Textes::Leq1s});
    if (p.Lignes >= 8)
        t.Aff_Bas_Gauche =
            avec_leq5 ? Choix(Valeur(p.Aff_Bas_Gauche),
                              {Textes::Leq10, Textes::Leq5, Textes::Leq1, Textes::Leq1s, Textes::Desactive})
                      : Choix(Valeur(p.Aff_Bas_Gauche),
                              {Textes::Leq10, Textes::Leq1, Textes::Leq1s, Textes::Desactive});
    if (p.Lignes >= 9)
        t.Aff_Bas_Droite = Choix(Valeur(p.Aff_Bas_Droite), {Textes::Crete, Textes::Desactive});
    if (p.Lignes >= 10) {
        t.Lumens = Choix(Valeur(p.Mode_Lumens), {Textes::Lumens_Auto, Textes::Lumens_Manuel});
        t.Type_Lumens = Choix(Valeur(p.Mode_Lumens), {Textes::Type_Lumens, Textes::Valeur_Lumens_Fichier});
    }
    // Row 10 shows the type in automatic mode, the value in manual mode.
    if (p.Lignes >= 11 && t.Lumens == Textes::Lumens_Auto)
        t.Value_Lumens = Choix(Valeur(p.Type_Lumens), {Textes::Interieure, Textes::Exterieure});
    if (p.Lignes >= 12 && t.Lumens == Textes::Lumens_Manuel && Valeur(p.Valeur_Lumens))
        t.Value_Lumens = p.Valeur_Lumens + Textes::Sur_15;
    int derniere = 13;
    if (m.Horloge()) {
        if (p.Lignes >= 13)
            t.Heure_Auto = Choix(Valeur(p.Heure_Auto), {Textes::Desactivee, Textes::Active});
        derniere = 14;
    }
    if (p.Lignes >= derniere) {
        const std::optional<qint64> v = Valeur(p.Capteur);
        t.Capteur = v == 1 ? m.Capteur_Ferrin_Fichier : v == 2 ? m.Capteur_Ostra_Fichier : QString();
    }
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
