// Writes the fuzz targets' seed files: saved files of versions 2.0 to 2.3 with both line ends, the
// simulated panel's real answers, and download streams with their record counts.
//   make_seeds <corpus folder>    (the committed seeds are this program's output)
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "panel_simulator.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace FS = Fonctions_Sauvegarde;
using panelsim::PanelSimulator;

namespace {

QDir g_corpus;

void Write(const QString &target, const QString &name, const QByteArray &bytes)
{
    g_corpus.mkpath(target);
    QFile f(g_corpus.filePath(target + QLatin1Char('/') + name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + f.fileName().toStdString());
}

// ---- Saved files ------------------------------------------------------------------------------

Declaration::Etat Held(const std::vector<panelsim::Record> &records, int32_t first_address)
{
    Declaration::Etat e;
    e.Donnees_Chargees = true;
    e.Periode_Chargee = {3, 3, 2009, 4, 3, 2009};
    const int32_t last = first_address + 8 * (static_cast<int32_t>(records.size()) - 1);
    e.Date_Selection.Adresse_Debut_Selection = first_address;
    e.Date_Selection.Adresse_Fin_Selection = last >= 0x450000 ? last - 0x420000 : last;
    auto &p = e.Parametres_Afficheur;
    p.Offset = -3;
    p.Niveau_Alarme = 85;
    p.Version_Firmware = {0, 2, 4};
    p.Nom_Afficheur = QStringLiteral("Salle Fête");
    p.Numero_Serie = QStringLiteral("12345678");
    p.Config_Aff_Centre = 2;
    p.Config_Aff_Bas_Gauche = 3;
    p.Valeur_Luminosite = 8;
    p.Heure_Auto = 1;
    p.Type_Capteur = 1;
    for (const auto &r : records)
        e.Donnees_Memoire.rows.push_back({0, r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]});
    return e;
}

// The written file (version 2.3) turned into an older version: another header, and 2.0 has no sensor
// line (the 18th).
QByteArray AsVersion(QByteArray bytes, int minor)
{
    bytes.replace(0, FS::Longueur_Entete, FS::Entete(minor));
    if (minor == 0) {
        qsizetype at = 0;
        for (int line = 1; line < 18; ++line)
            at = bytes.indexOf('\n', at) + 1;
        bytes.remove(at, bytes.indexOf('\n', at) + 1 - at);
    }
    return bytes;
}

QByteArray Lf(QByteArray bytes)
{
    return bytes.replace("\r\n", "\n");
}

void SavedFiles(const QString &small_file)
{
    QFile petit(small_file);
    if (!petit.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + small_file.toStdString());
    Write(QStringLiteral("saved_file"), QStringLiteral("petit.pelmar"), petit.readAll());

    auto records = panelsim::makeRecords(3, 3, 2009, 23, 55, 10);
    records.push_back(panelsim::makeEvent(4, 3, 2009, 0, 5, 3, 85, 90));
    records.push_back({255, 255, 255, 255, 255, 255, 255, 255});
    const QByteArray v23 = FS::Octets_Sauvegarde(Held(records, 0x30000 + 8 * 100));
    Write(QStringLiteral("saved_file"), QStringLiteral("v2.3_crlf.pelmar"), v23);
    Write(QStringLiteral("saved_file"), QStringLiteral("v2.3_lf.pelmar"), Lf(v23));
    Write(QStringLiteral("saved_file"), QStringLiteral("v2.2_crlf.pelmar"), AsVersion(v23, 2));
    Write(QStringLiteral("saved_file"), QStringLiteral("v2.1_lf.pelmar"), Lf(AsVersion(v23, 1)));
    Write(QStringLiteral("saved_file"), QStringLiteral("v2.0_crlf.pelmar"), AsVersion(v23, 0));
    Write(QStringLiteral("saved_file"), QStringLiteral("v2.0_lf.pelmar"), Lf(AsVersion(v23, 0)));

    // Across the ring's end, 40 dB variant, and fewer rows than the addresses count.
    Declaration::Etat wrapped = Held(panelsim::makeRecords(28, 2, 2012, 23, 58, 4), 0x44FFF0);
    wrapped.Parametres_Afficheur.Modele_40dB = true;
    wrapped.Parametres_Afficheur.Offset = 32;
    wrapped.Donnees_Memoire.rows.pop_back();
    Write(QStringLiteral("saved_file"), QStringLiteral("wrapped_40db.pelmar"),
          FS::Octets_Sauvegarde(wrapped));
    Declaration::Etat empty = Held({}, 0x30000);
    empty.Date_Selection.Adresse_Fin_Selection = 0x30000;
    Write(QStringLiteral("saved_file"), QStringLiteral("no_rows.pelmar"), FS::Octets_Sauvegarde(empty));
}

// ---- Panel answers, through the simulator's terminal ---------------------------------------------

class Line
{
public:
    explicit Line(const std::string &path) : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        if (m_fd < 0)
            throw std::runtime_error("cannot open " + path);
        termios tio{};
        tcgetattr(m_fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_fd, TCSANOW, &tio);
    }
    ~Line() { ::close(m_fd); }
    Line(const Line &) = delete;
    Line &operator=(const Line &) = delete;

    // Sends one request and returns exactly `count` answer bytes.
    QByteArray Ask(uint8_t code, uint8_t value, qsizetype count)
    {
        const uint8_t frame[3] = {code, value, 0x69};
        if (::write(m_fd, frame, 3) != 3)
            throw std::runtime_error("cannot write the request");
        QByteArray got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0)
                continue;
            char buffer[65536];
            const ssize_t n = ::read(m_fd, buffer, std::min<size_t>(sizeof buffer, count - got.size()));
            if (n > 0)
                got.append(buffer, n);
        }
        if (got.size() != count)
            throw std::runtime_error("short answer to request " + std::to_string(code));
        return got;
    }

private:
    int m_fd;
};

QByteArray WithCount(int32_t n, const QByteArray &stream)
{
    QByteArray out;
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>(static_cast<uint32_t>(n) >> shift & 0xFF));
    return out + stream;
}

void Answers()
{
    PanelSimulator panel;
    const auto records = panelsim::makeRecords(3, 3, 2009, 23, 50, 20);
    panel.setRecords(records, 0x30000 + 8 * 50);
    Line line(panel.path());
    Write(QStringLiteral("answers"), QStringLiteral("parameters.bin"), line.Ask(0x82, 0, 45 * 3));
    Write(QStringLiteral("answers"), QStringLiteral("memory_index.bin"), line.Ask(0x60, 0, 12 * 3));
    const QByteArray whole = line.Ask(0x6F, 0, 20 * 8);
    Write(QStringLiteral("download_rows"), QStringLiteral("whole_memory.bin"), WithCount(20, whole));
    // Short of its count, with a partial record at the end.
    Write(QStringLiteral("download_rows"), QStringLiteral("short.bin"),
          WithCount(40, whole.left(8 * 12 + 5)));

    const uint8_t range[6] = {4, 3, 9, 4, 3, 9};
    for (int i = 0; i < 5; ++i)
        line.Ask(static_cast<uint8_t>(0x61 + i), range[i], 0);
    Write(QStringLiteral("answers"), QStringLiteral("date_range.bin"), line.Ask(0x66, range[5], 12 * 3));
    const QByteArray day = line.Ask(0x6F, 0, 10 * 8);
    Write(QStringLiteral("download_rows"), QStringLiteral("date_range.bin"), WithCount(10, day));

    // A 40 dB panel with a negative offset and accented name; its ring wraps and holds erased records,
    // which a count above the filter's threshold leaves out.
    panelsim::PanelSettings s;
    s.offsetByte = 0x85;
    s.versionMajeure = 130;
    s.nom = panelsim::panelName("Gymnase été");
    panel.setSettings(s);
    auto many = panelsim::makeRecords(28, 2, 2012, 23, 0, 30);
    panel.setRecords(many, 0x450000 - 8 * 10);
    panel.setRingBytes(0x450000 - 8 * 3, std::vector<uint8_t>(16, 255));
    panel.setRingBytes(0x30000 + 8 * 4, {0, 1, 29, 2, 12, 255, 255, 255});
    Write(QStringLiteral("answers"), QStringLiteral("parameters_40db.bin"), line.Ask(0x82, 0, 45 * 3));
    Write(QStringLiteral("answers"), QStringLiteral("memory_index_wrapped.bin"), line.Ask(0x60, 0, 12 * 3));
    const QByteArray erased = line.Ask(0x6F, 0, 30 * 8);
    Write(QStringLiteral("download_rows"), QStringLiteral("erased_filtered.bin"), WithCount(2100, erased));
    Write(QStringLiteral("download_rows"), QStringLiteral("erased_kept.bin"), WithCount(30, erased));

    panel.setRecords({});
    Write(QStringLiteral("answers"), QStringLiteral("memory_index_empty.bin"), line.Ask(0x60, 0, 12 * 3));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds <corpus folder> <petit.pelmar>\n");
        return 2;
    }
    try {
        g_corpus = QDir(QString::fromLocal8Bit(argv[1]));
        SavedFiles(QString::fromLocal8Bit(argv[2]));
        Answers();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
