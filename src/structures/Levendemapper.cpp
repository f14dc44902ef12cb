#include "structures/Levendemapper.h"
#include "structures/TFunktioner.h"
#include "platform/FileSystem.h"
#include "platform/Mappevagt.h"
#include "platform/Monteringsvagt.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"

#include <QTreeWidget>

namespace kv {

Levendemapper::Levendemapper(TFunktioner& funk, QObject* parent)
    : QObject(parent), m_funk(funk), m_vagt(new Mappevagt(this, 30)), m_monteringer(new Monteringsvagt(this))
{
    // A short wait gathers the first burst; after that a busy folder is listed twice a second.
    m_vagt->setMellemrum(500);
    connect(m_vagt, &Mappevagt::aendret, this, &Levendemapper::aendret);
    connect(m_monteringer, &Monteringsvagt::aendret, this, [this] {
        m_drevVenter = true;
        tagVentende();
    });
    m_igen.setSingleShot(true);
    m_igen.setInterval(200);
    connect(&m_igen, &QTimer::timeout, this, &Levendemapper::tagVentende);
}

QStringList Levendemapper::viste() const
{
    QStringList r;
    if (!m_funk.FFilMappe.isEmpty())
        r << m_funk.FFilMappe;
    if (!m_funk.FMappe3.isEmpty() && !m_funk.FStruktur3Udsnit)
        r << m_funk.FMappe3;
    // The open nodes of Struktur 1 whose content was listed, as far as they can be seen.
    QList<QTreeWidgetItem*> stak;
    for (int i = 0; i < m_funk.FStruktur1->topLevelItemCount(); ++i)
        stak << m_funk.FStruktur1->topLevelItem(i);
    while (!stak.isEmpty()) {
        QTreeWidgetItem* n = stak.takeLast();
        if (!n->isExpanded())
            continue;
        if (const StrukturNode* s = nodeAf(n); s && s->listet)
            r << s->rec.mappe;
        for (int c = 0; c < n->childCount(); ++c)
            stak << n->child(c);
    }
    r.removeDuplicates();
    return r;
}

void Levendemapper::synk()
{
    m_vagt->vogtAlle(viste());
}

QStringList Levendemapper::vogtede() const
{
    return m_vagt->mapper();
}

void Levendemapper::aendret(const QString& mappe)
{
    if (!m_venter.contains(mappe))
        m_venter << mappe;
    tagVentende();
}

void Levendemapper::tagVentende()
{
    if ((FLedig && !FLedig()) || m_funk.fylder()) {
        m_igen.start();
        return;
    }
    if (std::exchange(m_drevVenter, false))
        drevAendret();
    for (const QString& m : std::exchange(m_venter, {}))
        opfrisk(m);
}

bool Levendemapper::fjernHvisBorte(QTreeWidgetItem* node)
{
    const StrukturRec* rec = recAf(node);
    if (!rec || folderExists(rec->mappe))
        return false;
    QTreeWidget* trae = node->treeWidget();
    if (QTreeWidgetItem* forael = node->parent())
        delete forael->takeChild(forael->indexOfChild(node));
    else if (trae)
        delete trae->takeTopLevelItem(trae->indexOfTopLevelItem(node));
    return true;
}

void Levendemapper::opfrisk(const QString& mappe)
{
    ++m_opfriskninger;
    const bool borte = !folderExists(mappe);
    bool fjernet = false;
    bool aendret = false;
    // Struktur 1: every open, listed node of the folder.
    QList<QTreeWidgetItem*> noder;
    QList<QTreeWidgetItem*> stak;
    for (int i = 0; i < m_funk.FStruktur1->topLevelItemCount(); ++i)
        stak << m_funk.FStruktur1->topLevelItem(i);
    while (!stak.isEmpty()) {
        QTreeWidgetItem* n = stak.takeLast();
        const StrukturNode* s = nodeAf(n);
        if (s && s->rec.mappe == mappe && (borte || (s->listet && n->isExpanded())))
            noder << n;
        else if (n->isExpanded())
            for (int c = 0; c < n->childCount(); ++c)
                stak << n->child(c);
    }
    for (QTreeWidgetItem* n : noder) {
        aendret = true;
        if (borte) {
            QTreeWidgetItem* aktuel = m_funk.FStruktur1->currentItem();
            for (QTreeWidgetItem* a = aktuel; a; a = a->parent())
                fjernet = fjernet || a == n;
            fjernHvisBorte(n);
        } else {
            fjernet = m_funk.opfriskBoern(n, mappe, false) || fjernet;
        }
    }
    // Struktur 2: a folder that went (itself, or a folder above it) shows the
    // nearest one that is left; a drive that went leaves it empty until the
    // drive comes back.
    const bool vist2Borte = !m_funk.FFilMappe.isEmpty() && !folderExists(m_funk.FFilMappe)
                            && (m_funk.FFilMappe == mappe || m_funk.FStruktur2->topLevelItemCount() > 0
                                || drives().rootExists(m_funk.FFilMappe[0].toUpper()));
    if (m_funk.FFilMappe == mappe || vist2Borte) {
        aendret = true;
        if (!vist2Borte) {
            fjernet = m_funk.opfriskBoern(m_funk.FStruktur2->invisibleRootItem(), mappe, true) || fjernet;
        } else {
            QString op = m_funk.FFilMappe;
            while (op.contains(u'\\') && !folderExists(op))
                op = parentOf(op);
            if (folderExists(op)) {
                m_funk.makeStruktur2(op, false);
            } else {
                m_funk.FStruktur2->clear();
                m_funk.FFilnavn.clear();
                m_funk.FFilMappeMappe.clear();
            }
            fjernet = true;
        }
    }
    const bool vist3Borte = !m_funk.FMappe3.isEmpty() && !folderExists(m_funk.FMappe3);
    if ((m_funk.FMappe3 == mappe && !m_funk.FStruktur3Udsnit) || vist3Borte) {
        aendret = true;
        if (!vist3Borte) {
            fjernet = m_funk.opfriskBoern(m_funk.FStruktur3->invisibleRootItem(), mappe, true) || fjernet;
        } else {
            m_funk.makeStruktur3(m_funk.FMappe3);
            fjernet = true;
        }
    }
    synk();
    if (aendret && FonAendret)
        FonAendret(fjernet);
}

void Levendemapper::drevAendret()
{
    bool fjernet = m_funk.opfriskDrev();
    // Struktur 2 on a drive that came back shows its folder again.
    if (!m_funk.FFilMappe.isEmpty() && m_funk.FStruktur2->topLevelItemCount() == 0
        && folderExists(m_funk.FFilMappe))
        m_funk.makeStruktur2(m_funk.FFilMappe, false);
    else if (!m_funk.FFilMappe.isEmpty() && !drives().rootExists(m_funk.FFilMappe[0].toUpper()))
        opfrisk(m_funk.FFilMappe);
    synk();
    if (FonAendret)
        FonAendret(fjernet);
}

} // namespace kv
