#include "core/equations/andengrads.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/almenx.h"
#include "core/common/andengradsroedder.h"
#include "core/common/beskeder.h"
#include "core/common/taltekst.h"
#include "core/graph/grafmodtager.h"

#include <cmath>

TAndengrads::TAndengrads(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
                         TGrafModtager* graf, QObject* parent)
    : TLigningsside(beskeder, regner, meta, huk, parent), m_graf(graf),
      m_status(QStringLiteral("Ugyldige data")) {}

void TAndengrads::saetBoks(QString& boks, const QString& tekst) {
    // As an edit box: the change handler runs only when the text changes.
    if (boks == tekst) return;
    Aendring a(*this);
    boks = tekst;
    UdskrivStatus();
}

void TAndengrads::setAndengradsA(const QString& tekst) {
    saetBoks(m_a, tekst);
}
void TAndengrads::setAndengradsB(const QString& tekst) {
    saetBoks(m_b, tekst);
}
void TAndengrads::setAndengradsC(const QString& tekst) {
    saetBoks(m_c, tekst);
}

bool TAndengrads::UdskrivStatus() {
    Aendring a(*this);
    Dval_a = TAlmenX::EditFloat(m_a);
    Dval_b = TAlmenX::EditFloat(m_b);
    Dval_c = TAlmenX::EditFloat(m_c);
    if (Dval_a == 0 || !std::isfinite(Dval_a) || !std::isfinite(Dval_b) || !std::isfinite(Dval_c)) {
        m_status = QStringLiteral("  Ugyldige data");
        return false;
    }
    const double D = Dval_b * Dval_b - 4 * Dval_a * Dval_c;
    if (D < 0)
        m_status = QStringLiteral("  Ingen løsninger");
    else if (D != 0)
        m_status = QStringLiteral("  2 løsninger");
    else
        m_status = QStringLiteral("  Dobbeltrod");
    m_d = tal::generel(D);
    return true;
}

void TAndengrads::BeregnRes() {
    Aendring aendring(*this);
    // A coefficient that is not a finite number (a box of 400 digits) stops
    // here, as a = 0 does, before its "INF" could be written back and read as 0.
    if (!std::isfinite(Dval_a) || !std::isfinite(Dval_b) || !std::isfinite(Dval_c)) {
        m_status = QStringLiteral("Ugyldige data");
        Lstr1.clear();
        Lstr2.clear();
        Lon = false;
        return;
    }
    // Writing the values back normalises what was typed ("2.5" becomes "2,5").
    setAndengradsA(tal::generel(Dval_a));
    setAndengradsB(tal::generel(Dval_b));
    setAndengradsC(tal::generel(Dval_c));
    const double a = Dval_a, b = Dval_b, c = Dval_c;

    const double D = b * b - a * 4 * c;
    QString dTekst;
    bool gyldig = std::isfinite(D);
    if (gyldig && D < 0) {
        Lstr1 = Lstr2 = QStringLiteral("Ingen løsning");
        Lon = false;
    } else if (gyldig) {
        dTekst = tal::generel(D);
        // A zero divisor (a = 0) gives an infinite or undefined root.
        const TAndengradsRoedder r = andengradsRoedder(a, b, c, D);
        Lval1 = r.x1;
        Lval2 = r.x2;
        gyldig = std::isfinite(Lval1) && std::isfinite(Lval2);
        Lstr1 = tal::generel(Lval1);
        Lstr2 = tal::generel(Lval2);
        Lon = true;
    }
    if (!gyldig) {
        m_status = QStringLiteral("Ugyldige data");
        Lstr1.clear();
        Lstr2.clear();
        Lon = false;
        return;
    }

    m_x1 = Lstr1;
    m_x2 = Lstr2;
    if (disOn() && !m_meta.sidsteLinje().isEmpty()) skriv(QString());
    UdskrivFormel();
    if (disOn()) {
        if (D < 0) {
            skriv(QStringLiteral("D < 0 : Ingen løsninger"));
        } else {
            skriv(QStringLiteral("D = ") + dTekst);
            skriv(QStringLiteral("x = ") + m_regner.ValS(Lval1));
            skriv(QStringLiteral("x = ") + m_regner.ValS(Lval2));
        }
        skriv(QString());
        vaelgSidsteLinje();
    }
}

QString TAndengrads::formelTekst(double a, double b, double c) {
    const QString aDel = a != 0 ? tal::generel(a) + QStringLiteral("x^2") : QString();
    QString bDel;
    if (b != 0) {
        if (aDel.isEmpty())
            bDel = tal::generel(b) + u'x';
        else if (b < 0)
            bDel = QStringLiteral(" - ") + tal::generel(-b) + u'x';
        else
            bDel = QStringLiteral(" + ") + tal::generel(b) + u'x';
    }
    QString cDel;
    if (c < 0)
        cDel = QStringLiteral(" - ") + tal::generel(-c);
    else if (c != 0)
        cDel = QStringLiteral(" + ") + tal::generel(c);
    return aDel + bDel + cDel + QStringLiteral(" = 0");
}

void TAndengrads::UdskrivFormel() {
    Aendring a(*this);
    skriv(formelTekst(Dval_a, Dval_b, Dval_c));
    AlIndex = m_meta.antal() - 1;
}

void TAndengrads::NyAl() {
    Aendring a(*this);
    Dval_a = Dval_b = Dval_c = 0;
    Lval1 = Lval2 = 0;
    Lstr1 = Lstr2 = QStringLiteral("0");
    setAndengradsA(QString());
    setAndengradsB(QString());
    setAndengradsC(QString());
    m_d.clear();
    m_x1.clear();
    m_x2.clear();
    Lon = false;
    m_status = QStringLiteral("Ugyldige data");
    nulstilFormelOn();
}

bool TAndengrads::andengradsAKeyPress(QChar key) {
    if (key != QChar(13)) return false;
    Q_EMIT fokusOenskes(QStringLiteral("andengradsB"));
    return true;
}

bool TAndengrads::andengradsBKeyPress(QChar key) {
    if (key != QChar(13)) return false;
    Q_EMIT fokusOenskes(QStringLiteral("andengradsC"));
    return true;
}

bool TAndengrads::andengradsCKeyPress(QChar key) {
    if (key != QChar(13)) return false;
    andengradsBeregnClick();
    return true;
}

void TAndengrads::andengradsNyClick() {
    NyAl();
    Q_EMIT fokusOenskes(QStringLiteral("andengradsA"));
}

void TAndengrads::andengradsBeregnClick() {
    nulstilFormelOn();
    BeregnRes();
}

void TAndengrads::andengradsSendClick() {
    if (Dval_a == 0) {
        m_beskeder.information(QStringLiteral("Der er ikke tale om en andengradsligning!"));
        return;
    }
    if (m_graf) {
        m_graf->AddFormelToGraf(u'a', Dval_a, Dval_b, Dval_c);
        m_graf->visGrafvindue();
    }
    m_beskeder.statusHint(QStringLiteral("Andengradsligning sendt til grafvisning!"));
}

void TAndengrads::gemRod(double vaerdi, const QString& tekst) {
    if (!Lon) return;
    // The label is the equation line, while the list still holds it.
    const QString label =
        disOn() && AlIndex >= 0 && AlIndex < m_meta.antal() ? m_meta.linjer.at(AlIndex) : QString();
    m_huk.gemFraVindue(label, vaerdi, tekst);
}

void TAndengrads::andengradsX1sendClick() {
    gemRod(Lval1, m_x1);
}

void TAndengrads::andengradsX2sendClick() {
    gemRod(Lval2, m_x2);
}

void TAndengrads::andengradsSpmClick() {
    Q_EMIT informationOenskes(QStringLiteral("Andengradsligning"));
}

bool TAndengrads::FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) {
    if (erNyTast(qtKey, mods)) {
        andengradsNyClick();
        return true;
    }
    if (qtKey == Qt::Key_F9) {
        andengradsBeregnClick();
        return true;
    }
    return false;
}
