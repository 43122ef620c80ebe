// Shared routines of the analysis program: panel link, requests, ring arithmetic, day and month
// names, window bookkeeping.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {
class SerialControl;
class Form;
} // namespace platform

namespace Fonctions {

// ---- Panel link -------------------------------------------------------------------------------

inline constexpr int Demande_Leq_1_Sec = 0x42;
inline constexpr int Demande_Parametres = 0x82;
inline constexpr int Demande_Index_Memoire = 0x60;
inline constexpr int Demande_Periode = 0x61; // 0x61..0x66, one date part each
inline constexpr int Demande_Transfert_Periode = 0x6F;
inline constexpr int Demande_Bloc_Memoire = 0x84;

// The program's one serial control.
platform::SerialControl &MSComm1();

// Writes one request frame to the program's serial control.
void Envoi_Commande(int code, int valeur);

// Offset byte (bit 7 sign, quarter dB) to whole dB.
int16_t Offset_Depuis_Octet(int octet);

// Applies one answer frame to the state; mode true = date-range mode.
void Decodage_Reponse(bool mode_periode, int tag, int valeur);
// Walks a received buffer in 3-byte frames (a trailing partial frame is ignored) and decodes each;
// `entre_trames` runs before each frame. Returns the number of frames decoded.
int Decoder_Tampon(const QByteArray &tampon, bool mode_periode, void (*entre_trames)() = nullptr);

// Port preparation before the start-up scan (port left closed).
void Ouverture_Detection();
// Port preparation for one exchange on Port_COM; false when the port cannot be opened.
bool Ouverture_Echange();
// Closes the port if it is open.
void Fermeture_Port();

// ---- Requests ---------------------------------------------------------------------------------

void Detection_Port();
void Lecture_Parametres();
void Lecture_Index_Memoire(bool mode_periode);

// Whether the program is closing: every wait ends at its next turn.
bool Arret();
// Waits `ms` ticks from a new Top_Depart while window events run; with `avec_arret` the stop flag
// ends it early.
void Attendre(qint64 ms, bool avec_arret);

// Attempt label of the progress window: "Tentative de Connexion n / 3.".
QString Texte_Tentative(int tentative);

inline const QString Texte_Erreur_1 = QStringLiteral(
    "L'Pelmar ne répond pas !!! Veuillez consulter le cahier de maintenance de l'Pelmar (Erreur n°1).");
inline const QString Titre_Erreur_1 = QStringLiteral("Erreur n°1 : L'erreur ne répond pas.");
void Message_Erreur_1();

// ---- Checks of what the panel reported ----------------------------------------------------------

// The panel's memory holds no record: its index answered no address.
bool Memoire_Vide();
// Empty when the memory index holds real dates and ring addresses, else the reason to show.
QString Erreur_Index_Memoire();
// Empty when the period answer holds real dates and usable record addresses of the ring, else the reason.
QString Erreur_Periode_Selection();
// Whether an address is a record address of the ring.
bool Adresse_Valide(int32_t adresse);
void Message_Reponse_Erronee(const QString &raison);

// A modal box with the critical icon and an Ok button.
void Message_Critique(const QString &texte, const QString &titre);
// The save dialog asked again, with an empty proposal, until a name comes back; each empty name
// shows `texte_vide` / `titre_vide`. std::nullopt when the user cancels.
std::optional<QString> Demander_Nom_Sauvegarde(const QString &propose, const QString &filtre,
                                               const QString &texte_vide, const QString &titre_vide);

inline const QString Texte_Periode_Vide =
    QStringLiteral("Il n'y a pas de données dans la période sélectionnée !!! Veuillez sélectionner d'autres "
                   "dates d'analyses SVP !!!");
inline const QString Titre_Periode_Vide = QStringLiteral(" Pas de données dans la période sélectionnée !!!");
// The no-data box: information icon, Ok.
void Message_Periode_Vide();

// ---- Ring arithmetic and durations ------------------------------------------------------------

inline constexpr int32_t Debut_Anneau = 0x30000;
inline constexpr int32_t Fin_Anneau = 0x450000;
inline constexpr int32_t Taille_Anneau = 0x420000;
inline constexpr int16_t Quantite_Maximale = 15124; // whole ring, 4325376 / 286

// Round to nearest, halves to even.
double Arrondi(double x);

// Records from first address A to last address B, ring wrap included.
double Nombre_Enregistrements(int32_t a, int32_t b);
// Transfer-time estimate in seconds of n records.
int32_t Estimation_Temps(double n);
// Extra wait of the date-range request, in ms, clamped to 0..Quantite_Maximale.
int16_t Calcul_Quantite_Donnees(int32_t a, int32_t b);

// At least two digits: "07", "12", "125".
QString Deux_Chiffres(int32_t n);
// "07", "02 Min. 05"
QString Chiffre_Duree(int32_t secondes);
// "07 Sec.", "02 Min. 05 Sec."
QString Texte_Duree(int32_t secondes);
// "Temps de transfert restant = " + duration text.
QString Texte_Compte_A_Rebours(int32_t secondes);

// ---- Days, months, windows --------------------------------------------------------------------

// Weekday name (8 characters) of a date written "d / m / y" (a year below 100 is 2000 + y);
// 8 blanks when the text is not a real date.
QString Nom_Jour(const QString &date);
QString Nom_Jour(int jour, int mois, int annee);
QString Nom_Mois(int mois);
// "Mercredi 4 Mars 2009" from a day, month and year minus 2000, as the period windows show a day.
QString Texte_Jour_Complet(int jour, int mois, int annee_2000);
// "05-03-2009" from a day, month and four-digit year, as file names and saved files write a day.
QString Texte_Date_Tirets(int jour, int mois, int annee);

// Windows that the close-all routine knows, in its order.
enum class Fenetre {
    Port,
    Data_Type,
    Data_Total,
    Data_Total_Graph,
    Data_Selected,
    Connexion,
    Tableau_Leq,
    Parametres,
    Graphique,
    Evenements,
    InTableau_Old,
    InGraphique_Old,
    Wait,
};
// A window registers itself in its load so that the close-all routine can unload it.
void Inscrire_Fenetre(Fenetre f, platform::Form *form);
// Unloads every window whose open flag is set, in list order.
void Fermer_Fenetres();

} // namespace Fonctions
