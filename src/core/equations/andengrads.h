#pragma once
// The quadratic page: solves a x^2 + b x + c = 0 for real roots, shows the
// discriminant and its verdict while the coefficients are typed, writes a
// protocol to the calculation list, stores a root in the memory and sends the
// parabola to the graph window. The graph window and its zoom-centre dialog
// read the coefficients, write the boxes and let the page solve.
#include "core/equations/ligningsside.h"

class TGrafModtager;

class TAndengrads : public TLigningsside {
    Q_OBJECT
public:
    TAndengrads(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
                TGrafModtager* graf = nullptr, QObject* parent = nullptr);

    // The graph window, once it exists (may be null).
    void setGrafModtager(TGrafModtager* graf) { m_graf = graf; }

    // The coefficients as last read from the boxes, and the last roots.
    double Dval_a = 0, Dval_b = 0, Dval_c = 0;
    double Lval1 = 0, Lval2 = 0;
    // The roots as text; "Ingen løsning" without real roots, empty after a
    // failure, "0" after a reset. The two-equations page empties them too.
    QString Lstr1, Lstr2;
    bool Lon = false; // real roots are there (the memory buttons act only then)
    int AlIndex = -1; // list line of the last equation line

    // The boxes. Setting a coefficient box runs its change handler, as typing does.
    const QString& andengradsA() const { return m_a; }
    const QString& andengradsB() const { return m_b; }
    const QString& andengradsC() const { return m_c; }
    void setAndengradsA(const QString& tekst);
    void setAndengradsB(const QString& tekst);
    void setAndengradsC(const QString& tekst);
    const QString& andengradsD() const { return m_d; }
    const QString& andengradsX1() const { return m_x1; }
    const QString& andengradsX2() const { return m_x2; }
    const QString& andengradsStatus() const { return m_status; }

    // Reads the three boxes, updates the discriminant and the status line;
    // true when a is not 0.
    bool UdskrivStatus();
    // Solves with the stored coefficients and writes results and protocol.
    void BeregnRes();
    // Writes the equation line to the list and sets AlIndex.
    void UdskrivFormel();
    void NyAl();
    // The equation's text ('1x^2 - 3x + 2 = 0'), also used for the quadratic
    // step of the two-equations page.
    static QString formelTekst(double a, double b, double c);

    // Handlers.
    void andengradsAChange() { UdskrivStatus(); }
    void andengradsBChange() { UdskrivStatus(); }
    void andengradsCChange() { UdskrivStatus(); }
    // Enter moves a -> b -> c and solves in c; true when the key acted.
    bool andengradsAKeyPress(QChar key);
    bool andengradsBKeyPress(QChar key);
    bool andengradsCKeyPress(QChar key);
    void andengradsNyClick();
    void andengradsBeregnClick();
    void andengradsSendClick();
    void andengradsX1sendClick();
    void andengradsX2sendClick();
    void andengradsSpmClick();
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) override;

private:
    void saetBoks(QString& boks, const QString& tekst);
    void gemRod(double vaerdi, const QString& tekst);

    TGrafModtager* m_graf;
    QString m_a, m_b, m_c, m_d, m_x1, m_x2;
    QString m_status;
};
