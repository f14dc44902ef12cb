#include "calendar/TNotatpanel.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "platform/FileSystem.h"
#include "platform/Omdoebning.h"
#include "platform/TextFile.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"
#include "ui/Vinduer.h"
#include "ui/Tekstmenu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

TNotatpanel::TNotatpanel(Funktionsvaert* hoved) : hoved(hoved)
{
    setObjectName(u"notatpanel"_qs);
    notatNytKnap = billedknap(u"notatNytKnap"_qs, Handlingsbillede::NyFil, u"Nyt notat"_qs);
    notatNytKnap->setText(u"Nyt"_qs);
    notatNytKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    noteOpdaterKnap = billedknap(u"noteOpdaterKnap"_qs, Handlingsbillede::Opdater, u"Opdater listen: Efter sletning af noter"_qs);
    notatMappeVisKnap = billedknap(u"notatMappeVisKnap"_qs, Handlingsbillede::VisIStruktur2, u"Vis notatmappen i Struktur 2"_qs);
    infoNotatKnap = billedknap(u"infoNotatKnap"_qs, Handlingsbillede::Info, u"Information"_qs);
    auto* bar = new QToolBar;
    bar->setObjectName(u"notatBar"_qs);
    bar->setIconSize(QSize(18, 18));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(hoved->handling("aHentNotat"));
    bar->addAction(hoved->handling("aGemNotat"));
    bar->addWidget(notatNytKnap);
    bar->addWidget(infoNotatKnap);
    // The list's own buttons sit beside its label.
    auto* listeRaekke = new QWidget;
    auto* r = new QHBoxLayout(listeRaekke);
    r->setContentsMargins(0, 0, 0, 0);
    r->addWidget(new QLabel(u"Eksisterende notater"_qs));
    r->addStretch();
    r->addWidget(noteOpdaterKnap);
    r->addWidget(notatMappeVisKnap);

    notatEdit = new QLineEdit;
    notatEdit->setObjectName(u"notatEdit"_qs);
    notatEdit->setToolTip(u"Overskriften danner filnavnet"_qs);
    notatMemo = new QPlainTextEdit;
    notatMemo->setObjectName(u"notatMemo"_qs);
    saetTekstmenu(notatMemo);
    notatBox = new QListWidget;
    notatBox->setObjectName(u"notatBox"_qs);
    notatBox->setUniformItemSizes(true);

    // The note above and the list below share the page; the user sets the note's height.
    notatPanel = lodret({new QLabel(u"Overskrift"_qs), notatEdit, new QLabel(u"Notat"_qs), notatMemo});
    notatPanel->setObjectName(u"notatPanel"_qs);
    QWidget* liste = lodret({listeRaekke, notatBox});
    deler = new QSplitter(Qt::Vertical);
    deler->setChildrenCollapsible(false);
    deler->addWidget(notatPanel);
    deler->addWidget(liste);
    deler->setStretchFactor(0, 0);
    deler->setStretchFactor(1, 1);
    connect(deler, &QSplitter::splitterMoved, this, [this] { m_notatHoejde = deler->sizes().constFirst(); });

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(bar);
    l->addWidget(deler);

    // Enter in the heading goes on to the text.
    notatEdit->installEventFilter(this);
    hoved->bindHandling("aGemNotat", [this] { aGemNotatExecute(); }, [this] { return kanGemme(); });
    hoved->bindHandling("aHentNotat", [this] { aHentNotatExecute(); },
                            [this] { return notatBox->currentItem() && notatBox->currentItem()->isSelected(); });
    connect(notatBox, &QListWidget::itemDoubleClicked, this, [hoved] { hoved->handling("aHentNotat")->trigger(); });
    connect(notatNytKnap, &QToolButton::clicked, this, &TNotatpanel::notatNytKnapClick);
    connect(noteOpdaterKnap, &QToolButton::clicked, this, &TNotatpanel::opdaterListe);
    connect(notatMappeVisKnap, &QToolButton::clicked, this, &TNotatpanel::notatMappeVisKnapClick);
    connect(infoNotatKnap, &QToolButton::clicked, this, [hoved] { hoved->InfoHelp(u"Notater.html"_qs, u"Noter"_qs); });
}

void TNotatpanel::saetNotatHoejde(int hoejde)
{
    m_notatHoejde = hoejde;
    placerDeler();
}

void TNotatpanel::placerDeler()
{
    // Before the page has its size, the splitter would share out the height in proportion.
    if (deler->height() > m_notatHoejde)
        deler->setSizes({m_notatHoejde, deler->height() - m_notatHoejde});
}

void TNotatpanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placerDeler();
}

bool TNotatpanel::eventFilter(QObject* obj, QEvent* event)
{
    if (obj == notatEdit && event->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            notatMemo->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(obj, event);
}

QString TNotatpanel::notatFil(const QString& overskrift) const
{
    return hoved->stier().NotatMappe + overskrift + u".txt"_qs;
}

bool TNotatpanel::kanGemme() const
{
    return notatMemo->document()->isModified() && !notatEdit->text().isEmpty();
}

// A changed text is unsaved work even without a heading: refreshing the list
// empties the heading and keeps the text.
QStringList TNotatpanel::ugemt() const
{
    if (!notatMemo->document()->isModified())
        return {};
    return {notatEdit->text().isEmpty() ? u"Nuværende notat er ikke gemt."_qs
                                        : u"Notatet \"%1\" er ikke gemt."_qs.arg(notatEdit->text())};
}

bool TNotatpanel::gemUgemt()
{
    if (notatEdit->text().isEmpty()) {
        notatEdit->setFocus();
        visInformation(u"Notatet kan ikke gemmes uden en overskrift.\rSkriv en overskrift og gem det."_qs);
        return false;
    }
    return gemNotat();
}

void TNotatpanel::kasserUgemt()
{
    notatMemo->document()->setModified(false);
}

bool TNotatpanel::maaKasseres(const QString& spoergsmaal) const
{
    return ugemt().isEmpty() || spmForm().spoerg({QString(), u"Nuværende notat er ikke gemt."_qs, spoergsmaal, QString(), QString()});
}

void TNotatpanel::opdaterListe()
{
    notatBox->clear();
    notatEdit->clear();
    const auto indhold = listFolderKinds(hoved->stier().NotatMappe.chopped(1));
    if (!indhold)
        return visInformation(u"Der opstod en fejl i forbindelse\rmed indlæsningen af notatfiler."_qs);
    QStringList overskrifter;
    overskrifter.reserve(qsizetype(indhold->size()));
    for (const DirEntry& e : *indhold)
        if (!e.isDir && e.name.size() > 4 && e.name.endsWith(u".txt"_qs, Qt::CaseInsensitive))
            overskrifter << e.name.chopped(4);
    notatBox->addItems(overskrifter);
}

void TNotatpanel::aGemNotatExecute()
{
    gemNotat();
}

bool TNotatpanel::gemNotat()
{
    const QString overskrift = notatEdit->text();
    // The heading becomes a file name: it must stay one name inside the notes folder.
    QString fejl = checkTypedName(overskrift);
    if (fejl.isEmpty())
        fejl = checkTypedName(overskrift + u".txt"_qs);
    if (!fejl.isEmpty()) {
        visInformation(fejl);
        return false;
    }
    const QString fil = notatFil(overskrift);
    if (overskrift != m_hentet && fileExists(fil)
        && !spmForm().spoerg({QString(), u"Der findes allerede et notat med overskriften"_qs, u"\""_qs + overskrift + u"\"."_qs,
                              u"Skal det erstattes?"_qs, QString()}))
        return false;
    if (!writeTextLines(fil, notatMemo->toPlainText().split(u'\n'), &fejl)) {
        visFejl(fejl);
        return false;
    }
    if (notatBox->findItems(overskrift, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        notatBox->addItem(overskrift);
    notatMemo->document()->setModified(false);
    m_hentet = overskrift;
    return true;
}

void TNotatpanel::aHentNotatExecute()
{
    QListWidgetItem* valgt = notatBox->currentItem();
    if (!valgt || !maaKasseres(u"Skal der åbnes et nyt notat alligevel?"_qs))
        return;
    const QString overskrift = valgt->text();
    const auto linjer = readTextLines(notatFil(overskrift));
    if (!linjer)
        return visInformation(u"Filen blev ikke fundet."_qs);
    notatEdit->setText(overskrift);
    notatMemo->setPlainText(linjer->join(u'\n'));
    notatMemo->document()->setModified(false);
    m_hentet = overskrift;
}

void TNotatpanel::notatNytKnapClick()
{
    if (!maaKasseres(u"Skal der startes et nyt notat alligevel?"_qs))
        return;
    notatEdit->clear();
    notatMemo->clear();
    notatMemo->document()->setModified(false);
    m_hentet.clear();
    notatEdit->setFocus();
}

void TNotatpanel::notatMappeVisKnapClick()
{
    hoved->visIStruktur2(hoved->stier().NotatMappe.chopped(1), true);
}

} // namespace kv
