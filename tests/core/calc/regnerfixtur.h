#pragma once
// A calculator with its list and memory, and a message recorder, driven the
// way the keyboard drives it.
#include "beskedoptager.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/fejl.h"

#include <QStringList>

struct RegnerFixtur {
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    QStringList fejl; // errors thrown out of key handlers, as the view would show them

    // Types the keys one by one; an error ends that key only, as in the window.
    void tast(const QString& taster) {
        for (const QChar c : taster) {
            try {
                regner.FormKeyPress(c);
            } catch (const TFejl& e) {
                fejl << e.tekst();
            }
        }
    }
    QString liste() const { return meta.linjer.join(u'|'); }
};
