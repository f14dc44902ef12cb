#include "lists/TInternetside.h"
#include "ui/Funktionsvaert.h"
#include "platform/Skal.h"
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

namespace {

QToolButton* knap(Funktionsvaert* hoved, const char* handling, const QString& navn)
{
    auto* k = new QToolButton;
    k->setObjectName(navn);
    k->setDefaultAction(hoved->handling(handling));
    k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    k->setAutoRaise(true);
    return k;
}

QGroupBox* gruppe(const QString& titel)
{
    auto* g = new QGroupBox(titel);
    auto* l = new QGridLayout(g);
    l->setContentsMargins(6, 2, 6, 2);
    l->setVerticalSpacing(2);
    return g;
}

template<class W>
W* navngivet(W* w, const QString& navn, const QString& hint)
{
    w->setObjectName(navn);
    w->setToolTip(hint);
    return w;
}

} // namespace

TInternetside::TInternetside(Funktionsvaert* hoved) : hoved(hoved)
{
    setObjectName(u"internetSide"_qs);
    webBoks = navngivet(new QComboBox, u"webBoks"_qs, u"Url eller indført kort navn"_qs);
    webBoks->setEditable(true);
    webBoks->setInsertPolicy(QComboBox::NoInsert);
    webBoks->setMinimumWidth(240);
    webEdit = navngivet(new QLineEdit, u"webEdit"_qs, u"Indfør kort navn efter at have indført url i ovenstående"_qs);
    gruppenavnLabel = navngivet(new QLabel(u"Navnet på aktuelle gruppe"_qs), u"gruppenavnLabel"_qs, QString());
    gruppeBox = navngivet(new QComboBox, u"gruppeBox"_qs, u"Gruppenavne"_qs);
    gruppeBox->setMinimumWidth(160);
    findEdit = navngivet(new QLineEdit, u"findEdit"_qs, u"Søgefelt"_qs);
    findEdit->setMinimumWidth(180);
    findEdit->installEventFilter(this);

    auto* adresser = gruppe(u"Webadresse"_qs);
    auto* al = static_cast<QGridLayout*>(adresser->layout());
    al->addWidget(webBoks, 0, 0);
    al->addWidget(knap(hoved, "webUrl", u"webUrlKnap"_qs), 0, 1);
    al->addWidget(webEdit, 1, 0);
    al->addWidget(knap(hoved, "webInsertInList", u"webInsertInListKnap"_qs), 1, 1);

    auto* grupper = gruppe(u"Gruppenavne"_qs);
    auto* gl = static_cast<QGridLayout*>(grupper->layout());
    auto* navnRaekke = new QHBoxLayout;
    navnRaekke->addWidget(new QLabel(u"Gruppenavn: "_qs));
    navnRaekke->addWidget(gruppenavnLabel, 1);
    gl->addLayout(navnRaekke, 0, 0);
    gl->addWidget(gruppeBox, 1, 0);

    auto* soegning = gruppe(u"Søge tekst"_qs);
    auto* sl = static_cast<QGridLayout*>(soegning->layout());
    sl->addWidget(findEdit, 0, 0, 1, 2);
    sl->addWidget(knap(hoved, "googleUrl", u"googleKnap"_qs), 1, 0);
    sl->addWidget(knap(hoved, "youtubeUrl", u"youtubeKnap"_qs), 1, 1);

    auto* administrer = knap(hoved, "webGrupper2", u"webGrupper2Knap"_qs);
    administrer->setToolButtonStyle(Qt::ToolButtonIconOnly);
    administrer->setIconSize(QSize(32, 32));
    auto* info = billedknap(u"InfoSide4"_qs, Handlingsbillede::Info, u"Information: Internet"_qs);
    connect(info, &QToolButton::clicked, this, [hoved] { hoved->InfoHelp(u"Internet.html"_qs, u"Internet"_qs); });

    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(4, 0, 4, 0);
    l->addWidget(adresser);
    l->addWidget(grupper);
    l->addWidget(soegning);
    l->addWidget(administrer);
    l->addWidget(info);
    l->addStretch();

    connect(gruppeBox, &QComboBox::activated, this, [this](int i) { vaelgGruppe(gruppeBox->itemData(i).toString()); });
    connect(webEdit, &QLineEdit::returnPressed, this, [this] {
        if (webInsertInListUpdate())
            webInsertInListExecute();
    });
}

void TInternetside::visBesked(const QString& besked)
{
    if (!besked.isEmpty())
        visInformation(besked);
}

void TInternetside::start(const QString& optMappe, const QString& gruppenavn, const QString& soegetekst)
{
    web.OptMappe = optMappe;
    web.webSL.clear();
    web.gruppenavn = gruppenavn;
    findEdit->setText(soegetekst);
    visBesked(web.hentGrupper());
    fyldGruppeBox();
    loadGruppefil();
}

void TInternetside::fyldGruppeBox()
{
    gruppeBox->clear();
    // The first row chooses no group; each row carries its group's name, so a
    // group named like that row is still itself.
    gruppeBox->addItem(ingenGruppe, QString());
    QFont kursiv = gruppeBox->font();
    kursiv.setItalic(true);
    gruppeBox->setItemData(0, kursiv, Qt::FontRole);
    for (const QString& navn : std::as_const(web.gruppeliste))
        gruppeBox->addItem(navn, navn);
    visGruppe();
    emit aendret();
}

void TInternetside::visGruppe()
{
    // An active group that is not in the list (stored meanwhile) shows nothing.
    gruppeBox->setCurrentIndex(web.gruppenavn.isEmpty() ? 0 : gruppeBox->findData(web.gruppenavn));
}

void TInternetside::vaelgGruppe(const QString& navn)
{
    web.gruppenavn = navn;
    loadGruppefil();
}

void TInternetside::loadGruppefil()
{
    const QString besked = web.loadGruppefil();
    loadMainBoksFromWebSL();
    gruppenavnLabel->setText(web.gruppenavn);
    visGruppe();
    visBesked(besked);
}

void TInternetside::loadMainBoksFromWebSL()
{
    webBoks->clear();
    webBoks->clearEditText();
    webEdit->clear();
    webBoks->addItems(web.kortNavne());
    webBoks->setCurrentIndex(web.antal() > 0 ? 0 : -1);
    emit aendret();
}

void TInternetside::saveWebSL()
{
    if (const QString fejl = web.saveWebSL(); !fejl.isEmpty())
        visFejl(fejl);
}

void TInternetside::insertElement(const QString& aUrl, const QString& aNavn)
{
    web.tilfoej(aUrl, aNavn);
    webBoks->addItem(aNavn);
    webBoks->setCurrentIndex(webBoks->count() - 1);
    saveWebSL();
    emit aendret();
}

QString TInternetside::valgtAdresse() const
{
    // The chosen row when its short name is the text; two pairs with the same
    // short name are told apart by their rows.
    const QString tekst = webBoks->currentText();
    const int raekke = webBoks->currentIndex();
    if (raekke >= 0 && webBoks->itemText(raekke) == tekst)
        return web.adresse(raekke);
    const int i = webBoks->findText(tekst, Qt::MatchFixedString);
    return i >= 0 ? web.adresse(i) : tekst;
}

bool TInternetside::webUrlUpdate() const
{
    return !webBoks->currentText().isEmpty();
}

void TInternetside::webUrlExecute()
{
    const QString url = valgtAdresse().trimmed();
    if (!TWebGrupper::erWebadresse(url)) {
        visInformation(u"Der mangler en gyldig webadresse!"_qs);
        return;
    }
    aabn(url);
}

bool TInternetside::webInsertInListUpdate() const
{
    return !webEdit->text().isEmpty() && TWebGrupper::erWebadresse(webBoks->currentText());
}

void TInternetside::webInsertInListExecute()
{
    if (webBoks->currentText().isEmpty())
        return visInformation(u"Der mangler en webadresse."_qs);
    if (webEdit->text().isEmpty())
        return visInformation(u"Der mangler et kort navn."_qs);
    insertElement(webBoks->currentText().trimmed(), webEdit->text());
    webEdit->clear();
    if (auto* k = findChild<QToolButton*>(u"webUrlKnap"_qs))
        k->setFocus();
}

void TInternetside::soeg(bool video)
{
    aabn(TWebGrupper::soegeUrl(video ? u"https://www.youtube.com/results?search_query="_qs
                                     : u"https://www.google.com/search?q="_qs,
                               findEdit->text()));
}

void TInternetside::aabn(const QString& url)
{
    aabn(hoved, url);
}

void TInternetside::aabn(Funktionsvaert* hoved, const QString& url)
{
    const int svar = Skal::instance().startProgram({u"xdg-open"_qs, url}, {});
    if (svar <= 32)
        hoved->ErrorInfo(svar);
}

QString TInternetside::makersSide(const QString& sti)
{
    return u"https://www.tavlon.dk"_qs + sti;
}

bool TInternetside::eventFilter(QObject* obj, QEvent* event)
{
    // The first click after start-up clears the search text kept from last time.
    if (obj == findEdit && event->type() == QEvent::MouseButtonPress && m_foersteKlik) {
        m_foersteKlik = false;
        findEdit->clear();
    }
    return QWidget::eventFilter(obj, event);
}

} // namespace kv
