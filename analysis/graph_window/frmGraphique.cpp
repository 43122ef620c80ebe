// The graph window's controls, their connections, its load on a graph period and its top-row buttons.
#include "analysis/graph_window/frmGraphique.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/frmWait.h"
#include "analysis/graph_window/Lignes_Periode.h"
#include "analysis/graph_window/Textes_Graphique.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/input_guard.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

using Declaration::D;
using platform::LineControl;
using platform::ListBox;
using platform::PictureBox;

namespace {

constexpr int kLargeur = 15210, kHauteur = 9615;
const QColor Fond(197, 207, 237);

QLabel *label(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *l = new QLabel(text, parent);
    platform::PlaceTwips(l, left, top, width, height);
    return l;
}

QPushButton *bouton(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *b = new QPushButton(text, parent);
    b->setIconSize(QSize(32, 32));
    platform::PlaceTwips(b, left, top, width, height);
    return b;
}

LineControl *ligne(PictureBox *box, Qt::PenStyle style)
{
    auto *l = new LineControl(box);
    l->setVisible(false);
    l->setBorderStyle(style);
    return l;
}

// The frame round the summary block as designed: rows 1 to 5 and the bottom edge 9 across, the column
// rule 6 and the sides 7 and 8 down.
void cadre(std::array<Fonctions_Graphique::Ligne_Fenetre, 10> &line)
{
    for (int n = 1; n <= 5; ++n)
        line[static_cast<size_t>(n)] = {8100, 3690.f + 330 * (n - 1), 14790, 3690.f + 330 * (n - 1), true};
    for (const auto &[n, x] : {std::pair{6, 11445.f}, {7, 8100.f}, {8, 14790.f}})
        line[static_cast<size_t>(n)] = {x, 3690, x, 5010, true};
    line[9] = {8100, 5070, 14790, 5070, true};
}

} // namespace

frmGraphique::frmGraphique()
    : platform::Form(Kind::MdiChild, Textes_Graphique::Titre_Fenetre, kLargeur, kHauteur, Fond)
{
    Label_Entete = label(this, QString(), 30, 30, 15120, 255);
    Label_Date = label(this, QString(), 30, 330, 15120, 255);
    Cmd_New_Data_Graphique = bouton(this, Textes_Graphique::Nouveau_Graphique, 13230, 30, 555, 525);
    Cmd_New_Graph_Old = bouton(this, Textes_Graphique::Nouveau_Graphique, 13950, 30, 555, 525);
    Cmd_Quit = bouton(this, Textes_Graphique::Quitter, 14640, 30, 555, 525);

    const std::array<std::pair<int, int>, 4> places{{{0, 0}, {60, 660}, {60, 5130}, {7650, 5130}}};
    const std::array<std::pair<int, int>, 4> labels{{{0, 0}, {90, 4800}, {90, 9270}, {7680, 9270}}};
    const std::array<std::pair<int, int>, 4> choix{{{0, 0}, {5190, 4740}, {5190, 9210}, {12780, 9210}}};
    for (int k = 1; k <= 3; ++k) {
        const auto [left, top] = places[static_cast<size_t>(k)];
        auto *box = new PictureBox(this);
        platform::PlaceTwips(box, left, top, Fonctions_Graphique::Largeur_Volet_Normal,
                             Fonctions_Graphique::Hauteur_Volet_Normal);
        auto *print = bouton(box, Textes_Graphique::Impression, 6210, 0, 645, 495);
        auto *zoom = bouton(box, Textes_Graphique::Zoom, k == 3 ? 6870 : 6840, 0, 645, 495);
        auto *liste = new ListBox(this);
        platform::PlaceTwips(liste, left, top, 7515, 4065);
        liste->hide();
        auto *legende = label(this, QString(), labels[static_cast<size_t>(k)].first,
                              labels[static_cast<size_t>(k)].second, 5025, 255);
        auto *combo = new QComboBox(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(Textes_Graphique::Choix_Affichage);
        platform::PlaceTwips(combo, choix[static_cast<size_t>(k)].first, choix[static_cast<size_t>(k)].second,
                             2385, 315);
        std::array<LineControl *, Fonctions_Graphique::Nombre_Lignes_Heure> heures{};
        for (LineControl *&l : heures)
            l = ligne(box, Qt::SolidLine);
        std::array<LineControl *, Fonctions_Graphique::Nombre_Lignes_Niveau> niveaux{};
        for (LineControl *&l : niveaux)
            l = ligne(box, Qt::SolidLine);
        // The band lines come last so that they lie above the grid.
        LineControl *haut = ligne(box, Qt::DotLine), *bas = ligne(box, Qt::DotLine);
        LineControl *gauche = ligne(box, Qt::DotLine), *droite = ligne(box, Qt::DotLine);
        switch (k) {
        case 1:
            Graphique_Leq1 = box, Cmd_Print1 = print, Cmd_Zoom1 = zoom, List_Leq1 = liste,
            Label_Leq1 = legende;
            Combo_Choix1 = combo, Line_Heure1 = heures, Line_Level1 = niveaux;
            Line_Haut1 = haut, Line_Bas1 = bas, Line_Gauche1 = gauche, Line_Droite1 = droite;
            break;
        case 2:
            Graphique_Leq2 = box, Cmd_Print2 = print, Cmd_Zoom2 = zoom, List_Leq2 = liste,
            Label_Leq2 = legende;
            Combo_Choix2 = combo, Line_Heure2 = heures, Line_Level2 = niveaux;
            Line_Haut2 = haut, Line_Bas2 = bas, Line_Gauche2 = gauche, Line_Droite2 = droite;
            break;
        default:
            Graphique_Leq3 = box, Cmd_Print3 = print, Cmd_Zoom3 = zoom, List_Leq3 = liste,
            Label_Leq3 = legende;
            Combo_Choix3 = combo, Line_Heure3 = heures, Line_Level3 = niveaux;
            Line_Haut3 = haut, Line_Bas3 = bas, Line_Gauche3 = gauche, Line_Droite3 = droite;
            break;
        }
    }

    Label_Entete_Evenements = label(this, Textes_Graphique::Entete_Evenements, 7890, 690, 7065, 255);
    List_Evenements = new ListBox(this);
    platform::PlaceTwips(List_Evenements, 7860, 990, 7125, 2550);
    Label_Entete_Alarme = label(this, Textes_Graphique::Entete_Alarme, 8160, 3750, 3225, 195);
    Label_Entete_Leq10 = label(this, Textes_Graphique::Entete_Leq10, 8160, 4080, 3225, 195);
    Label_Entete_Leq1 = label(this, Textes_Graphique::Entete_Leq1, 8160, 4410, 3225, 195);
    Label_Entete_Crete = label(this, Textes_Graphique::Entete_Crete, 8160, 4740, 3225, 195);
    // The 5-minute labels stand at the right edge until the maxima routine places them.
    Label_Entete_Leq5 = label(this, Textes_Graphique::Entete_Leq5, 14850, 4140, 315, 255);
    Label_Alarme = label(this, QString(), 11520, 3750, 3195, 195);
    Label_Leq10_Maxi = label(this, QString(), 11520, 4080, 3195, 195);
    Label_Leq1_Maxi = label(this, QString(), 11520, 4410, 3195, 195);
    Label_Crete_Maxi = label(this, QString(), 11520, 4740, 3195, 195);
    Label_Leq5_Maxi = label(this, QString(), 14850, 4560, 285, 255);
    cadre(Line);

    Inscrire_Dessin();
    Connecter();
}

frmGraphique::~frmGraphique()
{
    if (Fonctions_Graphique::Fenetre() == &m_dessin)
        Fonctions_Graphique::Inscrire_Fenetre_Graphique(nullptr);
}

void frmGraphique::Inscrire_Dessin()
{
    for (int k = 1; k <= 3; ++k) {
        const Volet v = Volet_Graphique(k);
        Fonctions_Graphique::Volet_Graphique &d = m_dessin.Volet[static_cast<size_t>(k)];
        d.Graphique = v.Graphique;
        d.Line_Heure = *v.Line_Heure;
        d.Line_Level = *v.Line_Level;
        d.Combo_Choix = v.Combo_Choix;
    }
    m_dessin.Label_Entete_Alarme = Label_Entete_Alarme;
    m_dessin.Label_Alarme = Label_Alarme;
    m_dessin.Label_Entete_Leq10 = Label_Entete_Leq10;
    m_dessin.Label_Leq10_Maxi = Label_Leq10_Maxi;
    m_dessin.Label_Entete_Leq1 = Label_Entete_Leq1;
    m_dessin.Label_Leq1_Maxi = Label_Leq1_Maxi;
    m_dessin.Label_Entete_Crete = Label_Entete_Crete;
    m_dessin.Label_Crete_Maxi = Label_Crete_Maxi;
    m_dessin.Label_Entete_Leq5 = Label_Entete_Leq5;
    m_dessin.Label_Leq5_Maxi = Label_Leq5_Maxi;
    for (size_t n = 1; n < Line.size(); ++n)
        m_dessin.Line[n] = &Line[n];
    m_dessin.Label_Entete_Evenements = Label_Entete_Evenements;
    m_dessin.List_Evenements = List_Evenements;
}

void frmGraphique::Connecter()
{
    connect(Cmd_New_Data_Graphique, &QPushButton::clicked, this, &frmGraphique::Cmd_New_Data_Graphique_Click);
    connect(Cmd_New_Graph_Old, &QPushButton::clicked, this, &frmGraphique::Cmd_New_Graph_Old_Click);
    connect(Cmd_Quit, &QPushButton::clicked, this, &frmGraphique::Cmd_Quit_Click);
    connect(Cmd_Zoom1, &QPushButton::clicked, this, &frmGraphique::Cmd_Zoom1_Click);
    connect(Cmd_Zoom2, &QPushButton::clicked, this, &frmGraphique::Cmd_Zoom2_Click);
    connect(Cmd_Zoom3, &QPushButton::clicked, this, &frmGraphique::Cmd_Zoom3_Click);
    // A pick from the list is the combo's Click; typing into its field is its Change.
    connect(Combo_Choix1, &QComboBox::activated, this, &frmGraphique::Combo_Choix1_Click);
    connect(Combo_Choix2, &QComboBox::activated, this, &frmGraphique::Combo_Choix2_Click);
    connect(Combo_Choix3, &QComboBox::activated, this, &frmGraphique::Combo_Choix3_Click);
    connect(Combo_Choix1->lineEdit(), &QLineEdit::textEdited, this, &frmGraphique::Combo_Choix1_Change);
    connect(Combo_Choix2->lineEdit(), &QLineEdit::textEdited, this, &frmGraphique::Combo_Choix2_Change);
    connect(Combo_Choix3->lineEdit(), &QLineEdit::textEdited, this, &frmGraphique::Combo_Choix3_Change);

    connect(Cmd_Print1, &QPushButton::clicked, this, &frmGraphique::Cmd_Print1_Click);
    connect(Cmd_Print2, &QPushButton::clicked, this, &frmGraphique::Cmd_Print2_Click);
    connect(Cmd_Print3, &QPushButton::clicked, this, &frmGraphique::Cmd_Print3_Click);
    const auto souris = [this](PictureBox *box, auto down, auto move, auto up) {
        const auto appel = [this](auto handler) {
            return [this, handler](int b, int s, float x, float y) {
                (this->*handler)(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
            };
        };
        connect(box, &PictureBox::MouseDown, this, appel(down));
        connect(box, &PictureBox::MouseMove, this, appel(move));
        connect(box, &PictureBox::MouseUp, this, appel(up));
    };
    souris(Graphique_Leq1, &frmGraphique::Graphique_Leq1_MouseDown, &frmGraphique::Graphique_Leq1_MouseMove,
           &frmGraphique::Graphique_Leq1_MouseUp);
    souris(Graphique_Leq2, &frmGraphique::Graphique_Leq2_MouseDown, &frmGraphique::Graphique_Leq2_MouseMove,
           &frmGraphique::Graphique_Leq2_MouseUp);
    souris(Graphique_Leq3, &frmGraphique::Graphique_Leq3_MouseDown, &frmGraphique::Graphique_Leq3_MouseMove,
           &frmGraphique::Graphique_Leq3_MouseUp);
    for (ListBox *l : {List_Leq1, List_Leq2, List_Leq3}) {
        // The list says Click for a press and for a key that moved its row; keys have their own handler,
        // run before the list moves.
        connect(l, &ListBox::Click, this, [this, l] {
            if (m_touche)
                return;
            if (l == List_Leq1)
                List_Leq1_MouseDown(0, 0, 0, 0);
            else if (l == List_Leq2)
                List_Leq2_MouseDown(0, 0, 0, 0);
            else
                List_Leq3_MouseDown(0, 0, 0, 0);
        });
        l->installEventFilter(this);
        l->viewport()->installEventFilter(this);
    }
}

bool frmGraphique::eventFilter(QObject *watched, QEvent *event)
{
    const std::array<ListBox *, 3> listes{List_Leq1, List_Leq2, List_Leq3};
    for (size_t i = 0; i < listes.size(); ++i) {
        ListBox *l = listes[i];
        if (watched == l->viewport() && event->type() == QEvent::MouseButtonPress) {
            m_touche = false;
        } else if (watched == l && event->type() == QEvent::KeyPress) {
            m_touche = true;
            const int touche = static_cast<QKeyEvent *>(event)->key();
            const int16_t code = touche == Qt::Key_Up ? 38 : touche == Qt::Key_Down ? 40 : 0;
            if (i == 0)
                List_Leq1_KeyDown(code, 0);
            else if (i == 1)
                List_Leq2_KeyDown(code, 0);
            else
                List_Leq3_KeyDown(code, 0);
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void frmGraphique::paintEvent(QPaintEvent *event)
{
    platform::Form::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (size_t n = 1; n < Line.size(); ++n) {
        const Fonctions_Graphique::Ligne_Fenetre &l = Line[n];
        if (l.Visible)
            p.drawLine(QPointF(l.X1 / platform::kTwipsPerPixel, l.Y1 / platform::kTwipsPerPixel),
                       QPointF(l.X2 / platform::kTwipsPerPixel, l.Y2 / platform::kTwipsPerPixel));
    }
}

frmGraphique::Volet frmGraphique::Volet_Graphique(int k)
{
    switch (k) {
    case 1:
        return {Graphique_Leq1, Line_Haut1,   Line_Bas1,    Line_Gauche1, Line_Droite1,
                &Line_Heure1,   &Line_Level1, Cmd_Print1,   Cmd_Zoom1,    Combo_Choix1,
                List_Leq1,      Label_Leq1,   &Texte_Choix1};
    case 2:
        return {Graphique_Leq2, Line_Haut2,   Line_Bas2,    Line_Gauche2, Line_Droite2,
                &Line_Heure2,   &Line_Level2, Cmd_Print2,   Cmd_Zoom2,    Combo_Choix2,
                List_Leq2,      Label_Leq2,   &Texte_Choix2};
    default:
        return {Graphique_Leq3, Line_Haut3,   Line_Bas3,    Line_Gauche3, Line_Droite3,
                &Line_Heure3,   &Line_Level3, Cmd_Print3,   Cmd_Zoom3,    Combo_Choix3,
                List_Leq3,      Label_Leq3,   &Texte_Choix3};
    }
}

// ---- Load -----------------------------------------------------------------------------------------

void frmGraphique::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Graphique = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Graphique, this);
    Fonctions_Graphique::Inscrire_Fenetre_Graphique(&m_dessin);
    auto &g = D().Graphique;
    g.Indice_Debut_Periode = 0;
    g.Indice_Fin_Periode = 0;
    m_donnees = false;

    frmMain *m = frmMain::Instance();
    Rechercher_Periode();
    if (g.Indice_Debut_Periode == 0 || g.Indice_Fin_Periode == 0) {
        platform::MsgBox(Textes_Graphique::Pas_De_Donnees, platform::MsgButtons::Ok,
                         platform::MsgIcon::Critical, Textes_Graphique::Titre_Pas_De_Donnees);
        if (m) {
            m->unsetCursor();
            m->setEnabled(true);
        }
        return;
    }
    m_donnees = true;

    Preparer_Boutons();
    g.Zoom_Selection = false;
    g.Selection_En_Cours = false;
    g.Curseur_Jour = g.Curseur_Mois = g.Curseur_Annee = g.Curseur_Heure = g.Curseur_Minute = 0;
    g.Curseur_Pose = false;
    Ecrire_Entetes();
    const std::array<std::pair<int, int>, 4> places{{{0, 0}, {60, 660}, {60, 5130}, {7650, 5130}}};
    for (int k = 1; k <= 3; ++k) {
        ListBox *l = Volet_Graphique(k).List_Leq;
        l->hide();
        platform::PlaceTwips(l, places[static_cast<size_t>(k)].first, places[static_cast<size_t>(k)].second,
                             7515, 4065);
    }

    // The fills and the first drawing let window events run: only the wait window stays reachable.
    platform::HandlerScope handler(this);
    platform::InputGuard garde;
    g.Chargement_Graphique = true;
    frmWait &w = Wait::Show();
    platform::InputGuard::AllowWidget(&w);
    const bool deux = D().Presence_Leq5 && D().Presence_Leq10;
    const double lignes = g.Indice_Fin_Periode - g.Indice_Debut_Periode + 1;
    const double total = (deux ? 9 : 7) * lignes;
    w.Label_Progression->setText(QStringLiteral("Données traitées = 0 / ") + QString::number(total, 'f', 0));
    w.Progression->setMax(total + 0.001);
    w.Progression->setValue(w.Progression->Min());

    Remplir_Choix();
    for (int k = 1; k <= 3; ++k) {
        const Volet v = Volet_Graphique(k);
        v.Cmd_Print->hide();
        Textes_Graphique::Poser_Image(v.Cmd_Print, Textes_Graphique::Image_Print);
        Textes_Graphique::Poser_Image(v.Cmd_Zoom, Textes_Graphique::Image_Zoom);
    }

    using namespace Fonctions_Tableau;
    const bool cinqSeul = D().Presence_Leq5 && !D().Presence_Leq10;
    Remplir_Liste_Jour(*List_Leq1, cinqSeul ? Niveau_Leq5 : Niveau_Leq10);
    if (handler.Stands())
        Remplir_Liste_Jour(*List_Leq2, Niveau_Leq1);
    if (handler.Stands())
        Remplir_Liste_Jour(*List_Leq3, Niveau_Crete);
    if (handler.Stands())
        Remplir_Liste_Evenements_Jour(*List_Evenements);
    const std::array<int, 3> premiers = deux ? std::array{0, 2, 3} : std::array{0, 1, 2};
    for (int k = 1; k <= 3 && handler.Stands(); ++k)
        Choisir_Vue(k, premiers[static_cast<size_t>(k - 1)]);
    if (handler.Stands()) {
        Fonctions_Graphique::Affiche_Maxima();
        update();
    }

    if (m) {
        m->setEnabled(true);
        m->unsetCursor();
    }
    g.Chargement_Graphique = false;
    Wait::Unload();
}

void frmGraphique::Form_Unload()
{
    D().Ouvert.Ouvert_Graphique = false;
    if (Fonctions_Graphique::Fenetre() == &m_dessin)
        Fonctions_Graphique::Inscrire_Fenetre_Graphique(nullptr);
}

void frmGraphique::Rechercher_Periode()
{
    auto &g = D().Graphique;
    const Fonctions_Tableau::Periode_Liste periode = Lignes_Periode::Periode(g);
    const Lignes_Periode::Indices indices = Lignes_Periode::Rechercher_Indices(D().Donnees_Memoire, periode);
    if (indices.Vides())
        return;
    g.Indice_Debut_Periode = indices.Debut;
    g.Indice_Fin_Periode = indices.Fin;
    g.Donnees_Graphique = Lignes_Periode::Copier_Lignes(D().Donnees_Memoire, indices);
    const Lignes_Periode::Presences p = Lignes_Periode::Rechercher_Presences(g.Donnees_Graphique, periode);
    D().Presence_Leq5 = p.Leq5;
    D().Presence_Leq10 = p.Leq10;
}

void frmGraphique::Preparer_Boutons()
{
    using namespace Textes_Graphique;
    const frmMain *m = frmMain::Instance();
    const bool depuisAfficheur = m && m->SaveEnabled();
    Cmd_New_Data_Graphique->setVisible(depuisAfficheur);
    if (depuisAfficheur) {
        Poser_Image(Cmd_New_Data_Graphique, Image_New_Transfert);
        Cmd_New_Data_Graphique->setToolTip(Bulle_New_Data);
    }
    Poser_Image(Cmd_New_Graph_Old, Image_New_Graphique);
    Cmd_New_Graph_Old->setToolTip(Bulle_New_Old);
    Poser_Image(Cmd_Quit, Image_Quit);
    Cmd_Quit->setToolTip(Bulle_Quit);
}

void frmGraphique::Ecrire_Entetes()
{
    Label_Entete->setText(Lignes_Periode::Texte_Entete(D().Parametres_Afficheur));
    // The days drawn, from the period rows: the panel's reply to a date-range read may name others.
    Label_Date->setText(Lignes_Periode::Texte_Date(D().Graphique));
}

void frmGraphique::Remplir_Choix()
{
    const QStringList entrees = Lignes_Periode::Entrees_Choix({D().Presence_Leq5, D().Presence_Leq10});
    for (int k = 1; k <= 3; ++k) {
        QComboBox *c = Volet_Graphique(k).Combo_Choix;
        const QSignalBlocker bloque(c);
        c->clear();
        c->addItems(entrees);
        c->setCurrentIndex(-1);
        c->setEditText(Textes_Graphique::Choix_Affichage);
    }
}

void frmGraphique::Choisir_Vue(int k, int index)
{
    QComboBox *c = Volet_Graphique(k).Combo_Choix;
    {
        const QSignalBlocker bloque(c);
        c->setCurrentIndex(index);
    }
    Combo_Choix_Click(k);
}

// ---- Top-row buttons --------------------------------------------------------------------------------

void frmGraphique::Cmd_New_Data_Graphique_Click()
{
    // The dialog's load unloads this window: it goes once this handler returns.
    platform::HandlerScope handler(this);
    Routes::Ouvrir(Routes::Vue::Data_Total_Graph);
}

void frmGraphique::Cmd_New_Graph_Old_Click()
{
    platform::HandlerScope handler(this);
    Routes::Ouvrir(Routes::Vue::InGraphique_Old);
}

void frmGraphique::Cmd_Quit_Click()
{
    Unload();
}
