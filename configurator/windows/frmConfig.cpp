#include "configurator/windows/frmConfig.h"

#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Reglages.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmMain.h"
#include "platform/serial_control.h"
#include "platform/text_box.h"
#include "platform/ticks.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QSignalBlocker>

namespace configurator {

using Declaration::D;

namespace {

constexpr int Demande_Diagnostic = 0x80;

// The window's client area in twips: settings left and in the middle, commands right, the log below.
constexpr int kLargeur = 14700;
constexpr int kHauteur = 9300;
constexpr int kGauche = 120;   // left column
constexpr int kMilieu = 5160;  // middle column
constexpr int kDroite = 10200; // right column
constexpr int kColonne = 4680; // width of a column

QLabel *Titre(QWidget *parent, const QString &texte, int l, int t, int w = kColonne)
{
    auto *label = new QLabel(texte, parent);
    QFont gras = label->font();
    gras.setBold(true);
    label->setFont(gras);
    platform::PlaceTwips(label, l, t, w, 255);
    return label;
}

QLabel *Texte(QWidget *parent, const QString &texte, int l, int t, int w, Qt::Alignment a = Qt::AlignLeft)
{
    auto *label = new QLabel(texte, parent);
    label->setAlignment(a | Qt::AlignVCenter);
    platform::PlaceTwips(label, l, t, w, 255);
    return label;
}

QFrame *Ligne(QWidget *parent, int l, int t, int w)
{
    auto *ligne = new QFrame(parent);
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    platform::PlaceTwips(ligne, l, t, w, 30);
    return ligne;
}

QSlider *Glissiere(QWidget *parent, const QString &nom, int min, int max, int grand_pas, int valeur)
{
    auto *s = new QSlider(Qt::Horizontal, parent);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(grand_pas);
    s->setValue(valeur);
    s->setTickPosition(QSlider::TicksBelow);
    // A value goes to the panel when the user lets the slider go, not at every step of a drag.
    s->setTracking(false);
    s->setAccessibleName(nom);
    return s;
}

// The -/+ steps of a slider: as small as their one character.
QToolButton *Pas(QWidget *parent, const QString &texte, const QString &nom, int l, int t)
{
    auto *b = new QToolButton(parent);
    b->setText(texte);
    b->setAccessibleName(nom);
    platform::PlaceTwips(b, l, t, 450, 330);
    return b;
}

QPushButton *Bouton(QWidget *parent, const QString &texte, int l, int t, int w, int h = 375)
{
    auto *b = new QPushButton(texte, parent);
    platform::PlaceTwips(b, l, t, w, h);
    return b;
}

// A pair of options that excludes only each other.
void Paire(QWidget *parent, QRadioButton *a, QRadioButton *b)
{
    auto *groupe = new QButtonGroup(parent);
    groupe->addButton(a);
    groupe->addButton(b);
}

void Choisir_Option(QRadioButton *option, bool coche)
{
    if (option->isChecked() == coche)
        return;
    // Unchecking one of an exclusive pair takes the pair's exclusivity off for a moment.
    auto *groupe = option->group();
    if (!coche && groupe)
        groupe->setExclusive(false);
    option->setChecked(coche);
    if (!coche && groupe)
        groupe->setExclusive(true);
}

void Remplir_Combo(QComboBox *combo, const Combo_Affichage &valeurs)
{
    const QSignalBlocker bloque(combo);
    QStringList actuels;
    for (int i = 0; i < combo->count(); ++i)
        actuels << combo->itemText(i);
    QStringList voulus;
    for (const QString &e : valeurs.Elements)
        voulus << e;
    if (actuels != voulus) {
        combo->clear();
        combo->addItems(voulus);
    }
    combo->setCurrentIndex(valeurs.ListIndex());
}

void Lire_Combo(const QComboBox *combo, Combo_Affichage &valeurs)
{
    valeurs.Elements.clear();
    for (int i = 0; i < combo->count(); ++i)
        valeurs.Elements.push_back(combo->itemText(i));
    valeurs.Choix = combo->currentIndex() < 0 ? QString() : combo->currentText();
}

} // namespace

frmConfig::frmConfig() : platform::Form(Kind::MdiChild, Modele().Titre_Config, kLargeur, kHauteur)
{
    Construire_Reglages();
    Construire_Commandes();
    Connecter();
    Timer_Wait.setInterval(25);
    connect(&Timer_Wait, &QTimer::timeout, this, &frmConfig::Timer_Wait_Timer);
}

void frmConfig::Construire_Reglages()
{
    // Offset.
    Label_Titre_Offset = Titre(this, QStringLiteral("Offset"), kGauche, 120);
    Slider_Offset = Glissiere(this, QStringLiteral("Offset"), -32, 32, 5, 0);
    platform::PlaceTwips(Slider_Offset, kGauche, 420, kColonne, 360);
    const QString echelle_offset[5] = {QStringLiteral("-32 dB"), QStringLiteral("-15 dB"),
                                       QStringLiteral("0 dB"), QStringLiteral("+15 dB"),
                                       QStringLiteral("+32 dB")};
    for (int i = 0; i < 5; ++i)
        Labels_Offset[static_cast<size_t>(i)] =
            Texte(this, echelle_offset[i], kGauche + i * (kColonne - 900) / 4, 800, 900,
                  i == 4 ? Qt::AlignRight : Qt::AlignLeft);
    Cmd_Offset_Moins = Pas(this, QStringLiteral("-"), QStringLiteral("Offset -"), kGauche, 1110);
    Label_Offset =
        Texte(this, Fonctions_Reglages::Texte_Offset(0), kGauche + 600, 1150, 3480, Qt::AlignHCenter);
    Cmd_Offset_Plus =
        Pas(this, QStringLiteral("+"), QStringLiteral("Offset +"), kGauche + kColonne - 450, 1110);
    Ligne(this, kGauche, 1560, kColonne);

    // Alarm level.
    Label_Titre_Alarme = Titre(this, QStringLiteral("Niveau d'Alarme"), kGauche, 1680);
    Slider_Alarme = Glissiere(this, QStringLiteral("Niveau d'Alarme"), 75, 120, 1, 105);
    platform::PlaceTwips(Slider_Alarme, kGauche, 1980, kColonne, 360);
    QLabel **echelle_alarme[4] = {&Label6, &Label7, &Label8, &Label9};
    const QString textes_alarme[4] = {QStringLiteral("75 dB"), QStringLiteral("90 dB"),
                                      QStringLiteral("105 dB"), QStringLiteral("120 dB")};
    for (int i = 0; i < 4; ++i)
        *echelle_alarme[i] = Texte(this, textes_alarme[i], kGauche + i * 1300, 2360, 900,
                                   i == 3 ? Qt::AlignRight : Qt::AlignLeft);
    Label9->move(Slider_Alarme->geometry().right() - Label9->width() + 1, Label9->y());
    Cmd_Alarme_Moins = Pas(this, QStringLiteral("-"), QStringLiteral("Niveau d'Alarme -"), kGauche, 2670);
    Label_Alarme =
        Texte(this, Fonctions_Reglages::Texte_Alarme(105), kGauche + 600, 2710, 3480, Qt::AlignHCenter);
    Cmd_Alarme_Plus =
        Pas(this, QStringLiteral("+"), QStringLiteral("Niveau d'Alarme +"), kGauche + kColonne - 450, 2670);
    Ligne(this, kGauche, 3120, kColonne);

    // Brightness.
    Label_Titre_Lumens = Titre(this, QStringLiteral("Fonctionnement de la Luminosité"), kGauche, 3240);
    Option_Lumens_Auto = new QRadioButton(QStringLiteral("Luminosité Automatique"), this);
    platform::PlaceTwips(Option_Lumens_Auto, kGauche, 3540, 2300, 285);
    Option_Lumens_Manuel = new QRadioButton(QStringLiteral("Luminosité Manuelle"), this);
    platform::PlaceTwips(Option_Lumens_Manuel, kGauche + 2400, 3540, 2280, 285);
    Paire(this, Option_Lumens_Auto, Option_Lumens_Manuel);
    Label_Lumens_Int_Ext = Titre(this, QStringLiteral("Type de Luminosité"), kGauche, 3900);
    Option_Lumens_Int = new QRadioButton(QStringLiteral("Luminosité Intérieure"), this);
    platform::PlaceTwips(Option_Lumens_Int, kGauche, 4200, 2300, 285);
    Option_Lumens_Ext = new QRadioButton(QStringLiteral("Luminosité Extérieure"), this);
    platform::PlaceTwips(Option_Lumens_Ext, kGauche + 2400, 4200, 2280, 285);
    Paire(this, Option_Lumens_Int, Option_Lumens_Ext);
    Label_Lumens_Value = Titre(this, QStringLiteral("Valeur de la Luminosité"), kGauche, 4560);
    Label_Lumens_Mini = Texte(this, QStringLiteral("Mini"), kGauche, 4900, 500);
    Slider_Lumens = Glissiere(this, QStringLiteral("Valeur de la Luminosité"), 1, 15, 5, 1);
    platform::PlaceTwips(Slider_Lumens, kGauche + 600, 4860, kColonne - 1200, 360);
    Label_Lumens_Maxi =
        Texte(this, QStringLiteral("Maxi"), kGauche + kColonne - 500, 4900, 500, Qt::AlignRight);
    Cmd_Lumens_Moins = Pas(this, QStringLiteral("-"), QStringLiteral("Luminosité -"), kGauche, 5280);
    Label_Luminosite_Value =
        Texte(this, Fonctions_Reglages::Texte_Luminosite(1), kGauche + 600, 5320, 3480, Qt::AlignHCenter);
    Cmd_Lumens_Plus =
        Pas(this, QStringLiteral("+"), QStringLiteral("Luminosité +"), kGauche + kColonne - 450, 5280);
    Ligne(this, kGauche, 5760, kColonne);

    // Sensor link.
    Label_Titre_Capteur = Titre(this, QStringLiteral("Type de Liaison Capteur"), kGauche, 5880);
    Option_Alim_Fantom = new QRadioButton(QStringLiteral("Liaison avec un Ferrin"), this);
    platform::PlaceTwips(Option_Alim_Fantom, kGauche, 6180, 2300, 285);
    Option_No_Alim_Fantom = new QRadioButton(QStringLiteral("Liaison avec un Ostra"), this);
    platform::PlaceTwips(Option_No_Alim_Fantom, kGauche + 2400, 6180, 2280, 285);
    Paire(this, Option_Alim_Fantom, Option_No_Alim_Fantom);

    // Display areas.
    auto combo = [this](const QString &titre, QLabel *&label, int top) {
        label = Titre(this, titre, kMilieu, top);
        auto *c = new QComboBox(this);
        c->setPlaceholderText(Textes_Affichage::Choisir);
        c->setAccessibleName(titre);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        platform::PlaceTwips(c, kMilieu, top + 300, kColonne, 330);
        return c;
    };
    Combo_Aff_Centre =
        combo(QStringLiteral("Configuration de l'Afficheur du Centre"), Label_Titre_Centre, 120);
    Combo_Aff_Bas_Gauche =
        combo(QStringLiteral("Config. de l'Afficheur en Bas à Gauche"), Label_Titre_Bas_Gauche, 840);
    Combo_Aff_Bas_Droite =
        combo(QStringLiteral("Config. de l'Afficheur en Bas à Droite"), Label_Titre_Bas_Droite, 1560);
    Ligne(this, kMilieu, 2280, kColonne);

    int haut = 2400;
    if (Modele().Horloge()) {
        Label_Titre_Changement = Titre(this, QStringLiteral("Type de Changement d'Heure"), kMilieu, 2400);
        Check_Change_Automatique = new QCheckBox(QStringLiteral("Changement d'Heure Automatique"), this);
        platform::PlaceTwips(Check_Change_Automatique, kMilieu, 2700, kColonne, 285);
        Label_Titre_Date = Titre(this, QStringLiteral("Réglage de la Date"), kMilieu, 3120);
        DTP_Date = new QDateEdit(this);
        DTP_Date->setCalendarPopup(true);
        DTP_Date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        // The panel keeps the year as two BCD digits after 2000.
        DTP_Date->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
        DTP_Date->setDate(QDate::currentDate());
        DTP_Date->setAccessibleName(QStringLiteral("Réglage de la Date"));
        platform::PlaceTwips(DTP_Date, kMilieu, 3420, 3300, 330);
        Cmd_Envoi_Date = Bouton(this, QStringLiteral("Envoi"), kMilieu + 3480, 3410, 1200, 345);
        Cmd_Envoi_Date->setAccessibleName(QStringLiteral("Envoi de la Date"));
        Label_Titre_Heure = Titre(this, QStringLiteral("Réglage de l'Heure (format XX:XX)"), kMilieu, 3840);
        Text_Heure = new QLineEdit(this);
        Text_Heure->setAccessibleName(QStringLiteral("Réglage de l'Heure"));
        platform::PlaceTwips(Text_Heure, kMilieu, 4140, 3300, 330);
        Cmd_Envoi_Heure = Bouton(this, QStringLiteral("Envoi"), kMilieu + 3480, 4130, 1200, 345);
        Cmd_Envoi_Heure->setAccessibleName(QStringLiteral("Envoi de l'Heure"));
        Ligne(this, kMilieu, 4560, kColonne);
        haut = 4680;
    }

    // Identity.
    Label_Name = Titre(this, Modele().Titre_Nom, kMilieu, haut);
    Text_Name = new QLineEdit(this);
    Text_Name->setAccessibleName(Modele().Titre_Nom);
    platform::PlaceTwips(Text_Name, kMilieu, haut + 300, 3300, 330);
    Cmd_Envoi_Name = Bouton(this, QStringLiteral("Envoi"), kMilieu + 3480, haut + 290, 1200, 345);
    Cmd_Envoi_Name->setAccessibleName(QStringLiteral("Envoi du Nom"));
    Label_Serial_Number =
        Titre(this, QStringLiteral("Numéro de Série : (8 chiffres maxi.)"), kMilieu, haut + 720);
    Text_Serial_Number = new QLineEdit(this);
    Text_Serial_Number->setAccessibleName(QStringLiteral("Numéro de Série"));
    platform::PlaceTwips(Text_Serial_Number, kMilieu, haut + 1020, 3300, 330);
    Cmd_Envoi_Serial_Number = Bouton(this, QStringLiteral("Envoi"), kMilieu + 3480, haut + 1010, 1200, 345);
    Cmd_Envoi_Serial_Number->setAccessibleName(QStringLiteral("Envoi du Numéro de Série"));
}

void frmConfig::Construire_Commandes()
{
    Cmd_Diagnostic = Bouton(this, QStringLiteral("Diagnostic"), kDroite, 120, kColonne - 300);
    Cmd_Default = Bouton(this, QStringLiteral("Configuration par défaut"), kDroite, 600, kColonne - 300);
    Cmd_Clear_Flash = Bouton(this, QStringLiteral("Effacer Flash"), kDroite, 1080, kColonne - 300);
    Line_Flash = Ligne(this, kDroite, 1530, kColonne - 300);
    Cmd_Mode_Reglage = Bouton(this, QStringLiteral("Activer Mode Réglage"), kDroite, 1620, kColonne - 300);
    Line_Niveaux = Ligne(this, kDroite, 2070, kColonne - 300);
    Cmd_Leq_10_Min = Bouton(this, QStringLiteral("Niveau Leq 10 Minutes"), kDroite, 2160, kColonne - 300);
    Cmd_Leq_5_Min = Bouton(this, QStringLiteral("Niveau Leq 5 Minutes"), kDroite, 2600, kColonne - 300);
    Cmd_Leq_1_Min = Bouton(this, QStringLiteral("Niveau Leq 1 Minute"), kDroite, 3040, kColonne - 300);
    Cmd_Leq_1_Sec = Bouton(this, QStringLiteral("Niveau Leq 1 Seconde"), kDroite, 3480, kColonne - 300);
    Cmd_Crete = Bouton(this, QStringLiteral("Niveau Crête"), kDroite, 3920, kColonne - 300);
    Line_Bas_Colonne = Ligne(this, kDroite, 1080, kColonne - 300);
    Line_Bas_Colonne->hide();

    Label_Traitement = Texte(this, QStringLiteral("Traitement en Cours ..."), kDroite, 5640, kColonne - 300,
                             Qt::AlignHCenter);
    Label_Traitement->hide();
    Progression = new platform::ProgressBar(this);
    Progression->setAccessibleName(QStringLiteral("Traitement en Cours ..."));
    platform::PlaceTwips(Progression, kDroite, 5940, kColonne - 300, 285);
    Progression->hide();

    Label_Titre_Reponses = Titre(this, Modele().Titre_Reponses, kGauche, 6600, kLargeur - 240);
    List_Reponses = new platform::ListBox(this);
    List_Reponses->setAccessibleName(Modele().Titre_Reponses);
    platform::PlaceTwips(List_Reponses, kGauche, 6900, kLargeur - 240, kHauteur - 6900 - 120);
}

void frmConfig::Connecter()
{
    connect(Slider_Offset, &QSlider::valueChanged, this, &frmConfig::Slider_Offset_Change);
    connect(Slider_Alarme, &QSlider::valueChanged, this, &frmConfig::Slider_Alarme_Change);
    connect(Slider_Lumens, &QSlider::valueChanged, this, &frmConfig::Slider_Lumens_Change);
    auto pas = [this](QToolButton *b, QSlider *s, int d) {
        connect(b, &QToolButton::clicked, this, [s, d] { s->setValue(s->value() + d); });
    };
    pas(Cmd_Offset_Moins, Slider_Offset, -1);
    pas(Cmd_Offset_Plus, Slider_Offset, 1);
    pas(Cmd_Alarme_Moins, Slider_Alarme, -1);
    pas(Cmd_Alarme_Plus, Slider_Alarme, 1);
    pas(Cmd_Lumens_Moins, Slider_Lumens, -1);
    pas(Cmd_Lumens_Plus, Slider_Lumens, 1);
    connect(Combo_Aff_Centre, &QComboBox::activated, this, &frmConfig::Combo_Aff_Centre_Click);
    connect(Combo_Aff_Bas_Gauche, &QComboBox::activated, this, &frmConfig::Combo_Aff_Bas_Gauche_Click);
    connect(Combo_Aff_Bas_Droite, &QComboBox::activated, this, &frmConfig::Combo_Aff_Bas_Droite_Click);
    connect(Option_Lumens_Auto, &QRadioButton::clicked, this, &frmConfig::Option_Lumens_Auto_Click);
    connect(Option_Lumens_Manuel, &QRadioButton::clicked, this, &frmConfig::Option_Lumens_Manuel_Click);
    connect(Option_Lumens_Int, &QRadioButton::clicked, this, &frmConfig::Option_Lumens_Int_Click);
    connect(Option_Lumens_Ext, &QRadioButton::clicked, this, &frmConfig::Option_Lumens_Ext_Click);
    connect(Option_Alim_Fantom, &QRadioButton::clicked, this, &frmConfig::Option_Alim_Fantom_Click);
    connect(Option_No_Alim_Fantom, &QRadioButton::clicked, this, &frmConfig::Option_No_Alim_Fantom_Click);
    connect(Cmd_Envoi_Name, &QPushButton::clicked, this, &frmConfig::Cmd_Envoi_Name_Click);
    connect(Cmd_Envoi_Serial_Number, &QPushButton::clicked, this, &frmConfig::Cmd_Envoi_Serial_Number_Click);
    connect(Cmd_Diagnostic, &QPushButton::clicked, this, &frmConfig::Cmd_Diagnostic_Click);
    connect(Cmd_Default, &QPushButton::clicked, this, &frmConfig::Cmd_Default_Click);
    connect(Cmd_Clear_Flash, &QPushButton::clicked, this, &frmConfig::Cmd_Clear_Flash_Click);
    connect(Cmd_Mode_Reglage, &QPushButton::clicked, this, &frmConfig::Cmd_Mode_Reglage_Click);
    auto demande = [this](QPushButton *b, int code) {
        connect(b, &QPushButton::clicked, this, [code] {
            if (Fonctions::Port_Pret())
                Fonctions::Envoi_Commande(code, 0);
        });
    };
    demande(Cmd_Leq_10_Min, 0x40);
    demande(Cmd_Leq_5_Min, 0x44);
    demande(Cmd_Leq_1_Min, 0x41);
    demande(Cmd_Leq_1_Sec, 0x42);
    demande(Cmd_Crete, 0x43);
    // A line break pasted into a box would split its line of a parameter file.
    platform::KeepOneLine(Text_Name);
    platform::KeepOneLine(Text_Serial_Number);
    // Enter in a text box sends it; the key goes on to the box as well.
    Text_Name->installEventFilter(this);
    Text_Serial_Number->installEventFilter(this);
    if (Modele().Horloge()) {
        connect(Check_Change_Automatique, &QCheckBox::clicked, this,
                &frmConfig::Check_Change_Automatique_Click);
        connect(Cmd_Envoi_Date, &QPushButton::clicked, this, &frmConfig::Cmd_Envoi_Date_Click);
        connect(Cmd_Envoi_Heure, &QPushButton::clicked, this, &frmConfig::Cmd_Envoi_Heure_Click);
        platform::KeepOneLine(Text_Heure);
        Text_Heure->installEventFilter(this);
        DTP_Date->installEventFilter(this);
    }
}

void frmConfig::Form_Load()
{
    auto &d = D();
    Fonctions::Fermer_Fenetres();
    d.Ouvert.Ouvert_Config = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Config, this);
    d.Demande_Quitter = false;
    d.Envoi_Autorise = false;
    d.Attente_En_Cours = false;
    setLeftTwips(0);
    setTopTwips(0);

    // A new window shows the design values until the panel's read-back comes.
    Fonctions::Controles_Programme().Config = Controles_Config();
    Appliquer(Fonctions::Controles_Programme().Config);

    if (d.Mode_Visualisation)
        Verrouiller_Reglages(true);
    if (d.Mode_Utilisateur == Declaration::Utilisateur) {
        Cmd_Clear_Flash->hide();
        Cmd_Envoi_Serial_Number->hide();
        Cmd_Mode_Reglage->hide();
        Text_Serial_Number->setEnabled(false);
        for (QPushButton *b : {Cmd_Leq_10_Min, Cmd_Leq_5_Min, Cmd_Leq_1_Min, Cmd_Leq_1_Sec, Cmd_Crete})
            b->hide();
        Line_Flash->hide();
        Line_Niveaux->hide();
        Line_Bas_Colonne->show();
    }

    Fonctions::Ouverture_Port();
    Fonctions::Envoi_Commande(Demande_Diagnostic, 0);
    platform::HandlerScope portee(this);
    d.Top_Depart = platform::GetTickCount();
    platform::PumpUntil([] { return platform::ProgramClosing(); }, d.Top_Depart + 200);
    if (!portee.Stands())
        return;
    Show();
    if (Fonctions::MSComm1().InBufferCount() == 0) {
        Fonctions::Message_Absence_Reponse();
        d.Chaine_Temp = Declaration::No_Dorva;
    } else {
        d.Chaine_Temp.clear();
    }
}

void frmConfig::Form_Unload()
{
    auto &d = D();
    Timer_Wait.stop();
    if (frmMain *m = frmMain::Instance()) {
        if (d.Mode_Utilisateur == Declaration::Utilisateur)
            m->mnuChange_Password->setVisible(false);
        m->mnuPrint->setEnabled(false);
        m->mnuSave_Param->setEnabled(false);
        // A busy state that no answer will end now must not keep the menu off.
        if (d.Attente_En_Cours)
            m->setParametresEnabled(true);
    }
    d.Attente_En_Cours = false;
    Fonctions::Fermeture_Port();
    d.Ouvert.Ouvert_Config = false;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Config, nullptr);
}

void frmConfig::Verrouiller_Reglages(bool verrouiller)
{
    const bool actif = !verrouiller;
    std::vector<QWidget *> controles{Label_Titre_Offset, Slider_Offset, Cmd_Offset_Moins, Cmd_Offset_Plus};
    controles.insert(controles.end(), Labels_Offset.begin(), Labels_Offset.end());
    controles.insert(controles.end(), {Label_Offset,
                                       Label_Titre_Alarme,
                                       Slider_Alarme,
                                       Cmd_Alarme_Plus,
                                       Cmd_Alarme_Moins,
                                       Label6,
                                       Label7,
                                       Label8,
                                       Label9,
                                       Label_Alarme,
                                       Label_Titre_Centre,
                                       Combo_Aff_Centre,
                                       Label_Titre_Bas_Gauche,
                                       Combo_Aff_Bas_Gauche,
                                       Label_Titre_Bas_Droite,
                                       Combo_Aff_Bas_Droite,
                                       Label_Titre_Lumens,
                                       Option_Lumens_Auto,
                                       Option_Lumens_Manuel,
                                       Label_Lumens_Int_Ext,
                                       Option_Lumens_Int,
                                       Option_Lumens_Ext,
                                       Label_Lumens_Value,
                                       Slider_Lumens,
                                       Cmd_Lumens_Plus,
                                       Cmd_Lumens_Moins,
                                       Label_Luminosite_Value,
                                       Label_Lumens_Maxi,
                                       Label_Lumens_Mini,
                                       Label_Titre_Capteur,
                                       Option_Alim_Fantom,
                                       Option_No_Alim_Fantom,
                                       Cmd_Default,
                                       Label_Name,
                                       Text_Name,
                                       Cmd_Envoi_Name,
                                       Label_Serial_Number,
                                       Text_Serial_Number});
    if (Modele().Horloge())
        controles.insert(controles.end(),
                         {Label_Titre_Date, DTP_Date, Cmd_Envoi_Date, Label_Titre_Heure, Text_Heure,
                          Cmd_Envoi_Heure, Label_Titre_Changement, Check_Change_Automatique});
    controles.insert(controles.end(),
                     {Cmd_Clear_Flash, Cmd_Mode_Reglage, Cmd_Envoi_Serial_Number, Label_Titre_Reponses});
    for (QWidget *w : controles)
        w->setEnabled(actif);
}

void frmConfig::Debut_Attente()
{
    Label_Traitement->show();
    Progression->setValue(Progression->Min());
    Progression->show();
    if (frmMain *m = frmMain::Instance())
        m->setParametresEnabled(false);
    if (Cmd_Offset_Moins->isEnabled())
        Cmd_Offset_Moins->setFocus();
    setEnabled(false);
    D().Attente_En_Cours = true;
    Timer_Wait.start(platform::ScaledInterval(25));
}

void frmConfig::Fin_Attente()
{
    Label_Traitement->hide();
    Progression->hide();
    setEnabled(true);
    D().Attente_En_Cours = false;
    Timer_Wait.stop();
}

void frmConfig::Timer_Wait_Timer()
{
    if (static_cast<int>(Progression->Max()) > Progression->Value())
        Progression->setValue(Progression->Value() + 1);
}

void frmConfig::Lire(Controles_Config &c) const
{
    c.Cmd_Mode_Reglage = Cmd_Mode_Reglage->text();
    c.Slider_Offset = {Slider_Offset->minimum(), Slider_Offset->maximum(), Slider_Offset->value()};
    c.Slider_Alarme = {Slider_Alarme->minimum(), Slider_Alarme->maximum(), Slider_Alarme->value()};
    c.Labels_Alarme = {Label6->text(), Label7->text(), Label8->text(), Label9->text()};
    Lire_Combo(Combo_Aff_Centre, c.Combo_Aff_Centre);
    Lire_Combo(Combo_Aff_Bas_Gauche, c.Combo_Aff_Bas_Gauche);
    Lire_Combo(Combo_Aff_Bas_Droite, c.Combo_Aff_Bas_Droite);
    c.Option_Lumens_Auto = Option_Lumens_Auto->isChecked();
    c.Option_Lumens_Manuel = Option_Lumens_Manuel->isChecked();
    c.Option_Lumens_Int = Option_Lumens_Int->isChecked();
    c.Option_Lumens_Ext = Option_Lumens_Ext->isChecked();
    c.Slider_Lumens = {Slider_Lumens->minimum(), Slider_Lumens->maximum(), Slider_Lumens->value()};
    c.Text_Serial_Number = Text_Serial_Number->text();
    c.Text_Name = Text_Name->text();
    c.Option_Alim_Fantom = Option_Alim_Fantom->isChecked();
    c.Option_No_Alim_Fantom = Option_No_Alim_Fantom->isChecked();
    if (Modele().Horloge()) {
        c.Check_Change_Automatique = Check_Change_Automatique->isChecked() ? 1 : 0;
        c.Text_Heure = Text_Heure->text();
        c.DTP_Date = DTP_Date->date();
    }
}

void frmConfig::Appliquer(const Controles_Config &c)
{
    m_par_programme = true;
    if (Cmd_Mode_Reglage->text() != c.Cmd_Mode_Reglage)
        Cmd_Mode_Reglage->setText(c.Cmd_Mode_Reglage);
    auto curseur = [](QSlider *s, const Curseur &v) {
        s->setRange(v.Min, v.Max);
        s->setValue(v.Value);
    };
    curseur(Slider_Offset, c.Slider_Offset);
    curseur(Slider_Alarme, c.Slider_Alarme);
    curseur(Slider_Lumens, c.Slider_Lumens);
    // The value labels follow the sliders even where a range change moved no value.
    Label_Offset->setText(Fonctions_Reglages::Texte_Offset(Slider_Offset->value()));
    Label_Alarme->setText(Fonctions_Reglages::Texte_Alarme(Slider_Alarme->value()));
    Label_Luminosite_Value->setText(Fonctions_Reglages::Texte_Luminosite(Slider_Lumens->value()));
    QLabel *echelle[4] = {Label6, Label7, Label8, Label9};
    for (size_t i = 0; i < 4; ++i)
        echelle[i]->setText(c.Labels_Alarme[i]);
    Remplir_Combo(Combo_Aff_Centre, c.Combo_Aff_Centre);
    Remplir_Combo(Combo_Aff_Bas_Gauche, c.Combo_Aff_Bas_Gauche);
    Remplir_Combo(Combo_Aff_Bas_Droite, c.Combo_Aff_Bas_Droite);
    Texte_Aff_Centre = Combo_Aff_Centre->currentText();
    Texte_Aff_Bas_Gauche = Combo_Aff_Bas_Gauche->currentText();
    Texte_Aff_Bas_Droite = Combo_Aff_Bas_Droite->currentText();
    const bool etait_manuel = Option_Lumens_Manuel->isChecked(), etait_auto = Option_Lumens_Auto->isChecked();
    Choisir_Option(Option_Lumens_Auto, c.Option_Lumens_Auto);
    Choisir_Option(Option_Lumens_Manuel, c.Option_Lumens_Manuel);
    if (c.Option_Lumens_Manuel && !etait_manuel)
        Option_Lumens_Manuel_Click();
    else if (c.Option_Lumens_Auto && !etait_auto)
        Option_Lumens_Auto_Click();
    Choisir_Option(Option_Lumens_Int, c.Option_Lumens_Int);
    Choisir_Option(Option_Lumens_Ext, c.Option_Lumens_Ext);
    Choisir_Option(Option_Alim_Fantom, c.Option_Alim_Fantom);
    Choisir_Option(Option_No_Alim_Fantom, c.Option_No_Alim_Fantom);
    Cmd_Leq_5_Min->setVisible(c.Cmd_Leq_5_Min_Visible && !Cmd_Leq_10_Min->isHidden());
    if (Text_Serial_Number->text() != c.Text_Serial_Number)
        Text_Serial_Number->setText(c.Text_Serial_Number);
    if (Text_Name->text() != c.Text_Name)
        Text_Name->setText(c.Text_Name);
    if (Modele().Horloge()) {
        Check_Change_Automatique->setChecked(c.Check_Change_Automatique == 1);
        if (Text_Heure->text() != c.Text_Heure)
            Text_Heure->setText(c.Text_Heure);
        if (c.DTP_Date.isValid())
            DTP_Date->setDate(c.DTP_Date);
    }
    m_par_programme = false;
}

bool frmConfig::Envoi_Possible() const
{
    return !m_par_programme && D().Envoi_Autorise;
}

} // namespace configurator
