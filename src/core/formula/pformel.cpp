#include "core/formula/pformel.h"

#include "core/common/tekstkodning.h"

namespace {

// Leading blanks and control characters (every code up to the space) go, so
// an indented line is read by its first visible character.
QString udenForanstillede(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i].unicode() <= 32)
        ++i;
    return s.mid(i);
}

bool erKommentarEllerLabel(const QString& linje) {
    return linje.startsWith(u'!') || linje.startsWith(u':');
}

} // namespace

namespace formelfil {

namespace {

QStringList delLinjer(const QString& tekst) {
    QStringList linjer;
    qsizetype start = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst[i];
        if (c != u'\r' && c != u'\n') continue;
        linjer.append(tekst.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && tekst[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) linjer.append(tekst.mid(start));
    return linjer;
}

QString samlLinjer(const QStringList& linjer) {
    QString tekst;
    for (const QString& l : linjer)
        tekst += l + QStringLiteral("\r\n");
    return tekst;
}

} // namespace

QStringList fraBytes(const QByteArray& bytes) {
    return delLinjer(tekst::fraBytes(bytes));
}

QByteArray tilBytes(const QStringList& linjer) {
    return tekst::tilBytes(samlLinjer(linjer));
}

QStringList laesFil(const QString& sti) {
    return delLinjer(tekst::laesFil(sti));
}

void skrivFil(const QString& sti, const QStringList& linjer) {
    tekst::skrivFil(sti, samlLinjer(linjer));
}

void normaliser(QStringList& linjer) {
    for (qsizetype i = linjer.size() - 1; i >= 0; --i) {
        QString l = udenForanstillede(linjer[i]);
        if (l.isEmpty())
            linjer.removeAt(i);
        else
            linjer[i] = l;
    }
    if (linjer.isEmpty()) return;
    if (!erKommentarEllerLabel(linjer.first())) linjer.prepend(QStringLiteral(":input værdi"));
    if (!erKommentarEllerLabel(linjer.last())) linjer.append(QStringLiteral(":resultat"));
}

Program laes(const QStringList& linjer) {
    Program p;
    auto nyPost = [&p](const QString& tekst, bool input) {
        PformelRec r;
        r.Tekst = tekst;
        r.Input = input;
        p.poster.append(r);
    };
    for (const QString& l : linjer) {
        if (l.startsWith(u'!')) {
            p.kommentarer.append(l.mid(1));
        } else if (l.startsWith(u':')) {
            const QString tekst = l.mid(1);
            nyPost(tekst.isEmpty() ? QString::fromUtf16(standardTekst) : tekst, true);
        } else {
            if (p.poster.isEmpty()) nyPost(QString::fromUtf16(manglerTekst), false);
            p.poster.last().Operation += l.toLower();
        }
    }
    return p;
}

} // namespace formelfil
