#pragma once
// The page of two equations in two unknowns. Each equation has three
// coefficients and one of three forms: a·x + b·y = c, (a·x)·(b·y) = c and
// (a·x)/(b·y) = c. Each of the nine combinations is solved by its own closed
// formula (a product or quotient turns the system into a quadratic or a
// square root); up to two solutions are shown, a solution can be checked by
// substitution, single values go to the memory and both equations to the
// graph window. The graph window's import and export read and write the
// boxes and the two form choices.
#include "core/equations/ligningsside.h"

#include <functional>

class TGrafModtager;
class TAndengrads;

class TLigninger : public TLigningsside {
    Q_OBJECT
public:
    // `andengrads` shares the root texts Lstr1/Lstr2 with this page (may be null).
    TLigninger(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
               TAndengrads* andengrads = nullptr, TGrafModtager* graf = nullptr,
               QObject* parent = nullptr);

    void setGrafModtager(TGrafModtager* graf) { m_graf = graf; }
    // Tells whether the graph window is shown (none: it is not).
    void setGrafSynlig(std::function<bool()> f) { m_grafSynlig = std::move(f); }

    // The boxes of equation 1 and 2 in the order 1a, 1b, 1c, 2a, 2b, 2c.
    enum Boks { L1a, L1b, L1c, L2a, L2b, L2c };
    // The forms (item index of the choices "Ligning 1" and "Ligning 2").
    enum Form { Plus = 0, Gange = 1, Division = 2 };

    bool Kon = false; // the last solution can be checked
    int antalL = 0;   // solutions found: 0, 1 or 2
    double L1x = 0, L1y = 0, L2x = 0, L2y = 0;
    QChar opr1 = u'+', opr2 = u'+'; // forms of the last solution or sending

    // Box texts. Setting one runs its change handler (UdskrivStatus), as typing does.
    const QString& boks(Boks b) const { return m_boks[b]; }
    void setBoks(Boks b, const QString& tekst);
    const QString& ligning1a() const { return m_boks[L1a]; }
    const QString& ligning1b() const { return m_boks[L1b]; }
    const QString& ligning1c() const { return m_boks[L1c]; }
    const QString& ligning2a() const { return m_boks[L2a]; }
    const QString& ligning2b() const { return m_boks[L2b]; }
    const QString& ligning2c() const { return m_boks[L2c]; }
    // The form choices; other values than 0..2 leave the choice unchanged.
    int ligninger1() const { return m_form[0]; }
    int ligninger2() const { return m_form[1]; }
    void ligninger1Click(int itemIndex);
    void ligninger2Click(int itemIndex);
    // Result boxes and the status line.
    const QString& ligningX1() const { return m_x1; }
    const QString& ligningY1() const { return m_y1; }
    const QString& ligningX2() const { return m_x2; }
    const QString& ligningY2() const { return m_y2; }
    const QString& ligningerStatus() const { return m_status; }

    // Kon := false; true when a1, b1, a2, b2 are all non-zero (the status line
    // is then empty, else "Ugyldige data").
    bool UdskrivStatus();
    void ligningerBeregnClick();
    void LigKontrol();
    void ligningerKonClick() { LigKontrol(); }
    void ligningerNyClick();
    void ligningerSendClick();
    void ligningerX1sendClick();
    void ligningerY1sendClick();
    void ligningerX2sendClick();
    void ligningerY2sendClick();
    void ligningerSpmClick();
    // Enter moves 1a -> 1b -> 1c -> 2a -> 2b -> 2c and solves in 2c.
    bool ligningKeyPress(Boks b, QChar key);
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) override;

    static QChar formTegn(int form);
    static QString boksNavn(Boks b);
    // An equation's line ('2x + 3y = 7', '1x * 2y = 8', '4x / 2y = 1').
    static QString normalTekst(double a, double b, double c, int form);

private:
    struct Koefficienter {
        double a1, b1, c1, a2, b2, c2;
    };
    Koefficienter laesKoefficienter() const;
    Koefficienter laesOgSkrivTilbage();
    void UdskrivNormal(int Nr, int Inr, const Koefficienter& k);
    void UdskrivLigning(double AA, double BB, double CC);
    bool BeregnResu(double AA, double BB, double CC, double& x1, double& x2, bool& res2);
    void loes(const Koefficienter& k);
    void ingenLoesning();
    void gemVaerdi(double vaerdi, const QString& tekst);

    TAndengrads* m_andengrads;
    TGrafModtager* m_graf;
    std::function<bool()> m_grafSynlig;
    QString m_boks[6];
    int m_form[2] = {Plus, Plus};
    QString m_x1, m_y1, m_x2, m_y2;
    QString m_status;
};
