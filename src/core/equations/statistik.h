#pragma once
// The statistics page: a list of numbers, each switched in or out of the
// calculation by its check mark, and the sum, the mean and the standard
// deviation of the checked ones (optionally of their squares). Values come
// from typing, from the calculator's display and from the memory; results go
// to a result box and from there, or from the list, into the memory. Nothing
// of the page is written to the calculation list.
#include "core/equations/ligningsside.h"

#include <QList>

struct TStatistikPost {
    QString tekst;        // the entry's number text
    bool markeret = true; // counted in the calculations

    bool operator==(const TStatistikPost&) const = default;
};

class TStatistik : public TLigningsside {
    Q_OBJECT
public:
    TStatistik(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
               QObject* parent = nullptr);

    // The value list statistikBoks and its selected entry (-1 none).
    const QList<TStatistikPost>& statistikBoks() const { return m_boks; }
    int valgt() const { return m_valgt; }
    void vaelg(int index);
    // A check mark set or cleared by the user; the count is not redone.
    void statistikBoksClickCheck(int index, bool markeret);

    int Nant = 0;       // checked entries at the last change of the list
    QList<double> Data; // the checked values, collected for a calculation

    // "n=" + Nant, also the caption of the page's switch button.
    const QString& statistikNantal() const { return m_nantal; }
    const QString& statistikDisplay() const { return m_display; }
    const QString& statistikValue() const { return m_value; }
    void setStatistikValue(const QString& tekst);
    bool statistikKvadrater() const { return m_kvadrater; }
    void setStatistikKvadrater(bool on);
    bool statistikN() const { return m_populationN; }
    void setStatistikN(bool on);
    // The entry box has the focus: Home then moves its caret instead of
    // clearing the list.
    void setStatistikValueFokus(bool fokus) { m_valueFokus = fokus; }

    void DisN();
    bool MakeData();
    void statistikInsertValue();
    void statistikInsertClick() { statistikInsertValue(); }
    bool statistikValueKeyPress(QChar key);
    void statistikSumClick();
    void statistikGennemsnitClick();
    void statistikAfvigelseClick();
    void statistikHentClick();
    void statistikImporterClick();
    void statistikSletClick();
    void statistikNyClick();
    void statistikSendClick();
    void statistikHukClick();
    void statistikSpmClick();
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) override;

Q_SIGNALS:
    // The count changed ("n=" + Nant); the page-switch button follows it.
    void nantalAendret(const QString& tekst);

private:
    void tilfoej(const QString& tekst);
    void visResultat(double v);
    // Σ x of the collected values, or Σ x² with `kvadrater`.
    double sum(bool kvadrater) const;

    QList<TStatistikPost> m_boks;
    qsizetype m_markerede = 0; // checked entries of m_boks
    int m_valgt = -1;
    QString m_nantal = QStringLiteral("n=0");
    QString m_display;
    QString m_value;
    bool m_kvadrater = false;
    bool m_populationN = false;
    bool m_valueFokus = false;
};
