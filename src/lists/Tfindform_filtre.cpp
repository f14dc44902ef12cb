// The page "Filtre" of the search window: the list of document types, their
// file "Filtertyper.txt", and the filter box filled from it.
#include "lists/Tfindform.h"
#include "lists/TInternetside.h"
#include "ui/TspmForm.h"
#include "platform/TextFile.h"
#include "ui/Beskeder.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace kv {

QStringList Tfindform::standardliste()
{
    return {u"Hjemmeside"_qs, u"*.html"_qs, u"1"_qs,          u"ASP"_qs,        u"*.asp"_qs, u"1"_qs,
            u"Includefile"_qs, u"*.inc"_qs, u"1"_qs,          u"ASA"_qs,        u"*.asa"_qs, u"1"_qs,
            u"StyleSheet"_qs, u"*.css"_qs, u"1"_qs,           u"JavaScript"_qs, u"*.js"_qs,  u"1"_qs,
            u"VB script"_qs,  u"*.vbs"_qs, u"1"_qs,           u"Windows script files"_qs, u"*.wsf"_qs, u"1"_qs,
            u"Batch"_qs,      u"*.bat"_qs, u"1"_qs,           u"Power Shell"_qs, u"*.ps1"_qs, u"0"_qs,
            u"Rich Text"_qs,  u"*.rtf"_qs, u"1"_qs,           u"Tekstfil"_qs,   u"*.txt"_qs, u"1"_qs};
}

QString Tfindform::alleTyper()
{
    return u"Alle afkrydsede filtyper"_qs;
}

QString Tfindform::maskeFor(const QString& type)
{
    if (type == u"*.*")
        return type;
    return u"*."_qs + type.mid(type.lastIndexOf(u'.') + 1);
}

QWidget* Tfindform::byggFiltreside()
{
    auto* side = new QWidget;
    typeliste = new QTreeWidget;
    typeliste->setObjectName(u"typeliste"_qs);
    typeliste->setRootIsDecorated(false);
    typeliste->setHeaderLabels({u"Tekst"_qs, u"Type"_qs});
    typeliste->setColumnWidth(0, 200);
    connect(typeliste, &QTreeWidget::currentItemChanged, this, &Tfindform::opdaterHandlinger);
    connect(typeliste, &QTreeWidget::itemChanged, this, [this] { saveknap->setEnabled(true); });

    Aop = nyHandling("Aop", u"Flyt valgte op"_qs, u"Flyt valgte filtype op i listen"_qs, nullptr);
    Aned = nyHandling("Aned", u"Flyt valgte ned"_qs, u"Flyt valgte filtype ned i listen"_qs, nullptr);
    connect(Aop, &QAction::triggered, this, [this] { flytType(-1); });
    connect(Aned, &QAction::triggered, this, [this] { flytType(1); });
    tekstedit = new QLineEdit;
    tekstedit->setObjectName(u"tekstedit"_qs);
    typeedit = new QLineEdit;
    typeedit->setObjectName(u"typeedit"_qs);
    connect(typeedit, &QLineEdit::returnPressed, this, &Tfindform::insertknapKlik);
    const auto knap = [](const char16_t* navn, const QString& tekst, const QString& hint) {
        auto* k = new QPushButton(tekst);
        k->setObjectName(QString::fromUtf16(navn));
        k->setToolTip(hint);
        return k;
    };
    auto* insertknap = knap(u"insertknap", u"Indfør"_qs, u"Indfør i listen"_qs);
    auto* deleteknap = knap(u"deleteknap", u"Slet valgte"_qs, u"Slet valgte punkt fra listen"_qs);
    auto* standardKnap = knap(u"standardKnap", u"Standard"_qs,
                              u"Slet nuværende liste og hent standardlisten, der automatisk gemmes"_qs);
    saveknap = knap(u"saveknap", u"Gem"_qs, u"Gem listen og luk"_qs);
    saveknap->setEnabled(false);
    connect(insertknap, &QPushButton::clicked, this, &Tfindform::insertknapKlik);
    connect(deleteknap, &QPushButton::clicked, this, &Tfindform::deleteknapKlik);
    connect(standardKnap, &QPushButton::clicked, this, &Tfindform::standardKnapKlik);
    connect(saveknap, &QPushButton::clicked, this, &Tfindform::saveknapKlik);
    auto* op = new QToolButton;
    op->setDefaultAction(Aop);
    auto* ned = new QToolButton;
    ned->setDefaultAction(Aned);

    auto* note = new QLabel(u"Åben alle: Denne funktion kræver at der er indført et program, der kan åbne dokumenter, "
                            u"der sendes som parametre til programmet. "
                            u"Programmet skal endvidere være valgt som det aktive program. "
                            u"Tekstfiler kan altid åbnes med programmet Pennehus. "
                            u"Indfør programmet ved Andre funktioner: Indfør og vælg der derefter som det aktive "
                            u"program i Højre panelet."_qs);
    note->setWordWrap(true);
    Pennehus = nyHandling("Pennehus", u"Download programmet"_qs, u"Download programmet, hvis du ikke har det allerede"_qs,
                          nullptr);
    connect(Pennehus, &QAction::triggered, this,
            [this] { TInternetside::aabn(hoved, TInternetside::makersSide(u"/gruppe0_13.asp"_qs)); });
    auto* download = new QToolButton;
    download->setDefaultAction(Pennehus);

    auto* g = new QGridLayout(side);
    g->addWidget(new QLabel(u"Afkryds filtyper der skal være tilgængelige i Filterboksen."_qs), 0, 0, 1, 4);
    g->addWidget(typeliste, 1, 0, 1, 4);
    g->addWidget(op, 2, 0);
    g->addWidget(ned, 2, 1);
    g->addWidget(new QLabel(u"Tekst"_qs), 3, 0);
    g->addWidget(tekstedit, 3, 1);
    g->addWidget(new QLabel(u"Type"_qs), 3, 2);
    g->addWidget(typeedit, 3, 3);
    g->addWidget(insertknap, 4, 0);
    g->addWidget(deleteknap, 4, 1);
    g->addWidget(standardKnap, 4, 2);
    g->addWidget(saveknap, 4, 3);
    g->addWidget(note, 5, 0, 1, 4);
    g->addWidget(download, 6, 0, 1, 2, Qt::AlignLeft);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(1, 1);
    return side;
}

void Tfindform::hentTyper()
{
    const auto linjer = readTextLines(typelistenavn);
    if (linjer) {
        filliste = *linjer;
        filliste.resize(filliste.size() / 3 * 3);
    } else {
        filliste = standardliste();
        writeTextLines(typelistenavn, filliste);
    }
    fyldFilterBoks();
    fyldTypeliste();
}

void Tfindform::fyldTypeliste()
{
    const QSignalBlocker stille(typeliste);
    typeliste->clear();
    for (qsizetype i = 0; i + 2 < filliste.size(); i += 3) {
        auto* r = new QTreeWidgetItem(typeliste, QStringList{filliste[i], filliste[i + 1]});
        r->setFlags(r->flags() | Qt::ItemIsUserCheckable);
        r->setCheckState(0, filliste[i + 2] == u"1" ? Qt::Checked : Qt::Unchecked);
    }
}

void Tfindform::fyldFilterBoks()
{
    filterBoks->clear();
    // First every offered type at once, then each on its own.
    QStringList alle;
    for (qsizetype i = 0; i + 2 < filliste.size(); i += 3)
        if (filliste[i + 2] == u"1")
            alle << filliste[i + 1];
    filterBoks->addItem(alleTyper(), alle);
    for (qsizetype i = 0; i + 2 < filliste.size(); i += 3)
        if (filliste[i + 2] == u"1")
            filterBoks->addItem(filliste[i] + u" ("_qs + filliste[i + 1] + u')', QStringList{filliste[i + 1]});
    filterBoks->setMaxVisibleItems(filterBoks->count());
    // Nothing remembered (the first opening), or a type no longer offered: all of them.
    const int valgt = filterItemIndex + 1;
    filterBoks->setCurrentIndex(valgt >= 0 && valgt < filterBoks->count() ? valgt : 0);
}

void Tfindform::flytType(int retning)
{
    QTreeWidgetItem* r = typeliste->currentItem();
    const int fra = r ? typeliste->indexOfTopLevelItem(r) : -1;
    const int til = fra + retning;
    if (fra < 0 || til < 0 || til >= typeliste->topLevelItemCount())
        return;
    typeliste->takeTopLevelItem(fra);
    typeliste->insertTopLevelItem(til, r);
    typeliste->setCurrentItem(r);
    saveknap->setEnabled(true);
}

void Tfindform::insertknapKlik()
{
    if (tekstedit->text().isEmpty() || typeedit->text().isEmpty())
        return;
    auto* r = new QTreeWidgetItem(typeliste, QStringList{tekstedit->text(), maskeFor(typeedit->text())});
    r->setFlags(r->flags() | Qt::ItemIsUserCheckable);
    r->setCheckState(0, Qt::Checked);
    tekstedit->clear();
    typeedit->clear();
    tekstedit->setFocus();
}

void Tfindform::deleteknapKlik()
{
    QTreeWidgetItem* r = typeliste->currentItem();
    if (!r) {
        visInformation(u"Der er ikke valgt en filtype!"_qs);
        return;
    }
    if (!spmForm().spoerg({u"Skal filtypen:"_qs, r->text(0), u"slettes permanent?"_qs}))
        return;
    delete r;
    saveknap->setEnabled(true);
    opdaterHandlinger();
}

void Tfindform::standardKnapKlik()
{
    if (!spmForm().spoerg({u"Der vil muligvist blive fjernet typer, der er indført senere!"_qs,
                           u"Skal standardlisten hentes alligevel?"_qs}))
        return;
    filliste = standardliste();
    writeTextLines(typelistenavn, filliste);
    fyldTypeliste();
    fyldFilterBoks();
    saveknap->setEnabled(false);
}

void Tfindform::saveknapKlik()
{
    filliste.clear();
    for (int i = 0; i < typeliste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* r = typeliste->topLevelItem(i);
        filliste << r->text(0) << r->text(1) << (r->checkState(0) == Qt::Checked ? u"1"_qs : u"0"_qs);
    }
    QString fejl;
    if (!writeTextLines(typelistenavn, filliste, &fejl))
        visInformation(fejl);
    fyldFilterBoks();
}

} // namespace kv
