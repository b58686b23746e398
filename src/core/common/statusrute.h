#pragma once
// Status messages ("Ingen beregning!", "Afbrudt") are the program speaking,
// not the hint of the control under the mouse: they reach the status bar
// whether or not hints are shown. This Beskeder passes everything on to
// another one and sends the status messages to the status bar as well.
#include "core/common/beskeder.h"

#include <functional>

class TStatusRute : public Beskeder {
public:
    explicit TStatusRute(Beskeder& videre) : m_videre(videre) {}

    // Where status messages are written (the main window's status field).
    std::function<void(const QString&)> statusfelt;

    void information(const QString& t) override { m_videre.information(t); }
    void fejl(const QString& t) override { m_videre.fejl(t); }
    bool spoerg(const QString& t) override { return m_videre.spoerg(t); }
    QString aabenFilnavn(const QString& titel, const QString& mappe,
                         const QString& filter) override {
        return m_videre.aabenFilnavn(titel, mappe, filter);
    }
    QString gemFilnavn(const QString& titel, const QString& mappe, const QString& filter) override {
        return m_videre.gemFilnavn(titel, mappe, filter);
    }
    void statusHint(const QString& t) override {
        if (statusfelt) statusfelt(t);
        m_videre.statusHint(t);
    }

private:
    Beskeder& m_videre;
};
