// The settings window: every setting of the panel, the commands that change them, the log of the panel's
// answers, and the busy state between a command and its answer.
#pragma once

#include "configurator/Controles_Config.h"
#include "platform/form.h"
#include "platform/list_box.h"
#include "platform/progress_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <utility>
#include <vector>

namespace configurator {

class frmConfig : public platform::Form
{
    Q_OBJECT
public:
    frmConfig();

    // Offset.
    QLabel *Label_Titre_Offset;
    QSlider *Slider_Offset;
    QToolButton *Cmd_Offset_Moins, *Cmd_Offset_Plus;
    QLabel *Label_Offset;
    std::array<QLabel *, 5> Labels_Offset{}; // "-32 dB" .. "+32 dB"
    // Alarm level.
    QLabel *Label_Titre_Alarme;
    QSlider *Slider_Alarme;
    QToolButton *Cmd_Alarme_Moins, *Cmd_Alarme_Plus;
    QLabel *Label_Alarme;
    QLabel *Label6, *Label7, *Label8, *Label9;
    // Display areas.
    QLabel *Label_Titre_Centre, *Label_Titre_Bas_Gauche, *Label_Titre_Bas_Droite;
    QComboBox *Combo_Aff_Centre, *Combo_Aff_Bas_Gauche, *Combo_Aff_Bas_Droite;
    // Brightness.
    QLabel *Label_Titre_Lumens;
    QRadioButton *Option_Lumens_Auto, *Option_Lumens_Manuel;
    QLabel *Label_Lumens_Int_Ext;
    QRadioButton *Option_Lumens_Int, *Option_Lumens_Ext;
    QLabel *Label_Lumens_Value, *Label_Lumens_Mini, *Label_Lumens_Maxi;
    QSlider *Slider_Lumens;
    QToolButton *Cmd_Lumens_Moins, *Cmd_Lumens_Plus;
    QLabel *Label_Luminosite_Value;
    // Sensor link.
    QLabel *Label_Titre_Capteur;
    QRadioButton *Option_Alim_Fantom, *Option_No_Alim_Fantom;
    // Clock (only for a model with a clock; null otherwise).
    QLabel *Label_Titre_Changement = nullptr;
    QCheckBox *Check_Change_Automatique = nullptr;
    QLabel *Label_Titre_Date = nullptr;
    QDateEdit *DTP_Date = nullptr;
    QPushButton *Cmd_Envoi_Date = nullptr;
    QLabel *Label_Titre_Heure = nullptr;
    QLineEdit *Text_Heure = nullptr;
    QPushButton *Cmd_Envoi_Heure = nullptr;
    // Identity.
    QLabel *Label_Name;
    QLineEdit *Text_Name;
    QPushButton *Cmd_Envoi_Name;
    QLabel *Label_Serial_Number;
    QLineEdit *Text_Serial_Number;
    QPushButton *Cmd_Envoi_Serial_Number;
    // Commands and current levels.
    QPushButton *Cmd_Diagnostic, *Cmd_Default, *Cmd_Clear_Flash, *Cmd_Mode_Reglage;
    QPushButton *Cmd_Leq_10_Min, *Cmd_Leq_5_Min, *Cmd_Leq_1_Min, *Cmd_Leq_1_Sec, *Cmd_Crete;
    QFrame *Line_Flash, *Line_Niveaux, *Line_Bas_Colonne;
    // Log and busy indicator.
    QLabel *Label_Titre_Reponses;
    platform::ListBox *List_Reponses;
    QLabel *Label_Traitement;
    platform::ProgressBar *Progression;
    QTimer Timer_Wait; // 25 ms progress step while busy

    // Disables (true) or enables (false) every setting control and its labels.
    void Verrouiller_Reglages(bool verrouiller);

    // Busy state on and off.
    void Debut_Attente();
    void Fin_Attente();

    // The controls as the decoder reads them, and the decoder's values shown without sending anything.
    void Lire(Controles_Config &c) const;
    void Appliquer(const Controles_Config &c);

    // Handlers of the setting controls (the user's actions).
    void Slider_Offset_Change();
    void Slider_Alarme_Change();
    void Slider_Lumens_Change();
    void Combo_Aff_Centre_Click();
    void Combo_Aff_Bas_Gauche_Click();
    void Combo_Aff_Bas_Droite_Click();
    void Option_Lumens_Auto_Click();
    void Option_Lumens_Manuel_Click();
    void Option_Lumens_Int_Click();
    void Option_Lumens_Ext_Click();
    void Option_Alim_Fantom_Click();
    void Option_No_Alim_Fantom_Click();
    void Check_Change_Automatique_Click();
    void Cmd_Envoi_Name_Click();
    void Cmd_Envoi_Serial_Number_Click();
    void Cmd_Envoi_Date_Click();
    void Cmd_Envoi_Heure_Click();
    void Cmd_Diagnostic_Click();
    void Cmd_Default_Click();
    void Cmd_Clear_Flash_Click();
    void Cmd_Mode_Reglage_Click();

    // The display-area texts at their last accepted choice.
    QString Texte_Aff_Centre, Texte_Aff_Bas_Gauche, Texte_Aff_Bas_Droite;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Construire_Reglages();
    void Construire_Commandes();
    void Connecter();
    void Timer_Wait_Timer();
    // Whether a change may go to the panel: the user's own, while sending is allowed.
    bool Envoi_Possible() const;
    // Sends one setting and starts the busy state.
    void Envoyer(int code, int valeur, double maximum = 14.1);
    // Sends a series of frames and starts the busy state once, when any of them left.
    void Envoyer_Serie(const std::vector<std::pair<int, int>> &trames);
    void Modes_Luminosite(bool manuel);
    void Combo_Aff_Click(QComboBox *combo, QString &memoire, int code);
    void Attendre_250ms();

    bool m_par_programme = false; // the decoder is setting the controls
};

using Config = platform::FormSlot<frmConfig>;

} // namespace configurator
