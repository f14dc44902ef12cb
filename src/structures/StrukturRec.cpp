#include "structures/StrukturRec.h"
#include "platform/ProgramPath.h"

namespace kv {

StrukturNode::StrukturNode(const QString& caption, Billede b, StrukturRec r)
    : QTreeWidgetItem(QStringList{visningsnavn(caption)}, NodeType), rec(std::move(r)), billede(b)
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
