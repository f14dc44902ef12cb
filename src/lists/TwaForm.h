#pragma once
// "Window Applets": buttons that open the desktop's own settings tools, each
// by running an installed applet script. A button whose script finds no
// tool on this computer is disabled, and its hint says so.
#include "ui/TFunktionsform.h"

#include <QList>

#include <optional>

class QPushButton;

namespace kv {

class Baggrundsjob;

class TwaForm : public TFunktionsform {
    Q_OBJECT
public:
    explicit TwaForm(Funktionsvaert* hoved);

    struct Applet {
        const char* knap;  // the button's name
        const char16_t* tekst;
        const char16_t* hint;
        const char16_t* skript;
    };
    static const QList<Applet>& applets();
    // The hint of a button with no tool.
    static QString ingenVaerktoejHint(const QString& hint);

    // Asks every script, all at once and as a job under one time limit for
    // them all, whether it has a tool; disables the buttons of those that have none.
    void undersoeg();
    bool undersoeger() const;
    // Asks the button's script again, as a job, and opens its tool.
    void koerApplet(const Applet& a, QPushButton* knap);

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    QString skriptsti(const Applet& a) const;
    void ingenVaerktoej(QPushButton* knap, const Applet& a);
    // What the script answered when a button was pressed.
    void appletSvar(const Applet& a, QPushButton* knap, std::optional<int> udfald);

    QList<QPushButton*> m_knapper;
    Baggrundsjob* m_undersoegelse;
    Baggrundsjob* m_tryk;
};

} // namespace kv
