// What the saved-file and export suites share: a fresh state per test, a scratch folder, answered
// file dialogs and recorded message boxes, and the small data set of the hand-written fixture.
#pragma once

#include "analysis/core/Declaration.h"
#include "platform/common_dialog.h"
#include "test_support.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace filetest {

// The data set that tests/file/data/petit.pelmar holds, with a narrower selection beside it.
void Donnees_Petites(Declaration::Etat &etat);

// A held data set that no file in the tests carries, to see that a refused file leaves it alone.
void Donnees_Tenues(Declaration::Etat &etat);

QByteArray Lire(const QString &chemin);
void Ecrire(const QString &chemin, const QByteArray &octets);
QByteArray Fixture(const QString &nom);

class FileTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString Chemin(const QString &nom) const { return m_dossier.filePath(nom); }
    // The next file dialogs answer these, in order (nullopt = Cancel); every request is kept.
    void Repondre(std::vector<std::optional<QString>> reponses);

    const std::vector<platform::ShownMessage> &Messages() const { return m_messages->shown(); }

    std::vector<platform::FileDialogRequest> demandes;

private:
    QTemporaryDir m_dossier;
    std::unique_ptr<testsupport::MessageRecorder> m_messages;
    std::deque<std::optional<QString>> m_reponses;
};

} // namespace filetest
