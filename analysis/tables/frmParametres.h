// Parameters window: the panel settings held, as a two-column table that prints as its image.
#pragma once

#include "platform/form.h"

#include <QLabel>
#include <QPushButton>

class frmParametres : public platform::Form
{
    Q_OBJECT
public:
    frmParametres();

    QLabel *Label_Entete;
    // Title column; Label_Type_Lumens changes with the brightness mode.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QLabel *Label_Type_Lumens, *Label10, *Label11;
    // Value column.
    QLabel *Label_FirmWare, *Label_Serial_Number, *Label_Name, *Label_Alarme, *Label_Offset;
    QLabel *Label_Aff_Centre, *Label_Aff_Bas_Gauche, *Label_Aff_Bas_Droite;
    QLabel *Label_Lumens, *Label_Value_Lumens, *Label_Heure_Auto, *Label_Capteur;
    QPushButton *Cmd_Print;
    QPushButton *Cmd_Exit;

    void Cmd_Print_Click();
    void Cmd_Exit_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent *event) override;
};

using Parametres = platform::FormSlot<frmParametres>;
