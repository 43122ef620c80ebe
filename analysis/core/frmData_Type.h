// Data-source dialog: new transfer from the panel, data already held, or a saved-data file.
#pragma once

#include "platform/form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class frmData_Type : public platform::Form
{
    Q_OBJECT
public:
    frmData_Type();

    QGroupBox *Frame1;
    QRadioButton *Option_New_Transfert;
    QRadioButton *Option_Last_Data;
    QLabel *Label_Date;
    QRadioButton *Option_New_Save;
    QLineEdit *Text_Save_Data;
    QPushButton *Cmd_Search;
    QCheckBox *Check_Transfert_All;
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;

    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();
    void Cmd_Search_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Route_Nouveau_Transfert();
    void Route_Memoire_Totale();
    void Route_Donnees_Tenues();
    void Route_Sauvegarde();
    // Whether the memory index leaves something to choose a period from; says why not.
    bool Memoire_Utilisable();
};

using Data_Type = platform::FormSlot<frmData_Type>;

// Period label of the held data: "Données du 3 Mars 2009 au 5 Mars 2009".
QString Texte_Periode_Chargee();
