#pragma once
// The application frame: the main window's pages, the list panel, the status
// bar, the main options file, themes and the rules for closing.
//
// The main window is the hub of the program. This model holds the frame's
// state (which page is shown, how wide the window is, where it stands, which
// theme is in effect) and runs the page operations, the list-panel toggle,
// the panel keys and the "Menu" items. The calculator itself lives in
// TRegner; the frame drives it through its public operations (new task,
// angle mode, decimals, list switches) and reads the shown value for the
// prime test. Views show this state and forward every event here.
#include "core/common/programmapper.h"

#include <functional>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QStringList>

class Beskeder;
class TRegner;
class THukommelse;
class TUdtryk;
class THjaelp;

class TMainformModel : public QObject {
    Q_OBJECT
public:
    // Page numbers as stored in the options file (`rmSide`).
    enum Side {
        IngenSide = -1,
        RmSide = 0,
        AndengradsSide = 1,
        LigningerSide = 2,
        FormelSide = 3,
        StatistikSide = 4,
        RmSideX = 100,
    };
    // The secondary windows the frame asks for.
    enum class Vindue { Graf, Andet, Egenskaber, Struktur, Om };
    Q_ENUM(Vindue)
    // The width the window takes when the list is shown beside a page that
    // filled it.
    static constexpr int listeBredde = 489;

    TMainformModel(const TProgramMapper& mapper, Beskeder& beskeder, TRegner& regner,
                   THukommelse& hukommelse, TUdtryk& udtryk, QObject* parent = nullptr);

    // Program folders.
    const TProgramMapper& mapper() const { return m_mapper; }
    const QString& programdir() const { return m_mapper.programdir; }
    const QString& formeldir() const { return m_mapper.formeldir; }
    const QString& optDir() const { return m_mapper.optDir; }
    const QString& optFilnavn() const { return m_mapper.optFilnavn; }
    const QString& strukturDir() const { return m_mapper.strukturDir; }

    // Frame state.
    int rmSide = RmSide;
    int formWidth = listeBredde;
    QString designName;
    bool doShowHint = true;
    int hukFilantal = 16;

    // What the view shows.
    int synligSide = RmSide;      // the one page shown
    int displayBlokSide = RmSide; // calculator page holding the display and menu blocks
    bool vinkelKnapperSynlige = true;
    bool udBoxSynlig = true;      // the expression line
    bool metaPanelSynlig = false; // the list panel
    bool miniMetaPanelSynlig = false;
    int klientBredde = 300;  // the window's client width
    bool centrer = false;    // centre the window on the desktop
    QPoint vinduesPos{0, 0}; // left, top of the window
    QString statusBogstav;   // status-bar field 2: key letter under the mouse
    QString statusInfo;      // status-bar field 4: long hint under the mouse, or a message

    static int sideBredde(int side);

    // Window placement. Saved coordinates beyond this are not a place on any
    // screen and are not used in arithmetic.
    static constexpr int maksKoordinat = 100000;
    // The narrowest list panel: showing the list never leaves it less room.
    static constexpr int mindsteListeBredde = 120;
    // The widest client area the screens allow; set by the view.
    int maksKlientBredde = 16384;
    // Fits the window to the screens' available areas: widths within the
    // widest screen, and the place where the saved rectangle of size `vindue`
    // shows enough of the window on some screen, else centred on the first
    // screen. Sets and returns `vinduesPos`.
    QPoint placering(const QList<QRect>& skaerme, QSize vindue);
    void saetMaksKlientBredde(int bredde);
    static int mindsteFormWidth();

    // Start-up and closing.
    void FormCreate();
    void HentOpt();
    void GemOpt() const;
    bool FormCloseQuery();
    // Writes every window's options and then "mainform.txt". Every failure,
    // with `andreFejl` (those of windows that saved as they closed), is told
    // in one error box.
    void FormClose(const QStringList& andreFejl = {});
    void FormResize(int nyKlientBredde);
    void flyttet(QPoint pos) { vinduesPos = pos; }

    // Pages.
    void visRmBoks();
    void visRmBoksX();
    void visAndengradsBoks();
    void visLigningerBoks();
    void visFormelBoks();
    void visStatistikBoks();
    void visRm2Click();
    void visStandardClick();
    void visAndengrads1Click() { visAndengradsBoks(); }
    void visLigninger1Click() { visLigningerBoks(); }
    void visFormel1Click() { visFormelBoks(); }
    void visStatistik1Click() { visStatistikBoks(); }
    void visGrafboks1Click();
    void metaVisClick();
    // A formula program starts: the calculator page with its list, wide
    // enough for the protocol to be readable, and the focus off the
    // expression window.
    void visRegnerMedListe();
    bool erRegnerSide() const { return synligSide == RmSide || synligSide == RmSideX; }

    // The "Primtal" button.
    static qint32 primtalFraVaerdi(double v);
    void Button1Click();
    // Tells whether the prime test allows closing (its window sets this up).
    void setKanLukkes(std::function<bool()> f) { m_kanLukkes = std::move(f); }
    // Another window's options writer, run when the main window closes.
    void vedLukning(std::function<void()> gem) { m_vedLukning.append(std::move(gem)); }

    // Hints and the status bar. A hint (of the control under the mouse)
    // shows only while hints are on; a status message always shows.
    void showHint(const QString& hint);
    void visStatus(const QString& tekst);
    void knapBogstav(const QString& bogstav);

    // Keys common to every page and the page-dependent ones; true when acted.
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods);
    // A page's own keys (Home, Ctrl+N, F9, ...), tried before the frame's page keys.
    void setSideTaster(int side, std::function<bool(int, Qt::KeyboardModifiers)> taster) {
        m_sideTaster.insert(side, std::move(taster));
    }
    // The list panel's "[G]" (SpeedButton7): runs the formula program again.
    std::function<void()> gentagFormel;
    void SpeedButton7Click() {
        if (gentagFormel) gentagFormel();
    }
    void setUMemoFokus(bool fokus);
    bool uMemoHarFokus() const { return m_uMemoFokus; }
    // A box the user types text into has the focus: Home then moves its caret
    // and is no page's "Ny" (Ctrl+N still is).
    void setTekstboksFokus(bool fokus) { m_tekstboksFokus = fokus; }

    // The "Menu" items.
    void InformationClick() { Information(QStringLiteral("Tavlix")); }
    void EnhedsinformationClick() { Enhedsinformation(QStringLiteral("SI-enheder")); }
    void mAfunkClick();
    void EgenskaberClick();
    void Strukturprogram1Click();
    void SendKritikClick();
    void HjemmesidenClick();
    void OmTavlix1Click();
    // Help topics: open topic `emne` of the program information, of the unit
    // information or of any structure in the information browser.
    void Information(const QString& emne);
    // `fokus` false: the browser is shown (and activated) only when hidden,
    // and otherwise turns its page without taking the focus.
    void Enhedsinformation(const QString& emne, bool fokus = true);
    void HelpInfo(const QString& struktur, const QString& emne);
    // A structure chosen in a structure menu: opened at its first topic.
    void PUonclick(const QString& caption);
    // The browser, which opens the help topics (null: only the signal).
    void setHjaelp(THjaelp* hjaelp) { m_hjaelp = hjaelp; }
    // Opens a web address in the desktop's browser; false when none started.
    void setWebAabner(std::function<bool(const QString&)> f) { m_webAabner = std::move(f); }

    // Themes.
    static QStringList temaNavne();
    static QString standardTema() { return QStringLiteral("Iceberg Classico"); }
    // The theme names for the settings dialog and the index of the one in effect (-1 none).
    QStringList loadDesign(int* valgt) const;
    void newDesign(const QString& valgtNavn);

    static const char* hjemmesideAdresse();
    static const char* kritikAdresse();

Q_SIGNALS:
    void aendret(); // the frame's layout or status bar changed
    void designAendret(const QString& navn);
    void fokusTilForm(); // no control keeps the focus
    void informationOenskes(const QString& struktur, const QString& emne);
    void vinduesOenske(TMainformModel::Vindue vindue); // a secondary window is asked for
    void primtalOenskes(qint32 tal);
    void visInfform(const QString& tekst); // modal message window
    void lukVinduerForTema();

private:
    void saetKlientBredde(int bredde);
    void visSide(int side);
    void anvendDesign(const QString& navn);
    void anvendVinkel(int gradIndex);

    TProgramMapper m_mapper;
    Beskeder& m_beskeder;
    TRegner& m_regner;
    THukommelse& m_hukommelse;
    TUdtryk& m_udtryk;
    std::function<bool()> m_kanLukkes;
    QHash<int, std::function<bool(int, Qt::KeyboardModifiers)>> m_sideTaster;
    QList<std::function<void()>> m_vedLukning;
    bool m_uMemoFokus = false;
    bool m_tekstboksFokus = false;
    THjaelp* m_hjaelp = nullptr;
    std::function<bool(const QString&)> m_webAabner;
    void aabnAdresse(const QString& adresse);
};
