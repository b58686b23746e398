#pragma once
// Beskeder shown with real dialogs: Danish message boxes and file dialogs.
// Status messages go to the main window's status bar on a road of their own
// (TStatusRute); here they end.
#include "core/common/beskeder.h"

#include <functional>
#include <QPointer>
#include <QWidget>

class TQtBeskeder : public Beskeder {
public:
    // The dialogs are parented to the window that `ejer` returns.
    explicit TQtBeskeder(std::function<QWidget*()> ejer);

    void information(const QString& tekst) override;
    void fejl(const QString& tekst) override;
    bool spoerg(const QString& tekst) override;
    QString aabenFilnavn(const QString& titel, const QString& mappe,
                         const QString& filter) override;
    QString gemFilnavn(const QString& titel, const QString& mappe, const QString& filter) override;
    void statusHint(const QString& tekst) override;

private:
    std::function<QWidget*()> m_ejer;
};
