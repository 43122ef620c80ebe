// Fixture for tests that talk to the simulated panel over a pseudo-terminal.
#pragma once

#include "analysis/core/Declaration.h"
#include "analysis/core/frmConnexion.h"
#include "panel_simulator.h"
#include "test_support.h"

#include <QLabel>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

class SimulatedPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        testsupport::PointPortsAtNothing();
        sim = std::make_unique<panelsim::PanelSimulator>();
        port = 4;
        testsupport::PointPortAt(port, QString::fromStdString(sim->path()));
        Declaration::D().Etat_Liaison.Port_COM = static_cast<int16_t>(port);
        // The exchanges report to the progress window, as in the program.
        Fonctions::Inscrire_Suivi(&Suivi_Fenetre());
    }
    void TearDown() override
    {
        testsupport::FreshState();
        sim.reset();
        testsupport::PointPortsAtNothing();
    }

    std::unique_ptr<panelsim::PanelSimulator> sim;
    int port = 0;
    testsupport::FastTicks ticks{2.0};
};

// Collects every text a label shows while events run, in order and without repeats.
class LabelWatcher
{
public:
    explicit LabelWatcher(std::function<QLabel *()> label)
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this, label] {
            if (QLabel *l = label(); l && (m_texts.isEmpty() || m_texts.last() != l->text()))
                m_texts << l->text();
        });
        m_timer.start();
    }
    const QStringList &texts() const { return m_texts; }

private:
    QTimer m_timer;
    QStringList m_texts;
};
