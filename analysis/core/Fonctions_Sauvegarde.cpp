#include "analysis/core/Fonctions_Sauvegarde.h"

#include "analysis/core/Fonctions.h"
#include "platform/plain_file.h"
#include "platform/whole_file.h"

#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <charconv>
#include <cstring>
#include <string_view>

using Declaration::D;

namespace Fonctions_Sauvegarde {
namespace {

constexpr std::string_view kMarqueurNom = "+-*/";

// ---- Writing ----------------------------------------------------------------------------------

void ajouterEntier(QByteArray &o, int64_t v)
{
    char tampon[24];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    o.append(tampon, static_cast<qsizetype>(r.ptr - tampon));
}

void finLigne(QByteArray &o)
{
    o.append("\r\n", 2);
}

void ligneEntier(QByteArray &o, int64_t v)
{
    ajouterEntier(o, v);
    finLigne(o);
}

// ---- Reading ----------------------------------------------------------------------------------

enum class Etat_Ligne { Lue, Fin, Tronquee };

// Walks the bytes line by line; a line counts only with its LF end (CR LF or LF).
class Lecteur
{
public:
    explicit Lecteur(const QByteArray &octets) : m_p(octets.constData()), m_fin(m_p + octets.size()) {}

    Etat_Ligne suivante(std::string_view &ligne)
    {
        ++m_numero;
        if (m_p >= m_fin)
            return Etat_Ligne::Fin;
        const auto *lf = static_cast<const char *>(std::memchr(m_p, '\n', static_cast<size_t>(m_fin - m_p)));
        if (!lf) {
            m_p = m_fin;
            return Etat_Ligne::Tronquee;
        }
        const char *fin = (lf > m_p && lf[-1] == '\r') ? lf - 1 : lf;
        ligne = std::string_view(m_p, static_cast<size_t>(fin - m_p));
        m_p = lf + 1;
        return Etat_Ligne::Lue;
    }

    size_t restant() const { return static_cast<size_t>(m_fin - m_p); }
    int numero() const { return m_numero; }

private:
    const char *m_p;
    const char *m_fin;
    int m_numero = 0;
};

// A whole decimal number in [min, max]; a leading sign only where `signe` allows it.
bool entier(std::string_view t, int64_t min, int64_t max, int64_t &v, bool signe = false)
{
    size_t i = 0;
    bool negatif = false;
    if (signe && !t.empty() && (t[0] == '-' || t[0] == '+')) {
        negatif = t[0] == '-';
        i = 1;
    }
    if (i >= t.size() || t.size() - i > 10)
        return false;
    int64_t x = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        x = x * 10 + (t[i] - '0');
    }
    if (negatif)
        x = -x;
    if (x < min || x > max)
        return false;
    v = x;
    return true;
}

bool champ16(std::string_view t, int64_t min, int64_t max, int16_t &sortie, bool signe = false)
{
    int64_t v;
    if (!entier(t, min, max, v, signe))
        return false;
    sortie = static_cast<int16_t>(v);
    return true;
}

// "dd-mm-yyyy", a real day of a year the panel can record (year minus 2000 in one byte).
bool date(std::string_view t, int16_t &jour, int16_t &mois, int16_t &annee)
{
    if (t.size() != 10 || t[2] != '-' || t[5] != '-')
        return false;
    int64_t j, m, a;
    if (!entier(t.substr(0, 2), 1, 31, j) || !entier(t.substr(3, 2), 1, 12, m) ||
        !entier(t.substr(6, 4), 2000, 2255, a))
        return false;
    if (!QDate(static_cast<int>(a), static_cast<int>(m), static_cast<int>(j)).isValid())
        return false;
    jour = static_cast<int16_t>(j);
    mois = static_cast<int16_t>(m);
    annee = static_cast<int16_t>(a);
    return true;
}

// A record address of the panel's ring.
bool adresse(std::string_view t, int32_t &sortie)
{
    int64_t v;
    if (!entier(t, Fonctions::Debut_Anneau, Fonctions::Fin_Anneau - 1, v) ||
        (v - Fonctions::Debut_Anneau) % 8 != 0)
        return false;
    sortie = static_cast<int32_t>(v);
    return true;
}

// Eight bytes 0..255 separated by one blank: the hot path of a full ring, so no allocation here.
bool enregistrement(std::string_view ligne, Declaration::Enregistrement_Memoire &r)
{
    const char *p = ligne.data();
    const char *const fin = p + ligne.size();
    for (size_t colonne = 1; colonne <= 8; ++colonne) {
        if (colonne > 1) {
            if (p == fin || *p != ' ')
                return false;
            ++p;
        }
        int v = 0, chiffres = 0;
        while (p < fin && *p >= '0' && *p <= '9' && chiffres < 4) {
            v = v * 10 + (*p - '0');
            ++p;
            ++chiffres;
        }
        if (chiffres == 0 || chiffres > 3 || v > 255)
            return false;
        r[colonne] = static_cast<int16_t>(v);
    }
    return p == fin;
}

bool finitPar(std::string_view t, std::string_view fin)
{
    return t.size() >= fin.size() && t.substr(t.size() - fin.size()) == fin;
}

// The main window's hourglass while a file is read.
class Sablier
{
public:
    Sablier()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_actif = true;
        }
    }
    ~Sablier()
    {
        if (m_actif)
            QGuiApplication::restoreOverrideCursor();
    }
    Sablier(const Sablier &) = delete;
    Sablier &operator=(const Sablier &) = delete;

private:
    bool m_actif = false;
};

} // namespace

QByteArray Entete(int version_mineure)
{
    return QByteArrayLiteral("Sauvegarde d'un Pelmar - Version 2.") + QByteArray::number(version_mineure);
}

int Version_Entete(const QByteArray &debut)
{
    for (int v = 0; v <= 3; ++v)
        if (debut == Entete(v))
            return v;
    return -1;
}

QByteArray Octets_Sauvegarde(const Declaration::Etat &etat)
{
    const auto &periode = etat.Periode_Chargee;
    const auto &p = etat.Parametres_Chargees;
    const auto &table = etat.Donnees_Memoire;

    QByteArray o;
    o.append(Entete(3));
    finLigne(o);
    // The period held, not Date_Selection: a held-data dialog may have narrowed that to a sub-period
    // while every row is written.
    o.append(
        Fonctions::Texte_Date_Tirets(periode.Jour_Debut, periode.Mois_Debut, periode.Annee_Debut).toLatin1());
    finLigne(o);
    o.append(Fonctions::Texte_Date_Tirets(periode.Jour_Fin, periode.Mois_Fin, periode.Annee_Fin).toLatin1());
    finLigne(o);
    // The held set's own addresses: a later request that failed may have rewritten the selection's.
    ligneEntier(o, etat.Adresse_Debut_Chargee);
    ligneEntier(o, etat.Adresse_Fin_Chargee);
    ligneEntier(o, p.Offset);
    ligneEntier(o, p.Niveau_Alarme);
    ajouterEntier(o, p.Version_Firmware[1] + (p.Modele_40dB ? 128 : 0));
    o.append(' ');
    ligneEntier(o, p.Version_Firmware[2]);
    o.append(' ');
    o.append(p.Nom_Afficheur.toLatin1());
    o.append(kMarqueurNom.data(), static_cast<qsizetype>(kMarqueurNom.size()));
    finLigne(o);
    o.append(p.Numero_Serie.toLatin1());
    finLigne(o);
    for (const int16_t v :
         {p.Config_Aff_Centre, p.Config_Aff_Bas_Gauche, p.Config_Aff_Bas_Droite, p.Mode_Luminosite,
          p.Type_Luminosite_Auto, p.Valeur_Luminosite, p.Heure_Auto, p.Type_Capteur})
        ligneEntier(o, v);

    // Record lines straight into the buffer: a full ring is half a million of them.
    constexpr qsizetype kLigneMax = 8 * 7 + 2; // eight 16-bit numbers with their separators, CR LF
    const qsizetype entete = o.size();
    o.resize(entete + kLigneMax * table.Nombre_Lignes());
    char *ecrit = o.data() + entete;
    for (int32_t ligne = 1; ligne <= table.Nombre_Lignes(); ++ligne) {
        const auto &r = table.rows[static_cast<size_t>(ligne)];
        for (size_t colonne = 1; colonne <= 8; ++colonne) {
            if (colonne > 1)
                *ecrit++ = ' ';
            ecrit = std::to_chars(ecrit, ecrit + 6, r[colonne]).ptr;
        }
        *ecrit++ = '\r';
        *ecrit++ = '\n';
    }
    o.truncate(ecrit - o.constData());
    return o;
}

Resultat_Lecture Lire_Sauvegarde(const QByteArray &octets, Contenu &sortie)
{
    Contenu c;
    const int version = Version_Entete(octets.left(Longueur_Entete));
    if (version < 0)
        return {Refus::Entete, 1};
    c.Version_Mineure = version;

    Lecteur lecteur(octets);
    std::string_view l;
    auto ligne = [&]() { return lecteur.suivante(l) == Etat_Ligne::Lue; };
    auto endommage = [&]() { return Resultat_Lecture{Refus::Endommage, lecteur.numero()}; };
    auto &p = c.Parametres;

    // Line 1 is the header and nothing else.
    if (!ligne() || l.size() != static_cast<size_t>(Longueur_Entete))
        return endommage();
    auto &per = c.Periode;
    if (!ligne() || !date(l, per.Jour_Debut, per.Mois_Debut, per.Annee_Debut))
        return endommage();
    if (!ligne() || !date(l, per.Jour_Fin, per.Mois_Fin, per.Annee_Fin))
        return endommage();
    if (!ligne() || !adresse(l, c.Adresse_Debut_Selection))
        return endommage();
    if (!ligne() || !adresse(l, c.Adresse_Fin_Selection))
        return endommage();
    // The offset's one byte holds at most 127 quarter dB, either sign.
    if (!ligne() || !champ16(l, -32, 32, p.Offset, true))
        return endommage();
    if (!ligne() || !champ16(l, 0, 255, p.Niveau_Alarme))
        return endommage();

    if (!ligne())
        return endommage();
    const size_t blanc = l.find(' ');
    int16_t majeure = 0;
    if (blanc == std::string_view::npos || !champ16(l.substr(0, blanc), 0, 255, majeure) ||
        !champ16(l.substr(blanc + 1), 0, 255, p.Version_Firmware[2]))
        return endommage();
    // Only above 128 is it the 40 dB mark: 128 itself reads as major version 128.
    p.Modele_40dB = majeure > 128;
    p.Version_Firmware[1] = static_cast<int16_t>(p.Modele_40dB ? majeure - 128 : majeure);

    if (!ligne() || l.size() < 1 + kMarqueurNom.size() || l[0] != ' ' || !finitPar(l, kMarqueurNom))
        return endommage();
    p.Nom_Afficheur =
        QString::fromLatin1(l.data() + 1, static_cast<qsizetype>(l.size() - 1 - kMarqueurNom.size()));

    if (!ligne())
        return endommage();
    for (const char ch : l)
        if (ch < '0' || ch > '9')
            return endommage();
    p.Numero_Serie = QString::fromLatin1(l.data(), static_cast<qsizetype>(l.size()));

    for (int16_t *champ : {&p.Config_Aff_Centre, &p.Config_Aff_Bas_Gauche, &p.Config_Aff_Bas_Droite,
                           &p.Mode_Luminosite, &p.Type_Luminosite_Auto, &p.Valeur_Luminosite, &p.Heure_Auto})
        if (!ligne() || !champ16(l, 0, 255, *champ))
            return endommage();
    if (version >= 1 && (!ligne() || !champ16(l, 0, 255, p.Type_Capteur)))
        return endommage();

    // Both addresses lie in the ring, so the count is at most the ring's 540,672 records.
    const int64_t a = c.Adresse_Debut_Selection, b = c.Adresse_Fin_Selection;
    const int64_t n = (b >= a ? b - a : b - a + Fonctions::Taille_Anneau) / 8 + 1;

    auto &lignes = c.Donnees_Memoire.rows;
    lignes.reserve(
        1 + static_cast<size_t>(std::min<int64_t>(n, static_cast<int64_t>(lecteur.restant() / 16 + 1))));
    for (int64_t k = 1; k <= n; ++k) {
        const Etat_Ligne e = lecteur.suivante(l);
        if (e == Etat_Ligne::Fin)
            break;
        Declaration::Enregistrement_Memoire r{};
        if (e == Etat_Ligne::Tronquee || !enregistrement(l, r))
            return endommage();
        lignes.push_back(r);
    }

    sortie = std::move(c);
    return {};
}

void Appliquer(Contenu &&c, Declaration::Etat &etat)
{
    etat.Periode_Chargee = c.Periode;
    etat.Date_Selection.Adresse_Debut_Selection = c.Adresse_Debut_Selection;
    etat.Date_Selection.Adresse_Fin_Selection = c.Adresse_Fin_Selection;
    etat.Adresse_Debut_Chargee = c.Adresse_Debut_Selection;
    etat.Adresse_Fin_Chargee = c.Adresse_Fin_Selection;
    auto &p = etat.Parametres_Afficheur;
    const auto &f = c.Parametres;
    p.Offset = f.Offset;
    p.Niveau_Alarme = f.Niveau_Alarme;
    p.Version_Firmware[1] = f.Version_Firmware[1];
    p.Version_Firmware[2] = f.Version_Firmware[2];
    p.Modele_40dB = f.Modele_40dB;
    p.Nom_Afficheur = f.Nom_Afficheur;
    p.Numero_Serie = f.Numero_Serie;
    p.Config_Aff_Centre = f.Config_Aff_Centre;
    p.Config_Aff_Bas_Gauche = f.Config_Aff_Bas_Gauche;
    p.Config_Aff_Bas_Droite = f.Config_Aff_Bas_Droite;
    p.Mode_Luminosite = f.Mode_Luminosite;
    p.Type_Luminosite_Auto = f.Type_Luminosite_Auto;
    p.Valeur_Luminosite = f.Valeur_Luminosite;
    p.Heure_Auto = f.Heure_Auto;
    if (c.Version_Mineure >= 1)
        p.Type_Capteur = f.Type_Capteur;
    etat.Parametres_Chargees = p;
    etat.Donnees_Memoire = std::move(c.Donnees_Memoire);
    etat.Donnees_Chargees = true;
}

QString Nom_Propose(const Declaration::Etat &etat)
{
    const auto &per = etat.Periode_Chargee;
    const auto &p = etat.Parametres_Chargees;
    QString nom = (p.Modele_40dB ? QStringLiteral("Pelmar - 40dB - ") : QStringLiteral("Pelmar - ")) +
                  p.Nom_Afficheur + QStringLiteral(" - ") +
                  Fonctions::Texte_Date_Tirets(per.Jour_Debut, per.Mois_Debut, per.Annee_Debut) +
                  QStringLiteral(" au ") +
                  Fonctions::Texte_Date_Tirets(per.Jour_Fin, per.Mois_Fin, per.Annee_Fin) +
                  QStringLiteral(".") + Extension;
    // A "/" would make the proposal a path into a folder that does not exist.
    return nom.replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString Texte_Endommage(int ligne)
{
    return QStringLiteral("Le fichier est endommagé à la ligne %1. Impossible d'ouvrir le fichier !!!")
        .arg(ligne);
}

bool Extension_Valide(const QString &chemin)
{
    return chemin.endsWith(Extension, Qt::CaseSensitive);
}

void Sauvegarder_Donnees()
{
    Fonctions::Fermer_Fenetres();
    if (!D().Donnees_Chargees) {
        Fonctions::Message_Critique(Texte_Pas_De_Donnees, Titre_Pas_De_Donnees);
        return;
    }
    const auto choix =
        Fonctions::Demander_Nom_Sauvegarde(Nom_Propose(D()), Filtre, Texte_Nom_Vide, Titre_Sauver);
    if (!choix)
        return; // Cancel ends the save quietly
    const QString &chemin = *choix;

    // Put in place whole, so a failure leaves any earlier file as it was.
    if (!platform::WriteWholeFile(chemin, Octets_Sauvegarde(D())))
        Fonctions::Message_Critique(Texte_Ecriture_Echouee, Titre_Sauver);
}

bool Ouvrir_Sauvegarde(const QString &chemin)
{
    Fonctions::Fermer_Fenetres();
    if (chemin.isEmpty()) {
        Fonctions::Message_Critique(Texte_Chemin_Vide, Titre_Chemin_Vide);
        return false;
    }
    if (!Extension_Valide(chemin)) {
        Fonctions::Message_Critique(Texte_Pas_Pelmar, Titre_Ouvrir);
        return false;
    }

    Resultat_Lecture r;
    Contenu contenu;
    {
        Sablier sablier;
        // Only a plain file, its header looked at before anything more of it is read, and never more of
        // it than a full ring needs: a pipe, a device or an endless file costs neither a wait nor memory.
        platform::PlainFile fichier(chemin);
        QByteArray octets;
        if (!fichier.readInto(octets, Longueur_Entete)) {
            Fonctions::Message_Critique(Texte_Illisible, Titre_Ouvrir);
            return false;
        }
        if (Version_Entete(octets) < 0) {
            Fonctions::Message_Critique(Texte_Pas_Pelmar, Titre_Ouvrir);
            return false;
        }
        if (!fichier.readInto(octets, Longueur_Lue_Max - Longueur_Entete)) {
            Fonctions::Message_Critique(Texte_Illisible, Titre_Ouvrir);
            return false;
        }
        r = Lire_Sauvegarde(octets, contenu);
    }
    switch (r.refus) {
    case Refus::Aucun: Appliquer(std::move(contenu), D()); return true;
    case Refus::Entete: Fonctions::Message_Critique(Texte_Pas_Pelmar, Titre_Ouvrir); return false;
    case Refus::Endommage: break;
    }
    Fonctions::Message_Critique(Texte_Endommage(r.ligne), Titre_Ouvrir);
    return false;
}

} // namespace Fonctions_Sauvegarde
