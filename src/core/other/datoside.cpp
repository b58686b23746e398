#include "datoside.h"

#include "common/almenx.h"
#include "common/beskeder.h"
#include "common/fejl.h"
#include "common/optionsfil.h"
#include "other/shellaabn.h"

#include <QFile>

TDatoside::TDatoside(const QString& programdir, Beskeder& beskeder, QObject* parent)
    : QObject(parent), m_programdir(programdir), m_beskeder(beskeder) {
    scriptTimer.setInterval(1000);
    scriptTimer.setSingleShot(false);
    connect(&scriptTimer, &QTimer::timeout, this, &TDatoside::tik);
}

TDatoside::~TDatoside() {
    if (m_proces.state() != QProcess::NotRunning) {
        m_proces.kill();
        m_proces.waitForFinished(1000);
    }
}

QString TDatoside::programFil() const {
#ifdef Q_OS_WIN
    return m_programdir + QStringLiteral("/datediff/datediff.exe");
#else
    return m_programdir + QStringLiteral("/datediff/datediff");
#endif
}

QString TDatoside::resultatFil() const {
    return m_programdir + QStringLiteral("/datediff/datediff.txt");
}

QString TDatoside::kortDato(const QDate& d) {
    return d.toString(QStringLiteral("dd-MM-yyyy"));
}

void TDatoside::FormCreate() {
    idagCaption = QStringLiteral("I dag: ") + kortDato(QDate::currentDate());
    for (int nr = 1; nr <= 2; ++nr)
        datoLabelClick(nr);
    // Fill the fields even when the calendars already stood on today.
    kalenderChange(1);
    kalenderChange(2);
}

void TDatoside::kalenderChange(int nr) {
    Dato& d = dato[nr - 1];
    const QDate k = d.kalender.dato();
    d.dayEdit = QString::number(k.day());
    d.monthEdit = QString::number(k.month());
    d.yearEdit = QString::number(k.year());
    Q_EMIT aendret();
}

void TDatoside::kalenderKlik(int nr, const QDate& dag) {
    if (dato[nr - 1].kalender.setDato(dag)) kalenderChange(nr);
}

void TDatoside::setFelt(int nr, int felt, const QString& tekst) {
    Dato& d = dato[nr - 1];
    (felt == 0 ? d.dayEdit : felt == 1 ? d.monthEdit : d.yearEdit) = tekst;
}

void TDatoside::opdaterKnapClick(int nr) {
    Dato& d = dato[nr - 1];
    const qint32 dag = TAlmenX::EditInteger(d.dayEdit);
    d.dayEdit = QString::number(dag);
    const qint32 maaned = TAlmenX::EditInteger(d.monthEdit);
    d.monthEdit = QString::number(maaned);
    const qint32 aar = TAlmenX::EditInteger(d.yearEdit);
    d.yearEdit = QString::number(aar);
    Q_EMIT aendret();
    // A valid date is set at once; only a combination that is no date goes
    // element by element, day, month, year, as the calendar's rules say.
    if (TKalender::gyldig(aar, maaned, dag)) {
        if (d.kalender.setDato(QDate(aar, maaned, dag))) kalenderChange(nr);
        return;
    }
    if (d.kalender.setDag(dag)) kalenderChange(nr);
    if (d.kalender.setMaaned(maaned)) kalenderChange(nr);
    if (d.kalender.setAar(aar)) kalenderChange(nr);
}

void TDatoside::flyt(int nr, int maaneder, int aar) {
    TKalender& k = dato[nr - 1].kalender;
    if (maaneder ? k.flytMaaned(maaneder) : k.flytAar(aar)) kalenderChange(nr);
}

void TDatoside::datoLabelClick(int nr) {
    if (dato[nr - 1].kalender.setDato(QDate::currentDate())) kalenderChange(nr);
}

QString TDatoside::datoArgument(int i) const {
    const Dato& d = dato[i];
    return d.dayEdit + u'-' + d.monthEdit + u'-' + d.yearEdit;
}

QString TDatoside::parameterTekst() const {
    return datoArgument(0) + u' ' + datoArgument(1);
}

void TDatoside::beregnKnapClick() {
    const QStringList argumenter{datoArgument(0), datoArgument(1)};
    if (!QFile::exists(programFil())) {
        m_beskeder.information(QStringLiteral("Der mangler en fil!"));
        return;
    }
    // A run still going is replaced by the new one.
    if (m_proces.state() != QProcess::NotRunning) {
        m_proces.kill();
        m_proces.waitForFinished(1000);
    }
    // An old result must never pass for the new one.
    QFile::remove(resultatFil());
    const int kode = shellaabn::aabn(m_proces, programFil(), argumenter,
                                     m_programdir + QStringLiteral("/datediff"));
    if (kode > 32) {
        m_ventet = 0;
        scriptTimer.start();
    } else {
        ErrorInfo(kode);
    }
}

void TDatoside::tik() {
    // Called from the event loop: an error ends the tick with its message.
    try {
        scriptTimerTimer();
    } catch (const TFejl& f) {
        m_beskeder.fejl(f.tekst());
    }
}

void TDatoside::scriptTimerTimer() {
    if (m_proces.state() != QProcess::NotRunning && !m_proces.waitForFinished(0)) {
        if (++m_ventet < ventegraense) return;
        scriptTimer.stop();
        m_proces.kill();
        m_proces.waitForFinished(1000);
        m_beskeder.information(
            QStringLiteral("Datoberegningen blev ikke færdig i tide og er stoppet."));
        return;
    }
    scriptTimer.stop();
    if (m_proces.exitStatus() != QProcess::NormalExit || m_proces.exitCode() != 0) {
        QString grund = QString::fromLocal8Bit(m_proces.readAllStandardError()).trimmed();
        if (grund.isEmpty()) grund = QStringLiteral("Datoberegningen mislykkedes.");
        m_beskeder.information(grund);
        return;
    }
    if (!QFile::exists(resultatFil())) {
        m_beskeder.information(QStringLiteral("Datoberegningen gav ikke noget resultat."));
        return;
    }
    const TOptionsFil fil = TOptionsFil::laes(resultatFil());
    const QString y = fil.tekst(1), m = fil.tekst(2), d = fil.tekst(3), t = fil.tekst(4);
    resultat = QStringList{y, m, d, t};
    Edit1 = resultatTekst1(y, m, d);
    Edit2 = resultatTekst2(t);
    Q_EMIT aendret();
}

QString TDatoside::resultatTekst1(const QString& y, const QString& m, const QString& d) {
    return y + QStringLiteral(" år, ") + m +
           (m == QStringLiteral("1") ? QStringLiteral(" måned samt ")
                                     : QStringLiteral(" måneder samt ")) +
           d + (d == QStringLiteral("1") ? QStringLiteral(" dag.") : QStringLiteral(" dage."));
}

QString TDatoside::resultatTekst2(const QString& t) {
    return t + QStringLiteral(" dage ialt.");
}

void TDatoside::ErrorInfo(int Nr) {
    m_beskeder.information(shellaabn::fejltekst(Nr));
}

void TDatoside::koerTilEnde() {
    while (scriptTimer.isActive()) {
        m_proces.waitForFinished(1000);
        scriptTimerTimer();
    }
}
