#pragma once
// "Window Applets": buttons that open the desktop's own settings tools, each
// by running an installed applet script. A button whose script finds no
// tool on this computer is disabled, and its hint says so.
#include "app/TFunktionsform.h"

#include <QList>

class QPushButton;

namespace kv {

class TwaForm : public TFunktionsform {
    Q_OBJECT
public:
    explicit TwaForm(Tmainform* hoved);

    struct Applet {
        const char* knap;  // the button's name
        const char16_t* tekst;
        const char16_t* hint;
        const char16_t* skript;
    };
    static const QList<Applet>& applets();
    // The hint of a button with no tool.
    static QString ingenVaerktoejHint(const QString& hint);

    // Asks every script, all at once, whether it has a tool; disables the
    // buttons of those that have none.
    void undersoeg();
    void koerApplet(const Applet& a, QPushButton* knap);

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    QString skriptsti(const Applet& a) const;
    void ingenVaerktoej(QPushButton* knap, const Applet& a);

    QList<QPushButton*> m_knapper;
};

} // namespace kv
