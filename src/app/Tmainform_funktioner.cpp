// Function windows docked in tabs: the tab row `tc`, the room the main window
// makes for the first tab, and the size it gets back after the last.
#include "ui/TFunktionsform.h"
#include "app/Tmainform.h"

#include <QCheckBox>
#include <QLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <algorithm>

namespace kv {

void Tmainform::bindFunktioner()
{
    tc->setTabsClosable(true);
    tc->setExpanding(false);
    tc->setDocumentMode(true);
    connect(tc, &QTabBar::currentChanged, this, [this](int index) {
        for (TFunktionsform* w : m_funktioner) {
            if (w && !w->showType && w->CapNavn == tc->tabText(index))
                w->laegForrest();
        }
    });
    connect(tc, &QTabBar::tabCloseRequested, this, [this](int index) {
        for (TFunktionsform* w : m_funktioner) {
            if (w && !w->showType && w->CapNavn == tc->tabText(index))
                w->close();
        }
    });
}

TFunktionsform* Tmainform::funktionsvindue(int nummer) const
{
    return nummer >= 1 && nummer <= 8 ? m_funktioner[nummer].data() : nullptr;
}

QRect Tmainform::skaermen() const
{
    const QScreen* s = QGuiApplication::screenAt(frameGeometry().center());
    return (s ? s : QGuiApplication::primaryScreen())->availableGeometry();
}

Tmainform::Dokplads Tmainform::dokplads() const
{
    // The first tab widens the window to hold the columns and a docked window
    // of 586 pixels, and hides the right-hand panel when it is in the way.
    const auto bredde = [](const QWidget* w) { return w->isHidden() ? 0 : w->minimumWidth(); };
    const int noedvendig = bredde(BleftPanel) + bredde(BleftPanel2) + 586;
    const int panel = BrightPanel->minimumWidth();
    const bool panelVises = !BrightPanel->isHidden();
    Dokplads d;
    d.stoerrelse = QSize(width(), height() <= 840 ? 841 : height());
    bool iVejen = false;
    if (hpSynligtBox->isChecked() && panelVises) {
        d.stoerrelse.setWidth(noedvendig + panel);
    } else {
        iVejen = width() < noedvendig || width() - noedvendig < panel;
        d.stoerrelse.setWidth(std::max(width(), noedvendig));
    }
    d.skjulPanel = iVejen && panelVises;
    // Never narrower than before, never beyond the screen, and a maximised window keeps its size.
    const QSize ramme = frameGeometry().size() - size();
    d.stoerrelse = d.stoerrelse.expandedTo(size()).boundedTo(skaermen().size() - ramme).expandedTo(minimumSize());
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        d.stoerrelse = size();
    // The free area takes what the window's new width leaves beside the columns.
    const QWidget* krop = fritOmraade->parentWidget();
    const QLayout* kolonner = krop->layout();
    const QMargins m = kolonner->contentsMargins();
    int optaget = m.left() + m.right();
    for (const QWidget* k : {BleftPanel, BleftPanel2, BrightPanel})
        if (!k->isHidden() && !(k == BrightPanel && d.skjulPanel))
            optaget += std::max(k->sizeHint().width(), k->minimumWidth()) + kolonner->spacing();
    d.bredde = d.stoerrelse.width() - (width() - krop->width()) - optaget;
    return d;
}

int Tmainform::dokBredde() const
{
    return tc->count() > 0 ? fritOmraade->width() : dokplads().bredde;
}

void Tmainform::InsertTab(int nummer)
{
    if (tc->count() == 0) {
        oldWidth = width();
        oldHeight = height();
        m_tabStoerrelse = QSize();
        const Dokplads d = dokplads();
        VisPanel3 = d.skjulPanel;
        if (VisPanel3)
            BrightPanel->hide();
        if (d.stoerrelse != size()) {
            resize(d.stoerrelse);
            m_tabStoerrelse = d.stoerrelse;
            holdPaaSkaermen();
        }
        tc->show();
    }
    tc->addTab(QString::fromUtf16(funktion(nummer).navn));
    tc->setCurrentIndex(tc->count() - 1);
}

void Tmainform::CloseTab(const QString& caption)
{
    for (int i = 0; i < tc->count(); ++i) {
        if (tc->tabText(i) == caption) {
            tc->removeTab(i);
            break;
        }
    }
    if (tc->count() > 0)
        return;
    tc->hide();
    if (VisPanel3 && (!hpSynligtBox->isChecked() || BrightPanel->isHidden())) {
        BrightPanel->show();
        VisPanel3 = false;
    }
    givStoerrelseTilbage();
}

void Tmainform::givStoerrelseTilbage()
{
    // A size the user chose meanwhile stays.
    if (m_tabStoerrelse.isValid() && size() == m_tabStoerrelse)
        resize(oldWidth, oldHeight);
    m_tabStoerrelse = QSize();
}

void Tmainform::fokusTab(const QString& caption)
{
    for (int i = 0; i < tc->count(); ++i) {
        if (tc->tabText(i) == caption) {
            tc->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace kv
