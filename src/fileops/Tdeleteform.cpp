#include "fileops/Tdeleteform.h"
#include "fileops/Vinduer.h"

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
    const auto label = [this](const QString& navn) {
        auto* l = new QLabel(this);
        l->setObjectName(navn);
        return l;
    };
    LabelInfo = label(u"LabelInfo"_qs);
    destLabel = label(u"destLabel"_qs);
    mapperLabel = label(u"mapperLabel"_qs);
    LabelProcent = label(u"LabelProcent"_qs);
    LabelResterende = label(u"LabelResterende"_qs);
    proBar = new QProgressBar(this);
    proBar->setObjectName(u"proBar"_qs);
    proBar->setRange(0, 100);
    listbox = new QListWidget(this);
    listbox->setObjectName(u"listbox"_qs);
    listbox->setEnabled(false);

    auto* resterende = new QHBoxLayout;
    resterende->addWidget(new QLabel(u" Resterende elementer: "_qs, this));
    resterende->addWidget(LabelProcent);
    resterende->addWidget(LabelResterende, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(LabelInfo);
    l->addWidget(destLabel);
    l->addWidget(mapperLabel);
    l->addLayout(resterende);
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
