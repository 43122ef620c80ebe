#include "file_test_support.h"

#include "analysis/core/Sauvegarde_Excel.h"

#include <QFile>

namespace filetest {

void Donnees_Petites(Declaration::Etat &e)
{
    e.Donnees_Chargees = true;
    e.Periode_Chargee = {3, 3, 2009, 5, 3, 2009};
    e.Date_Selection = {4, 3, 9, 4, 3, 9, 197408, 197432};
    e.Adresse_Debut_Chargee = 197408;
    e.Adresse_Fin_Chargee = 197432;
    auto &p = e.Parametres_Afficheur;
    p.Offset = -12;
    p.Niveau_Alarme = 85;
    p.Version_Firmware = {0, 2, 4};
    p.Modele_40dB = true;
    p.Nom_Afficheur = QStringLiteral("Salle Fête  2");
    p.Numero_Serie = QStringLiteral("00123456");
    p.Modele_Afficheur = 1;
    p.Config_Aff_Centre = 2;
    p.Config_Aff_Bas_Gauche = 3;
    p.Config_Aff_Bas_Droite = 0;
    p.Mode_Luminosite = 1;
    p.Type_Luminosite_Auto = 0;
    p.Valeur_Luminosite = 8;
    p.Heure_Auto = 1;
    p.Type_Capteur = 2;
    e.Donnees_Memoire.rows = {{},
                              {0, 5, 14, 3, 3, 9, 72, 68, 81},
                              {0, 10, 14, 3, 3, 9, 198, 70, 90},
                              {0, 11, 14, 3, 3, 9, 3, 85, 90},
                              {0, 255, 255, 255, 255, 255, 255, 255, 255}};
    e.Parametres_Chargees = p;
}

void Donnees_Tenues(Declaration::Etat &e)
{
    e.Donnees_Chargees = true;
    e.Periode_Chargee = {1, 6, 2010, 2, 6, 2010};
    e.Date_Selection = {1, 6, 10, 2, 6, 10, 0x40000, 0x40010};
    e.Adresse_Debut_Chargee = 0x40000;
    e.Adresse_Fin_Chargee = 0x40010;
    auto &p = e.Parametres_Afficheur;
    p.Offset = 3;
    p.Niveau_Alarme = 90;
    p.Version_Firmware = {0, 1, 7};
    p.Nom_Afficheur = QStringLiteral("Tenu");
    p.Numero_Serie = QStringLiteral("42");
    p.Type_Capteur = 1;
    e.Donnees_Memoire.rows = {{},
                              {0, 1, 2, 1, 6, 10, 70, 65, 80},
                              {0, 2, 2, 1, 6, 10, 71, 66, 81},
                              {0, 3, 2, 1, 6, 10, 72, 67, 82}};
    e.Parametres_Chargees = p;
}

QByteArray Lire(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void Ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(octets), octets.size());
}

QByteArray Fixture(const QString &nom)
{
    const QByteArray octets = Lire(QStringLiteral(FILE_TEST_DATA "/") + nom);
    EXPECT_FALSE(octets.isEmpty()) << "missing fixture " << nom.toStdString();
    return octets;
}

void FileTest::SetUp()
{
    testsupport::FreshState();
    Sauvegarde_Excel::Periode() = {};
    ASSERT_TRUE(m_dossier.isValid());
    m_messages = std::make_unique<testsupport::MessageRecorder>();
    platform::SetFileDialogAnswerer([this](const platform::FileDialogRequest &r) -> std::optional<QString> {
        demandes.push_back(r);
        if (m_reponses.empty())
            return std::nullopt;
        const bool annule = !m_reponses.front().has_value();
        const QString nom = annule ? QString() : *m_reponses.front();
        m_reponses.pop_front();
        if (annule)
            return std::nullopt;
        return nom;
    });
}

void FileTest::TearDown()
{
    platform::SetFileDialogAnswerer(nullptr);
    m_messages.reset();
    testsupport::FreshState();
}

void FileTest::Repondre(std::vector<std::optional<QString>> reponses)
{
    m_reponses.assign(reponses.begin(), reponses.end());
}

} // namespace filetest
