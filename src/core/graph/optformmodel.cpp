#include "core/graph/optformmodel.h"

#include "core/graph/grafformmodel.h"

TOptformModel::TOptformModel(const QString& optDir, TGrafformModel& graf, Beskeder& beskeder,
                             QObject* parent)
    : QObject(parent), opt(optDir, QStringLiteral("options.txt")), m_graf(graf),
      m_beskeder(beskeder) {}

QStringList TOptformModel::farveNavne() {
    return {QStringLiteral("Sort"),   QStringLiteral("Kastanje"),   QStringLiteral("Grøn"),
            QStringLiteral("Oliven"), QStringLiteral("Mørk blå"),   QStringLiteral("Mørk lilla"),
            QStringLiteral("Turkis"), QStringLiteral("Grå"),        QStringLiteral("Sølv"),
            QStringLiteral("Rød"),    QStringLiteral("Lys grøn"),   QStringLiteral("Gul"),
            QStringLiteral("Blå"),    QStringLiteral("Lys lilla"),  QStringLiteral("Vand"),
            QStringLiteral("Hvid"),   QStringLiteral("Penge grøn"), QStringLiteral("Himmel blå"),
            QStringLiteral("Cream"),  QStringLiteral("Mellem grå")};
}

void TOptformModel::FormCreate() {
    opt.hentOpt(m_beskeder);
    Farvebox = m_graf.farveItemIndex;
    Liniebox = m_graf.linieItemIndex;
    Kurvebox = m_graf.kurveItemIndex;
    NyKurvebox = m_graf.kurveItemIndex;
    bgfarvePan = m_graf.Graf.Color();
    colorPan = m_graf.Graf.ColorLinie();
    Q_EMIT aendret();
}

void TOptformModel::skiftKurvefarveClick() {
    // Only the next curves: the saved choice stays as it was.
    m_graf.Graf.setColorLinie(TGrafformModel::getFarver(NyKurvebox));
    bgfarvePan = m_graf.Graf.Color();
    colorPan = m_graf.Graf.ColorLinie();
    Q_EMIT aendret();
}

void TOptformModel::NyKurveboxChange(int index) {
    NyKurvebox = index;
    bgfarvePan = m_graf.Graf.Color();
    colorPan = TGrafformModel::getFarver(index);
    Q_EMIT aendret();
}

void TOptformModel::oprindeligeKnapClick() {
    Farvebox = 18;
    Liniebox = 7;
    Kurvebox = 0;
    NyKurvebox = 0;
    Q_EMIT aendret();
}

void TOptformModel::realiserKnapClick() {
    m_graf.farveItemIndex = Farvebox;
    m_graf.linieItemIndex = Liniebox;
    m_graf.kurveItemIndex = Kurvebox;
    m_graf.Graf.setColor(TGrafformModel::getFarver(Farvebox));
    m_graf.Graf.setColorKS(TGrafformModel::getFarver(Liniebox));
    m_graf.Graf.setColorLinie(TGrafformModel::getFarver(Kurvebox));
    if (valGruppe == 1) {
        m_graf.defaultOpt();
        // The lists show the restored choices, so that the next "Realiser"
        // does not bring back the colours just undone.
        Farvebox = m_graf.farveItemIndex;
        Liniebox = m_graf.linieItemIndex;
        Kurvebox = m_graf.kurveItemIndex;
        NyKurvebox = m_graf.kurveItemIndex;
        colorPan = m_graf.Graf.ColorLinie();
    }
    bgfarvePan = m_graf.Graf.Color();
    Q_EMIT aendret();
    Q_EMIT m_graf.aendret();
}
