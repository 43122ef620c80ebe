// The Leq table window: the 10-minute, 5-minute, 1-minute and peak lists of the chosen period, kept in
// step by mouse and arrow keys, with its buttons for a new download, a new table and printing.
#pragma once

#include "platform/form.h"
#include "platform/list_box.h"

#include <QLabel>
#include <QPushButton>
#include <array>

class frmTableau_Leq : public platform::Form
{
    Q_OBJECT
public:
    frmTableau_Leq();

    QLabel *Label_Entete;
    QLabel *Label_Date;
    QLabel *Label_Leq10;
    platform::ListBox *List_Leq10;
    QLabel *Label_Leq5;
    platform::ListBox *List_Leq5;
    QLabel *Label_Leq1;
    platform::ListBox *List_Leq1;
    QLabel *Label_Crete;
    platform::ListBox *List_Crete;
    QPushButton *Cmd_New_Data;
    QPushButton *Cmd_New;
    QPushButton *Cmd_Print;
    QPushButton *Cmd_Quit;

    // Start and end day of the selection with two digits.
    QString Jour_Debut;
    QString Jour_Fin;

    void Cmd_New_Data_Click();
    void Cmd_New_Click();
    void Cmd_Print_Click();
    void Cmd_Quit_Click();

    // The other lists follow the selected line of `liste` (mouse-down on a list).
    void Liste_MouseDown(platform::ListBox &liste);
    // Up and Down move the other lists with `liste`; called before the list moves its own line.
    void Liste_KeyDown(platform::ListBox &liste, int touche);

    // Client height of the window with four lists (outer height 11115 less caption and borders).
    static constexpr int Hauteur_Quatre_Listes = 10710;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Rechercher_Presence();
    void Disposer();
    void Preparer_Boutons();
    void Remplir_Listes();
    std::array<platform::ListBox *, 4> Listes() const
    {
        return {List_Leq10, List_Leq5, List_Leq1, List_Crete};
    }

    // The last user action on a list was a key: its Click is then no mouse-down.
    bool m_touche = false;
};

using Tableau_Leq = platform::FormSlot<frmTableau_Leq>;
