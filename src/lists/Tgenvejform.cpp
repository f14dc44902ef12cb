#include "lists/Tgenvejform.h"
#include "ui/Funktionsvaert.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/Omdoebning.h"
#include "platform/ProgramPath.h"
#include "platform/Underproces.h"
#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace kv {

// The shortcut scripts make one link; they never need long.
static constexpr int skriptGraense = 10000;

static const QString ikkeOprettet = u"Der er opstået en fejl.\rGenvejen kan muligvist ikke oprettes\rpå valgte sted."_qs;

static QPushButton* knap(const QString& navn, const QString& tekst, const QString& hint)
{
    auto* k = new QPushButton(tekst);
    k->setObjectName(navn);
    k->setToolTip(hint);
    return k;
}

static QLineEdit* felt(const QString& navn, const QString& hint)
{
    auto* e = new QLineEdit;
    e->setObjectName(navn);
    e->setToolTip(hint);
    return e;
}

Tgenvejform::Tgenvejform(Funktionsvaert* hoved)
    : TFunktionsform(hoved, 5, QString::fromUtf16(funktion(5).navn)), m_job(new Baggrundsjob(this))
{
    EditTarget = felt(u"EditTarget"_qs, u"Genvejens mål: Mappe eller program exe fil"_qs);
    EditDest = felt(u"EditDest"_qs, u"Den færdige genvejs placering"_qs);
    EditName = felt(u"EditName"_qs, u"Genvejens navn"_qs);
    insertMappe = knap(u"insertMappe"_qs, u"Indfør mappe"_qs, u"Indfør mappe der skal oprettes en genvej til"_qs);
    insertFil = knap(u"insertFil"_qs, u"Indfør program eller fil"_qs, u"Indfør fil der skal oprettes en genvej til"_qs);
    destinationMappe = knap(u"destinationMappe"_qs, u"Indfør placering"_qs, u"Indfør hvor genvejen skal placeres"_qs);
    opretGenvej = knap(u"opretGenvej"_qs, u"Opret genvej"_qs, u"Opret genvejen"_qs);

    auto* g = new QGridLayout(this);
    int r = 0;
    const auto tekst = [&](const QString& t) { g->addWidget(new QLabel(t), r++, 0, 1, 3); };
    tekst(u"1. Indfør mappe, program eller fil som genvejen skal føre til."_qs);
    g->addWidget(EditTarget, r++, 0, 1, 3);
    g->addWidget(insertMappe, r, 0);
    g->addWidget(insertFil, r++, 1);
    tekst(u"Mappe eller fil kan vælges fra struktur 2 ligesom placeringsmappen."_qs);
    tekst(u"2. Indfør mappe hvor genvejen skal placeres."_qs);
    auto* placering = new QGroupBox(u"Placering"_qs);
    auto* pl = new QGridLayout(placering);
    pl->addWidget(new QLabel(u"Genvejens destination:"_qs), 0, 0, 1, 2);
    pl->addWidget(EditDest, 1, 0, 1, 2);
    pl->addWidget(destinationMappe, 2, 0);
    pl->addWidget(new QLabel(u"Den kan naturligvist flyttes senere"_qs), 2, 1);
    g->addWidget(placering, r++, 0, 1, 3);
    tekst(u"3. Giv genvejen et navn."_qs);
    g->addWidget(new QLabel(u"Navn:"_qs), r, 0);
    g->addWidget(EditName, r++, 1, 1, 2);
    tekst(u"4. Opret genvejen"_qs);
    g->addWidget(opretGenvej, r++, 0);
    tekst(u"5. Afvent at genvejen skabes og mappen opdateres."_qs);
    g->setRowStretch(r++, 1);
    auto* info = knap(u"ButtonInfo"_qs, u"&Information"_qs, QString());
    auto* luk = knap(u"ButtonLuk"_qs, u"&Luk"_qs, QString());
    g->addWidget(info, r, 0);
    g->addWidget(luk, r, 2);

    connect(insertMappe, &QPushButton::clicked, this, [this] { EditTarget->setText(this->hoved->aktuelleMappe()); });
    connect(insertFil, &QPushButton::clicked, this, [this] { EditTarget->setText(this->hoved->aktueltElement()); });
    connect(destinationMappe, &QPushButton::clicked, this, [this] { EditDest->setText(this->hoved->aktuelleMappe()); });
    connect(opretGenvej, &QPushButton::clicked, this, &Tgenvejform::opretGenvejClick);
    connect(EditName, &QLineEdit::returnPressed, this, [this] {
        opdater();
        if (opretGenvej->isEnabled())
            opretGenvejClick();
    });
    connect(info, &QPushButton::clicked, this, [this] { this->hoved->InfoHelp(u"Genveje.html"_qs, u"Genveje"_qs); });
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    // The rules follow the structures, which change outside this window.
    auto* t = new QTimer(this);
    connect(t, &QTimer::timeout, this, &Tgenvejform::opdater);
    t->start(250);
    opdater();
}

void Tgenvejform::opdater()
{
    const bool mappe = !hoved->struktur2Mappe().isEmpty();
    insertMappe->setEnabled(mappe);
    destinationMappe->setEnabled(mappe);
    const QString fil = hoved->aktueltElement().section(u'\\', -1);
    insertFil->setEnabled(fil.lastIndexOf(u'.') > 0);
    opretGenvej->setEnabled(!EditTarget->text().isEmpty() && !EditName->text().isEmpty()
                            && !EditDest->text().isEmpty());
}

void Tgenvejform::opretGenvejClick()
{
    const QString maal = EditTarget->text();
    const bool tilMappe = folderExists(maal);
    if (!tilMappe && !fileExists(maal)) {
        visInformation(u"Genvejens mål blev ikke fundet."_qs);
        return;
    }
    // The name becomes one entry of the placement, nothing outside it.
    const QString navnFejl = checkTypedName(EditName->text() + u".lnk"_qs);
    if (!navnFejl.isEmpty()) {
        visInformation(navnFejl);
        return;
    }
    const QString placering = EditDest->text();
    if (!folderExists(placering)) {
        visInformation(ikkeOprettet);
        return;
    }
    const QString link = placering + u'\\' + EditName->text() + u".lnk"_qs;
    if (entryInfo(link)) {
        fejl(4, link);
        return;
    }
    const QString skript = hoved->stier().scriptDir + (tilMappe ? u"createShortcutMappe.vbs"_qs : u"createShortcut.vbs"_qs);
    if (!fileExists(skript)) {
        visInformation(u"Der synes at mangle en fil til skabelse af en genvej."_qs);
        return;
    }
    // The script runs as a job: the window answers meanwhile, and closing it stops the script.
    opretGenvej->setEnabled(false);
    m_job->start(
        [this, skript, maal, link, placering](Baggrundsjob::Kontekst& k) {
            const auto udfald = koerOgVent(skriptGraense, skript, {}, {maal, link}, {}, [&k] { return k.stoppet(); });
            if (!k.stoppet())
                k.lever([this, udfald, link, placering] { genvejOprettet(udfald, link, placering); });
        },
        [this](bool) { opdater(); });
}

bool Tgenvejform::opretter() const
{
    return m_job->koerer();
}

void Tgenvejform::genvejOprettet(std::optional<int> udfald, const QString& link, const QString& placering)
{
    if (udfald != 0) {
        fejl(udfald.value_or(-1), link);
        return;
    }
    hoved->UdskrivInfo(u"Genvejen blev oprettet"_qs);
    EditTarget->clear();
    EditName->clear();
    // A paste or delete running has the structures; the placement is shown after it.
    if (!hoved->optaget())
        hoved->aabnIStruktur2(placering, false);
}

void Tgenvejform::fejl(int udfald, const QString& link)
{
    switch (udfald) {
    case 3:
        visInformation(u"Genvejens mål blev ikke fundet."_qs);
        break;
    case 4:
        visInformation(u"Der findes allerede et element med navnet \"%1\".\rGenvejen blev ikke oprettet."_qs.arg(
            nameOf(link)));
        break;
    default:
        visInformation(ikkeOprettet);
    }
}

} // namespace kv
