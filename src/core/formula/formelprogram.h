#pragma once
// Formula programs and the formula page of the main window.
//
// A program is read from the editor's lines into records (`Pformel`), then
// run: each record that needs a value writes its label to the calculation
// list and makes the calculator wait (`PformelOn`); the user types the value
// and presses Enter, "=" or F9, which resumes the run through the engine's
// `formelprogramFortsaet`. The value is written to the list, the record's
// operation is pressed key by key (with "[n]" putting in earlier values), and
// so on to "Udført". The page around it keeps the editor, the file name, the
// sorted list of formula files, and loads, saves and deletes those files.
#include "core/formula/pformel.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Beskeder;
class TMetaListe;
class TRegner;

class TFormelProgram : public QObject {
    Q_OBJECT
public:
    TFormelProgram(TRegner& regner, TMetaListe& meta, Beskeder& beskeder, const QString& formeldir,
                   QObject* parent = nullptr);

    // ---- The program ------------------------------------------------------
    const QList<PformelRec>& Pformel() const { return m_Pformel; }
    // Reads the lines (normalising them in place) and starts the program.
    void Formel(QStringList& MemoS);
    // Runs from the first record not done until the program waits or ends.
    void RunFormel();
    // Ends a run that failed: "Afbrudt" in the status bar, nothing in the list.
    void ErrorBreak();

    // ---- The page -----------------------------------------------------------
    const QString& formeldir() const { return m_formeldir; }
    // The editor's lines; the view sets its text as the user writes.
    const QStringList& formelMemo() const { return m_formelMemo; }
    QString formelMemoTekst() const { return m_formelMemo.join(u'\n'); }
    void setFormelMemoTekst(const QString& tekst);
    const QString& formelFilnavn() const { return m_formelFilnavn; }
    void setFormelFilnavn(const QString& tekst);
    QString Filnavn; // the file last loaded, saved or deleted
    // The file list and its selected entry (-1 none).
    const QStringList& formelFilboks() const { return m_formelFilboks; }
    int formelFilboksValgt() const { return m_valgt; }
    void setFormelFilboksValgt(int i);
    // The page of `formelBog` shown: 0 "Formel", 1 "Formelfiler".
    int formelBogSide() const { return m_bogSide; }
    void setFormelBogSide(int side);
    // The panel-switch button's caption: the number of formula files.
    QString sideknapTekst() const;
    // The editor or the name box has the keyboard focus (Home then edits).
    void setRedigererFokus(bool fokus) { m_redigererFokus = fokus; }

    void LoadFormelFilboks();
    void formelBeregnClick();
    void formelNyClick();
    void formelHentClick();
    void formelGemClick();
    void formelSletClick();
    void formelSpmClick();
    void formelFilboksDblClick();
    void formelFilboksKeyPress(QChar key);
    void MopdaterClick() { LoadFormelFilboks(); }
    // Home, Ctrl+N and F9 while the page is shown; true when the key acted.
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);

    // A file name typed into "Filnavn" must stay inside the formula folder.
    static bool gyldigtFilnavn(const QString& navn);
    static QString filter() { return QStringLiteral("Formelfiler (*.txt)"); }

Q_SIGNALS:
    void aendret();
    // The calculator page and the list panel are to be shown (a run starts).
    void visRegnerOenskes();
    void informationOenskes(const QString& emne);

private:
    void skriv(const QString& linje);
    bool udfoer(const QString& operation);
    void afslut();
    void indlaes(const QString& sti, const QString& navn);
    // Whether `sti` really lies in the formula folder; says so when not.
    bool iFormelmappen(const QString& sti);
    double indtastetVaerdi() const;

    TRegner& m_regner;
    TMetaListe& m_meta;
    Beskeder& m_beskeder;
    QString m_formeldir;
    QList<PformelRec> m_Pformel;
    QStringList m_formelMemo;
    QString m_formelFilnavn;
    QStringList m_formelFilboks;
    int m_valgt = -1;
    int m_bogSide = 0;
    bool m_redigererFokus = false;
};
