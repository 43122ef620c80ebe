// The graph window: one period of 1, 3 or 7 days in three panes, each a graph or a list, with the
// period's alarm level, maxima and events; panes enlarge, zoom into a dragged band and print.
#pragma once

#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "platform/form.h"
#include "platform/list_box.h"
#include "platform/picture_box.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstdint>

class frmGraphique : public platform::Form
{
    Q_OBJECT
public:
    frmGraphique();
    ~frmGraphique() override;

    // ---- Top rows -------------------------------------------------------------------------------
    QLabel *Label_Entete;
    QLabel *Label_Date;
    QPushButton *Cmd_New_Data_Graphique;
    QPushButton *Cmd_New_Graph_Old;
    QPushButton *Cmd_Quit;

    // ---- Panes 1..3 -----------------------------------------------------------------------------
    platform::PictureBox *Graphique_Leq1;
    platform::PictureBox *Graphique_Leq2;
    platform::PictureBox *Graphique_Leq3;
    // Rubber-band lines, dotted, lying on the pane.
    platform::LineControl *Line_Haut1, *Line_Bas1, *Line_Gauche1, *Line_Droite1;
    platform::LineControl *Line_Haut2, *Line_Bas2, *Line_Gauche2, *Line_Droite2;
    platform::LineControl *Line_Haut3, *Line_Bas3, *Line_Gauche3, *Line_Droite3;
    // Grid lines of a zoomed pane.
    std::array<platform::LineControl *, Fonctions_Graphique::Nombre_Lignes_Heure> Line_Heure1{},
        Line_Heure2{}, Line_Heure3{};
    std::array<platform::LineControl *, Fonctions_Graphique::Nombre_Lignes_Niveau> Line_Level1{},
        Line_Level2{}, Line_Level3{};
    // Buttons inside the panes.
    QPushButton *Cmd_Print1, *Cmd_Print2, *Cmd_Print3;
    QPushButton *Cmd_Zoom1, *Cmd_Zoom2, *Cmd_Zoom3;
    // View choice, list and caption under or over each pane.
    QComboBox *Combo_Choix1, *Combo_Choix2, *Combo_Choix3;
    platform::ListBox *List_Leq1, *List_Leq2, *List_Leq3;
    QLabel *Label_Leq1, *Label_Leq2, *Label_Leq3;
    // The last item chosen in each pane (empty until the first choice).
    QString Texte_Choix1, Texte_Choix2, Texte_Choix3;

    // ---- Events and summary block -----------------------------------------------------------------
    QLabel *Label_Entete_Evenements;
    platform::ListBox *List_Evenements;
    QLabel *Label_Entete_Alarme, *Label_Alarme;
    QLabel *Label_Entete_Leq10, *Label_Leq10_Maxi;
    QLabel *Label_Entete_Leq1, *Label_Leq1_Maxi;
    QLabel *Label_Entete_Crete, *Label_Crete_Maxi;
    QLabel *Label_Entete_Leq5, *Label_Leq5_Maxi;
    // Frame of the summary block, Line1..Line9 (0 unused); painted by the window from these values.
    std::array<Fonctions_Graphique::Ligne_Fenetre, 10> Line{};

    // ---- Handlers ---------------------------------------------------------------------------------
    void Cmd_New_Data_Graphique_Click();
    void Cmd_New_Graph_Old_Click();
    void Cmd_Quit_Click();

    // View choice: the user's pick (or the load's selection) draws the pane or fills its list; typing
    // puts the stored text back.
    void Combo_Choix1_Click();
    void Combo_Choix2_Click();
    void Combo_Choix3_Click();
    void Combo_Choix1_Change();
    void Combo_Choix2_Change();
    void Combo_Choix3_Change();

    // Enlarge a pane to the whole window, back from a band zoom, or back to three panes.
    void Cmd_Zoom1_Click();
    void Cmd_Zoom2_Click();
    void Cmd_Zoom3_Click();

    // Print an enlarged pane on one landscape page (frmGraphique_Impression.cpp).
    void Cmd_Print1_Click();
    void Cmd_Print2_Click();
    void Cmd_Print3_Click();

    // Rubber band on an enlarged pane (frmGraphique_Zoom.cpp). Button 1 left, 2 right, 4 middle; X, Y in
    // the pane's user scale.
    void Graphique_Leq1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq3_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq2_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq3_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq1_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq2_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_Leq3_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // List cursor (frmGraphique_Zoom.cpp): a row's moment becomes the cursor on every graph pane and the
    // other lists follow. KeyCode 38 Up, 40 Down, called before the list moves its own row.
    void List_Leq1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void List_Leq2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void List_Leq3_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void List_Leq1_KeyDown(int16_t KeyCode, int16_t Shift);
    void List_Leq2_KeyDown(int16_t KeyCode, int16_t Shift);
    void List_Leq3_KeyDown(int16_t KeyCode, int16_t Shift);

    // ---- Panes as a family ------------------------------------------------------------------------

    // The controls of pane k (1..3).
    struct Volet
    {
        platform::PictureBox *Graphique = nullptr;
        platform::LineControl *Line_Haut = nullptr, *Line_Bas = nullptr, *Line_Gauche = nullptr,
                              *Line_Droite = nullptr;
        std::array<platform::LineControl *, Fonctions_Graphique::Nombre_Lignes_Heure> *Line_Heure = nullptr;
        std::array<platform::LineControl *, Fonctions_Graphique::Nombre_Lignes_Niveau> *Line_Level = nullptr;
        QPushButton *Cmd_Print = nullptr;
        QPushButton *Cmd_Zoom = nullptr;
        QComboBox *Combo_Choix = nullptr;
        platform::ListBox *List_Leq = nullptr;
        QLabel *Label_Leq = nullptr;
        QString *Texte_Choix = nullptr;
    };
    Volet Volet_Graphique(int k);

    // Pane sizes in twips: the size is the pane's state.
    static constexpr int Largeur_Volet_Agrandi = 15075;
    static constexpr int Hauteur_Volet_Agrandi = 8505;
    bool Volet_Agrandi(int k);
    bool Volet_Normal(int k);

    // The series that a view-choice text draws or lists ("Niveau Leq 10 Minutes", ...), empty for
    // any other text; Graphique tells whether the text is a graph item.
    static QString Serie_Du_Choix(const QString &texte);
    static bool Choix_Graphique(const QString &texte);

    // The period was found in the record table: with none, the pane buttons do nothing.
    bool Donnees_Presentes() const { return m_donnees; }

    // Draws the cursor arrow again on every graph pane when a list row set it.
    void Tracer_Curseur_Si_Pose();

    // Draws pane k's graph for its choice text in the pane's current whole-period scale (axes, alarm
    // line on Leq views, curve), nothing for any other text.
    void Tracer_Volet(int k);

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Family bodies of the named handlers.
    void Combo_Choix_Click(int k);
    void Combo_Choix_Change(int k);
    void Cmd_Zoom_Click(int k);
    void Agrandir(int k);
    void Restaurer(int k);
    // The summary block's four header and four value labels.
    std::array<QLabel *, 8> Labels_Resume() const;
    // Places the pane's buttons at x in its user scale.
    void Placer_Bouton(int k, QPushButton *bouton, double x);
    void Cmd_Print_Click(int k);
    void Graphique_MouseDown(int k, int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_MouseMove(int k, int16_t Button, int16_t Shift, float X, float Y);
    void Graphique_MouseUp(int k, int16_t Button, int16_t Shift, float X, float Y);
    void List_MouseDown(int k);
    void List_KeyDown(int k, int16_t KeyCode, int16_t Shift);

    // Load steps.
    void Rechercher_Periode();
    void Preparer_Boutons();
    void Ecrire_Entetes();
    void Remplir_Choix();
    // Sets pane k's selected entry as the program does, which runs its Click once.
    void Choisir_Vue(int k, int index);
    void Connecter();
    void Inscrire_Dessin();

    Fonctions_Graphique::Fenetre_Graphique m_dessin;
    bool m_donnees = false;
    // Visibility of the summary labels before an enlargement, given back by the restore.
    std::array<bool, 8> m_labelsVisibles{};
    // The last user action on a list was a key: its Click is then no mouse press.
    bool m_touche = false;
};

using Graphique = platform::FormSlot<frmGraphique>;
