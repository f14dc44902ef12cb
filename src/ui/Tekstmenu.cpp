#include "ui/Tekstmenu.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace kv {

namespace {

QAction* handling(QPlainTextEdit* memo, const char* navn, const QString& tekst, const QString& hint,
                  const QKeySequence& tast)
{
    auto* a = new QAction(tekst, memo);
    a->setObjectName(QString::fromLatin1(navn));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    a->setShortcut(tast);
    a->setShortcutContext(Qt::WidgetShortcut);
    memo->addAction(a);
    return a;
}

QAction* find(QPlainTextEdit* memo, const char* navn)
{
    return memo->findChild<QAction*>(QString::fromLatin1(navn), Qt::FindDirectChildrenOnly);
}

} // namespace

void saetTekstmenu(QPlainTextEdit* memo)
{
    const auto ctrlAlt = [](Qt::Key k) { return QKeySequence(Qt::CTRL | Qt::ALT | k); };
    auto* annuller = handling(memo, "aAnnuller", u"Annuller"_qs, u"Annuller handling: Ctrl+Alt+Z"_qs, ctrlAlt(Qt::Key_Z));
    auto* klip = handling(memo, "aKlip", u"Klip"_qs, u"Klip valgte tekst: Ctrl+Alt+X"_qs, ctrlAlt(Qt::Key_X));
    auto* kopier = handling(memo, "aKopier", u"Kopier"_qs, u"Kopier valgte tekst: Ctrl+Alt+C"_qs, ctrlAlt(Qt::Key_C));
    auto* saetInd = handling(memo, "aSaetInd", u"Sæt ind"_qs, u"Indsæt tekst fra klipbord: Ctrl+Alt+V"_qs,
                             ctrlAlt(Qt::Key_V));
    auto* vaelgAlt = handling(memo, "aVaelgAlt", u"Vælg alt"_qs, u"Vælg alt: Ctrl+Alt+A"_qs, ctrlAlt(Qt::Key_A));
    // The memo keeps Del for itself; the menu shows it.
    auto* slet = handling(memo, "aSlet", u"Slet"_qs, u"Slet valgte tekst: Del"_qs, QKeySequence(Qt::Key_Delete));
    QObject::connect(annuller, &QAction::triggered, memo, &QPlainTextEdit::undo);
    QObject::connect(klip, &QAction::triggered, memo, &QPlainTextEdit::cut);
    QObject::connect(kopier, &QAction::triggered, memo, &QPlainTextEdit::copy);
    QObject::connect(saetInd, &QAction::triggered, memo, &QPlainTextEdit::paste);
    QObject::connect(vaelgAlt, &QAction::triggered, memo, &QPlainTextEdit::selectAll);
    QObject::connect(slet, &QAction::triggered, memo, [memo] { memo->textCursor().removeSelectedText(); });

    const auto opdater = [=] {
        const bool valgt = memo->textCursor().hasSelection();
        annuller->setEnabled(!memo->isReadOnly() && memo->document()->isUndoAvailable());
        klip->setEnabled(valgt && !memo->isReadOnly());
        kopier->setEnabled(valgt);
        slet->setEnabled(valgt && !memo->isReadOnly());
        // What the clipboard holds is asked for only as the menu opens: on X11
        // each look is a round trip to its owner, and a paste of nothing does nothing.
        saetInd->setEnabled(!memo->isReadOnly());
    };
    QObject::connect(memo, &QPlainTextEdit::undoAvailable, memo, opdater);
    QObject::connect(memo, &QPlainTextEdit::copyAvailable, memo, opdater);
    opdater();

    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(memo, &QWidget::customContextMenuRequested, memo, [memo](const QPoint& sted) {
        QMenu* menu = lavTekstmenu(memo);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(memo->viewport()->mapToGlobal(sted));
    });
}

QMenu* lavTekstmenu(QPlainTextEdit* memo)
{
    auto* menu = new QMenu(memo);
    menu->setObjectName(u"tekstmenu"_qs);
    menu->setToolTipsVisible(true);
    find(memo, "aSaetInd")->setEnabled(memo->canPaste());
    menu->addAction(find(memo, "aAnnuller"));
    menu->addSeparator();
    for (const char* navn : {"aKlip", "aKopier", "aSaetInd", "aSlet"})
        menu->addAction(find(memo, navn));
    menu->addSeparator();
    menu->addAction(find(memo, "aVaelgAlt"));
    return menu;
}

} // namespace kv
