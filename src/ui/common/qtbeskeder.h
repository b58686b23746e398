#pragma once
// Beskeder shown with real dialogs: Danish message boxes, file dialogs and
// the application's hint.
#include "common/beskeder.h"

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

    // Where statusHint goes (the main window's hint handler).
    std::function<void(const QString&)> hintModtager;

private:
    std::function<QWidget*()> m_ejer;
};
