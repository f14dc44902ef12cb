#include "structures/StrukturRec.h"

namespace kv {

StrukturNode::StrukturNode(const QString& caption, Billede b, StrukturRec r)
    : QTreeWidgetItem(QStringList{caption}, NodeType), rec(std::move(r)), billede(b)
{
    setIcon(0, ikon(b));
}

void StrukturNode::setBillede(Billede b)
{
    billede = b;
    setIcon(0, ikon(b));
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
