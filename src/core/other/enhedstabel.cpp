#include "core/other/enhedstabel.h"

namespace enhedstabel {

namespace {

TEnhed e(const char* navn, double faktor, const char* emne, bool ca = false) {
    return TEnhed{QString::fromUtf8(navn), faktor, 0, ca, QString::fromUtf8(emne)};
}

TEnhed e2(const char* navn, double kmt, double ms) {
    return TEnhed{QString::fromUtf8(navn), kmt, ms, false, QStringLiteral("Hastighed")};
}

QList<TStoerrelse> lavTabel() {
    const QStringList m2{QStringLiteral("Kvadratmeter")};
    const QStringList watt{QStringLiteral("Watt")};
    const QStringList joule{QStringLiteral("Joule")};
    const QStringList fart{QStringLiteral("Kilometer pr. time"),
                           QStringLiteral("Meter pr. sekund")};
    const QStringList meter{QStringLiteral("Meter")};
    const QStringList m3{QStringLiteral("Kubikmeter")};
    const QStringList sekund{QStringLiteral("Sekund")};
    const QStringList pascal{QStringLiteral("Pascal")};
    const QStringList kg{QStringLiteral("Kilogram")};
    return {
        {QStringLiteral("Areal"),
         {e("Acre", 4046.8564224, "Andre enheder"), e("Dekar", 1000, "Gamle danske enheder"),
          e("Hektar", 10000, "Gamle danske enheder"),
          e("Tønde land", 5516.2, "Gamle danske enheder", true)},
         m2},
        {QStringLiteral("Effekt"), {e("Hestekraft (metrisk)", 735.499, "Effekt", true)}, watt},
        {QStringLiteral("Energi"),
         {e("British thermal unit", 1055.056, "Energi"),
          e("Elektronvolt", 1.60217653e-19, "Energi"), e("Erg", 1e-7, "Energi"),
          e("Kalorie", 4.1868, "Energi")},
         joule},
        {QStringLiteral("Hastighed"),
         {e2("Engelsk fod per sekund", 1.09728, 0.3048), e2("Knop", 1.852, 0.5144444444444444),
          e2("Mach (ved standardatmosfære)", 1225.05588, 340.2933),
          e2("Miles per Hour", 1.609344, 0.44704)},
         fart},
        {QStringLiteral("Længde"),
         {e("International mil", 1609.344, "Andre længdeenheder"), e("Nanometer", 1e-9, "Længde"),
          e("Pikometer", 1e-12, "Længde"), e("Sømil", 1852, "Længde"),
          e("Tomme (engelsk)", 0.0254, "Gamle længdeenheder"),
          e("Yard", 0.9144, "Andre længdeenheder"), e("Ångstrøm", 1e-10, "Længde")},
         meter},
        {QStringLiteral("Rumfang"),
         {e("Gallon (Storbritannien)", 0.00454609, "Andre rumfangsenheder"),
          e("Gallon (USA)", 0.003785411784, "Andre rumfangsenheder"), e("Liter", 0.001, "Rumfang"),
          e("Registerton", 2.83, "Andre rumfangsenheder")},
         m3},
        {QStringLiteral("Tid"),
         {e("Dag", 86400, "Tid"), e("Minut", 60, "Tid"), e("Time", 3600, "Tid"),
          e("Uge", 604800, "Tid")},
         sekund},
        {QStringLiteral("Tryk"),
         {e("Atmosfære", 101325, "Tryk"), e("Bar", 100000, "Tryk"),
          e("Millimeter kviksølv", 133.3, "Tryk"),
          e("PSI (Pounds per Square Inch)", 6894.757, "Tryk")},
         pascal},
        {QStringLiteral("Vægt/Masse"),
         {e("Karat", 0.0002, "Vægt_Masse"),
          e("Pund (Internationalt)", 0.45359237, "Andre vægtenheder"),
          e("Stone", 6.35029318, "Andre vægtenheder")},
         kg},
    };
}

} // namespace

const QList<TStoerrelse>& stoerrelser() {
    static const QList<TStoerrelse> tabel = lavTabel();
    return tabel;
}

} // namespace enhedstabel
