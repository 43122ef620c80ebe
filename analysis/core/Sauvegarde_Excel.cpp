#include "analysis/core/Sauvegarde_Excel.h"

#include "analysis/core/Fonctions.h"
#include "platform/message_box.h"
#include "platform/spreadsheet.h"

#include <QFileInfo>
#include <cstdlib>
#include <locale.h>
#include <string>

using Declaration::D;

namespace Sauvegarde_Excel {
namespace {

} // namespace

Periode_Excel &Periode()
{
    static Periode_Excel p;
    return p;
}

int32_t Lignes_Max()
{
    return platform::Spreadsheet::kMaxRows - 1;
}

QString Texte_Trop_De_Lignes(int64_t lignes)
{
    return QStringLiteral("The period holds more than %1 rows to export, more than one sheet can take. "
                          "Please choose a shorter period.")
        .arg(lignes);
}

QString Texte_Echec(const QString &raison)
{
    return QStringLiteral("The workbook could not be written (%1). Unable to save data ...").arg(raison);
}

QString Texte_Remplacer(const QString &chemin)
{
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(chemin).fileName());
}

QString Texte_Date(const Declaration::Enregistrement_Memoire &r)
{
    const int annee = r[5];
    return QStringLiteral("%1/%2/%3%4-%5h%6mn")
        .arg(r[3])
        .arg(r[4])
        .arg(annee <= 9 ? QStringLiteral("200") : QStringLiteral("20"))
        .arg(annee)
        .arg(r[2])
        .arg(r[1] < 10 ? QStringLiteral("0") + QString::number(r[1]) : QString::number(r[1]));
}

bool Dans_Periode(const Declaration::Enregistrement_Memoire &r, const Periode_Excel &p)
{
    using Moment = std::array<int, 5>;
    const Moment m{r[5], r[4], r[3], r[2], r[1]};
    const Moment debut{p.Excel_Annee_Debut, p.Excel_Mois_Debut, p.Excel_Jour_Debut, p.Excel_Heure_Debut,
                       p.Excel_Minute_Debut};
    const Moment fin{p.Excel_Annee_Fin, p.Excel_Mois_Fin, p.Excel_Jour_Fin, p.Excel_Heure_Fin,
                     p.Excel_Minute_Fin};
    return !(m < debut) && m < fin;
}

bool Ligne_Mesure(const Declaration::Enregistrement_Memoire &r)
{
    return r[6] >= 40 && r[6] != 255 && r[7] != 255 && r[8] != 255;
}

std::optional<std::vector<int32_t>> Lignes_Exportees(const Declaration::Table_Donnees &table,
                                                     const Periode_Excel &p, int32_t limite)
{
    std::vector<int32_t> lignes;
    int compteur = 5; // the first row that passes is written
    for (int32_t k = 1; k <= table.Nombre_Lignes(); ++k) {
        const auto &r = table.rows[static_cast<size_t>(k)];
        const bool Excel_Dans_Periode = Dans_Periode(r, p);
        if (!Excel_Dans_Periode || !Ligne_Mesure(r) || r[7] < Niveau_Minimal)
            continue;
        if (compteur == 5) {
            if (static_cast<int64_t>(lignes.size()) >= limite)
                return std::nullopt;
            lignes.push_back(k);
            compteur = 0;
        }
        ++compteur;
    }
    return lignes;
}

QString Nom_Propose(const QString &nom_afficheur, const Periode_Excel &p)
{
    QString nom =
        QStringLiteral("Pelmar ") + nom_afficheur + QStringLiteral(" - ") +
        Fonctions::Texte_Date_Tirets(p.Excel_Jour_Debut, p.Excel_Mois_Debut, p.Excel_Annee_Debut + 2000) +
        QStringLiteral(" au ") +
        Fonctions::Texte_Date_Tirets(p.Excel_Jour_Fin, p.Excel_Mois_Fin, p.Excel_Annee_Fin + 2000) +
        Extension;
    // A "/" would make the proposal a path into a folder that does not exist.
    return nom.replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString Texte_Label_Date(const Declaration::Selection &s, int16_t nombre_jours)
{
    auto jour = [](int j) { return j > 9 ? QString::number(j) : QStringLiteral("0") + QString::number(j); };
    const int annee_debut = s.Annee_Debut_Selection + 2000;
    QString t = QStringLiteral(" Niveaux du ") +
                Fonctions::Nom_Jour(s.Jour_Debut_Selection, s.Mois_Debut_Selection, annee_debut) +
                QStringLiteral(" ") + jour(s.Jour_Debut_Selection) + QStringLiteral(" ") +
                Fonctions::Nom_Mois(s.Mois_Debut_Selection) + QStringLiteral(" ") +
                QString::number(annee_debut);
    if (nombre_jours == 1)
        return t;
    const int annee_fin = s.Annee_Fin_Selection + 2000;
    return t + QStringLiteral(" à 00h.00 ") + QStringLiteral(" au ") +
           Fonctions::Nom_Jour(s.Jour_Fin_Selection, s.Mois_Fin_Selection, annee_fin) + QStringLiteral(" ") +
           jour(s.Jour_Fin_Selection) + QStringLiteral(" ") + Fonctions::Nom_Mois(s.Mois_Fin_Selection) +
           QStringLiteral(" ") + QString::number(annee_fin) + QStringLiteral(" à 00h.00");
}

QString Texte_Case(int16_t v)
{
    if (v == 0)
        return {};
    return v >= 1 && v <= 9 ? Fonctions::Deux_Chiffres(v) : QString::number(v);
}

QString Texte_Case_Annee(int16_t v)
{
    return v == 0 ? QString() : QString::number(v + 2000);
}

double Valeur_Texte(const QString &texte)
{
    // Blanks anywhere are skipped, as the boxes were always read.
    std::string t;
    for (const QChar c : texte)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r'))
            t.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');

    // "&H1F" and "&O17": hexadecimal and octal.
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        const int base = (t[1] == 'H' || t[1] == 'h') ? 16 : 8;
        return static_cast<double>(std::strtoll(t.c_str() + 2, nullptr, base));
    }

    auto chiffre = [&](size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    std::string n;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        n.push_back(t[i++]);
    bool chiffres = false;
    while (chiffre(i)) {
        n.push_back(t[i++]);
        chiffres = true;
    }
    if (i < t.size() && t[i] == '.') {
        n.push_back(t[i++]);
        while (chiffre(i)) {
            n.push_back(t[i++]);
            chiffres = true;
        }
    }
    if (!chiffres)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        size_t j = i + 1;
        std::string exposant = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            exposant.push_back(t[j++]);
        if (chiffre(j)) {
            while (chiffre(j))
                exposant.push_back(t[j++]);
            n += exposant;
        }
    }
    // "." is the decimal point whatever the user's locale, which Qt puts in force at start.
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(n.c_str(), nullptr, c);
}

void Exporter_Excel()
{
    Fonctions::Fermer_Fenetres();
    if (!D().Donnees_Chargees) {
        Fonctions::Message_Critique(Texte_Pas_De_Donnees, Titre_Pas_De_Donnees);
        return;
    }
    const Periode_Excel &periode = Periode();
    const auto lignes = Lignes_Exportees(D().Donnees_Memoire, periode, Lignes_Max());
    if (!lignes) {
        Fonctions::Message_Critique(Texte_Trop_De_Lignes(Lignes_Max()), Titre_Impossible);
        return;
    }

    const auto choix =
        Fonctions::Demander_Nom_Sauvegarde(Nom_Propose(D().Parametres_Chargees.Nom_Afficheur, periode),
                                           Filtre, Texte_Nom_Vide, Titre_Impossible);
    if (!choix)
        return; // Cancel ends the export quietly
    QString chemin = *choix;
    if (!chemin.endsWith(Extension, Qt::CaseInsensitive)) {
        chemin += Extension;
        // The dialog asked about the name as typed; the workbook it would replace was never named.
        if (QFileInfo::exists(chemin) &&
            platform::MsgBox(Texte_Remplacer(chemin), platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation,
                             Titre_Remplacer) != platform::MsgResult::Yes)
            return;
    }

    // The workbook exists only from here, once every check has passed, and goes with this scope.
    platform::Spreadsheet classeur;
    classeur.AddWorkbook();
    for (int colonne = 1; colonne <= 4; ++colonne)
        classeur.SetCellText(1, colonne, Entetes[static_cast<size_t>(colonne - 1)]);
    int32_t ligne_feuille = 2;
    for (const int32_t k : *lignes) {
        const auto &r = D().Donnees_Memoire.rows[static_cast<size_t>(k)];
        classeur.SetCellText(ligne_feuille, 1, Texte_Date(r));
        // Column B keeps byte 6 as stored: a 5-minute row carries its level plus 128.
        for (int colonne = 2; colonne <= 4; ++colonne)
            classeur.SetCellNumber(ligne_feuille, colonne, r[static_cast<size_t>(colonne + 4)]);
        ++ligne_feuille;
    }
    if (!classeur.SaveAs(chemin))
        Fonctions::Message_Critique(Texte_Echec(classeur.ErrorString()), Titre_Impossible);
    classeur.Quit();
}

} // namespace Sauvegarde_Excel
