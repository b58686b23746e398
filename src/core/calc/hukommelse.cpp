#include "core/calc/hukommelse.h"

#include "core/common/taltekst.h"

THukommelse::THukommelse(QObject* parent) : QObject(parent) {
    Huk.setImageStartNr(0);
    Huk.setMenuStartNr(0);
    Huk.setBreakNr(8);
    Huk.setBreaktype(TBreakType::bjaelkeBrud);
    Huk.setFilantal(16);
    Huk.setItemtype(itAndet);
    Huk.setMainItem(&hukommelseMenu);
    connect(&Huk, &TReopenFiler::OnKlik, this, &THukommelse::HukKlik);
}

void THukommelse::gemFraVindue(const QString& label, double vaerdi) {
    gemFraVindue(label, vaerdi, tal::generel(vaerdi));
}

void THukommelse::gemFraVindue(const QString& label, double vaerdi, const QString& caption) {
    Hval = vaerdi;
    Huk.InsertItem(label, caption);
    Huk.MakeMenu(-1);
    visCaption(caption);
}

void THukommelse::HukKlik(int position, const QString& filnavn) {
    const int index = position - Huk.MenuStartNr();
    QString caption = Huk.GetCaption(index);
    // A menu may have put an accelerator marker in front.
    if (caption.startsWith(u'&')) caption.remove(0, 1);
    Hval = tal::laes(caption);
    const QString ny = tal::generel(Hval);
    Huk.DeleteItem(index);
    Huk.InsertItem(filnavn, ny);
    Huk.MakeMenu(-1);
    visCaption(ny);
}

void THukommelse::rmSletAktuelleClick() {
    Huk.DeleteItem(0);
    Huk.MakeMenu(-1);
    if (Huk.Antal() > 0) {
        const QString caption = Huk.GetCaption(0);
        Hval = tal::laes(caption);
        visCaption(caption);
    } else {
        Hval = 0;
        visCaption(QString());
    }
}

void THukommelse::rmDeleteHukommelseClick() {
    Huk.DeleteAllItems();
    Huk.MakeMenu(-1);
    Hval = 0;
    visCaption(QString());
}

void THukommelse::setFilantal(int antal) {
    Huk.setFilantal(antal);
    meld();
}

QStringList THukommelse::captions() const {
    QStringList l;
    for (const TReopenRec& r : Huk.Ropen())
        l << r.Caption;
    return l;
}

void THukommelse::hold() {
    ++m_holdt;
}

void THukommelse::slip() {
    if (m_holdt > 0 && --m_holdt == 0 && m_aendretUnderHold) {
        m_aendretUnderHold = false;
        Q_EMIT aendret();
    }
}

void THukommelse::visCaption(const QString& caption) {
    hukDisplay = caption;
    meld();
}

void THukommelse::meld() {
    if (m_holdt > 0)
        m_aendretUnderHold = true;
    else
        Q_EMIT aendret();
}
