#pragma once
// The record every node of the three structures carries, and the node itself.
#include "ui/Billeder.h"

#include <QString>
#include <QTreeWidgetItem>

namespace kv {

enum StrukturID {
    idMappe = 0,
    idFil = 1,
    idPrivat = 2,  // the profile folder and the private folders under it
    idDrev = 4,
};

struct StrukturRec {
    QString mappe;    // folder path; a drive as letter and colon
    QString filnavn;  // file path; empty for folders and drives
    int ID = idMappe;
};

class StrukturNode : public QTreeWidgetItem {
public:
    static constexpr int NodeType = QTreeWidgetItem::UserType + 1;

    // The caption is for the eye only (odd host bytes shown legibly); a node's
    // name is the last part of its record's path.
    StrukturNode(const QString& caption, Billede billede, StrukturRec rec);
    // A node whose caption is the last part of its record's path, made when
    // shown rather than kept: a folder of a million entries stays small.
    StrukturNode(Billede billede, StrukturRec rec);

    StrukturRec rec;
    Billede billede;
    // Struktur 1: the subfolders have been listed under this node.
    bool listet = false;

    void setBillede(Billede b);
    // The picture comes from billede unless one is set.
    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

private:
    bool m_navnFraSti = false;
    bool m_egetIkon = false;
};

// The record of a node, or nothing for a null item.
const StrukturRec* recAf(const QTreeWidgetItem* item);
StrukturNode* nodeAf(QTreeWidgetItem* item);

} // namespace kv
