// The graph window's tools: solving two chosen equations, the choice lists,
// import from and export to the equation pages, and the dialogs of its menu.
#include "core/calc/hukommelse.h"
#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/ligningsres.h"
#include "core/graph/ligningssider.h"

#include <QFileInfo>

void TGrafformModel::BeregnKnapClick() {
    LigningsRes();
}

void TGrafformModel::LigningsRes() {
    if (m_L1Index < 0 || m_L2Index < 0) {
        m_beskeder.fejl(QStringLiteral("Der er ikke valgt to ligninger til løsning!"));
        return;
    }
    ligningX1.clear();
    ligningY1.clear();
    ligningX2.clear();
    ligningY2.clear();
    TLigning l1, l2;
    if (!Graf.GetValues(m_L1Index, l1.opr, l1.a, l1.b, l1.c) ||
        !Graf.GetValues(m_L2Index, l2.opr, l2.a, l2.b, l2.c)) {
        Q_EMIT aendret();
        return;
    }
    // The window keeps the pair in the order it was solved in.
    ligningsres::ordn(l1, l2);
    opr1 = l1.opr;
    a1 = l1.a;
    b1 = l1.b;
    c1 = l1.c;
    opr2 = l2.opr;
    a2 = l2.a;
    b2 = l2.b;
    c2 = l2.c;
    const TLigningsResultat r = ligningsres::loes(l1, l2);
    ligningX1 = r.x1;
    ligningY1 = r.y1;
    ligningX2 = r.x2;
    ligningY2 = r.y2;
    Q_EMIT aendret();
    if (r.uendeligtMange)
        m_beskeder.information(r.besked);
    else if (!r.besked.isEmpty())
        m_beskeder.fejl(r.besked);
}

void TGrafformModel::sendTilHukommelse(const QString& felt, const QString& navn) {
    if (!m_huk || felt.trimmed().isEmpty()) return;
    // The field shows the number as the solving wrote it; a text typed over
    // it that is no number raises the usual conversion error.
    m_huk->gemFraVindue(QStringLiteral("Graf ") + navn, tal::laes(felt.trimmed()), felt.trimmed());
}

void TGrafformModel::valgAendret(int& valg, int index) {
    QChar opr;
    double a, b, c;
    if (index >= 0 && Graf.GetValues(index, opr, a, b, c) && opr == u'3') {
        valg = -1;
        Q_EMIT aendret();
        m_beskeder.information(QStringLiteral("Der løses ikke tredjegradsligninger!"));
        return;
    }
    valg = index;
    Q_EMIT aendret();
}

void TGrafformModel::L1BoxChange(int index) {
    valgAendret(m_L1Index, index);
}

void TGrafformModel::L2BoxChange(int index) {
    valgAendret(m_L2Index, index);
}

void TGrafformModel::ImporterAL() {
    if (!m_sider) return;
    const TLigning al = m_sider->andengrads();
    if (al.a == 0) {
        m_beskeder.fejl(QStringLiteral("Der er ikke tale om en andengradsligning!"));
        return;
    }
    AddFormelToGraf(u'a', al.a, al.b, al.c);
    // A success, so it is told in an information box.
    m_beskeder.information(QStringLiteral("Andengradsligning importeret til grafvisning!"));
}

void TGrafformModel::ImporterLigninger() {
    if (!m_sider) return;
    TLigning l1, l2;
    if (!m_sider->hentLigninger(l1, l2)) {
        m_beskeder.fejl(QStringLiteral("Der mangler inputsværdier!"));
        return;
    }
    AddFormelToGraf(l1.opr, l1.a, l1.b, l1.c);
    AddFormelToGraf(l2.opr, l2.a, l2.b, l2.c);
    m_beskeder.information(QStringLiteral("Ligninger importeret til grafvisning!"));
}

void TGrafformModel::MExportClick() {
    bool valgt = false;
    for (const TFormelRaekke& r : m_formelBox)
        valgt = valgt || r.valgt;
    if (!valgt || !m_sider) {
        if (!valgt) m_beskeder.fejl(QStringLiteral("Der er ikke valgt ligninger til eksport!"));
        return;
    }
    bool ligning1 = true;
    bool nogen = false;
    for (int i = 0; i < m_formelBox.size(); ++i) {
        if (!m_formelBox.at(i).valgt) continue;
        TLigning l;
        if (!Graf.GetValues(i, l.opr, l.a, l.b, l.c)) continue;
        if (l.opr == u'a') {
            m_sider->saetAndengrads(l.a, l.b, l.c);
            nogen = true;
            continue;
        }
        // A cubic has no place on either page: it is left out and does not
        // take an equation's turn.
        if (l.opr == u'3') continue;
        m_sider->saetLigning(ligning1, l);
        ligning1 = !ligning1;
        nogen = true;
    }
    if (!nogen) {
        // Only cubics were selected: nothing went anywhere.
        m_beskeder.fejl(QStringLiteral("Der er ikke valgt ligninger til eksport!"));
        return;
    }
    m_beskeder.information(QStringLiteral("Ligninger exporteret!"));
}

void TGrafformModel::EgenskaberClick() {
    Q_EMIT dialogOenskes(Dialog::Farver);
}

void TGrafformModel::zoomBoksKnapClick() {
    Q_EMIT dialogOenskes(Dialog::Zoomcenter);
}

void TGrafformModel::PrinterSetupClick() {
    Q_EMIT dialogOenskes(Dialog::Printeropsaetning);
}

void TGrafformModel::MPrintClick() {
    Q_EMIT dialogOenskes(Dialog::Udskriv);
}

void TGrafformModel::GemSomBilledeClick() {
    const QString fil = m_beskeder.gemFilnavn(
        QStringLiteral("Gem som billede"), m_billedMappe,
        QStringLiteral("PNG-billede (*.png);;SVG-tegning (*.svg);;PDF-dokument (*.pdf)"));
    if (fil.isEmpty()) return;
    m_billedMappe = QFileInfo(fil).absolutePath();
    const QString endelse = QFileInfo(fil).suffix().toLower();
    if (endelse != u"png" && endelse != u"svg" && endelse != u"pdf") {
        m_beskeder.fejl(
            QStringLiteral("Billedet gemmes efter filnavnets endelse: .png, .svg eller .pdf"));
        return;
    }
    if (!m_gemBillede) return;
    // A picture that could not be written whole is said in the window.
    try {
        m_gemBillede(fil);
    } catch (const TFejl& f) {
        m_beskeder.fejl(f.tekst());
    }
}
