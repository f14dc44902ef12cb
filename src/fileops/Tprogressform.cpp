#include "fileops/Tprogressform.h"
#include "ui/Vinduer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

Tprogressform::Tprogressform(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"progressform"_qs);
    setWindowTitle(u"Kopiering af elementer"_qs);
    setModal(false);

    const auto label = [this](const QString& navn) { return nyLabel(this, navn); };
    const auto bar = [this](const QString& navn) { return nyProcentBar(this, navn); };
    LabelInfo = label(u"LabelInfo"_qs);
    destinationEdit = new QLineEdit(this);
    destinationEdit->setObjectName(u"destinationEdit"_qs);
    destinationEdit->setReadOnly(true);
    kildeLabel = label(u"kildeLabel"_qs);
    LabelProcent = label(u"LabelProcent"_qs);
    LabelResterende = label(u"LabelResterende"_qs);
    LabelFart = label(u"LabelFart"_qs);
    pBar = bar(u"pBar"_qs);
    pBarAll = bar(u"pBarAll"_qs);
    pBarAktiv = bar(u"pBarAktiv"_qs);
    listbox = new QListWidget(this);
    listbox->setObjectName(u"listbox"_qs);
    listbox->setEnabled(false);
    stopButton = new QPushButton(u"Stop"_qs, this);
    stopButton->setObjectName(u"stopButton"_qs);
    stopButton->setToolTip(u"Stop processen på eget ansvar"_qs);
    connect(stopButton, &QPushButton::clicked, this, [this] { FCancel = true; });

    auto* resterende = resterendeRaekke(this, LabelProcent, LabelResterende);

    auto* proces = new QWidget(this);
    auto* l = new QGridLayout(proces);
    l->addWidget(LabelInfo, 0, 0, 1, 2);
    l->addWidget(new QLabel(u"Destination"_qs, this), 1, 0);
    l->addWidget(destinationEdit, 1, 1);
    l->addWidget(kildeLabel, 2, 0, 1, 2);
    l->addWidget(resterende, 3, 0, 1, 2);
    l->addWidget(pBar, 4, 0, 1, 2);
    l->addWidget(pBarAll, 5, 0, 1, 2);
    l->addWidget(LabelFart, 6, 0, 1, 2);
    l->addWidget(listbox, 7, 0, 1, 2);
    l->addWidget(pBarAktiv, 8, 0, 1, 2);
    l->addWidget(stopButton, 9, 1, Qt::AlignRight);
    auto* side = new QTabWidget(this);
    side->addTab(proces, u"Proces"_qs);

    auto* infoBar = new QStatusBar(this);
    infoBar->setObjectName(u"infoBar"_qs);
    infoBar->setSizeGripEnabled(false);
    infoBarPanel[0] = new QLabel(u" Indlæste mapper"_qs, this);
    infoBarPanel[1] = new QLabel(this);
    infoBar->addWidget(infoBarPanel[0]);
    infoBar->addWidget(infoBarPanel[1], 1);

    auto* hoved = new QVBoxLayout(this);
    hoved->addWidget(side);
    hoved->addWidget(infoBar);
    resize(480, 520);
}

void Tprogressform::showEvent(QShowEvent* event)
{
    centrerPaaHoved(this);
    QDialog::showEvent(event);
}

} // namespace kv
