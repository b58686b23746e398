#pragma once
// The graph window's colour dialog "Graf egenskaber": twenty named colours
// for the canvas background, the axes and marks, and new curves; a colour for
// the next curves only; the default colours; and "Realiser", which applies
// the chosen colours or restores all the graph's default settings. The
// choices live in the graph window (saved in "grafer.txt"); the dialog keeps
// only its place, in "options.txt".
#include "core/graph/dialogplads.h"
#include "core/graph/laerred.h"

#include <QObject>
#include <QStringList>

class TGrafformModel;
class Beskeder;

class TOptformModel : public QObject {
    Q_OBJECT
public:
    TOptformModel(const QString& optDir, TGrafformModel& graf, Beskeder& beskeder,
                  QObject* parent = nullptr);

    // The palette's names, index 0 to 19 (the colours are the graph window's).
    static QStringList farveNavne();

    TDialogPladsFil opt; // "options.txt"
    int Farvebox = 18, Liniebox = 7, Kurvebox = 0, NyKurvebox = 0;
    int valGruppe = 0; // 0 "Realiser kun valgte farver", 1 "Realiser alle oprindelige værdier"
    // The preview: swatch in the background colour, bar in a curve colour.
    TFarve bgfarvePan = 0, colorPan = 0;

    // Reads the place and shows the graph window's current choices.
    void FormCreate();
    void gemOpt() const { opt.gemOpt(); }

    void skiftKurvefarveClick();
    void NyKurveboxChange(int index);
    void FarveboxChange(int index) { Farvebox = index; }
    void LinieboxChange(int index) { Liniebox = index; }
    void KurveboxChange(int index) { Kurvebox = index; }
    void valGruppeClick(int item) { valGruppe = item; }
    void oprindeligeKnapClick();
    void realiserKnapClick();

Q_SIGNALS:
    void aendret();

private:
    TGrafformModel& m_graf;
    Beskeder& m_beskeder;
};
