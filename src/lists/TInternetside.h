#pragma once
// The top page "Internet": the active group's addresses in a combo box to
// visit, a new address saved with a short name, the choice of the active
// group, and the searches on a web search engine and a video site.
#include "lists/TWebGrupper.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kv {

class Funktionsvaert;

class TInternetside : public QWidget {
    Q_OBJECT
public:
    explicit TInternetside(Funktionsvaert* hoved);

    TWebGrupper web;
    QComboBox* webBoks;
    QLineEdit* webEdit;
    QLabel* gruppenavnLabel;
    QComboBox* gruppeBox;
    QLineEdit* findEdit;

    // At start-up: the settings folder, the active group and the search text of the settings.
    void start(const QString& optMappe, const QString& gruppenavn, const QString& soegetekst);
    void loadGruppefil();
    void loadMainBoksFromWebSL();
    void saveWebSL();
    void insertElement(const QString& aUrl, const QString& aNavn);
    // The first row of gruppeBox, which chooses no group.
    static inline const QString ingenGruppe = u"(ingen gruppe)"_qs;
    // The group names in gruppeBox after a row for no group, the active one chosen.
    void fyldGruppeBox();
    void vaelgGruppe(const QString& navn);

    // The address "Besøg" opens: the pair's address for one of the short
    // names, else the text as typed.
    QString valgtAdresse() const;
    void webUrlExecute();
    bool webUrlUpdate() const;
    void webInsertInListExecute();
    bool webInsertInListUpdate() const;
    // The search page of the web search engine, or of the video site.
    void soeg(bool video);
    // Hands an address to the browser through the shell.
    void aabn(const QString& url);
    // The same for any window; hoved reports a failure.
    static void aabn(Funktionsvaert* hoved, const QString& url);
    // A page of the maker's site by its path ("/gruppe0_8.asp"); "/" the home page.
    static QString makersSide(const QString& sti);

signals:
    // The active group, its addresses or the group names changed.
    void aendret();

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    void visBesked(const QString& besked);
    void visGruppe();
    Funktionsvaert* const hoved;
    bool m_foersteKlik = true;
};

} // namespace kv
