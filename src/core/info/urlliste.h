#pragma once
// The URL list window's model ("Urlboks"): the pages visited in the
// information browser since start, as two lists kept row for row (the
// structure of each page and its topic), the selected row, and the window's
// size in "urlboks1.txt". The browser owns the history position and appends
// rows here; a double click asks the browser to open a row.
#include <QObject>
#include <QStringList>

class TUrlListe : public QObject {
    Q_OBJECT
public:
    explicit TUrlListe(const QString& optDir, QObject* parent = nullptr);

    QStringList urlListe;      // topics
    QStringList strukturliste; // structure of each topic
    int valgt = -1;            // the selected row of both lists
    int formWidth = 0;         // 0: the window's design size
    int formHeight = 0;
    QString optFilnavn;

    int antal() const { return int(urlListe.size()); }
    // Appends a row and answers its index.
    int tilfoej(const QString& struktur, const QString& emne);
    void vaelg(int raekke); // selects the row in both lists

    // Handlers of the window.
    void FormCreate() { hentOpt(); }
    void FormClose(int bredde, int hoejde);
    void urlListeClick(int raekke) { vaelg(raekke); }
    void strukturlisteClick(int raekke) { vaelg(raekke); }
    void urlListeDblClick(int raekke);
    void strukturlisteDblClick(int raekke) { urlListeDblClick(raekke); }
    void AsletAlleExecute();
    bool AsletAlleUpdate() const { return !urlListe.isEmpty(); }
    void hentOpt();
    void gemOpt() const;

Q_SIGNALS:
    void aendret();
    void aabnOenskes(int raekke); // double click: the browser opens the row
    void slettet();               // the lists were emptied
};
