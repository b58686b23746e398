#pragma once
// The cubic dialog: four coefficient boxes for a·x³ + b·x² + c·x + d = 0 and
// the button that draws the curve on the graph window's canvas. The dialog
// computes no roots; they are read off the graph.
#include <QObject>
#include <QPoint>
#include <QString>

class TFunktioner;

class TForm3Model : public QObject {
    Q_OBJECT
public:
    explicit TForm3Model(TFunktioner& graf, QObject* parent = nullptr);

    QString ligningA, ligningB, ligningC, ligningD;

    // Where the dialog stands, given the graph window's top left corner.
    static QPoint FormCreate(QPoint grafPos) { return grafPos + QPoint(270, 350); }

    void visKnapClick();
    void nyKnapClick();
    // Enter in a box: a → b → c → d, and in d the curve is drawn.
    void ligningAKeyPress() { Q_EMIT fokusOenskes(QStringLiteral("ligningB")); }
    void ligningBKeyPress() { Q_EMIT fokusOenskes(QStringLiteral("ligningC")); }
    void ligningCKeyPress() { Q_EMIT fokusOenskes(QStringLiteral("ligningD")); }
    void ligningDKeyPress() { visKnapClick(); }
    // Home "Ny", F9 "Vis"; true when the key was used.
    // Home is "Ny" unless a box the user types into has the focus (there it
    // moves the caret); Ctrl+N always is.
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods = {}, bool tekstboksFokus = false);

    // A drawn cubic's coefficients, written by the graph window.
    void visKoefficienter(double a, double b, double c, double d);

Q_SIGNALS:
    void aendret();
    void fokusOenskes(const QString& kontrol);

private:
    TFunktioner& m_graf;
};
