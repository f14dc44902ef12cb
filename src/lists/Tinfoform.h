#pragma once
// The help window "Information": the help pages of the information folder in
// a text browser, with a history of the pages read, the link under the
// pointer on its status bar, and links that stay inside the window. Only web
// links leave it, for the desktop's browser.
#include "ui/TFunktionsform.h"

#include <QStringList>

class QAction;
class QStatusBar;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace kv {

class Tinfoform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tinfoform(Funktionsvaert* hoved);

    // Pages read, by file name, oldest first, no two alike; urlIndex is the
    // page shown, -1 while there is none.
    QStringList urlSL;
    int urlIndex = -1;
    // The address of the link last found under the pointer.
    QString globalUrl;
    // The program path of the page shown.
    QString Hjemmeside;
    // "Information.txt": left edge, top edge and height of the outside window.
    QString optFilnavn;

    QTextBrowser* browser;
    QStatusBar* StatusBar;
    QAction* aFirst;
    QAction* aBack;
    QAction* aForward;
    QAction* aLast;
    QToolButton* mappeInfoButton;

    // Records the page (a file name in the information folder) and shows it.
    void LoadHjemmeside(const QString& side);
    // Runs the enabling rules of the history.
    void opdaterHandlinger();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggVaerktoej();
    QWidget* byggSideknapper();
    void huskSide(const QString& side);
    // Shows infoDir + side without recording it; a fragment scrolls to its anchor.
    void visSide(const QString& side, const QString& anker = {});
    void gaaTil(int index);
    void linkOver(const QUrl& url);
    void linkKlik(const QUrl& url);
    // The host folder of the information folder, with a closing slash.
    QString infoVaert() const;
};

} // namespace kv
