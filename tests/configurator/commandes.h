// The settings window against the simulated panel, for the tests of its commands: the window, the frames
// the panel received, the busy state as the installer sees it, and the log lines added since a point.
#pragma once

#include "configurator/Declaration.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmConfig.h"
#include "programme.h"
#include "relecture.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace configtest {

using Trames = std::vector<std::pair<int, int>>;

class Commandes : public Programme
{
protected:
    // The larger model has the clock; the texts of the two models differ in places.
    static bool Pelmar() { return configurator::Modele().Horloge(); }

    static configurator::frmConfig *Fenetre() { return configurator::Config::Instance(); }

    // Opens the filled settings window and forgets what was sent and shown until then.
    void Ouvrir()
    {
        Ouvrir_Reglages();
        sim.clearFrames();
        Messages();
    }

    // Every frame the panel received since the last clearFrames, as (code, value).
    Trames Recues() const
    {
        Trames t;
        for (const auto &f : sim.frames())
            t.emplace_back(f[0], f[1]);
        return t;
    }

    // The frames once `nombre` have come (or 2 s have passed).
    Trames Attendre_Trames(size_t nombre)
    {
        sim.waitForFrames(nombre, std::chrono::milliseconds(2000));
        return Recues();
    }

    // What reached the panel within `ms` (for the checks that nothing did).
    Trames Recues_Apres(int ms)
    {
        Tourner_Pendant(ms);
        return Recues();
    }

    int Lignes_Log() const { return Fenetre()->List_Reponses->ListCount(); }

    // The boxes shown since the last look: `nombre` of them, each the no-answer box of a port that is gone.
    void Attendre_Boites_Port_Absent(size_t nombre)
    {
        const auto boites = Messages();
        EXPECT_EQ(boites.size(), nombre);
        for (const auto &b : boites) {
            EXPECT_EQ(b.text, configurator::Modele().Message_Absence_Reponse);
            EXPECT_EQ(b.title, configurator::Modele().Titre_Absence_Reponse);
        }
    }

    QStringList Lignes_Depuis(int debut) const
    {
        QStringList lignes;
        for (int i = debut; i < Lignes_Log(); ++i)
            lignes << Fenetre()->List_Reponses->List(i);
        return lignes;
    }

    // Runs the receive loop until the panel's answer has ended the busy state.
    bool Attendre_Reponse(int ms = 3000)
    {
        return Tourner([] { return !configurator::Declaration::D().Attente_En_Cours; }, ms);
    }

    // The busy state, every way the installer sees it: window, indicator, bar, menu and flag agree.
    ::testing::AssertionResult Occupee(bool attendu) const
    {
        auto *f = Fenetre();
        if (!f)
            return ::testing::AssertionFailure() << "no settings window";
        const bool etats[5] = {!f->isEnabled(), f->Label_Traitement->isVisible(), f->Progression->isVisible(),
                               !principale->ParametresEnabled(),
                               configurator::Declaration::D().Attente_En_Cours};
        const char *noms[5] = {"window disabled", "label shown", "bar shown", "menu disabled", "flag set"};
        for (int i = 0; i < 5; ++i)
            if (etats[i] != attendu)
                return ::testing::AssertionFailure() << noms[i] << " is " << etats[i];
        if (attendu && f->Label_Traitement->text() != QStringLiteral("Traitement en Cours ..."))
            return ::testing::AssertionFailure() << "label text";
        return ::testing::AssertionSuccess();
    }
};

} // namespace configtest
