// The simulated panel's configuration commands: what each one changes in the stored settings and how the
// panel answers it.
#include "panel_config.h"

namespace panelsim {

namespace {

constexpr uint8_t AreaOff = 0x88;

bool isBcd(uint8_t value, int low, int high)
{
    const int tens = value >> 4, units = value & 0x0F;
    return tens <= 9 && units <= 9 && tens * 10 + units >= low && tens * 10 + units <= high;
}

bool fortyDbVariant(const PanelSettings &s)
{
    return s.versionMajeure > 0x80;
}

// Whether the panel takes `value` for the setting `code`; the caller knows `code` is a setting.
bool acceptable(const PanelSettings &s, uint8_t code, uint8_t value)
{
    switch (code) {
    case 0x00:
    case 0x05:
    case 0x06:
    case 0x38: return value <= 1;
    case 0x02: return value >= 1 && value <= 4;
    case 0x03: return (value >= 1 && value <= 4) || value == AreaOff;
    case 0x04: return value == 0 || value == AreaOff;
    case 0x07: return value >= 1 && value <= 15;
    case 0x08: return fortyDbVariant(s) ? value >= 55 && value <= 100 : value >= 75 && value <= 120;
    case 0x39: return value == 1 || value == 2;
    case 0x50: return isBcd(value, 0, 23);
    case 0x51: return isBcd(value, 0, 59);
    case 0x52: return isBcd(value, 1, 31);
    case 0x53: return isBcd(value, 1, 12);
    case 0x54: return isBcd(value, 0, 99);
    case 0x55: return value <= 6;
    default:
        if (code >= 0x10 && code <= 0x17)
            return value <= 9;
        return true; // offset byte and name characters: every byte means something
    }
}

// The stored byte a setting code reads and writes; null for a code that is no setting of `model`.
uint8_t *setting(Model model, PanelSettings &s, uint8_t code)
{
    const bool pelmar = model == Model::Pelmar;
    switch (code) {
    case 0x00: return &s.modeReglage;
    case 0x01: return &s.offsetByte;
    case 0x02: return &s.centre;
    case 0x03: return &s.basGauche;
    case 0x04: return &s.basDroite;
    case 0x05: return &s.modeLuminosite;
    case 0x06: return &s.typeLuminosite;
    case 0x07: return &s.valeurLuminosite;
    case 0x08: return &s.niveauAlarme;
    case 0x38: return pelmar ? &s.heureAuto : nullptr;
    case 0x39: return &s.typeCapteur;
    case 0x50: return pelmar ? &s.heures : nullptr;
    case 0x51: return pelmar ? &s.minutes : nullptr;
    case 0x52: return pelmar ? &s.jour : nullptr;
    case 0x53: return pelmar ? &s.mois : nullptr;
    case 0x54: return pelmar ? &s.annee : nullptr;
    case 0x55: return pelmar ? &s.jourSemaine : nullptr;
    default:
        if (code >= 0x10 && code <= 0x17)
            return &s.serie[code - 0x10];
        if (code >= 0x20 && code <= 0x37)
            return &s.nom[code - 0x20];
        return nullptr;
    }
}

} // namespace

PanelSettings factorySettings(Model model, bool fortyDb)
{
    PanelSettings s;
    const bool pelmar = model == Model::Pelmar;
    s.modele = pelmar ? 20 : 15;
    s.versionMajeure = fortyDb ? 0x80 + 2 : 2;
    s.versionMineure = pelmar ? 4 : 3;
    s.nom = panelName(pelmar ? "PELMAR" : "TUVIK");
    return s;
}

std::array<uint8_t, 4> maskedCode(const std::array<int, 4> &digits, const std::array<int, 4> &offsets)
{
    const auto mask = [&](int position) {
        return static_cast<uint8_t>(((digits[position - 1] + offsets[position - 1]) % 10 + 10) % 10);
    };
    return {mask(2), mask(4), mask(3), mask(1)};
}

namespace detail {

void addFrame(std::vector<uint8_t> &out, uint8_t tag, uint8_t value)
{
    out.insert(out.end(), {tag, value, FrameEnd});
}

std::vector<uint8_t> readBack(Model model, const PanelSettings &s)
{
    std::vector<uint8_t> out;
    addFrame(out, 0x1C, s.modele);
    addFrame(out, 0x09, s.versionMajeure);
    addFrame(out, 0x0A, s.versionMineure);
    const uint8_t head[8] = {s.offsetByte,     s.centre,         s.basGauche,        s.basDroite,
                             s.modeLuminosite, s.typeLuminosite, s.valeurLuminosite, s.niveauAlarme};
    for (int i = 0; i < 8; ++i)
        addFrame(out, 0x01 + i, head[i]);
    for (int i = 0; i < 8; ++i)
        addFrame(out, 0x10 + i, s.serie[i]);
    for (int i = 0; i < 24; ++i)
        addFrame(out, 0x20 + i, s.nom[i]);
    if (model == Model::Pelmar)
        addFrame(out, 0x38, s.heureAuto);
    addFrame(out, 0x39, s.typeCapteur);
    if (model == Model::Pelmar) {
        // Hours before minutes and the weekday, day and month before the year: the program completes
        // the time on the minutes and the date on the year.
        for (const auto &[tag, value] : {std::pair{0x50, s.heures},
                                         {0x51, s.minutes},
                                         {0x55, s.jourSemaine},
                                         {0x52, s.jour},
                                         {0x53, s.mois},
                                         {0x54, s.annee}})
            addFrame(out, static_cast<uint8_t>(tag), value);
    }
    addFrame(out, SystemReportTag, s.rapportSysteme);
    return out;
}

bool answerConfig(Model model, PanelSettings &s, CodeEntry &entry, uint8_t code, uint8_t value,
                  std::vector<uint8_t> &out)
{
    if (uint8_t *stored = setting(model, s, code)) {
        if (!acceptable(s, code, value)) {
            addFrame(out, SystemReportTag, report::Refused);
            return true;
        }
        *stored = value;
        addFrame(out, code, *stored);
        return true;
    }
    switch (code) {
    case cmd::ReadBack: out = readBack(model, s); return true;
    case cmd::FactorySettings: {
        PanelSettings fresh = factorySettings(model, fortyDbVariant(s));
        fresh.codeMasque = s.codeMasque;
        fresh.serie = s.serie;
        fresh.modele = s.modele;
        fresh.versionMajeure = s.versionMajeure;
        fresh.versionMineure = s.versionMineure;
        fresh.heures = s.heures, fresh.minutes = s.minutes;
        fresh.jourSemaine = s.jourSemaine, fresh.jour = s.jour, fresh.mois = s.mois, fresh.annee = s.annee;
        fresh.rapportSysteme = s.rapportSysteme;
        s = fresh;
        addFrame(out, SystemReportTag, report::Reinitialised);
        return true;
    }
    case cmd::CodeRequest:
        for (int i = 0; i < 4; ++i)
            addFrame(out, 0x57 + i, s.codeMasque[i]);
        return true;
    default: break;
    }
    if (code >= cmd::NewCodeFirst && code <= cmd::NewCodeLast) {
        const int slot = code - cmd::NewCodeFirst;
        if (slot == 0)
            entry.seen = 0;
        entry.digits[slot] = value;
        entry.seen |= 1u << slot;
        addFrame(out, code, value);
        // Stored only whole: a code missing a digit would lock the installer out.
        if (entry.seen == 0xF) {
            s.codeMasque = entry.digits;
            entry.seen = 0;
            addFrame(out, cmd::WrongCode, 1);
        }
        return true;
    }
    return false;
}

} // namespace detail

} // namespace panelsim
