#pragma once
// The recording of the current calculator task (`formelString`: the key codes
// since the task began) together with the text of the expression window's
// memo, which follows the recording while the memo is not empty.
//
// Both are shared texts (TDelttekst): the memo following the recording, and
// the copies of the engine's state that "Tilbage" keeps, share the
// recording's characters instead of copying them.
#include "core/calc/delttekst.h"

#include <QString>

class TOptagelse {
public:
    const TDelttekst& tekst() const { return m_tekst; }
    bool isEmpty() const { return m_tekst.isEmpty(); }
    qsizetype size() const { return m_tekst.size(); }
    QChar sidste() const { return m_tekst.isEmpty() ? QChar() : m_tekst.back(); }

    void tilfoej(QChar c) { m_tekst.append(c); }
    void tilfoej(QStringView s) { m_tekst.append(s); }
    // Keeps the first `laengde` codes.
    void afkort(qsizetype laengde) { m_tekst.truncate(laengde); }
    void ryd() { m_tekst.clear(); }
    void saet(const QString& s) { m_tekst = TDelttekst(s); }

    // The memo's text.
    QString memo() const { return m_memo.toString(); }
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
    TDelttekst m_tekst;
    TDelttekst m_memo;
    bool m_memoTom = true;
    int m_fulgt = 0;
};
