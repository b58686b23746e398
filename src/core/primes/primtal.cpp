#include "core/primes/primtal.h"

#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <algorithm>
#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace {
const QString uventetFejl = QStringLiteral("Der opstod en uventet fejl.\rLuk boksen og prøv igen.");
}

TPrimtalModel::TPrimtalModel(Beskeder& beskeder, std::function<double()> hentVaerdi,
                             QObject* parent)
    : QObject(parent), m_beskeder(beskeder), m_hentVaerdi(std::move(hentVaerdi)) {}

qint32 TPrimtalModel::hentTal(double v) {
    if (!(v <= stoerste)) return stoerste; // larger, or not a number
    const double r = tal::rundHalvLige(v);
    if (r < 1) return 0;
    return static_cast<qint32>(r);
}

TPrimtalModel::~TPrimtalModel() {
    // The task touches MyData until it releases the semaphore; after that it
    // only hands the completion step to the user-interface thread through a
    // guarded pointer, which is dropped once this object is gone.
    if (m_koerer) m_beregnet.acquire();
}

QList<qint32> TPrimtalModel::divisorer(qint32 n) {
    QList<qint32> fundet;
    if (n < 4) return fundet;
    // Divisors pair up as d and n / d around the square root; an odd n has
    // only odd divisors, so the even candidates are skipped.
    const qint64 nn = n;
    const qint64 trin = (n % 2 == 0) ? 1 : 2;
    for (qint64 d = (trin == 1 ? 2 : 3); d * d <= nn; d += trin) {
        if (nn % d != 0) continue;
        const qint64 e = nn / d;
        if (d >= 3) fundet.append(static_cast<qint32>(d));
        if (e != d && e >= 3 && e <= nn - 1) fundet.append(static_cast<qint32>(e));
    }
    std::sort(fundet.begin(), fundet.end(), std::greater<>());
    return fundet;
}

void TPrimtalModel::tilKlar() {
    aktivitet = false;
    startKnapAktiv = true;
    hentButtonAktiv = true;
    m_kanLukkes = true;
}

void TPrimtalModel::fejlet() {
    m_beskeder.information(uventetFejl);
    tilKlar();
    startInfoLabel.clear();
    slutInfoLabel.clear();
    Q_EMIT aendret();
}

bool TPrimtalModel::KanProcessenStartes() {
    if (!m_kanLukkes) return false; // a test is running; a new one waits for its end
    try {
        primtalListe.clear();
        startInfoLabel.clear();
        slutInfoLabel.clear();
        if (primtalEdit.isEmpty()) {
            Q_EMIT aendret();
            return false;
        }
        const qint32 n = tal::laesHeltal(primtalEdit);
        if (n < 3) {
            Q_EMIT aendret();
            return false;
        }
        if (n % 2 == 0) {
            slutInfoLabel = QStringLiteral("Et lige tal kan ikke være et primtal!");
            Q_EMIT aendret();
            return false;
        }
        MyData.startTal = n;
        MyData.Tal.clear();
        MyData.X = n;
        MyData.antalTal = 0;
        MyData.startTekst = QStringLiteral("Undersøger om tallet er et primtal.");
        MyData.slutTekst.clear();
        startInfoLabel = MyData.startTekst;
        slutInfoLabel = MyData.slutTekst;
        aktivitet = true;
        startKnapAktiv = false;
        hentButtonAktiv = false;
        m_kanLukkes = false;
        Q_EMIT aendret();
        return true;
    } catch (const TFejl&) {
        fejlet();
        return false;
    }
}

void TPrimtalModel::beregn() {
    MyData.Tal = divisorer(MyData.startTal);
    MyData.antalTal = static_cast<qint32>(MyData.Tal.size());
    MyData.X = std::min<qint32>(MyData.startTal, 3);
}

void TPrimtalModel::afslut() {
    m_koerer = false;
    if (MyData.antalTal > 0) {
        slutInfoLabel =
            QStringLiteral("Der blev fundet %1 tal, der går op i tallet.").arg(MyData.antalTal);
        primtalListe.clear();
        for (qsizetype i = MyData.Tal.size() - 1; i >= 0; --i)
            primtalListe.append(MyData.Tal.at(i));
    } else {
        slutInfoLabel = QStringLiteral("Tallet er et primtal");
    }
    startInfoLabel = QStringLiteral("Udført");
    tilKlar();
    Q_EMIT aendret();
    Q_EMIT testFaerdig();
}

void TPrimtalModel::processenGo() {
    QPointer<TPrimtalModel> vagt(this);
    m_koerer = true;
    try {
        QThreadPool::globalInstance()->start([this, vagt] {
            beregn();
            m_beregnet.release();
            // The completion step runs on the user-interface thread; the
            // task waits for it.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [vagt] {
                    if (vagt) {
                        vagt->m_beregnet.acquire();
                        vagt->afslut();
                    }
                },
                Qt::BlockingQueuedConnection);
        });
    } catch (const std::exception&) {
        m_koerer = false;
        fejlet();
    }
}

void TPrimtalModel::koerSynkront() {
    beregn();
    afslut();
}

void TPrimtalModel::startKnapClick() {
    if (KanProcessenStartes()) processenGo();
}

void TPrimtalModel::primtalEditKeyPress() {
    startKnapClick();
}

void TPrimtalModel::primtalEditChange(const QString& tekst) {
    primtalEdit = tekst;
    if (!tekst.isEmpty()) {
        bool ok = false;
        const qint64 v = tekst.toLongLong(&ok);
        // Ten digits at most fit in 64 bits; a pasted text that is not a
        // number is left for the test to refuse.
        if (ok && v > stoerste) {
            m_beskeder.information(QStringLiteral("Indførte tal overstiger integer-værdien ") +
                                   QStringLiteral("2147483647") + QStringLiteral("."));
            primtalEdit = QStringLiteral("2147483647");
        }
    }
    Q_EMIT aendret();
}

void TPrimtalModel::hentButtonClick() {
    if (!hentButtonAktiv) return;
    primtalEdit = QString::number(m_hentVaerdi ? hentTal(m_hentVaerdi()) : stoerste);
    primtalListe.clear();
    startInfoLabel.clear();
    slutInfoLabel.clear();
    Q_EMIT aendret();
}

void TPrimtalModel::infoButtonClick() {
    Q_EMIT informationOenskes(QStringLiteral("Info"), QStringLiteral("Primtal"));
}

bool TPrimtalModel::FormCloseQuery() {
    if (m_kanLukkes) return true;
    m_beskeder.information(QStringLiteral("Der er en process i gang, så programmet kan ikke "
                                          "lukkes.\rAfvendt til processen er er fuldført og "
                                          "prøv igen."));
    return false;
}

void TPrimtalModel::forudindstil(qint32 tal) {
    primtalEdit = QString::number(tal);
    Q_EMIT aendret();
}
