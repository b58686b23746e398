#pragma once
// A Beskeder that writes down every message and answers questions from a
// queue (default: no). Tests read `boxe` to see what the user would have seen.
#include "core/common/beskeder.h"

#include <QQueue>
#include <QStringList>

class BeskedOptager : public Beskeder {
public:
    struct Boks {
        QString art; // "information", "fejl", "spoerg"
        QString tekst;
    };
    QList<Boks> boxe;
    QStringList hints;
    QQueue<bool> svar;        // answers to questions, in order
    QQueue<QString> filnavne; // answers to file dialogs, in order
    QStringList dialogmapper; // the folder each file dialog opened in

    void information(const QString& t) override { boxe.append({QStringLiteral("information"), t}); }
    void fejl(const QString& t) override { boxe.append({QStringLiteral("fejl"), t}); }
    bool spoerg(const QString& t) override {
        boxe.append({QStringLiteral("spoerg"), t});
        return svar.isEmpty() ? false : svar.dequeue();
    }
    QString aabenFilnavn(const QString&, const QString& mappe, const QString&) override {
        dialogmapper.append(mappe);
        return filnavne.isEmpty() ? QString() : filnavne.dequeue();
    }
    QString gemFilnavn(const QString&, const QString& mappe, const QString&) override {
        dialogmapper.append(mappe);
        return filnavne.isEmpty() ? QString() : filnavne.dequeue();
    }
    void statusHint(const QString& t) override { hints.append(t); }

    QStringList tekster() const {
        QStringList l;
        for (const auto& b : boxe)
            l << b.tekst;
        return l;
    }
};
