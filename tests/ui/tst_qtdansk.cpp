// Qt's own dialogs speak Danish: the program loads Qt's translations.
#include "ui/app/qtdansk.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TstQtdansk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardknapperOgFildialog() {
        // scripts/install-deps brings them (qt6-translations-l10n).
        QVERIFY2(qtdansk::indlaes(*qApp), "Qt's Danish translations (qtbase_da.qm) were not found");
        QVERIFY(qtdansk::kilde().endsWith(QStringLiteral("qtbase_da.qm")));
        QDialogButtonBox knapper(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                 QDialogButtonBox::Save);
        QCOMPARE(knapper.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
                 QStringLiteral("Annuller"));
        QCOMPARE(knapper.button(QDialogButtonBox::Save)->text().remove(u'&'),
                 QStringLiteral("Gem"));
        // Qt's own file dialog, as the program shows it where the desktop has
        // none: its labels are no longer the English ones.
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        QStringList etiketter;
        for (const QLabel* l : d.findChildren<QLabel*>())
            etiketter << l->text().remove(u'&');
        QVERIFY2(!etiketter.contains(QStringLiteral("Look in:")), qPrintable(etiketter.join(u'|')));
        QVERIFY2(!etiketter.contains(QStringLiteral("File name:")),
                 qPrintable(etiketter.join(u'|')));
    }
};

QTEST_MAIN(TstQtdansk)
#include "tst_qtdansk.moc"
