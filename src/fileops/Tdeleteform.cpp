#include "fileops/Tdeleteform.h"
#include "ui/Vinduer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kv {

Tdeleteform::Tdeleteform(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"deleteform"_qs);
    setWindowTitle(u"Sletter mapper og filer"_qs);
    setModal(false);
    const auto label = [this](const QString& navn) { return nyLabel(this, navn); };
    LabelInfo = label(u"LabelInfo"_qs);
    destLabel = label(u"destLabel"_qs);
    mapperLabel = label(u"mapperLabel"_qs);
    LabelProcent = label(u"LabelProcent"_qs);
    LabelResterende = label(u"LabelResterende"_qs);
    proBar = nyProcentBar(this, u"proBar"_qs);
    listbox = new QListWidget(this);
    listbox->setObjectName(u"listbox"_qs);
    listbox->setEnabled(false);

    auto* l = new QVBoxLayout(this);
    l->addWidget(LabelInfo);
    l->addWidget(destLabel);
    l->addWidget(mapperLabel);
    l->addWidget(resterendeRaekke(this, LabelProcent, LabelResterende));
    l->addWidget(proBar);
    l->addWidget(listbox, 1);
    resize(440, 380);
}

void Tdeleteform::showEvent(QShowEvent* event)
{
    centrerPaaHoved(this);
    QDialog::showEvent(event);
}

} // namespace kv
