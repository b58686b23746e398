#pragma once
// The event boundary: every view forwards user events to its model through
// `vedGraensen`, so an error the model lets through (a number text that does
// not convert, a file that cannot be written, a short options file) ends that
// operation with an error box carrying the error's own text, and the program
// goes on.
#include "core/common/fejl.h"

#include <exception>
#include <functional>
#include <QString>
#include <QStringList>
#include <utility>

class QWidget;

// Shows the application's standard error box (title "Fejl", OK button), or
// hands the text to the receiver set with setFejlModtager (tests use that so
// that no dialog can block them).
void visFejlboks(QWidget* ejer, const QString& tekst);
void setFejlModtager(std::function<void(const QString&)> modtager);

// While one lives, error boxes are not shown but collected, so that several
// failures of one operation (the windows saving as the program ends) can be
// told in one box.
class TFejlSamler {
public:
    TFejlSamler();
    ~TFejlSamler();
    TFejlSamler(const TFejlSamler&) = delete;
    TFejlSamler& operator=(const TFejlSamler&) = delete;
    const QStringList& tekster() const { return m_tekster; }

private:
    friend void visFejlboks(QWidget* ejer, const QString& tekst);
    QStringList m_tekster;
    TFejlSamler* m_forrige;
};

template <typename F> bool vedGraensen(QWidget* ejer, F&& handling) {
    try {
        std::forward<F>(handling)();
        return true;
    } catch (const TFejl& f) {
        visFejlboks(ejer, f.tekst());
    } catch (const std::exception& e) {
        visFejlboks(ejer, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

// Calls (objekt.*handling)(argumenter...) at the boundary. Views connect their
// buttons to model operations through this rather than through a lambda that
// captures `this` and a member-function pointer and calls them from an inner
// `[&]` lambda: that idiom is sound C++, but GCC 12's -fsanitize=vptr checks
// the nested call against a wrong address (a stack slot) and aborts the
// program, and under AddressSanitizer the check's own read is reported as a
// stack-buffer-underflow. Here no lambda captures `this`.
template <typename O, typename H, typename... A>
bool vedGraensen(QWidget* ejer, O& objekt, H handling, A&&... argumenter) {
    return vedGraensen(ejer, [&] { (objekt.*handling)(std::forward<A>(argumenter)...); });
}
