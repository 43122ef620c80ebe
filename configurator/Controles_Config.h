// What the settings window's and the access-code window's controls show, as plain values: the answer
// decoder writes them, the windows apply them with their change handlers kept from sending.
#pragma once

#include <QDate>
#include <QString>
#include <algorithm>
#include <array>
#include <vector>

namespace configurator {

// A slider keeps its value inside its range, as the window's slider will.
struct Curseur
{
    int Min = 0;
    int Max = 0;
    int Value = 0;
    void Fixer(int valeur) { Value = std::clamp(valeur, Min, Max); }
};

// A display-area combo: its entries, and the entry chosen, held by its text so that a change of the
// entries (the lists without the 5-minute level) keeps the chosen meaning.
struct Combo_Affichage
{
    std::vector<QString> Elements;
    QString Choix; // empty: nothing chosen yet

    int ListIndex() const;
    QString Text() const; // the chosen entry, or the prompt while none is
    // Chooses `texte` when it is an entry; false (and nothing changed) otherwise.
    bool Choisir(const QString &texte);
};

struct Controles_Config
{
    Controles_Config(); // as the window's load leaves them

    QString Cmd_Mode_Reglage;
    Curseur Slider_Offset{-32, 32, 0};
    Curseur Slider_Alarme{75, 120, 105};
    std::array<QString, 4> Labels_Alarme; // Label6..Label9, the alarm scale
    Combo_Affichage Combo_Aff_Centre, Combo_Aff_Bas_Gauche, Combo_Aff_Bas_Droite;
    bool Option_Lumens_Auto = false, Option_Lumens_Manuel = false;
    bool Option_Lumens_Int = false, Option_Lumens_Ext = false;
    Curseur Slider_Lumens{1, 15, 1};
    bool Cmd_Leq_5_Min_Visible = true;
    QString Text_Serial_Number;
    QString Text_Name;
    int Check_Change_Automatique = 1;
    bool Option_Alim_Fantom = false, Option_No_Alim_Fantom = false;
    QString Text_Heure;
    QDate DTP_Date;
    // The alarm level the panel last reported, before the slider clamped it: the 40 dB range, which may
    // come later in the read-back, keeps it when it fits.
    int Niveau_Alarme_Lu = -1;
};

struct Controles_Password
{
    std::array<QString, 4> Combo_Chiffre{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                         QStringLiteral("0")};
};

struct Controles
{
    Controles_Config Config;
    Controles_Password Password;
};

namespace Textes_Affichage {
inline const QString Choisir = QStringLiteral("Choisissez un Mode d'Affichage");
inline const QString Leq10 = QStringLiteral("Niveau Leq 10 Minutes");
inline const QString Leq5 = QStringLiteral("Niveau Leq 5 Minutes");
inline const QString Leq1 = QStringLiteral("Niveau Leq 1 Minute");
inline const QString Leq1s = QStringLiteral("Niveau Leq 1 Seconde");
inline const QString Crete = QStringLiteral("Niveau Crête");
inline const QString Desactiver = QStringLiteral("Désactiver l'Afficheur");
} // namespace Textes_Affichage

} // namespace configurator
