#include "analysis/core/period_layout.h"

#include "analysis/core/Fonctions.h"
#include "platform/twips.h"

#include <QFrame>

namespace period_layout {

QLabel *Titre(QWidget *parent, const QString &text, int top, int width)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(l, 120, top, width, 225);
    return l;
}

QLabel *Texte(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *l = new QLabel(text, parent);
    platform::PlaceTwips(l, left, top, width, height);
    return l;
}

static void trait(QWidget *parent, int left, int top, int width, int height)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(width > height ? QFrame::HLine : QFrame::VLine);
    f->setFrameShadow(QFrame::Plain);
    platform::PlaceTwips(f, left, top, width, height);
}

std::vector<QLabel *> Lignes(QWidget *parent, int top, const QStringList &captions)
{
    std::vector<QLabel *> valeurs;
    for (int i = 0; i < captions.size(); ++i) {
        const int y = top + 360 * i;
        Texte(parent, captions[i], 120, y, 3135, 225);
        QLabel *v = Texte(parent, QString(), 3390, y, 3195, 225);
        v->setAlignment(Qt::AlignCenter);
        valeurs.push_back(v);
    }
    return valeurs;
}

std::vector<QLabel *> Lignes_Information(QWidget *parent, int top, const QStringList &captions)
{
    std::vector<QLabel *> valeurs = Lignes(parent, top, captions);
    for (int i = 0; i < captions.size(); ++i)
        trait(parent, 60, top + 360 * i - 75, 6615, 15);
    const int bas = top + 360 * static_cast<int>(captions.size()) - 75;
    trait(parent, 60, bas, 6615, 15);
    trait(parent, 60, top - 75, 15, bas - top + 90);
    trait(parent, 3300, top - 75, 15, bas - top + 90);
    trait(parent, 6660, top - 75, 15, bas - top + 90);
    return valeurs;
}

void Cadre(QWidget *parent, int left, int top, int right, int bottom)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    f->setLineWidth(2);
    // The lines start at (left, top) and (right, bottom) and are 2 pixels wide from there.
    f->setGeometry(platform::Px(left), platform::Px(top), platform::Px(right) - platform::Px(left) + 2,
                   platform::Px(bottom) - platform::Px(top) + 2);
    // Beneath the labels and calendars it surrounds, so that it never takes their clicks.
    f->lower();
}

QCalendarWidget *Calendrier(QWidget *parent, int left, int top)
{
    auto *c = new QCalendarWidget(parent);
    platform::PlaceTwips(c, left, top, 2670, 2460);
    c->setGridVisible(true);
    c->setLocale(QLocale(QLocale::French, QLocale::France));
    c->setFirstDayOfWeek(Qt::Monday);
    c->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    return c;
}

Boutons Ok_Annuler(QWidget *parent, int left, int top)
{
    auto *ok = new QPushButton(QStringLiteral("Ok"), parent);
    platform::PlaceTwips(ok, left, top, 975, 375);
    auto *annuler = new QPushButton(QStringLiteral("Annuler"), parent);
    platform::PlaceTwips(annuler, left + 1200, top, 975, 375);
    return {ok, annuler};
}

void Focus_Sur_Ok(QCalendarWidget *debut, QCalendarWidget *fin, QPushButton *ok)
{
    for (QCalendarWidget *c : {debut, fin})
        QObject::connect(c, &QCalendarWidget::clicked, ok, [ok] { ok->setFocus(); });
}

QString Texte_Nombre_Donnees(double nombre)
{
    return QString::number(nombre, 'g', 12);
}

void Remplir_Lignes_Periode(const std::array<QLabel *, 4> &valeurs, const Jours &j, int32_t a, int32_t b)
{
    valeurs[0]->setText(Fonctions::Texte_Jour_Complet(j.jour_debut, j.mois_debut, j.annee_debut));
    valeurs[1]->setText(Fonctions::Texte_Jour_Complet(j.jour_fin, j.mois_fin, j.annee_fin));
    valeurs[2]->setText(Texte_Nombre_Donnees(Fonctions::Nombre_Enregistrements(a, b)));
    valeurs[3]->setText(Fonctions::Texte_Duree(Fonctions::Estimation_Temps(valeurs[2]->text().toDouble())));
}

} // namespace period_layout
