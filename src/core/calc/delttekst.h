#pragma once
// A text that copies share without copying it: the engine's long texts (the
// recording, the number being typed, the expression line) and the copies of
// the engine's state that "Tilbage" keeps of them.
//
// A text is a length into a buffer whose characters never change once
// written. Copying a text copies the length and a reference; shortening it
// only shortens the length. Appending at the end of the buffer writes there;
// appending what the buffer already holds at that place only moves the
// length on, so replaying keys that were typed before writes nothing. A text
// that goes another way than its buffer goes on in a new buffer (a copy of
// its part), which the old buffer points to: the next text going the same
// way from there finds it and shares it instead of copying again.
#include <QString>
#include <QStringView>

#include <memory>

class TDelttekst {
public:
    TDelttekst() = default;
    // Takes over the text as it is (shared with `s`, as QString shares).
    TDelttekst(const QString& s); // NOLINT(google-explicit-constructor)

    qsizetype size() const { return m_laengde; }
    bool isEmpty() const { return m_laengde == 0; }
    QChar operator[](qsizetype i) const { return m_lager->tekst.at(i); }
    QChar back() const { return m_lager->tekst.at(m_laengde - 1); }
    QStringView view() const {
        return m_lager ? QStringView(m_lager->tekst).left(m_laengde) : QStringView();
    }
    // As a QString: shared with the buffer when the text reaches its end,
    // otherwise a copy.
    QString toString() const;

    void append(QChar c);
    void append(QStringView s);
    TDelttekst& operator+=(QChar c) {
        append(c);
        return *this;
    }
    TDelttekst& operator+=(QStringView s) {
        append(s);
        return *this;
    }
    void truncate(qsizetype laengde) {
        if (laengde < m_laengde) m_laengde = qMax<qsizetype>(0, laengde);
    }
    void chop(qsizetype n) { truncate(m_laengde - n); }
    // Keeps the buffer: a text typed again the same way writes nothing.
    void clear() { m_laengde = 0; }
    void insert(qsizetype pos, QStringView s);

    bool endsWith(QStringView s) const { return view().endsWith(s); }
    bool contains(QChar c) const { return view().contains(c); }

    // Whether both begin with the same `n` characters (both at least that
    // long): at once when they share a buffer.
    bool sammeBegyndelse(const TDelttekst& andet, qsizetype n) const;
    // Both use the same buffer (for tests and benchmarks: nothing was copied).
    bool delerLager(const TDelttekst& andet) const { return m_lager == andet.m_lager; }

    friend bool operator==(const TDelttekst& a, const TDelttekst& b);
    friend bool operator==(const TDelttekst& a, QStringView b) { return a.view() == b; }

private:
    struct Lager {
        QString tekst;
        // The buffer that the last text to go another way from here went on
        // in; both hold the same first `faelles` characters.
        std::weak_ptr<Lager> videre;
        qsizetype faelles = 0;
        // Characters that a buffer pointing here shares with it: they stay.
        qsizetype laast = 0;
    };
    // Whether `b` holds the first `n` characters of `a` by the chain of
    // buffers that went on from `a`.
    static bool kaedeDeler(const Lager* a, const Lager* b, qsizetype n);

    std::shared_ptr<Lager> m_lager;
    qsizetype m_laengde = 0;
};
