#include "core/common/optionsfil.h"

#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/common/tekstkodning.h"

#include <QDir>
#include <QFileInfo>

TOptionsFil::TOptionsFil(QStringList linjer) : m_linjer(std::move(linjer)) {}

bool TOptionsFil::findes(const QString& sti) {
    return QFileInfo(sti).isFile();
}

TOptionsFil TOptionsFil::laes(const QString& sti) {
    TOptionsFil fil = fraTekst(tekst::laesFil(sti, maksStoerrelse));
    fil.m_sti = sti;
    return fil;
}

TOptionsFil TOptionsFil::fraTekst(const QString& t) {
    QStringList linjer;
    qsizetype start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != u'\r' && t[i] != u'\n') continue;
        linjer.append(t.sliced(start, i - start));
        if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < t.size()) linjer.append(t.sliced(start));
    return TOptionsFil(std::move(linjer));
}

int TOptionsFil::antal() const {
    return static_cast<int>(m_linjer.size());
}

const QStringList& TOptionsFil::linjer() const {
    return m_linjer;
}

QString TOptionsFil::tekst(int linje) const {
    if (linje < 1 || linje > m_linjer.size())
        throw TIndeksFejl(QStringLiteral("Linje %1 mangler i filen").arg(linje));
    return m_linjer[linje - 1];
}

qint32 TOptionsFil::heltal(int linje) const {
    return tal::laesHeltal(tekst(linje));
}

double TOptionsFil::tal(int linje) const {
    return tal::laes(tekst(linje));
}

bool TOptionsFil::flag(int linje) const {
    return tekst(linje) == u"1";
}

void TOptionsFil::anvend(int linje, const std::function<void()>& anvend) {
    auto noter = [&](const QString& tekst) {
        if (fejlILinje(linje)) return;
        m_fejlLinjer.append(linje);
        m_fejl.append(tekst);
    };
    try {
        anvend();
    } catch (const TIndeksFejl& f) {
        noter(f.tekst()); // "Linje n mangler i filen" names its line already
    } catch (const TFejl& f) {
        noter(QStringLiteral("Linje %1: %2").arg(linje).arg(f.tekst()));
    }
}

QString TOptionsFil::tekst(int linje, const QString& standard) {
    QString v = standard;
    anvend(linje, [&] { v = tekst(linje); });
    return v;
}

qint32 TOptionsFil::heltal(int linje, qint32 standard) {
    qint32 v = standard;
    anvend(linje, [&] { v = heltal(linje); });
    return v;
}

bool TOptionsFil::flag(int linje, bool standard) {
    bool v = standard;
    anvend(linje, [&] { v = flag(linje); });
    return v;
}

bool TOptionsFil::fejlILinje(int linje) const {
    return m_fejlLinjer.contains(linje);
}

QString TOptionsFil::fejlTekst() const {
    if (m_fejl.isEmpty()) return QString();
    const QString fil =
        m_sti.isEmpty() ? QStringLiteral("Fejl i filen:\n")
                        : QStringLiteral("Fejl i filen %1:\n").arg(QDir::toNativeSeparators(m_sti));
    return fil + m_fejl.join(u'\n');
}

void TOptionsSkriver::tekst(const QString& v) {
    QString linje = v;
    linje.replace(u'\r', u' ').replace(u'\n', u' ');
    m_linjer.append(linje);
}

void TOptionsSkriver::heltal(qint64 v) {
    m_linjer.append(QString::number(v));
}

void TOptionsSkriver::tal(double v) {
    m_linjer.append(tal::generel(v));
}

void TOptionsSkriver::flag(bool v) {
    m_linjer.append(v ? QStringLiteral("1") : QStringLiteral("0"));
}

const QStringList& TOptionsSkriver::linjer() const {
    return m_linjer;
}

QString TOptionsSkriver::indhold() const {
    QString t;
    for (const QString& l : m_linjer)
        t += l + QStringLiteral("\r\n");
    return t;
}

void TOptionsSkriver::gem(const QString& sti) const {
    tekst::skrivFil(sti, indhold());
}
