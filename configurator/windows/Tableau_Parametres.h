// The two-column parameter table that the parameters window and the printed sheet share: heading, caption
// and value labels and ruled lines, laid out in twips; the two windows differ only in their positions.
#pragma once

#include "configurator/Fichier_Parametres.h"
#include "platform/form.h"
#include "platform/printer.h"

#include <QLabel>
#include <vector>

namespace configurator {

// Where a table stands in its window, in twips.
struct Disposition_Tableau
{
    int Largeur, Hauteur;    // the window's client area
    int Haut_Entete;         // top of the heading
    int Gauche_Valeur;       // left of the value column (the last row's is 3600 in both)
    std::vector<int> Hauts;  // top of each row, the sensor-link row last
    int Haut_Cadre;          // the frame's top edge
    int Ligne_Entete;        // the line under the heading, where the column line starts
    std::vector<int> Regles; // the lines between the rows
    int Bas;                 // the frame's bottom edge
};

class Tableau_Parametres : public platform::Form
{
    Q_OBJECT
public:
    QLabel *Label_Entete;
    // Caption column. Label_Type_Lumens is set at run time; Label10 (clock change) is null for a model
    // without a clock.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QLabel *Label_Type_Lumens, *Label10, *Label11;
    // Value column; Label_Heure_Auto is null for a model without a clock.
    QLabel *Label_FirmWare, *Label_Serial_Number, *Label_Name, *Label_Alarme, *Label_Offset;
    QLabel *Label_Aff_Centre, *Label_Aff_Bas_Gauche, *Label_Aff_Bas_Droite;
    QLabel *Label_Lumens, *Label_Value_Lumens, *Label_Heure_Auto, *Label_Capteur;

protected:
    Tableau_Parametres(const QString &caption, const Disposition_Tableau &disposition);

    // Sets every value label, the heading and the row-10 caption; a non-empty window caption replaces it.
    void Afficher(const Fichier_Parametres::Textes_Tableau &textes);
    // Prints the table's image, portrait, on the printer chosen; a print that fails is told.
    void Imprimer(platform::Printer &printer);

    void paintEvent(QPaintEvent *event) override;

private:
    Disposition_Tableau m_disposition;
};

} // namespace configurator
