#include "core/formula/formelprogram.h"

#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/stier.h"
#include "core/common/taltekst.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TFormelProgram::TFormelProgram(TRegner& regner, TMetaListe& meta, Beskeder& beskeder,
                               const QString& formeldir, QObject* parent)
    : QObject(parent), m_regner(regner), m_meta(meta), m_beskeder(beskeder),
      m_formeldir(formeldir) {
    connect(&m_regner, &TRegner::formelprogramFortsaet, this, &TFormelProgram::RunFormel);
}

// ---- The program ------------------------------------------------------------

void TFormelProgram::skriv(const QString& linje) {
    m_meta.tilfoej(linje);
}

void TFormelProgram::Formel(QStringList& MemoS) {
    formelfil::normaliser(MemoS);
    if (&MemoS == &m_formelMemo) Q_EMIT aendret(); // the editor shows the normalised lines
    if (MemoS.isEmpty()) {
        // Blank lines only: there is no program to run.
        m_beskeder.information(QStringLiteral("Der er ikke aktiveret nogen formel!"));
        return;
    }
    Q_EMIT visRegnerOenskes();
    m_regner.setFormelOn(false);
    m_regner.Ny(false);
    m_regner.setFormelOn(true);
    m_regner.setUdtrykGo(true);
    if (m_regner.disOn() && m_meta.antal() > 0 && !m_meta.sidsteLinje().isEmpty()) skriv(QString());
    try {
        const formelfil::Program p = formelfil::laes(MemoS);
        for (const QString& k : p.kommentarer)
            skriv(k);
        m_Pformel = p.poster;
    } catch (const std::exception&) {
        m_Pformel.clear();
        m_regner.setFormelOn(false);
        m_regner.setPformelOn(false);
        m_regner.setUdtrykGo(false);
        skriv(QStringLiteral("Fejl"));
        return;
    }
    RunFormel();
}

// The value the user entered: the number itself where the display text is
// its rounded form, so references compute with every digit.
double TFormelProgram::indtastetVaerdi() const {
    const QString& d = m_regner.Dstr();
    if (d == m_regner.ValS(m_regner.Dval())) return m_regner.Dval();
    try {
        return tal::laes(d.endsWith(u',') ? d.chopped(1) : d);
    } catch (const TFejl&) {
        return m_regner.Dval();
    }
}

void TFormelProgram::RunFormel() {
    if (m_Pformel.isEmpty()) return;
    try {
        for (qsizetype i = 0; i < m_Pformel.size(); ++i) {
            if (m_Pformel[i].Done) continue;
            PformelRec& r = m_Pformel[i];
            if (r.Input) {
                // The label names the value the previous operation left, or asks for one.
                const bool spoerg = i == 0 || m_Pformel[i - 1].Operation.isEmpty();
                if (spoerg) {
                    skriv(r.Tekst);
                } else {
                    skriv(r.Tekst + QStringLiteral(" = ") + m_regner.Dstr());
                    r.DisUdskrevet = true;
                }
                if (i == m_Pformel.size() - 1 && r.Operation.isEmpty()) break;
                m_regner.setPformelOn(true);
                r.Input = false;
                if (spoerg) m_regner.formelSpoerg();
                return;
            }
            r.Tal = m_regner.Dstr();
            r.Vaerdi = indtastetVaerdi();
            if (!r.DisUdskrevet) skriv(r.Tekst + QStringLiteral(" = ") + r.Tal);
            m_regner.formelNytTal();
            m_regner.setPformelOn(false);
            m_regner.setUdtrykGo(true);
            if (!udfoer(r.Operation)) {
                ErrorBreak();
                return;
            }
            m_Pformel[i].Done = true;
        }
    } catch (const std::exception&) {
        ErrorBreak();
        return;
    }
    afslut();
}

// Presses the operation's keys; false when the run must stop.
bool TFormelProgram::udfoer(const QString& operation) {
    const qsizetype n = operation.size();
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = operation[k];
        if (c == u' ') continue;
        if (c == u'[') {
            const qsizetype slut = operation.indexOf(u']', k + 1);
            if (slut < 0) return false;
            const QStringView cifre = QStringView(operation).mid(k + 1, slut - k - 1);
            if (cifre.isEmpty() || cifre.size() > 9) return false;
            for (QChar t : cifre)
                if (t < u'0' || t > u'9') return false;
            const qsizetype nr = cifre.toInt();
            if (nr >= m_Pformel.size()) return false;
            const PformelRec& ref = m_Pformel[nr];
            if (ref.Tal.isEmpty()) return false; // not entered yet
            double v = ref.Vaerdi;
            k = slut;
            if (k + 1 < n && operation[k + 1] == u'f') {
                v = -v;
                ++k;
            }
            m_regner.formelVisVaerdi(v);
        } else {
            // "=" is the "=" key here too, so a formula gives what the
            // expression window gives.
            m_regner.FormKeyPress(c);
        }
        if (!m_regner.UdtrykGo()) return false;
    }
    return true;
}

void TFormelProgram::afslut() {
    m_Pformel.clear();
    m_regner.setPformelOn(false);
    m_regner.setUdtrykGo(false);
    skriv(QStringLiteral("Udført"));
    m_regner.setFormelOn(false);
    skriv(QString());
    m_meta.vaelgSidste();
    // The result stays shown with a fresh number started, so the next key is
    // no new task: the list keeps the protocol the program was run for. A
    // digit starts a number, an operator goes on from the result.
    m_regner.formelNytTal();
}

void TFormelProgram::ErrorBreak() {
    m_beskeder.statusHint(QStringLiteral("Afbrudt"));
    m_regner.setUdtrykGo(false);
    m_Pformel.clear();
    m_regner.setPformelOn(false);
    m_regner.setFormelOn(false);
}

// ---- The page -----------------------------------------------------------------

void TFormelProgram::setFormelMemoTekst(const QString& tekst) {
    // As a memo counts lines: a line break at the very end starts no line.
    QStringList linjer;
    if (!tekst.isEmpty()) {
        linjer = tekst.split(u'\n');
        if (linjer.size() > 1 && linjer.last().isEmpty()) linjer.removeLast();
    }
    if (linjer == m_formelMemo) return;
    m_formelMemo = linjer;
    Q_EMIT aendret();
}

void TFormelProgram::setFormelFilnavn(const QString& tekst) {
    if (tekst == m_formelFilnavn) return;
    m_formelFilnavn = tekst;
    Q_EMIT aendret();
}

void TFormelProgram::setFormelFilboksValgt(int i) {
    if (i < -1 || i >= m_formelFilboks.size()) i = -1;
    if (i == m_valgt) return;
    m_valgt = i;
    Q_EMIT aendret();
}

void TFormelProgram::setFormelBogSide(int side) {
    if (side == m_bogSide) return;
    m_bogSide = side;
    Q_EMIT aendret();
}

QString TFormelProgram::sideknapTekst() const {
    return u'[' + QString::number(m_formelFilboks.size()) + u']';
}

void TFormelProgram::LoadFormelFilboks() {
    QDir mappe(m_formeldir);
    // Regular files only (also behind a link): a pipe or a device named
    // "x.txt" is no formula file and would hold the window when opened.
    m_formelFilboks.clear();
    const auto filer = mappe.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden,
                                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& fi : filer)
        if (fi.isFile()) m_formelFilboks << fi.fileName();
    m_valgt = -1;
    Q_EMIT aendret();
}

void TFormelProgram::formelBeregnClick() {
    if (m_formelMemo.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der er ikke aktiveret nogen formel!"));
        return;
    }
    m_meta.toem();
    Formel(m_formelMemo);
}

void TFormelProgram::formelNyClick() {
    m_formelFilnavn.clear();
    m_formelMemo.clear();
    Q_EMIT aendret();
}

void TFormelProgram::indlaes(const QString& sti, const QString& navn) {
    m_formelMemo = formelfil::laesFil(sti);
    m_formelFilnavn = navn;
    Filnavn = sti;
    Q_EMIT aendret();
}

void TFormelProgram::formelHentClick() {
    const QString sti =
        m_beskeder.aabenFilnavn(QStringLiteral("Hent formel"), m_formeldir, filter());
    if (sti.isEmpty()) return;
    indlaes(sti, QFileInfo(sti).fileName());
}

bool TFormelProgram::gyldigtFilnavn(const QString& navn) {
    return !navn.contains(u'/') && !navn.contains(u'\\') && !navn.contains(u':') &&
           !navn.contains(QLatin1String(".."));
}

void TFormelProgram::formelGemClick() {
    Filnavn = m_formelFilnavn;
    if (!Filnavn.isEmpty()) {
        if (!gyldigtFilnavn(Filnavn)) {
            m_beskeder.information(
                QStringLiteral("Filnavnet må ikke indeholde \"/\", \"\\\", \":\" eller \"..\".\n"
                               "Formelfiler gemmes altid i formelmappen."));
            return;
        }
        Filnavn = m_formeldir + u'/' + Filnavn;
        if (!m_formelFilnavn.contains(u'.')) Filnavn += QStringLiteral(".txt");
        if (!iFormelmappen(Filnavn)) return;
        formelfil::skrivFil(Filnavn, m_formelMemo);
    } else if (m_formelMemo.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der er ingen udtryk at gemme!"));
    } else {
        QString sti = m_beskeder.gemFilnavn(QStringLiteral("Gem formel"), m_formeldir, filter());
        // The list shows ".txt" files only: a name without an ending gets
        // one, as a name typed in the box does, so the saved file is listed.
        if (!sti.isEmpty() && !QFileInfo(sti).fileName().contains(u'.'))
            sti += QStringLiteral(".txt");
        if (!sti.isEmpty()) {
            formelfil::skrivFil(sti, m_formelMemo);
            m_formelFilnavn = QFileInfo(sti).fileName();
            Filnavn = sti;
        }
    }
    LoadFormelFilboks();
}

void TFormelProgram::formelSletClick() {
    if (m_valgt < 0) return;
    const QString navn = m_formelFilboks[m_valgt];
    Filnavn = m_formeldir + u'/' + navn;
    if (!m_beskeder.spoerg(QStringLiteral("Skal filen ") + navn + QStringLiteral(" slettes?")))
        return;
    if (QFile::exists(Filnavn) && !QFile::remove(Filnavn)) {
        LoadFormelFilboks();
        throw TFilFejl(QStringLiteral("Kan ikke slette filen ") + Filnavn);
    }
    LoadFormelFilboks();
}

void TFormelProgram::formelSpmClick() {
    Q_EMIT informationOenskes(QStringLiteral("Formelstruktur"));
}

bool TFormelProgram::iFormelmappen(const QString& sti) {
    // A listed name is plain, but the file may be a link that a received
    // folder brought along: reading or saving through it would reach a file
    // of the user's elsewhere. A file that does not exist yet is judged by
    // its name; a dangling link is judged as a link that leads out.
    const QFileInfo fi(sti);
    const bool inde = fi.isSymLink() || fi.exists() ? stier::aegteIndenfor(m_formeldir, sti)
                                                    : stier::indenfor(m_formeldir, sti);
    if (!inde)
        m_beskeder.information(QStringLiteral("Filen ligger ikke i formelmappen:\n") +
                               QDir::toNativeSeparators(sti));
    return inde;
}

void TFormelProgram::formelFilboksDblClick() {
    if (m_valgt < 0) return;
    const QString navn = m_formelFilboks[m_valgt];
    if (!iFormelmappen(m_formeldir + u'/' + navn)) return;
    indlaes(m_formeldir + u'/' + navn, navn);
    setFormelBogSide(0);
}

void TFormelProgram::formelFilboksKeyPress(QChar key) {
    if (key == QChar(13)) formelFilboksDblClick();
}

bool TFormelProgram::FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    if ((qtKey == Qt::Key_Home && !ctrl && !m_redigererFokus) || (ctrl && qtKey == Qt::Key_N)) {
        formelNyClick();
        return true;
    }
    if (qtKey == Qt::Key_F9) {
        formelBeregnClick();
        return true;
    }
    return false;
}
