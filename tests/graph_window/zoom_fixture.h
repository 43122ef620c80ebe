// The graph window opened on a generated period, for the zoom, cursor and print tests: mouse events in a
// pane's user scale, list clicks on a row, and pixel counts of a pane's drawing.
#pragma once

#include "analysis/core/Declaration.h"
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/frmGraphique.h"
#include "donnees_graphique.h"
#include "test_support.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zoom_fixture {

// Sends a real mouse event to `w` at pixel `pixel`.
inline void Souris(QWidget *w, QEvent::Type type, Qt::MouseButton bouton, Qt::MouseButtons tenus,
                   QPointF pixel)
{
    QMouseEvent e(type, pixel, w->mapToGlobal(pixel), bouton, tenus, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The same at a point of a pane's user scale.
inline void Souris(platform::PictureBox *box, QEvent::Type type, Qt::MouseButton bouton,
                   Qt::MouseButtons tenus, double x, double y)
{
    Souris(box, type, bouton, tenus, box->ToPixels(static_cast<float>(x), static_cast<float>(y)));
}

// A left-button drag from (x1, y1) to (x2, y2) through the middle, in the pane's scale.
inline void Tirer(platform::PictureBox *box, double x1, double y1, double x2, double y2)
{
    Souris(box, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, x1, y1);
    Souris(box, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (x1 + x2) / 2, (y1 + y2) / 2);
    Souris(box, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, x2, y2);
    Souris(box, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, x2, y2);
}

// Pixels of exactly `couleur` in a rectangle of a pane's drawing (the whole of it by default).
inline int Pixels(const QImage &image, const QColor &couleur, QRect zone = {})
{
    if (zone.isNull())
        zone = image.rect();
    zone &= image.rect();
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            n += image.pixelColor(x, y).rgb() == couleur.rgb();
    return n;
}

// Dark pixels (text, antialiased or not) in a rectangle of a pane's drawing.
inline int Sombres(const QImage &image, QRect zone)
{
    zone &= image.rect();
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() < 100 && c.green() < 100 && c.blue() < 100;
        }
    return n;
}

// Clicks row `ligne` of a list with the mouse, as a user does.
inline void Cliquer(platform::ListBox *liste, int ligne)
{
    const QModelIndex i = liste->model()->index(ligne, 0);
    liste->scrollTo(i);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(i).center());
}

// Presses row `de` of a list, drags to row `vers` with the button held and releases there, as a user
// does; both rows in sight.
inline void Tirer_Liste(platform::ListBox *liste, int de, int vers)
{
    liste->scrollTo(liste->model()->index(vers, 0));
    const auto centre = [liste](int ligne) {
        return liste->visualRect(liste->model()->index(ligne, 0)).center();
    };
    QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, centre(de));
    QTest::mouseMove(liste->viewport(), centre(vers));
    QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, centre(vers));
}

// The first row of a list whose text contains `texte`, -1 when none.
inline int Ligne_Avec(const platform::ListBox *liste, const QString &texte)
{
    for (int i = 0; i < liste->ListCount(); ++i)
        if (liste->List(i).contains(texte))
            return i;
    return -1;
}

// A main window and the graph window opened on `jours` generated days from noon on 2 March 2009.
class Fenetre : public ::testing::Test
{
protected:
    void Ouvrir(int jours, donnees_graphique::Sortes sortes = donnees_graphique::Sortes::Leq10)
    {
        testsupport::FreshState();
        main = std::make_unique<frmMain>();
        main->show();
        auto &d = Declaration::D();
        d.Parametres_Afficheur.Niveau_Alarme = 80;
        d.Parametres_Afficheur.Nom_Afficheur = QStringLiteral("Salle des fêtes");
        d.Parametres_Afficheur.Numero_Serie = QStringLiteral("12345678");
        d.Parametres_Afficheur.Version_Firmware = {0, 2, 4};
        donnees_graphique::Generer(jours, QDate(2009, 3, 2), sortes);
        d.Donnees_Memoire = d.Graphique.Donnees_Graphique;
        const QDate fin = QDate(2009, 3, 2).addDays(jours);
        d.Date_Selection = {
            2, 3, 9, static_cast<int16_t>(fin.day()), static_cast<int16_t>(fin.month()), 9, 0x30000, 0x30800};
        d.Donnees_Chargees = true;
        f = &Graphique::Show();
    }
    void TearDown() override
    {
        testsupport::FreshState();
        main.reset();
    }

    std::unique_ptr<frmMain> main;
    frmGraphique *f = nullptr;
};

} // namespace zoom_fixture
