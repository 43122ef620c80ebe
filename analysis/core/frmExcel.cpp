#include "analysis/core/frmExcel.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Sauvegarde_Excel.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <cmath>
#include <limits>

using Declaration::D;
namespace SE = Sauvegarde_Excel;

namespace {

// Layout of one row of boxes inside the frame: left edges and widths, in twips.
constexpr std::array<int, 5> kGauches{3420, 3930, 4560, 5070, 5700};
constexpr std::array<int, 5> kLargeurs{435, 435, 435, 435, 735};

QLineEdit *caseSaisie(QWidget *parent, int index, int top, int longueur)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(longueur);
    e->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(e, kGauches[static_cast<size_t>(index)], top, kLargeurs[static_cast<size_t>(index)],
                         315);
    return e;
}

// One titled row: its title, the captions above its boxes, and the five boxes.
std::array<QLineEdit *, 5> rangee(QWidget *cadre, const QString &titre, int top)
{
    auto *l = new QLabel(titre, cadre);
    platform::PlaceTwips(l, 180, top + 240, 3180, 315);
    static const std::array<QString, 5> legendes{QStringLiteral(" Hr"), QStringLiteral(" Min"),
                                                 QStringLiteral(" JJ"), QStringLiteral(" MM"),
                                                 QStringLiteral("AAAA")};
    std::array<QLineEdit *, 5> cases{};
    for (int i = 0; i < 5; ++i) {
        auto *legende = new QLabel(legendes[static_cast<size_t>(i)], cadre);
        legende->setAlignment(Qt::AlignCenter);
        platform::PlaceTwips(legende, kGauches[static_cast<size_t>(i)], top,
                             kLargeurs[static_cast<size_t>(i)], 225);
        cases[static_cast<size_t>(i)] = caseSaisie(cadre, i, top + 240, i == 4 ? 4 : 2);
    }
    return cases;
}

} // namespace

frmExcel::frmExcel() : platform::Form(Kind::MdiChild, QStringLiteral("Sauvegarde Excel"), 7245, 2955)
{
    Label_Date = new QLabel(this);
    Label_Date->setWordWrap(true); // a long range runs over two lines
    Label_Date->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::PlaceTwips(Label_Date, 120, 120, 6975, 495);

    Frame1 = new QGroupBox(QStringLiteral("Sélectionner la période d'analyse sur Exel"), this);
    platform::PlaceTwips(Frame1, 120, 510, 6975, 1935);
    const auto debut = rangee(Frame1, QStringLiteral("Date et Heure de début d'Analyse"), 300);
    const auto fin = rangee(Frame1, QStringLiteral("Date et Heure de fin d'analyse"), 1080);
    hd = debut[0];
    mnd = debut[1];
    jd = debut[2];
    md = debut[3];
    ad = debut[4];
    hf = fin[0];
    mnf = fin[1];
    jf = fin[2];
    mf = fin[3];
    af = fin[4];

    Valex = new QPushButton(QStringLiteral("Valider"), this);
    platform::PlaceTwips(Valex, 4800, 2520, 975, 375);
    Command1 = new QPushButton(QStringLiteral("Annuler"), this);
    platform::PlaceTwips(Command1, 6000, 2520, 855, 375);
    connect(Valex, &QPushButton::clicked, this, &frmExcel::Valex_Click);
    connect(Command1, &QPushButton::clicked, this, &frmExcel::Command1_Click);

    const auto cases = Cases();
    for (size_t i = 0; i + 1 < cases.size(); ++i)
        setTabOrder(cases[i], cases[i + 1]);
    setTabOrder(af, Valex);
    setTabOrder(Valex, Command1);
}

std::array<QLineEdit *, 10> frmExcel::Cases() const
{
    return {hd, mnd, jd, md, ad, hf, mnf, jf, mf, af};
}

void frmExcel::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Label_Date->setText(SE::Texte_Label_Date(D().Date_Selection, D().Graphique.Nombre_Jours_Graphique));
    const auto &p = SE::Periode();
    const std::array<int16_t, 10> valeurs{p.Excel_Heure_Debut, p.Excel_Minute_Debut, p.Excel_Jour_Debut,
                                          p.Excel_Mois_Debut,  p.Excel_Annee_Debut,  p.Excel_Heure_Fin,
                                          p.Excel_Minute_Fin,  p.Excel_Jour_Fin,     p.Excel_Mois_Fin,
                                          p.Excel_Annee_Fin};
    const auto cases = Cases();
    for (size_t i = 0; i < cases.size(); ++i)
        cases[i]->setText(i % 5 == 4 ? SE::Texte_Case_Annee(valeurs[i]) : SE::Texte_Case(valeurs[i]));
}

void frmExcel::Valex_Click()
{
    const auto cases = Cases();
    std::array<int16_t, 10> valeurs{};
    for (size_t i = 0; i < cases.size(); ++i) {
        double v = SE::Valeur_Texte(cases[i]->text());
        if (i % 5 == 4)
            v -= 2000;
        v = Fonctions::Arrondi(v);
        // Every field is 16-bit: a number beyond that is refused rather than wrapped.
        if (!std::isfinite(v) || v < std::numeric_limits<int16_t>::min() ||
            v > std::numeric_limits<int16_t>::max()) {
            platform::MsgBox(SE::Texte_Periode_Invalide, platform::MsgButtons::Ok,
                             platform::MsgIcon::Critical, SE::Titre_Impossible);
            cases[i]->setFocus();
            return;
        }
        valeurs[i] = static_cast<int16_t>(v);
    }
    auto &p = SE::Periode();
    p.Excel_Heure_Debut = valeurs[0];
    p.Excel_Minute_Debut = valeurs[1];
    p.Excel_Jour_Debut = valeurs[2];
    p.Excel_Mois_Debut = valeurs[3];
    p.Excel_Annee_Debut = valeurs[4];
    p.Excel_Heure_Fin = valeurs[5];
    p.Excel_Minute_Fin = valeurs[6];
    p.Excel_Jour_Fin = valeurs[7];
    p.Excel_Mois_Fin = valeurs[8];
    p.Excel_Annee_Fin = valeurs[9];

    Hide();
    SE::Exporter_Excel();
    Unload();
}

void frmExcel::Command1_Click()
{
    Unload();
}
