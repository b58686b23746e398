#pragma once
// The number-system page of the other-functions window: a whole number typed
// digit by digit in one base from 2 to 16 is shown in another. Whole numbers
// whose magnitude fits in 64 bits convert exactly; larger ones go through
// their double value. A negative number is written as "-" and its magnitude.
#include <QObject>
#include <QStringList>
#include <QtGlobal>

#include <functional>

class Beskeder;

class TTalsystemside : public QObject {
    Q_OBJECT
public:
    // `display` gives the calculator's display text (for "Hent fra tavlix").
    TTalsystemside(Beskeder& beskeder, std::function<QString()> display, QObject* parent = nullptr);

    static constexpr int DecIndex = 8;

    QString inputEdit;
    QString outputEdit;
    int inputIndex = DecIndex;  // `inputBox`: base = index + 2
    int outputIndex = DecIndex; // `outputBox`

    // "Bin" "3" ... "Okt" "9" "Dec" ... "Hex".
    static QStringList baseNavne();
    // The base of a name as the radio items say it ("Hex", "okt", "10", ...), or 0.
    static int baseAfNavn(const QString& navn);
    int inputBase() const { return inputIndex + 2; }
    int outputBase() const { return outputIndex + 2; }

    // Digit d (0..15) may be entered in the input base (`Action2Update` ..).
    bool cifferAktivt(int d) const { return d < 2 || d < inputBase(); }
    // Appends digit d when it is enabled (`rm0Click`, `Action2Execute` ..).
    void ActionExecute(int d);
    // A typed character while the page is active; true when it appended.
    bool FormKeyPress(QChar c);

    void setInputIndex(int index);  // runs inputBoxClick when it changes
    void setOutputIndex(int index); // runs outputBoxClick when it changes
    void inputBoxClick();
    void outputBoxClick();
    void nyKnapClick() { inputBoxClick(); }
    void hentKnapClick();
    void spmTalsystemerKnapClick() { Q_EMIT informationOenskes(QStringLiteral("Funktioner")); }

    // The input read in the input base, as decimal text: every digit, exactly,
    // whatever the length.
    QString AndetToDecimal() const;
    // aTal in the output base. INF and NAN give an empty text (the page
    // refuses them with a message).
    QString DecimalToAndet(double aTal) const;
    static QString DecimalToAndet(double aTal, int base);
    static QString heltalTilBase(quint64 v, int base);
    static double GetPotens(double Tal, double Pot);

Q_SIGNALS:
    void aendret();
    void informationOenskes(const QString& emne);

private:
    Beskeder& m_beskeder;
    std::function<QString()> m_display;
};
