#include "analysis/tables/Impression_Leq.h"

#include "platform/list_box.h"
#include "platform/printer.h"

namespace Impression_Leq {
namespace {

constexpr int kLignesParPage = 64;

struct Tableau
{
    QString titre;
    QString sans_donnees; // empty: the table has no no-data line
};

const std::array<Tableau, 4> &tableaux()
{
    static const std::array<Tableau, 4> t{{
        {QStringLiteral("Tableau des valeurs Leq10 du"),
         QStringLiteral("Il n'y a pas de Niveau Leq10 en mémoire pour cette période.")},
        {QStringLiteral("Tableau des valeurs Leq5 du"),
         QStringLiteral("Il n'y a pas de Niveau Leq5 en mémoire pour cette période.")},
        {QStringLiteral("Tableau des valeurs Leq1 du"), QString()},
        {QStringLiteral("Tableau des valeurs Crête du"), QString()},
    }};
    return t;
}

bool texte(platform::Printer &p, double x, double y, const QString &t)
{
    p.setCurrentX(x);
    p.setCurrentY(y);
    return p.Print(t);
}

// Heading lines in the heading font, then the font of the rows.
bool entete(platform::Printer &p, const QString &entete, const QString &titre)
{
    p.setFontName(QStringLiteral("Arial"));
    p.setFontSize(10);
    p.setFontBold(false);
    if (!texte(p, 3000, 200, entete) || !texte(p, 2900, 500, titre))
        return false;
    // Small enough for a whole line between x 2350 and the paper's right edge, and for 200-twip rows.
    p.setFontSize(8);
    return true;
}

bool imprimerTableau(platform::Printer &p, const QString &en_tete, const QString &titre,
                     const QStringList &lignes, const QString &sans_donnees)
{
    int page = 1;
    if (!entete(p, en_tete, titre))
        return false;
    if (lignes.isEmpty() && !sans_donnees.isEmpty() && !texte(p, 3500, 2000, sans_donnees))
        return false;
    int r = 0;
    for (const QString &ligne : lignes) {
        ++r;
        if (!texte(p, 2350, 1000 + 200 * r, ligne))
            return false;
        // The break follows the 64th line even when it is the last: that page then holds its heading
        // and footer only.
        if (r == kLignesParPage) {
            if (!texte(p, 5000, 15800, Pied_De_Page(page)) || !p.NewPage())
                return false;
            ++page;
            if (!entete(p, en_tete, titre))
                return false;
            r = 0;
        }
    }
    return texte(p, 5000, 15800, Pied_De_Page(page)) && p.NewPage();
}

} // namespace

QStringList Lignes(const platform::ListBox &liste)
{
    QStringList lignes;
    lignes.reserve(liste.ListCount());
    for (int i = 0; i < liste.ListCount(); ++i)
        lignes << liste.List(i);
    return lignes;
}

QString Pied_De_Page(int page)
{
    return QStringLiteral(" Page  ") + QLatin1Char(' ') + QString::number(page);
}

bool Imprimer(platform::Printer &imprimante, const QString &en_tete, const QString &date,
              const std::array<QStringList, 4> &lignes)
{
    imprimante.setOrientation(platform::PageOrientation::Portrait);
    for (size_t k = 0; k < lignes.size(); ++k) {
        const Tableau &t = tableaux()[k];
        if (!imprimerTableau(imprimante, en_tete, t.titre + date, lignes[k], t.sans_donnees)) {
            // What was printed so far still goes out.
            imprimante.EndDoc();
            return false;
        }
    }
    return imprimante.EndDoc();
}

} // namespace Impression_Leq
