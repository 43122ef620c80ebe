// Transfer progress window shown by every panel exchange.
#pragma once

#include "analysis/core/Suivi_Echange.h"
#include "platform/form.h"
#include "platform/progress_bar.h"

#include <QLabel>
#include <QTimer>

class frmConnexion : public platform::Form
{
    Q_OBJECT
public:
    frmConnexion();

    QLabel *Label_Type;
    QLabel *Label_Tentative;
    platform::ProgressBar *Progression;
    QLabel *Label_Time;
    QTimer Timer_Wait;

    // Whether "Enregistrer Sous" was enabled when the window loaded.
    bool Etat_Menu_Sauvegarde = false;

    // A download of `duree` seconds: the bar fills in that time and the countdown runs.
    void Preparer_Transmission(int32_t duree);

    void Timer_Wait_Timer();
    void Demarrer_Timer();
    void Arreter_Timer();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool Form_QueryUnload() override;
};

using Connexion = platform::FormSlot<frmConnexion>;

// The progress of the exchanges, shown in this window (loaded on demand).
Fonctions::Suivi_Echange &Suivi_Fenetre();
