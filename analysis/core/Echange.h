// The one exchange loop with the panel: attempts with their retry labels, the wait for an answer, and
// the silence-bounded reception of a download. The parameter read, the memory-index read, the period
// download and the whole-memory transfer all run on it.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>

namespace Echange {

enum class Issue {
    Reussi, // the answer came; the port is open for the caller to read it
    Arret,  // the program is closing; the port is closed
    Echec,  // no answer after the last attempt; the port is closed and the user told
};

// What the bytes waiting after an attempt's wait are worth.
enum class Verdict {
    Complet,    // the answer is there
    Redemander, // a short answer: ask again without counting an attempt
    Manque,     // not enough: the attempt counts as unanswered
};

struct Requete
{
    // Sends the request frames on the open port.
    std::function<void()> envoyer;
    // Wait after sending, in ms, before the answer is looked at.
    qint64 attente_ms = 0;
    // Judges the bytes waiting (called only when some are); by default any byte completes the answer.
    std::function<Verdict()> juger;
    // Shows attempt 2 or 3 before it is made.
    std::function<void(int tentative)> nouvelle_tentative;
    // Whether each attempt opens the port (false: it is open already and the request is sent again).
    bool ouvrir = true;
    // Called after the third unanswered attempt, with the port closed. Returning true starts again at
    // attempt 1 (the port opened anew); without it, the "Erreur n°1" box is shown and the request fails.
    std::function<bool()> reprendre;
};

// Sends the request until it is answered, at most 3 attempts (Tentative in the program state). A short
// answer asked again 10 times counts as one unanswered attempt.
Issue Demander(const Requete &requete);

// Collects bytes until `attendus` have come (any extra bytes are left out). Reussi when they came,
// Arret when the program closes, Echec when the line stays quiet `silence_ms`; the port is left as it
// is in every case. `recus` may be null when the bytes are only counted; Compteur_Octets counts them on.
Issue Recevoir(qsizetype attendus, qint64 silence_ms, QByteArray *recus);

} // namespace Echange
