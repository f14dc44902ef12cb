#include "structures/Tmappestrukturform.h"
#include "ui/UdenAtStandse.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "lists/TFolderDialog.h"
#include "platform/FileSystem.h"
#include "platform/Omdoebning.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>

namespace kv {

namespace {

// A row with a small coloured marker before its text and a thin grey line under it.
class Markoer : public QStyledItemDelegate {
public:
    Markoer(bool cirkel, QObject* parent) : QStyledItemDelegate(parent), m_cirkel(cirkel) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // The selection covers the whole row, marker and all.
        QStyle* stil = option.widget ? option.widget->style() : QApplication::style();
        stil->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, p, option.widget);
        QStyleOptionViewItem tekst(option);
        tekst.rect.adjust(indryk, 0, 0, 0);
        QStyledItemDelegate::paint(p, tekst, index);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        const QColor farve = m_cirkel ? QColor(0x2f, 0x7d, 0xc4) : QColor(0xd0, 0x8a, 0x1e);
        p->setBrush(option.state & QStyle::State_Selected ? option.palette.highlightedText().color() : farve);
        const QRectF m(option.rect.left() + 5, option.rect.center().y() - 3.5, 7, 7);
        m_cirkel ? p->drawEllipse(m) : p->drawRect(m);
        p->setPen(QColor(0xd8, 0xd8, 0xd8));
        p->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indryk, 4);
    }

private:
    static constexpr int indryk = 16;
    bool m_cirkel;
};

QListWidget* nyListe(const QString& navn, const QString& hint, bool cirkel)
{
    auto* l = new QListWidget;
    l->setObjectName(navn);
    l->setToolTip(hint);
    l->setItemDelegate(new Markoer(cirkel, l));
    return l;
}

QPushButton* nyKnap(const QString& navn, const QString& tekst, const QString& hint)
{
    auto* k = new QPushButton(tekst);
    k->setObjectName(navn);
    k->setToolTip(hint);
    return k;
}

// A structure's name as typed or as its file is named: only a trailing ".txt"
// goes, so "Ferie 2024.06" stays itself.
QString strukturNavn(QString navn)
{
    if (navn.endsWith(u".txt"_qs, Qt::CaseInsensitive))
        navn.chop(4);
    return navn;
}

} // namespace

Tmappestrukturform::Tmappestrukturform(Funktionsvaert* hoved)
    : TFunktionsform(hoved, 1, QString::fromUtf16(funktion(1).navn))
{
    setObjectName(u"mappestrukturform"_qs);
    setWindowTitle(u"Mappestrukturer"_qs);
    mappeDia = new TFolderDialog(this);

    aDoBefore = nyHandling("aDoBefore", u"Klargør til ny struktur"_qs,
                           u"Klargør til helt ny struktur: Husk at gemme først, hvis noget er forandret!"_qs,
                           &Tmappestrukturform::aDoBeforeExecute);
    aSlet = nyHandling("aSlet", u"Fjern mappe"_qs, u"Fjern valgte mappe fra strukturen"_qs, &Tmappestrukturform::aSletExecute);
    aOp = nyHandling("aOp", u"OP"_qs, u"Flyt valgte element op"_qs, nullptr);
    aNed = nyHandling("aNed", u"Ned"_qs, u"Flyt valgte element ned"_qs, nullptr);
    connect(aOp, &QAction::triggered, this, [this] { flyt(-1); });
    connect(aNed, &QAction::triggered, this, [this] { flyt(1); });
    aGem = nyHandling("aGem", u"Gem strukturen"_qs, u"Gem strukturen med valgte navn"_qs, &Tmappestrukturform::aGemExecute);
    aStrukturmappe = nyHandling("aStrukturmappe", u"Punktstruktur"_qs, u"Konstruer en punktstruktur"_qs,
                                &Tmappestrukturform::aStrukturmappeExecute);
    aStrukturmappe1 = nyHandling("aStrukturmappe1", u"Niveaustruktur"_qs, u"Konstruer en niveaustruktur"_qs,
                                 &Tmappestrukturform::aStrukturmappe1Execute);
    aRedigerMappestruktur = nyHandling("aRedigerMappestruktur", u"Rediger valgte"_qs, QString(),
                                       &Tmappestrukturform::aRedigerMappestrukturExecute);
    aDelete = nyHandling("aDelete", u"Slet valgte"_qs, u"Slet valgte struktur"_qs, &Tmappestrukturform::aDeleteExecute);

    auto* overskrift = new QLabel(u"Mappestrukturer"_qs);
    QFont f = overskrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    overskrift->setFont(f);
    auto* lukKnap = nyKnap(u"lukKnap"_qs, u"&Luk"_qs, QString());
    auto* infoKnap = nyKnap(u"ButtonInfo"_qs, u"&Information"_qs, QString());
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);
    connect(infoKnap, &QPushButton::clicked, this,
            [this] { this->hoved->InfoHelp(u"Mappestrukturer.html"_qs, u"Mappestrukturer"_qs); });

    sider = new QTabWidget;
    sider->setObjectName(u"sider"_qs);
    sider->addTab(byggRedigerSide(), u"Opret og rediger strukturer"_qs);
    sider->addTab(byggStrukturSide(), u"Strukturer"_qs);

    auto* layout = new QGridLayout(this);
    layout->addWidget(overskrift, 0, 0);
    layout->setColumnStretch(0, 1);
    layout->addWidget(infoKnap, 0, 1);
    layout->addWidget(lukKnap, 0, 2);
    layout->addWidget(sider, 1, 0, 1, 3);
    resize(640, 460);
    opdaterHandlinger();
}

QAction* Tmappestrukturform::nyHandling(const char* navn, const QString& tekst, const QString& hint,
                                        void (Tmappestrukturform::*udfoer)())
{
    auto* a = new QAction(tekst, this);
    a->setObjectName(QString::fromLatin1(navn));
    a->setToolTip(hint.isEmpty() ? tekst : hint);
    a->setStatusTip(hint);
    if (udfoer)
        connect(a, &QAction::triggered, this, udfoer);
    // Every change of the lists and the name runs the rules again.
    connect(a, &QAction::triggered, this, &Tmappestrukturform::opdaterHandlinger);
    return a;
}

QWidget* Tmappestrukturform::byggRedigerSide()
{
    strukturListeMapper = nyListe(u"strukturListeMapper"_qs, u"Valgte mapper"_qs, true);
    EditGem = new QLineEdit;
    EditGem->setObjectName(u"EditGem"_qs);
    insertMappeKnap = nyKnap(u"insertMappeKnap"_qs, u"Indfør mappe"_qs, u"Indfør ny mappe i strukturen"_qs);
    connect(insertMappeKnap, &QPushButton::clicked, this, &Tmappestrukturform::insertMappeKlik);
    connect(EditGem, &QLineEdit::textEdited, this, [this] {
        if (strukturListeMapper->count() > 0)
            redigeret = true;
    });
    connect(EditGem, &QLineEdit::textChanged, this, &Tmappestrukturform::opdaterHandlinger);
    connect(strukturListeMapper, &QListWidget::itemSelectionChanged, this, &Tmappestrukturform::opdaterHandlinger);

    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    g->addWidget(new QLabel(u"Mapper"_qs), 0, 0);
    g->addWidget(strukturListeMapper, 1, 0, 6, 1);
    g->addWidget(tekstknap(aDoBefore), 1, 1);
    g->addWidget(insertMappeKnap, 2, 1);
    g->addWidget(tekstknap(aSlet), 3, 1);
    g->addWidget(tekstknap(aOp), 4, 1);
    g->addWidget(tekstknap(aNed), 5, 1);
    g->setRowStretch(6, 1);
    g->addWidget(new QLabel(u"Strukturnavn"_qs), 7, 0);
    g->addWidget(EditGem, 8, 0);
    g->addWidget(tekstknap(aGem), 8, 1);
    g->setColumnStretch(0, 1);
    return side;
}

QWidget* Tmappestrukturform::byggStrukturSide()
{
    strukturListe = nyListe(u"strukturListe"_qs, u"Indførte strukturer"_qs, true);
    strukturMappeListe = nyListe(u"strukturMappeListe"_qs, u"Indførte mapper"_qs, false);
    opdaterKnap = nyKnap(u"opdaterKnap"_qs, u"Opdater"_qs, u"Genindlæs mappestrukturer"_qs);
    visMappeKnap = nyKnap(u"visMappeKnap"_qs, u"Vis mappe"_qs, u"Vis mappen hvor strukturfilerne ligger"_qs);
    connect(opdaterKnap, &QPushButton::clicked, this, [this] { hoved->loadMappeStruktur(true); });
    connect(visMappeKnap, &QPushButton::clicked, this, &Tmappestrukturform::visMappeKlik);
    connect(strukturListe, &QListWidget::itemSelectionChanged, this, &Tmappestrukturform::strukturListeKlik);
    connect(strukturMappeListe, &QListWidget::itemDoubleClicked, this,
            &Tmappestrukturform::strukturMappeListeDobbeltKlik);

    auto* side = new QWidget;
    auto* g = new QGridLayout(side);
    g->addWidget(new QLabel(u"Strukturer"_qs), 0, 0);
    g->addWidget(strukturListe, 1, 0, 7, 1);
    int r = 1;
    for (QWidget* k : std::initializer_list<QWidget*>{tekstknap(aStrukturmappe), tekstknap(aRedigerMappestruktur),
                                                       tekstknap(aStrukturmappe1), opdaterKnap, tekstknap(aDelete),
                                                       visMappeKnap})
        g->addWidget(k, r++, 1);
    g->setRowStretch(r, 1);
    g->addWidget(new QLabel(u"Mapper"_qs), 0, 2);
    g->addWidget(strukturMappeListe, 1, 2, 7, 1);
    g->setColumnStretch(0, 2);
    g->setColumnStretch(2, 3);
    return side;
}

void Tmappestrukturform::opdaterHandlinger()
{
    const int valgt = strukturListeMapper->selectedItems().isEmpty() ? -1 : strukturListeMapper->currentRow();
    aDoBefore->setEnabled(!EditGem->text().isEmpty() || strukturListeMapper->count() > 0);
    aSlet->setEnabled(valgt >= 0);
    aOp->setEnabled(valgt > 0);
    aNed->setEnabled(valgt >= 0 && valgt < strukturListeMapper->count() - 1);
    aGem->setEnabled(redigeret && !EditGem->text().isEmpty());
    aStrukturmappe->setEnabled(strukturMappeListe->count() >= 1);
    aStrukturmappe1->setEnabled(strukturMappeListe->count() > 1);
    const bool filValgt = !valgtStrukturfil().isEmpty();
    aRedigerMappestruktur->setEnabled(filValgt);
    aDelete->setEnabled(filValgt);
}

void Tmappestrukturform::visStrukturfiler(const QStringList& filnavne)
{
    strukturListe->clear();
    for (const QString& navn : filnavne) {
        auto* raekke = new QListWidgetItem(visningsnavn(navn), strukturListe);
        raekke->setData(Qt::UserRole, navn);
    }
    opdaterHandlinger();
}

QString Tmappestrukturform::valgtStrukturfil() const
{
    const auto valgte = strukturListe->selectedItems();
    return valgte.isEmpty() ? QString() : valgte.first()->data(Qt::UserRole).toString();
}

QStringList Tmappestrukturform::mapperI(const QListWidget* liste) const
{
    QStringList r;
    for (int i = 0; i < liste->count(); ++i)
        r << liste->item(i)->data(Qt::UserRole).toString();
    return r;
}

void Tmappestrukturform::indsaetMapper(QListWidget* liste, const QStringList& mapper)
{
    for (const QString& sti : mapper) {
        if (sti.isEmpty())
            continue;
        auto* raekke = new QListWidgetItem(visningsnavn(sti), liste);
        raekke->setData(Qt::UserRole, sti);
        // A folder not there now (an unplugged drive) stays in the structure, drawn as missing.
        if (!folderExists(sti)) {
            raekke->setForeground(Qt::gray);
            raekke->setToolTip(u"Mappen findes ikke lige nu"_qs);
        }
    }
}

void Tmappestrukturform::aendret()
{
    redigeret = true;
    opdaterHandlinger();
}

bool Tmappestrukturform::maaKasseres(const QString& spoergsmaal)
{
    return !redigeret || spmForm().spoerg({u"Der er rediget i strukturen!"_qs, u"Ændringerne vil gå tabt."_qs, spoergsmaal});
}

void Tmappestrukturform::closeEvent(QCloseEvent* event)
{
    if (!maaKasseres(u"Skal vinduet lukkes alligevel?"_qs)) {
        event->ignore();
        return;
    }
    redigeret = false;
    TFunktionsform::closeEvent(event);
}

void Tmappestrukturform::aDoBeforeExecute()
{
    if (!maaKasseres(u"Skal der klargøres alligevel?"_qs))
        return;
    EditGem->clear();
    m_hentetFil.clear();
    strukturListeMapper->clear();
    redigeret = false;
}

void Tmappestrukturform::insertMappeKlik()
{
    const QString mappe = mappeDia->vaelg(m_sidsteMappe);
    if (mappe.isEmpty())
        return;
    m_sidsteMappe = mappe;
    indsaetMapper(strukturListeMapper, {mappe});
    aendret();
}

void Tmappestrukturform::aSletExecute()
{
    delete strukturListeMapper->currentItem();
    aendret();
}

void Tmappestrukturform::flyt(int retning)
{
    const int fra = strukturListeMapper->currentRow();
    const int til = fra + retning;
    if (fra < 0 || til < 0 || til >= strukturListeMapper->count())
        return;
    strukturListeMapper->insertItem(til, strukturListeMapper->takeItem(fra));
    strukturListeMapper->setCurrentRow(til);
    aendret();
}

QStringList Tmappestrukturform::ugemt() const
{
    if (!redigeret)
        return {};
    return {u"Der er rediget i strukturen!"_qs};
}

bool Tmappestrukturform::gem()
{
    const QString navn = strukturNavn(EditGem->text());
    // A structure taken in for editing goes back to its own file, whatever case
    // or second ".txt" its name has.
    const QString filnavn = !m_hentetFil.isEmpty() && EditGem->text() == strukturNavn(m_hentetFil)
                                ? m_hentetFil
                                : navn + u".txt"_qs;
    // The name becomes a file of the structure folder and nothing else; a leading
    // dot would hide the file, and the structure with it.
    QString forkert = checkTypedName(navn).isEmpty() ? checkTypedName(filnavn) : checkTypedName(navn);
    if (forkert.isEmpty() && navn.startsWith(u'.'))
        forkert = u"Et navn, der begynder med punktum, bliver en skjult fil."_qs;
    if (!forkert.isEmpty()) {
        visInformation(u"Navnet kan ikke bruges til en struktur.\r"_qs + forkert);
        EditGem->setFocus();
        return false;
    }
    const QString fil = hoved->stier().mappestrukturDir + filnavn;
    if (fileExists(fil) && !spmForm().spoerg({u"Skal filen"_qs, filnavn, u"overskrives?"_qs}))
        return false;
    QString fejl;
    if (!writeTextLines(fil, mapperI(strukturListeMapper), &fejl)) {
        visInformation(u"Strukturen kunne ikke gemmes.\r"_qs + fejl);
        return false;
    }
    strukturMappeListe->clear();
    strukturListe->clear();
    strukturListeMapper->clear();
    EditGem->clear();
    m_hentetFil.clear();
    hoved->loadMappeStruktur(true);
    sider->setCurrentIndex(1);
    redigeret = false;
    return true;
}

void Tmappestrukturform::aStrukturmappeExecute()
{
    hoved->fremstilStruktur(mapperI(strukturMappeListe), true);
}

void Tmappestrukturform::aStrukturmappe1Execute()
{
    hoved->fremstilStruktur(mapperI(strukturMappeListe), false);
}

void Tmappestrukturform::aRedigerMappestrukturExecute()
{
    const QString fil = valgtStrukturfil();
    if (fil.isEmpty() || !maaKasseres(u"Skal den valgte struktur hentes alligevel?"_qs))
        return;
    strukturListeMapper->clear();
    indsaetMapper(strukturListeMapper, mapperI(strukturMappeListe));
    EditGem->setText(strukturNavn(fil));
    m_hentetFil = fil;
    sider->setCurrentIndex(0);
    redigeret = false;
}

void Tmappestrukturform::aDeleteExecute()
{
    const QString fil = valgtStrukturfil();
    // Only the structure being edited goes with its file; edits of another one stay.
    const bool redigeres = !EditGem->text().isEmpty()
                           && strukturNavn(fil).compare(strukturNavn(EditGem->text()), Qt::CaseInsensitive) == 0;
    if (fil.isEmpty() || !spmForm().spoerg({u"Skal filen"_qs, fil, u"slettes permanent?"_qs})
        || (redigeres && !maaKasseres(u"Skal filen slettes alligevel?"_qs)))
        return;
    const QString sti = hoved->stier().mappestrukturDir + fil;
    if (!fileExists(sti)) {
        visInformation(u"Filen blev ikke fundet"_qs);
        return;
    }
    QString fejl;
    if (!removeFile(sti, &fejl)) {
        visInformation(u"Filen kunne ikke slettes.\r"_qs + fejl);
        return;
    }
    strukturMappeListe->clear();
    if (redigeres) {
        strukturListeMapper->clear();
        EditGem->clear();
        m_hentetFil.clear();
        redigeret = false;
    }
    hoved->loadMappeStruktur(true);
}

void Tmappestrukturform::visMappeKlik()
{
    QString mappe = hoved->stier().mappestrukturDir;
    mappe.chop(1);
    hoved->visIStruktur2(mappe, false);
    ladHaendelserKoere();
}

void Tmappestrukturform::strukturListeKlik()
{
    strukturMappeListe->clear();
    const QString fil = valgtStrukturfil();
    if (!fil.isEmpty()) {
        if (const auto linjer = readTextLines(hoved->stier().mappestrukturDir + fil))
            indsaetMapper(strukturMappeListe, *linjer);
        else
            visInformation(u"Det lykkedes ikke at fremstille strukturen."_qs);
    }
    opdaterHandlinger();
}

void Tmappestrukturform::strukturMappeListeDobbeltKlik()
{
    QListWidgetItem* raekke = strukturMappeListe->currentItem();
    if (!raekke)
        return;
    hoved->visIStruktur2(raekke->data(Qt::UserRole).toString(), false);
}

} // namespace kv
