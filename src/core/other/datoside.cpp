#include "core/other/datoside.h"

#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/installation.h"
#include "core/common/optionsfil.h"
#include "core/common/shellaabn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

TDatoside::TDatoside(const QString& programdir, Beskeder& beskeder, QObject* parent)
    : QObject(parent), programSti(findProgram(programdir)), m_programdir(programdir),
      m_beskeder(beskeder) {
    scriptTimer.setInterval(1000);
    scriptTimer.setSingleShot(false);
    connect(&scriptTimer, &QTimer::timeout, this, &TDatoside::tik);
}

TDatoside::~TDatoside() {
    if (m_proces.state() != QProcess::NotRunning) {
        m_proces.kill();
        m_proces.waitForFinished(1000);
    }
    fjernResultatfil();
}

QString TDatoside::findProgram(const QString& programdir) {
#ifdef Q_OS_WIN
    const QString navn = QStringLiteral("datediff.exe");
#else
    const QString navn = QStringLiteral("datediff");
#endif
    QStringList steder{installation::programMappe() + u'/' + navn};
#ifdef TAVLIX_DATEDIFF_BYG
    if (installation::iByggemappen()) steder << QStringLiteral(TAVLIX_DATEDIFF_BYG);
#endif
    steder << installation::hjaelpeMappe() + u'/' + navn;
    steder << programdir + QStringLiteral("/datediff/") + navn;
    for (const QString& s : steder) {
        const QFileInfo f(s);
        if (f.isFile() && f.isExecutable()) return f.absoluteFilePath();
    }
    return steder.last();
}

QString TDatoside::resultatMappe() const {
    // Without a data folder (a tool run before the program ever started) the
    // system's temporary folder serves: the program does not make the data
    // folder, only its "datediff" folder when that alone is missing.
    if (!QFileInfo(m_programdir).isDir()) return QDir::tempPath();
    return m_programdir + QStringLiteral("/datediff");
}

void TDatoside::fjernResultatfil() {
    if (m_resultatFil.isEmpty()) return;
    QFile::remove(m_resultatFil);
    QFile::remove(m_resultatFil + QStringLiteral(".ny"));
    m_resultatFil.clear();
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
    QStringList argumenter{datoArgument(0), datoArgument(1)};
    // The fields show the answer for the dates now chosen or nothing: an
    // earlier answer must not stand beside a refused date.
    if (!Edit1.isEmpty() || !Edit2.isEmpty()) {
        Edit1.clear();
        Edit2.clear();
        resultat.clear();
        Q_EMIT aendret();
    }
    if (!QFile::exists(programFil())) {
        m_beskeder.information(QStringLiteral("Der mangler en fil!"));
        return;
    }
    // A run still going is replaced by the new one.
    if (m_proces.state() != QProcess::NotRunning) {
        m_proces.kill();
        m_proces.waitForFinished(1000);
    }
    fjernResultatfil();
    // A name of this run's own, made exclusively, so no other run (another
    // window, a script) writes or reads it, and no old result can pass for
    // the new one.
    QDir().mkpath(resultatMappe());
    QTemporaryFile fil(resultatMappe() + QStringLiteral("/datediff-XXXXXX.txt"));
    fil.setAutoRemove(false);
    if (!fil.open()) {
        m_beskeder.information(QStringLiteral("Resultatfilen kunne ikke oprettes i ") +
                               QDir::toNativeSeparators(resultatMappe()));
        return;
    }
    m_resultatFil = QFileInfo(fil.fileName()).absoluteFilePath();
    fil.close();
    const int kode =
        shellaabn::aabn(m_proces, programFil(), argumenter << m_resultatFil, resultatMappe());
    if (kode > 32) {
        m_ventet = 0;
        scriptTimer.start();
    } else {
        fjernResultatfil();
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
        fjernResultatfil();
        m_beskeder.information(
            QStringLiteral("Datoberegningen blev ikke færdig i tide og er stoppet."));
        return;
    }
    scriptTimer.stop();
    if (m_proces.exitStatus() != QProcess::NormalExit || m_proces.exitCode() != 0) {
        fjernResultatfil();
        QString grund = QString::fromLocal8Bit(m_proces.readAllStandardError()).trimmed();
        if (grund.isEmpty()) grund = QStringLiteral("Datoberegningen mislykkedes.");
        m_beskeder.information(grund);
        return;
    }
    // The file was made empty before the start: a run that wrote nothing
    // left it so.
    const QString sti = m_resultatFil;
    if (sti.isEmpty() || QFileInfo(sti).size() == 0) {
        fjernResultatfil();
        m_beskeder.information(QStringLiteral("Datoberegningen gav ikke noget resultat."));
        return;
    }
    TOptionsFil fil;
    try {
        fil = TOptionsFil::laes(sti);
    } catch (...) {
        fjernResultatfil();
        throw;
    }
    fjernResultatfil();
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
