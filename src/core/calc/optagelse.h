#pragma once
// The recording of the current calculator task (`formelString`: the key codes
// since the task began) together with the text of the expression window's
// memo, which follows the recording while the memo is not empty.
//
// The memo is kept as a lazy snapshot: following the recording only notes how
// much of it the memo shows; the text is put together when someone reads it.
// A replay of many keys therefore never copies the whole recording per key.
#include <QString>

class TOptagelse {
public:
    const QString& tekst() const { return m_tekst; }
    bool isEmpty() const { return m_tekst.isEmpty(); }
    qsizetype size() const { return m_tekst.size(); }
    QChar sidste() const { return m_tekst.isEmpty() ? QChar() : m_tekst.back(); }

    void tilfoej(QChar c) { m_tekst.append(c); }
    void tilfoej(const QString& s) { m_tekst.append(s); }
    // Keeps the first `laengde` codes.
    void afkort(qsizetype laengde);
    void ryd() { afkort(0); }
    void saet(const QString& s);

    // The memo's text.
    QString memo() const;
    void setMemo(const QString& s);
    // The memo now shows the recording, unless it was empty (an empty memo
    // stays empty: the expression window only follows while it holds text).
    void memoFoelger();

    bool operator==(const TOptagelse&) const = default;

    // For copies of the engine's state: whether the memo was empty (then it
    // does not follow), how often it has followed the recording, and taking
    // over another recording's memo while keeping this recording.
    bool memoTom() const { return m_memoTom; }
    int fulgt() const { return m_fulgt; }
    void overtagMemo(const TOptagelse& andet);

private:
    QString m_tekst;
    mutable QString m_memo;
    // While m_venter, the memo is m_tekst.left(m_p) + m_hale: the part of the
    // snapshot still shared with the recording, and what was cut off since.
    mutable bool m_venter = false;
    qsizetype m_p = 0;
    mutable QString m_hale;
    bool m_memoTom = true;
    int m_fulgt = 0;
};
