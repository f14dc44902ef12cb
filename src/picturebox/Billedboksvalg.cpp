#include "Billedboksvalg.h"

namespace kv {

const std::array<Feltfarve, 20>& feltfarver()
{
    static const std::array<Feltfarve, 20> f{{
        {"Beige", QColor(192, 192, 128)},   {"Bleggrøn", QColor(192, 220, 192)}, {"Blå", QColor(0, 0, 155)},
        {"Blågrøn", QColor(0, 192, 192)},   {"Grå", QColor(160, 160, 160)},      {"Grøn", QColor(0, 128, 0)},
        {"Gul", QColor(255, 255, 0)},       {"Himmelblå", QColor(166, 202, 240)}, {"Hvid", QColor(255, 255, 255)},
        {"Karry", QColor(192, 192, 0)},     {"Kastanje", QColor(128, 0, 0)},     {"Lysblå", QColor(0, 128, 255)},
        {"Lysbrun", QColor(192, 128, 0)},   {"Mørkblå", QColor(0, 0, 128)},      {"Mørkgrå", QColor(128, 128, 128)},
        {"Oliven", QColor(128, 128, 0)},    {"Orange", QColor(255, 128, 0)},     {"Rød", QColor(255, 0, 0)},
        {"Sølvgrå", QColor(192, 192, 192)}, {"Turkis", QColor(0, 128, 128)},
    }};
    return f;
}

QColor feltfarve(int index)
{
    return index >= 0 && index < int(feltfarver().size()) ? feltfarver()[size_t(index)].farve : QColor();
}

const std::array<Feltformat, 5>& feltformater()
{
    static const std::array<Feltformat, 5> f{{
        {"14x16", 14, 16, "Velegnet til billeder med format 16x16"},
        {"10x12", 10, 12, "Velegnet til billeder med format 32x32"},
        {"6x9", 6, 9, "Velegnet til lidt mindre billeder"},
        {"4x6", 4, 6, "Velegnet til lidt større billeder"},
        {"2x3", 2, 3, "Velegnet til lidt store billeder"},
    }};
    return f;
}

int feltAntalFraIndstilling(int v)
{
    return std::clamp(v, 1, maxFeltAntal);
}

} // namespace kv
