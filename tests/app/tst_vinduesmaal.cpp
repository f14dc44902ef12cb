// The eight function windows opened outside, 580 pixels wide: every button's
// text and every tab's caption fits, and no tab row needs its scroll arrows.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "ui/TFunktionsform.h"
#include "app/Tmainform.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QTabBar>

using namespace kv;

namespace {

QStringList afskaaret(const QWidget* w)
{
    QStringList fejl;
    for (const QAbstractButton* k : w->findChildren<QAbstractButton*>()) {
        const QString tekst = QString(k->text()).remove(u'&');
        if (k->isVisibleTo(w) && !tekst.isEmpty()
            && k->fontMetrics().horizontalAdvance(tekst) > k->contentsRect().width())
            fejl << tekst;
    }
    for (const QTabBar* b : w->findChildren<QTabBar*>()) {
        for (int i = 0; b->isVisibleTo(w) && i < b->count(); ++i) {
            const QRect r = b->tabRect(i);
            if (!b->rect().contains(r) || b->fontMetrics().horizontalAdvance(b->tabText(i)) > r.width())
                fejl << b->tabText(i);
        }
    }
    return fejl;
}

} // namespace

class TstVinduesmaal : public QObject {
    Q_OBJECT
private slots:
    void everyTextFitsOutside()
    {
        kvtest::TestPlatform::install(u"Anna"_qs).installStartFiles();
        kvtest::DialogSvarer svar;
        Tmainform f;
        for (int n = 1; n <= 8; ++n)
            f.findChild<QCheckBox*>(QString::fromUtf16(funktion(n).boks))->setChecked(true);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (const char* a : {"opretGenveje", "OpretSmappe", "winApp", "visKalender", "progInsert", "webGrupper",
                              "findTekst"}) {
            f.handlinger->opdaterAlle();
            f.handling(a)->trigger();
        }
        f.InfoHelp(u"information.html"_qs, u"Information"_qs);
        for (int n = 1; n <= 8; ++n) {
            TFunktionsform* w = f.funktionsvindue(n);
            QVERIFY2(w && w->showType, qPrintable(QString::number(n)));
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->width(), 580);
            QVERIFY2(afskaaret(w).isEmpty(), qPrintable(w->windowTitle() + u": "_qs + afskaaret(w).join(u", "_qs)));
        }
    }
};

KV_TEST_MAIN(TstVinduesmaal)
#include "tst_vinduesmaal.moc"
