#include "structures/StrukturRec.h"
#include "platform/ProgramPath.h"

namespace kv {

StrukturNode::StrukturNode(const QString& caption, Billede b, StrukturRec r)
    : QTreeWidgetItem(QStringList{visningsnavn(caption)}, NodeType), rec(std::move(r)), billede(b)
{
}

StrukturNode::StrukturNode(Billede b, StrukturRec r)
    : QTreeWidgetItem(NodeType), rec(std::move(r)), billede(b), m_navnFraSti(true)
{
    // A list's row never gets rows under it; told so, the view need not ask
    // each row for children when it lays out a million of them.
    setFlags(flags() | Qt::ItemNeverHasChildren);
}

void StrukturNode::setBillede(Billede b)
{
    billede = b;
    m_egetIkon = false;
    emitDataChanged();
}

QVariant StrukturNode::data(int column, int role) const
{
    if (column == 0) {
        if (role == Qt::DecorationRole && !m_egetIkon)
            return ikon(billede);
        if ((role == Qt::DisplayRole || role == Qt::EditRole) && m_navnFraSti)
            return visningsnavn(nameOf(rec.filnavn.isEmpty() ? rec.mappe : rec.filnavn));
    }
    return QTreeWidgetItem::data(column, role);
}

void StrukturNode::setData(int column, int role, const QVariant& value)
{
    if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
        m_navnFraSti = false;
    if (column == 0 && role == Qt::DecorationRole)
        m_egetIkon = true;
    QTreeWidgetItem::setData(column, role, value);
}

StrukturNode* nodeAf(QTreeWidgetItem* item)
{
    return item && item->type() == StrukturNode::NodeType ? static_cast<StrukturNode*>(item) : nullptr;
}

const StrukturRec* recAf(const QTreeWidgetItem* item)
{
    return item && item->type() == StrukturNode::NodeType ? &static_cast<const StrukturNode*>(item)->rec : nullptr;
}

} // namespace kv
