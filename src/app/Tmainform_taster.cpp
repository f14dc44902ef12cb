// Keys that users of other file managers reach for, where no key of the
// program already has the meaning: Delete in the structures, F6 for the path
// field; and the host's own paths: typed in the path field, shown in the status bar.
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/Filadresser.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "ui/Beskeder.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeWidget>

namespace kv {

namespace {

// Delete without modifiers in a structure sends the selection to the bin, as
// Ctrl+D does; the structure claims the key before any shortcut of the window.
class SletTast : public QObject {
public:
    SletTast(QObject* parent, QAction* slet, THandlingsliste* handlinger)
        : QObject(parent), m_slet(slet), m_handlinger(handlinger) {}

protected:
    bool eventFilter(QObject* obj, QEvent* event) override
    {
        const bool tryk = event->type() == QEvent::KeyPress;
        if (!tryk && event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(obj, event);
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() != Qt::Key_Delete || k->modifiers() != Qt::NoModifier)
            return QObject::eventFilter(obj, event);
        event->accept();
        if (!tryk)
            return false;
        m_handlinger->opdaterAlle();
        if (m_slet->isEnabled())
            m_slet->trigger();
        return true;
    }

private:
    QAction* m_slet;
    THandlingsliste* m_handlinger;
};

} // namespace

void Tmainform::gaaTilSti(const QString& tekst)
{
    const auto sti = programPathOfTyped(tekst);
    if (!sti) {
        visInformation(u"Stien ligger ikke på noget af programmets drev:\r"_qs + tekst.trimmed());
        return;
    }
    if (fileExists(*sti)) {
        selectFromGal(*sti);
    } else if (folderExists(*sti)) {
        aabnIStruktur2(*sti, true);
        FilStruktur->setFocus();
    } else {
        visInformation(u"Mappen eller filen findes ikke:\r"_qs + *sti);
    }
}

void Tmainform::visVaertssti()
{
    vaertsstiPanel->setVisible(vaertsstiBox->isChecked());
    if (!vaertsstiBox->isChecked())
        return;
    const QString sti = funk->FFilnavn.isEmpty() ? AktuelleMappe : funk->FFilnavn;
    vaertsstiPanel->setText(drives().toHost(sti).value_or(QString()));
}

void Tmainform::bindTaster()
{
    // A setting of its own file, so the main settings keep their lines.
    const QString valgfil = OptMappe + u"\\Vaertssti.txt"_qs;
    vaertsstiBox->setChecked(readTextLines(valgfil).value_or(QStringList()).value(0) == u"1");
    connect(vaertsstiBox, &QCheckBox::toggled, this, [this, valgfil](bool vis) {
        QString fejl;
        if (!writeTextLines(valgfil, {vis ? u"1"_qs : u"0"_qs}, &fejl))
            UdskrivInfo(u"Valget kunne ikke gemmes: "_qs + fejl);
        visVaertssti();
    });
    auto* slet = new SletTast(this, handling("DeleteToPapirkurv"), handlinger);
    for (QTreeWidget* t : {MappeStruktur, FilStruktur, FilStruktur2})
        t->installEventFilter(slet);
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(f6, &QShortcut::activated, this, [this] {
        EditSti->setFocus(Qt::ShortcutFocusReason);
        EditSti->selectAll();
    });
    EditSti->setToolTip(u"Aktuelle sti. Skriv en sti (C:\\…, /home/…, ~/… eller file:///…) og tryk Enter "
                        "for at gå dertil: F6"_qs);
    connect(EditSti, &QLineEdit::returnPressed, this, [this] {
        if (funkReady && !m_optaget)
            gaaTilSti(EditSti->text());
    });
}

} // namespace kv
