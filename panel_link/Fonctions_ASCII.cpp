#include "panel_link/Fonctions_ASCII.h"

namespace Fonctions_ASCII {
namespace {

// Accented letters at their code page 437 positions.
QChar accentue(int code)
{
    switch (code) {
    case 129: return QChar(0x00FC); // ü
    case 130: return QChar(0x00E9); // é
    case 131: return QChar(0x00E2); // â
    case 132: return QChar(0x00E4); // ä
    case 133: return QChar(0x00E0); // à
    case 135: return QChar(0x00E7); // ç
    case 136: return QChar(0x00EA); // ê
    case 137: return QChar(0x00EB); // ë
    case 138: return QChar(0x00E8); // è
    case 139: return QChar(0x00EF); // ï
    case 140: return QChar(0x00EE); // î
    case 141: return QChar(0x00EC); // ì
    case 147: return QChar(0x00F4); // ô
    case 148: return QChar(0x00F6); // ö
    case 149: return QChar(0x00F2); // ò
    case 150: return QChar(0x00FB); // û
    case 151: return QChar(0x00F9); // ù
    case 253: return QChar(0x00B2); // ²
    default: return QChar();
    }
}

} // namespace

QString Code_Vers_Caractere(int code, Code_Inconnu inconnu)
{
    if (code == 32 || code == 33 || (code >= 35 && code <= 46))
        return QString(QChar(code));
    // Digits and ":" to "?" travel one below their ASCII code.
    if (code >= 47 && code <= 62)
        return QString(QChar(code + 1));
    if ((code >= 65 && code <= 95) || (code >= 97 && code <= 123) || code == 125)
        return QString(QChar(code));
    const QChar c = accentue(code);
    if (!c.isNull())
        return QString(c);
    return inconnu == Code_Inconnu::No_Valid ? QStringLiteral("No Valid") : QString();
}

int16_t Caractere_Vers_Code(const QString &caractere)
{
    if (caractere.size() != 1)
        return 0;
    // The table is small: the inverse is whichever code gives this very character.
    for (int code = 32; code <= 253; ++code)
        if (Code_Vers_Caractere(code, Code_Inconnu::Vide) == caractere)
            return static_cast<int16_t>(code);
    return 0;
}

} // namespace Fonctions_ASCII
