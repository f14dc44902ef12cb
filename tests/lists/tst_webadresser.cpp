// Web addresses and groups: pairs by index, lenient reading, group names that
// become file names, renaming with the addresses, what goes to the browser,
// the encoded searches, Danish order, and the browsers' bookmark file.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/TEgenskaber.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/Bogmaerker.h"
#include "lists/TInternetside.h"
#include "lists/TWebGrupper.h"
#include "lists/Tboksform.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QThread>
#include <QToolButton>
#include <sys/stat.h>
#include <QUrl>
#include <QTreeWidget>
#include <QUrlQuery>

using namespace kv;
using kvtest::TestPlatform;

namespace {
const QString opt = u"C:\\Kvistlund\\Anna\\Egenskaber"_qs;
}

class TstWebadresser : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    TWebGrupper model()
    {
        tp->makeFolder(opt);
        return TWebGrupper(opt);
    }

private slots:
    void init() { tp = &TestPlatform::install(); }

    void parVedIndeksOgDanskOrden()
    {
        TWebGrupper w = model();
        // Two pairs share a short name, and one short name is another pair's address.
        w.tilfoej(u"https://zoo.dk"_qs, u"Zoo"_qs);
        w.tilfoej(u"https://a.dk"_qs, u"Dublet"_qs);
        w.tilfoej(u"https://b.dk"_qs, u"Dublet"_qs);
        w.tilfoej(u"https://aero.dk"_qs, u"Ærø"_qs);
        w.tilfoej(u"https://aaben.dk"_qs, u"Åben"_qs);
        w.tilfoej(u"https://aalborg.dk"_qs, u"https://zoo.dk"_qs);
        w.ret(2, u"https://c.dk"_qs, u"Dublet"_qs);
        QCOMPARE(w.adresse(1), u"https://a.dk"_qs);
        QCOMPARE(w.adresse(2), u"https://c.dk"_qs);
        w.fjern({1, 1});
        QCOMPARE(w.antal(), 5);
        QCOMPARE(w.adresse(1), u"https://c.dk"_qs);
        w.byt(0, 1);
        QCOMPARE(w.kortNavne().first(), u"Dublet"_qs);
        w.webSL[9] = u"Aalborg"_qs;
        w.sorter();
        QCOMPARE(w.kortNavne(), (QStringList{u"Aalborg"_qs, u"Dublet"_qs, u"Zoo"_qs, u"Ærø"_qs, u"Åben"_qs}));
        QCOMPARE(w.webSL, (QStringList{u"https://aalborg.dk"_qs, u"Aalborg"_qs, u"https://c.dk"_qs, u"Dublet"_qs,
                                       u"https://zoo.dk"_qs, u"Zoo"_qs, u"https://aero.dk"_qs, u"Ærø"_qs,
                                       u"https://aaben.dk"_qs, u"Åben"_qs}));
        QCOMPARE(w.saveWebSL(), QString());
        TWebGrupper igen(opt);
        QCOMPARE(igen.loadGruppefil(), QString());
        QCOMPARE(igen.webSL, w.webSL);
        // Groups sort the same way.
        igen.gruppeliste = {u"Åben"_qs, u"zoo"_qs, u"Ærø"_qs, u"Aalborg"_qs};
        igen.sorterGrupper();
        QCOMPARE(igen.gruppeliste, (QStringList{u"Aalborg"_qs, u"zoo"_qs, u"Ærø"_qs, u"Åben"_qs}));
    }

    // The page shown at start with its groups unreadable: the message comes
    // once the window is up, never from inside its showing, which went on
    // under the question and crashed.
    void sidenVistVedStartMedUlaeseligeGrupper()
    {
        kvtest::DialogSvarer svar;
        const QString opt = u"C:\\Kvistlund\\Anna\\Egenskaber"_qs;
        tp->makeFolder(opt);
        TEgenskaber e;
        e.topBogSide = 3;
        e.visTopBog = true;
        QVERIFY(e.gem(opt + u"\\MainEgenskaber.txt"_qs));
        QCOMPARE(::mkfifo(tp->hostBytes(opt + u"\\webgruppe.txt"_qs).constData(), 0600), 0);
        Tmainform f;
        f.show();
        QVERIFY(svar.tekster.isEmpty());
        QTRY_COMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].contains(u"webgruppe.txt"_qs));
        QVERIFY(f.findChild<TInternetside*>()->isVisible());
    }

    void skadedeFiler()
    {
        TWebGrupper w = model();
        w.gruppenavn = u"Nyheder"_qs;
        QVERIFY(writeTextLines(w.webFilename(), {u"https://dr.dk"_qs, u"DR"_qs, u"https://tv2.dk"_qs}));
        QVERIFY(!w.loadGruppefil().isEmpty());
        QCOMPARE(w.webSL, (QStringList{u"https://dr.dk"_qs, u"DR"_qs, u"https://tv2.dk"_qs, u"https://tv2.dk"_qs}));
        // A trailing blank line is no damage.
        QVERIFY(writeTextLines(w.webFilename(), {u"https://dr.dk"_qs, u"DR"_qs, u""_qs}));
        QCOMPARE(w.loadGruppefil(), QString());
        QCOMPARE(w.antal(), 1);
        // A file that cannot be read is told and never written over.
        QFile::setPermissions(tp->host(w.webFilename()), QFileDevice::Permissions());
        if (!QFile(tp->host(w.webFilename())).open(QIODevice::ReadOnly)) {
            QVERIFY(!w.loadGruppefil().isEmpty());
            w.tilfoej(u"https://x.dk"_qs, u"X"_qs);
            QVERIFY(!w.saveWebSL().isEmpty());
            QFile::setPermissions(tp->host(w.webFilename()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(readTextLines(w.webFilename())->size(), 3);
        }
        // A group name from a settings file edited by hand never leaves the folder.
        w.gruppenavn = u"x\\..\\..\\y"_qs;
        QCOMPARE(w.webFilename(), opt + u"\\webliste.txt"_qs);
        w.loadGruppefil();
        QVERIFY(w.gruppenavn.isEmpty());
    }

    void gruppenavneOgOmdoebning()
    {
        TWebGrupper w = model();
        const QStringList foer = QDir(tp->host(u"C:"_qs)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString& navn : {u"x\\..\\..\\y"_qs, u"a/b"_qs, u".."_qs, u" "_qs, u"linje\nskift"_qs, QString(250, u'x')})
            QVERIFY2(!w.nyGruppe(navn).isEmpty(), qPrintable(navn));
        QCOMPARE(w.nyGruppe(u"Rejser"_qs), QString());
        QCOMPARE(w.nyGruppe(u"Nyheder"_qs), QString());
        QVERIFY(!w.nyGruppe(u"REJSER"_qs).isEmpty());
        w.lagerliste << u"Gammelt"_qs;
        QVERIFY(!w.nyGruppe(u"gammelt"_qs).isEmpty());
        QCOMPARE(*readTextLines(w.webGruppefil()), (QStringList{u"Rejser"_qs, u"Nyheder"_qs}));
        QCOMPARE(QDir(tp->host(u"C:"_qs)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), foer);
        QCOMPARE(QDir(tp->host(opt)).entryList(QDir::Files), QStringList{u"webgruppe.txt"_qs});

        // Renaming takes the addresses along at once.
        w.gruppenavn = u"Rejser"_qs;
        w.tilfoej(u"https://rejseplanen.dk"_qs, u"Rejseplanen"_qs);
        QCOMPARE(w.saveWebSL(), QString());
        QVERIFY(!w.omdoebGruppe(u"Rejser"_qs, u"nyheder"_qs).isEmpty());
        QCOMPARE(w.omdoebGruppe(u"Rejser"_qs, u"Ferie"_qs), QString());
        QCOMPARE(w.gruppenavn, u"Ferie"_qs);
        QVERIFY(!fileExists(opt + u"\\webliste Rejser.txt"_qs));
        QCOMPARE(w.loadGruppefil(), QString());
        QCOMPARE(w.kortNavne(), QStringList{u"Rejseplanen"_qs});
        QCOMPARE(*readTextLines(w.webGruppefil()), (QStringList{u"Ferie"_qs, u"Nyheder"_qs}));
        // A file of the new name is never taken over, with or without a file of the old.
        QVERIFY(writeTextLines(opt + u"\\webliste Fremmed.txt"_qs, {u"https://f.dk"_qs, u"F"_qs}));
        QVERIFY(!w.omdoebGruppe(u"Ferie"_qs, u"Fremmed"_qs).isEmpty());
        QVERIFY(!w.omdoebGruppe(u"Nyheder"_qs, u"Fremmed"_qs).isEmpty());
        QCOMPARE(w.gruppeliste, (QStringList{u"Ferie"_qs, u"Nyheder"_qs}));
        QCOMPARE(w.kortNavne(), QStringList{u"Rejseplanen"_qs});
        // A stored group is renamed in the store; a case-only change is allowed.
        QCOMPARE(w.omdoebGruppe(u"Gammelt"_qs, u"GAMMELT"_qs), QString());
        QCOMPARE(*readTextLines(w.webLagerfil()), QStringList{u"GAMMELT"_qs});
    }

    void adresserOgSoegning()
    {
        for (const QString& god : {u"https://dr.dk"_qs, u"http://a.b/c?d=e#f"_qs, u"FTP://ftp.sunet.se/pub"_qs})
            QVERIFY2(TWebGrupper::erWebadresse(god), qPrintable(god));
        for (const QString& ond : {u"javascript:alert(1)"_qs, u"file:///etc/passwd"_qs, u"dr.dk"_qs, u"https://"_qs,
                                   u"mailto:a@b.dk"_qs, u"data:text/html,x"_qs, u"http:///sti"_qs})
            QVERIFY2(!TWebGrupper::erWebadresse(ond), qPrintable(ond));

        kvtest::FakeSkal& skal = kvtest::FakeSkal::install();
        tp->installStartFiles();
        Tmainform f;
        TInternetside* s = f.internetside();
        s->findEdit->setText(u"C++ & æble #1 100%"_qs);
        f.handling("googleUrl")->trigger();
        f.handling("youtubeUrl")->trigger();
        QCOMPARE(skal.startet.size(), 2);
        for (const auto& start : skal.startet) {
            QCOMPARE(start.kommando.size(), 2);
            QCOMPARE(start.kommando[0], u"xdg-open"_qs);
            const QUrl url(start.kommando[1]);
            QVERIFY(url.isValid());
            QCOMPARE(QUrlQuery(url).queryItemValue(start.kommando[1].contains(u"youtube"_qs) ? u"search_query"_qs : u"q"_qs,
                                                   QUrl::FullyDecoded),
                     u"C++ & æble #1 100%"_qs);
        }
        // "Besøg" opens the chosen pair's address, a typed web address, and nothing else.
        s->insertElement(u"https://a.dk"_qs, u"Dublet"_qs);
        s->insertElement(u"https://b.dk"_qs, u"Dublet"_qs);
        s->webBoks->setCurrentIndex(s->webBoks->count() - 1);
        QCOMPARE(s->valgtAdresse(), u"https://b.dk"_qs);
        s->webUrlExecute();
        QCOMPARE(skal.startet.last().kommando[1], u"https://b.dk"_qs);
        for (const QString& ond : {u"javascript:alert(1)"_qs, u"file:///etc/passwd"_qs}) {
            kvtest::DialogSvarer svar;
            s->webBoks->setEditText(ond);
            s->webUrlExecute();
            QCOMPARE(svar.tekster, QStringList{u"Der mangler en gyldig webadresse!"_qs});
        }
        QCOMPARE(skal.startet.size(), 3);
        f.close();
    }

    void vinduetOgHovedsiden()
    {
        kvtest::FakeSkal::install();
        tp->installStartFiles();
        auto f = std::make_unique<Tmainform>();
        TInternetside* s = f->internetside();
        QCOMPARE(s->gruppeBox->count(), 3);
        s->vaelgGruppe(u"Videnskab"_qs);
        const int antal = s->web.antal();
        QVERIFY(antal > 0);
        QCOMPARE(s->webBoks->count(), antal);
        // "Indsæt" takes a typed address with its short name.
        s->webBoks->setEditText(u"https://www.dmi.dk/vejr"_qs);
        s->webEdit->setText(u"Vejret"_qs);
        QVERIFY(s->webInsertInListUpdate());
        s->webInsertInListExecute();
        QCOMPARE(s->web.kortNavne().last(), u"Vejret"_qs);

        f->aabnBoksform();
        Tboksform* b = f->boksform;
        QVERIFY(b);
        f->handlinger->opdaterAlle();
        QVERIFY(!f->handling("webGrupper")->isEnabled());
        QCOMPARE(b->programBoks->topLevelItemCount(), antal + 1);
        // Two rows checked: the editing is refused; one: that pair changes.
        b->programBoks->topLevelItem(0)->setCheckState(0, Qt::Checked);
        b->programBoks->topLevelItem(1)->setCheckState(0, Qt::Checked);
        b->webUrlEdit->setText(u"https://ny.dk"_qs);
        b->nytekstEdit->setText(u"Ny"_qs);
        {
            kvtest::DialogSvarer svar;
            b->udfoer();
            QCOMPARE(svar.tekster.size(), 1);
        }
        b->programBoks->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        b->webUrlEdit->setText(u"https://ny.dk"_qs);
        b->nytekstEdit->setText(u"Ny"_qs);
        b->udfoer();
        QCOMPARE(s->web.adresse(1), u"https://ny.dk"_qs);
        QCOMPARE(s->webBoks->itemText(1), u"Ny"_qs);
        // Renaming in the window keeps the addresses under the new name.
        const QStringList par = s->web.webSL;
        b->valgtGruppeEdit->setText(u"Forskning"_qs);
        b->redigerGruppe();
        QCOMPARE(s->gruppeBox->currentText(), u"Forskning"_qs);
        s->vaelgGruppe(QString());
        s->vaelgGruppe(u"Forskning"_qs);
        QCOMPARE(s->web.webSL, par);
        // A refused name changes nothing.
        {
            kvtest::DialogSvarer svar;
            b->gEdit->setText(u"x\\..\\..\\y"_qs);
            b->indfoerGruppe();
            QCOMPARE(svar.tekster.size(), 1);
            QCOMPARE(s->gruppeBox->count(), 3);
        }
        // The active group to the store and saved: no group is active.
        b->bog->setCurrentIndex(3);
        b->Box->item(0)->setSelected(true);
        QVERIFY(b->AvalgteTilLager->isEnabled());
        b->flytGrupper(true, false);
        b->gemForandringer();
        QVERIFY(s->web.gruppenavn.isEmpty());
        QCOMPARE(*readTextLines(s->web.webLagerfil()), QStringList{u"Forskning"_qs});
        QCOMPARE(s->gruppeBox->count(), 2);
        // Deleting a group whose file was never written says so and still removes it.
        s->vaelgGruppe(u"Underholdning"_qs);
        removeFile(s->web.webFilename());
        {
            kvtest::DialogSvarer svar;
            b->sletGruppe();
            QCOMPARE(svar.tekster.last(), u"Filen blev ikke fundet!\nMåske havde gruppen ingen indhold."_qs);
        }
        QVERIFY(s->web.gruppeliste.isEmpty());
        b->close();
        // The active group and the search text come back with the settings.
        s->vaelgGruppe(QString());
        s->findEdit->setText(u"æble"_qs);
        f->gemEgenskaber();
        f.reset();
        f = std::make_unique<Tmainform>();
        QCOMPARE(f->internetside()->findEdit->text(), u"æble"_qs);
        QCOMPARE(f->internetside()->web.lagerliste, QStringList{u"Forskning"_qs});
    }

    // The first row of gruppeBox chooses no group and shows the addresses
    // without group; a group named like that row is still a group.
    void ingenGruppeIGruppeBox()
    {
        kvtest::FakeSkal::install();
        tp->installStartFiles();
        auto f = std::make_unique<Tmainform>();
        TInternetside* s = f->internetside();
        QVERIFY(writeTextLines(s->web.gruppefil({}), {u"https://uden.dk"_qs, u"Uden"_qs}));
        s->vaelgGruppe(u"Videnskab"_qs);
        QCOMPARE(s->gruppeBox->currentText(), u"Videnskab"_qs);
        QCOMPARE(s->gruppeBox->itemText(0), TInternetside::ingenGruppe);
        emit s->gruppeBox->activated(0);
        QVERIFY(s->web.gruppenavn.isEmpty());
        QCOMPARE(s->webBoks->count(), 1);
        QCOMPARE(s->valgtAdresse(), u"https://uden.dk"_qs);
        QCOMPARE(s->gruppeBox->currentIndex(), 0);

        QCOMPARE(s->web.nyGruppe(TInternetside::ingenGruppe), QString());
        s->fyldGruppeBox();
        const int raekke = s->gruppeBox->count() - 1;
        QCOMPARE(s->gruppeBox->itemText(raekke), TInternetside::ingenGruppe);
        emit s->gruppeBox->activated(raekke);
        QCOMPARE(s->web.gruppenavn, TInternetside::ingenGruppe);
        QCOMPARE(s->webBoks->count(), 0);
        QCOMPARE(s->gruppeBox->currentIndex(), raekke);
        // No group again from the window: the box follows.
        f->aabnBoksform();
        f->boksform->ingenAktiv();
        QCOMPARE(s->gruppeBox->currentIndex(), 0);
        f->boksform->close();
    }

    // An import while groups are moved to or from the store unsaved keeps
    // those moves; a new group joins the groups in use, and none is in both.
    void importMedUgemteFlytninger()
    {
        kvtest::FakeSkal::install();
        tp->installStartFiles();
        auto f = std::make_unique<Tmainform>();
        TInternetside* s = f->internetside();
        f->aabnBoksform();
        Tboksform* b = f->boksform;
        const auto raekker = [](const QListWidget* l) {
            QStringList r;
            for (int i = 0; i < l->count(); ++i)
                r << l->item(i)->text();
            return r;
        };
        b->bog->setCurrentIndex(3);
        QCOMPARE(raekker(b->Box), (QStringList{u"Videnskab"_qs, u"Underholdning"_qs}));
        b->Box->item(1)->setSelected(true);
        b->flytGrupper(true, false);
        QVERIFY(b->aendret);
        const QString fil = tp->makeFile(u"C:\\bogmaerker.html"_qs,
            "<DL><p><DT><H3>Underholdning</H3><DL><p><DT><A HREF=\"https://sjov.dk\">Sjov</A></DL><p>"
            "<DT><H3>Nyheder</H3><DL><p><DT><A HREF=\"https://dr.dk\">DR</A></DL><p></DL><p>");
        kvtest::DialogSvarer svar;
        // The group files are written off the window's thread, and the window waits meanwhile.
        QThread* vindue = QThread::currentThread();
        bool paaVindue = false;
        saetFejlKrog([&](FejlPunkt p, const QByteArray&, qint64) {
            paaVindue = paaVindue || (p == FejlPunkt::AabnSkrivning && QThread::currentThread() == vindue);
            return 0;
        });
        b->importer(fil);
        QVERIFY(!b->isEnabled());
        QTRY_COMPARE(svar.tekster, QStringList{u"Der blev indført 2 webadresser."_qs});
        saetFejlKrog({});
        QVERIFY(!paaVindue);
        QTRY_VERIFY(b->isEnabled());
        QCOMPARE(raekker(b->Box), (QStringList{u"Videnskab"_qs, u"Nyheder"_qs}));
        QCOMPARE(raekker(b->lagerBox), QStringList{u"Underholdning"_qs});
        // Showing the page again keeps them too.
        b->bog->setCurrentIndex(0);
        b->bog->setCurrentIndex(3);
        QCOMPARE(raekker(b->Box), (QStringList{u"Videnskab"_qs, u"Nyheder"_qs}));
        QVERIFY(b->gemForandringer());
        QCOMPARE(s->web.gruppeliste, (QStringList{u"Videnskab"_qs, u"Nyheder"_qs}));
        QCOMPARE(s->web.lagerliste, QStringList{u"Underholdning"_qs});
        QString besked;
        QVERIFY(TWebGrupper::laesPar(s->web.gruppefil(u"Underholdning"_qs), &besked).contains(u"https://sjov.dk"_qs));
        b->close();
    }

    void bogmaerker()
    {
        const QList<Webgruppe> grupper = {
            {QString(), {u"https://løs.dk/?a=1&b=2"_qs, u"Løs <adresse> & \"citat\""_qs}},
            {u"R&D <test>"_qs, {u"https://a.dk"_qs, u"A"_qs, u"https://b.dk/#x"_qs, u"Bæ 'b'"_qs}},
        };
        const QString html = bogmaerkerHtml(grupper);
        QVERIFY(!html.contains(u"<test>"_qs));
        QVERIFY(!html.contains(u"\"citat\""_qs));
        const QList<Webgruppe> igen = laesBogmaerker(html);
        QCOMPARE(igen.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(igen[i].navn, grupper[i].navn);
            QCOMPARE(igen[i].par, grupper[i].par);
        }
        // A browser's file: nested folders, attributes, lower case, bookmarklets.
        const QString browser =
            u"<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
            u"<DL><p>\n"
            u"  <DT><H3 ADD_DATE=\"1\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bogmærkelinje</H3>\n"
            u"  <DL><p>\n"
            u"    <DT><a href=\"https://dr.dk/\" ADD_DATE=\"2\" ICON=\"data:x\">DR &amp; co</a>\n"
            u"    <DT><H3>Indre</H3>\n"
            u"    <DL><p>\n"
            u"      <DT><A HREF=\"https://indre.dk\">Indre side</A>\n"
            u"    </DL><p>\n"
            u"    <DT><A HREF=\"javascript:void(0)\">Bogmærke-script</A>\n"
            u"    <DT><A HREF=\"https://efter.dk\">Efter</A>\n"
            u"  </DL><p>\n"
            u"  <DT><A HREF=\"https://top.dk\">Top</A>\n"
            u"</DL><p>\n"_qs;
        const QList<Webgruppe> b = laesBogmaerker(browser);
        QCOMPARE(b.size(), 3);
        QCOMPARE(b[0].navn, u"Bogmærkelinje"_qs);
        QCOMPARE(b[0].par, (QStringList{u"https://dr.dk/"_qs, u"DR & co"_qs, u"javascript:void(0)"_qs,
                                        u"Bogmærke-script"_qs, u"https://efter.dk"_qs, u"Efter"_qs}));
        QCOMPARE(b[1].navn, u"Indre"_qs);
        QCOMPARE(b[2].navn, QString());
        QCOMPARE(b[2].par, (QStringList{u"https://top.dk"_qs, u"Top"_qs}));

        // Into the model: web addresses only, odd folder names mended, nothing twice.
        TWebGrupper w = model();
        QCOMPARE(w.nyGruppe(u"indre"_qs), QString());
        QList<Webgruppe> ind = b;
        ind.append({u"a\\..\\b"_qs, {u"https://c.dk"_qs, u"C"_qs}});
        int antal = 0;
        QCOMPARE(w.importer(ind, &antal), QString());
        QCOMPARE(antal, 5);
        QCOMPARE(w.importer(ind, &antal), QString());
        QCOMPARE(antal, 0);
        QCOMPARE(w.gruppeliste, (QStringList{u"indre"_qs, u"Bogmærkelinje"_qs, u"a-..-b"_qs}));
        QString besked;
        QCOMPARE(TWebGrupper::laesPar(w.gruppefil(u"indre"_qs), &besked), (QStringList{u"https://indre.dk"_qs, u"Indre side"_qs}));
        QCOMPARE(w.alleGrupper().size(), 4);
        QCOMPARE(w.alleGrupper().first().par, (QStringList{u"https://top.dk"_qs, u"Top"_qs}));
    }

    // Names and titles as browsers write them: references by number and by
    // name (one that is no printable character kept as written), tags inside
    // a title dropped, blanks folded; bytes that are no UTF-8 marked, never dropped.
    void bogmaerkeTekster()
    {
        const QByteArray fil =
            "<dl><p><dt><h3>  Mine&nbsp;&nbsp;<i>sider</i>\n</h3>\n<dl><p>\n"
            "<dt><a add_date=\"1\" href = 'https://a.dk/?x=1&amp;y=2' icon=\"data:ab\">&#65;&#x42;&#0;&#xZZ;&#38;lt;</a>\n"
            "<dt><A\tHREF=\"https://b.dk\">  Et  <b>fedt</b>\n navn&nbsp; </A>\n"
            "<dt><A HREF=\"https://c.dk\">x\xff y</A>\n"
            "<dt><A HREF=\"https://d.dk\"></A>\n"
            "<dt><A HREF=\"https://e.dk/?a=&amp;amp;&amp\">&amp;lt; &lt;&gt;&quot;&#39;&amp</A>\n"
            "</dl><p></dl><p>";
        const QList<Webgruppe> g = laesBogmaerker(fil);
        QCOMPARE(g.size(), 1);
        QCOMPARE(g[0].navn, u"Mine sider"_qs);
        QCOMPARE(g[0].par, (QStringList{u"https://a.dk/?x=1&y=2"_qs, u"AB&#0;&#xZZ;<"_qs, u"https://b.dk"_qs,
                                        u"Et fedt navn"_qs, u"https://c.dk"_qs, u"x\ufffd y"_qs, u"https://d.dk"_qs,
                                        u"https://d.dk"_qs, u"https://e.dk/?a=&amp;&amp"_qs, u"&lt; <>\"'&amp"_qs}));
    }

    // Plain addresses are judged without building a QUrl; the answer is
    // always the one QUrl gives.
    void webadresseSomQUrl()
    {
        const auto qurl = [](const QString& t) {
            const QUrl url(t.trimmed(), QUrl::StrictMode);
            const QString skema = url.scheme().toLower();
            return url.isValid() && (skema == u"http" || skema == u"https" || skema == u"ftp") && !url.host().isEmpty();
        };
        for (const char16_t* t :
             {u"https://www.side1.dk/sti/til/noget?id=1&s=2", u"http://a", u"ftp://x.y.z:21/f#top", u"http://A.DK/",
              u"http://a.dk:65535/", u"http://a.dk:65536/", u"http://a.dk:080", u"http://a.dk:", u"http://1.2.3.4/",
              u"http://999.1/", u"http://-a.dk", u"http://a-.dk", u"http://ab--cd.dk", u"http://xn--bcher-kva.de",
              u"http://xn--zz.dk", u"http://a..dk", u"http://a.dk./", u"http://.dk", u"https://a.dk/%zz",
              u"https://a.dk/%4", u"https://a.dk/%41", u"https://a.dk/a#b#c", u"https://a.dk#", u"https://a.dk?",
              u"https://a.dk/?a>b", u"https://a.dk/ a", u" https://a.dk ", u"HTTP://a.dk", u"https://a_b.dk",
              u"https://a.dk/(x)!$'*+,;=:@~", u"https://user@a.dk", u"https://[::1]/", u"https://æ.dk", u"https://a.dk/æ",
              u"mailto:a@b.dk", u"https://", u"https:/a.dk", u"https://a.dk\\x"}) {
            const QString s = QString::fromUtf16(t);
            QVERIFY2(TWebGrupper::erWebadresse(s) == qurl(s), qPrintable(s));
        }
    }

    // Folders of one name, in any case, fill one group; a group whose file
    // cannot be written is told and left out, the others are written all the
    // same, and no temporary file stays behind.
    void importSamlerOgFejler()
    {
        TWebGrupper w = model();
        tp->makeFolder(w.gruppefil(u"Blok"_qs));
        const QList<Webgruppe> ind = {
            {u"Nyt"_qs, {u"https://a.dk"_qs, u"A"_qs}},
            {u"Blok"_qs, {u"https://b.dk"_qs, u"B"_qs}},
            {u"nyt"_qs, {u"https://c.dk"_qs, u"C"_qs, u"https://a.dk"_qs, u"A igen"_qs}},
        };
        int antal = 0;
        const QString besked = w.importer(ind, &antal);
        QVERIFY2(besked.contains(u"webliste Blok.txt"_qs), qPrintable(besked));
        QCOMPARE(antal, 2);
        QCOMPARE(w.gruppeliste, QStringList{u"Nyt"_qs});
        QString b;
        QCOMPARE(TWebGrupper::laesPar(w.gruppefil(u"Nyt"_qs), &b),
                 (QStringList{u"https://a.dk"_qs, u"A"_qs, u"https://c.dk"_qs, u"C"_qs}));
        QCOMPARE(QDir(tp->host(opt)).entryList({u".kvistlund-*"_qs}, QDir::Files | QDir::Hidden), QStringList{});
    }

    // Tags that are never closed are read past in one pass; a quoted address
    // may hold '>'; a big file goes in whole, each address once.
    void bogmaerkerFjendtlige()
    {
        QString aabne = u"<DL><p><DT><H3>Uden slut\n"_qs;
        for (int i = 0; i < 20000; ++i)
            aabne += u"<DT><A HREF=\"https://x.dk\">x\n"_qs;
        aabne += u"<DT><A HREF='https://y.dk/?a>b' ICON=\"z\">Y</A></DL>"_qs;
        const QList<Webgruppe> a = laesBogmaerker(aabne);
        QCOMPARE(a.size(), 1);
        QCOMPARE(a[0].par.size(), 2);
        QVERIFY(a[0].par[0].startsWith(u"https://x.dk"_qs));

        QString stor = u"<DL><p><DT><H3>Stor</H3><DL><p>\n"_qs;
        for (int i = 0; i < 20000; ++i)
            stor += u"<DT><A HREF=\"https://%1.dk/\">Side %1</A>\n"_qs.arg(i);
        stor += u"<DT><A HREF=\"https://7.dk/\">Igen</A>\n<DT><A HREF=\"https://y.dk/?a>b\">Y</A></DL><p></DL>"_qs;
        const QList<Webgruppe> b = laesBogmaerker(stor);
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].par.size(), 2 * 20002);
        QCOMPARE(b[0].par.last(), u"Y"_qs);
        QCOMPARE(b[0].par[b[0].par.size() - 2], u"https://y.dk/?a>b"_qs);
        TWebGrupper w = model();
        int antal = 0;
        QCOMPARE(w.importer(b, &antal), QString());
        // The repeated address once; the one with a raw ">" is no web address to open.
        QCOMPARE(antal, 20000);
        QString besked;
        QCOMPARE(TWebGrupper::laesPar(w.gruppefil(u"Stor"_qs), &besked).size(), 2 * 20000);
    }
};

KV_TEST_MAIN(TstWebadresser)
#include "tst_webadresser.moc"
