#include "analysis/core/frmConnexion.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmMain.h"
#include "platform/input_guard.h"
#include "platform/ticks.h"
#include "platform/twips.h"

#include <cmath>

using Declaration::D;

namespace {

QLabel *labelGras(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

frmConnexion::frmConnexion() : platform::Form(Kind::MdiChild, QStringLiteral("Connexion"), 4005, 1455)
{
    // The one window a user reaches while an exchange runs.
    platform::InputGuard::AllowWidget(this);
    Label_Type = labelGras(this, QStringLiteral("Connexion avec l'Pelmar en cours ..."));
    platform::PlaceTwips(Label_Type, 150, 180, 3645, 255);
    Label_Tentative = labelGras(this, QStringLiteral("Tentative de Connexion 1 / 3."));
    platform::PlaceTwips(Label_Tentative, 150, 510, 3645, 225);
    Progression = new platform::ProgressBar(this);
    platform::PlaceTwips(Progression, 150, 810, 3645, 255);
    Label_Time = labelGras(this, QString());
    platform::PlaceTwips(Label_Time, 150, 1140, 3675, 225);
    Timer_Wait.setInterval(platform::ScaledInterval(125));
    connect(&Timer_Wait, &QTimer::timeout, this, &frmConnexion::Timer_Wait_Timer);
}

void frmConnexion::Form_Load()
{
    D().Ouvert.Ouvert_Connexion = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Connexion, this);
    if (frmMain *m = frmMain::Instance()) {
        Etat_Menu_Sauvegarde = m->SaveEnabled();
        m->mnuSelect_Port->setEnabled(false);
        m->setSaveEnabled(false);
        m->mnuAbout->setEnabled(false);
        m->setAnalyseEnabled(false);
    }
    setLeftTwips(0);
    Progression->setValue(Progression->Min());
}

void frmConnexion::Form_Unload()
{
    D().Ouvert.Ouvert_Connexion = false;
    Timer_Wait.stop();
    if (frmMain *m = frmMain::Instance()) {
        m->mnuSelect_Port->setEnabled(true);
        m->setSaveEnabled(Etat_Menu_Sauvegarde);
        m->mnuAbout->setEnabled(true);
        m->setAnalyseEnabled(true);
    }
}

bool frmConnexion::Form_QueryUnload()
{
    // Closing it by hand would leave an exchange running with no window; only the program's
    // own end may close it then.
    return D().Etat_Liaison.Arret_Demande;
}

void frmConnexion::Preparer_Transmission(int32_t duree)
{
    Progression->setMax(static_cast<float>(duree * 8 + 0.1));
    Label_Type->setText(QStringLiteral("Transmission des données de l'Pelmar ..."));
    Label_Tentative->setText(Fonctions::Texte_Tentative(1));
    Label_Time->setText(Fonctions::Texte_Compte_A_Rebours(duree));
    Demarrer_Timer();
}

void frmConnexion::Demarrer_Timer()
{
    Timer_Wait.setInterval(platform::ScaledInterval(125));
    Timer_Wait.start();
}

void frmConnexion::Arreter_Timer()
{
    Timer_Wait.stop();
}

void frmConnexion::Timer_Wait_Timer()
{
    if (std::floor(Progression->Max()) > Progression->Value()) {
        Progression->setValue(Progression->Value() + 1);
    } else {
        Progression->setValue(Progression->Max());
        Timer_Wait.stop();
    }
    const double valeur = Progression->Value();
    if (!Label_Time->text().isEmpty() && std::fmod(valeur, 8.0) == 0) {
        const auto restant = static_cast<int32_t>(D().Etat_Liaison.Duree_Transfert - std::floor(valeur / 8));
        Label_Time->setText(Fonctions::Texte_Compte_A_Rebours(restant));
    }
}

namespace {

class Suivi_Connexion final : public Fonctions::Suivi_Echange
{
public:
    void Ouvrir() override { ::Connexion::Show(); }
    void Fermer() override
    {
        if (frmConnexion *c = ::Connexion::Instance()) {
            c->Arreter_Timer();
            c->Unload();
        }
    }
    void Connexion(double maximum) override
    {
        if (frmConnexion *c = ::Connexion::Instance()) {
            c->Progression->setMax(static_cast<float>(maximum));
            c->Demarrer_Timer();
            c->Label_Type->setText(QStringLiteral("Connexion avec l'Pelmar en cours ..."));
            c->Label_Tentative->setText(Fonctions::Texte_Tentative(1));
            c->Label_Time->setText(QString());
        }
    }
    void Transmission(int32_t duree) override
    {
        if (frmConnexion *c = ::Connexion::Instance())
            c->Preparer_Transmission(duree);
    }
    void Tentative(const QString &texte) override
    {
        if (frmConnexion *c = ::Connexion::Instance())
            c->Label_Tentative->setText(texte);
    }
    void Temps(const QString &texte) override
    {
        if (frmConnexion *c = ::Connexion::Instance())
            c->Label_Time->setText(texte);
    }
    void Recommencer() override
    {
        if (frmConnexion *c = ::Connexion::Instance()) {
            c->Progression->setValue(c->Progression->Min());
            c->Demarrer_Timer();
        }
    }
};

} // namespace

Fonctions::Suivi_Echange &Suivi_Fenetre()
{
    static Suivi_Connexion suivi;
    return suivi;
}
