#include "core/graph/ligning3model.h"

#include "core/common/almenx.h"
#include "core/common/taltekst.h"
#include "core/graph/funktioner.h"

TForm3Model::TForm3Model(TFunktioner& graf, QObject* parent) : QObject(parent), m_graf(graf) {}

void TForm3Model::visKnapClick() {
    const double a = TAlmenX::EditFloat(ligningA);
    const double b = TAlmenX::EditFloat(ligningB);
    const double c = TAlmenX::EditFloat(ligningC);
    const double d = TAlmenX::EditFloat(ligningD);
    visKoefficienter(a, b, c, d);
    m_graf.NyGraf3(a, b, c, d, true);
}

void TForm3Model::nyKnapClick() {
    ligningA.clear();
    ligningB.clear();
    ligningC.clear();
    ligningD.clear();
    Q_EMIT aendret();
    Q_EMIT fokusOenskes(QStringLiteral("ligningA"));
}

bool TForm3Model::FormKeyDown(int qtKey, Qt::KeyboardModifiers mods, bool tekstboksFokus) {
    const bool ctrl = mods & Qt::ControlModifier;
    if ((qtKey == Qt::Key_Home && !ctrl && !tekstboksFokus) || (ctrl && qtKey == Qt::Key_N)) {
        nyKnapClick();
        return true;
    }
    if (qtKey == Qt::Key_F9) {
        visKnapClick();
        return true;
    }
    return false;
}

void TForm3Model::visKoefficienter(double a, double b, double c, double d) {
    ligningA = tal::generel(a);
    ligningB = tal::generel(b);
    ligningC = tal::generel(c);
    ligningD = tal::generel(d);
    Q_EMIT aendret();
}
