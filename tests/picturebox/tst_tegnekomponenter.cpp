// The picture box's drawn components and the arithmetic of its grid: frames,
// picture indices, the progress bar's steps, the scroll shaft's geometry,
// repeat and keys, shortened texts, the field colours and presets, and the
// field panel's layout and key moves.
#include "TestMain.h"
#include "picturebox/Billedboksvalg.h"
#include "picturebox/TBitmapX.h"
#include "picturebox/TKnapPan.h"
#include "picturebox/TProgressCompo.h"
#include "picturebox/TRammeX.h"
#include "picturebox/TRulskakt.h"
#include "picturebox/TTekstX.h"

#include <QPainter>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTimer>

using namespace kv;

class TstTegnekomponenter : public QObject {
    Q_OBJECT
private slots:
    void rammerOgBilledindeks();
    void progressTrin();
    void skaftGeometri();
    void skaftKnapperOgTaster();
    void afkortTekst();
    void farverOgFormater();
    void feltLayout();
    void feltTaster();
    void vaerktoejsfelter();
    void feltLayoutOgTekst();
    void progressOgTekst();
    void skaftHjulOgMarkoer();
};

void TstTegnekomponenter::rammerOgBilledindeks()
{
    using R = TRammeX::Ring;
    QCOMPARE(TRammeX::ringe(rtUd, 3, 1, 0), (std::vector<R>{R::Haevet, R::Flad, R::Saenket}));
    QCOMPARE(TRammeX::ringe(rtInd, 2, 0, 0), (std::vector<R>{R::Saenket, R::Saenket}));
    QCOMPARE(TRammeX::ringe(rtRifletUd, 6, 1, 3), (std::vector<R>{R::Haevet, R::Flad, R::Saenket, R::Haevet, R::Flad, R::Saenket}));
    QCOMPARE(TRammeX::ringe(rtRifletInd, 2, 0, 3), (std::vector<R>{R::Flad, R::Flad}));

    // Pressed, the frame takes ReaktionNede and FarveAktiv; a field frame as a
    // list fills with the ring colour.
    TRammeFeltX r;
    r.SomListe = true;
    r.FarveAktiv = Qt::red;
    r.FarveRamme = Qt::green;
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        r.MakeRamme(p, img.rect(), false, 4);
    }
    QCOMPARE(img.pixelColor(5, 5), QColor(Qt::red));
    {
        QPainter p(&img);
        r.MakeRamme(p, img.rect(), false, 1);
    }
    QCOMPARE(img.pixelColor(5, 5), QColor(Qt::green));

    TBitmapX b;
    b.BitType = btUnikTrio;
    b.FeltAntal = 10;
    QCOMPARE(b.billedIndeks(4, 2), 24);
    QCOMPARE(b.billedIndeks(4, 3), 14);
    QCOMPARE(b.billedIndeks(4, 1), 4);
    b.BitType = btIngen;
    QCOMPARE(b.billedIndeks(4, 1), -1);
    // An index beyond the list draws nothing; a scaled picture is shrunk and centred.
    b.BitType = btUnikSimpel;
    b.BitmapListe = {QImage(3000, 2000, QImage::Format_RGB32)};
    {
        QPainter p(&img);
        QVERIFY(!b.PutBitmap(1, p, 1, img.rect()));
    }
    b.Scale = true;
    b.Centrer = true;
    QCOMPARE(b.billedRekt(QRect(0, 0, 100, 80), 1, QSize(3000, 2000)), QRect(0, 6, 100, 67));
    QCOMPARE(b.billedRekt(QRect(0, 0, 100, 80), 2, QSize(50, 40)), QRect(26, 21, 50, 40));
}

void TstTegnekomponenter::progressTrin()
{
    TProgressCompo bar;
    bar.resize(102, 10);  // 100 pixels inside the frame
    QSignalSpy procent(&bar, &TProgressCompo::OnProgress);
    bar.SetPosition(7);
    QCOMPARE(bar.tegnetTrin(), 5);
    QCOMPARE(bar.barLaengde(), 5);
    bar.SetPosition(3);
    QCOMPARE(bar.tegnetTrin(), 5);
    bar.SetPosition(0);
    QCOMPARE(bar.tegnetTrin(), 0);
    QCOMPARE(procent.size(), 2);
    bar.SetPosition(250);  // drawn to the end, kept as given
    QCOMPARE(bar.barLaengde(), 100);
    QCOMPARE(bar.Position(), 250);
    // No range and no step: nothing to divide by.
    bar.Min = bar.Max = 50;
    bar.Trin = 0;
    bar.SetPosition(60);
    QCOMPARE(bar.barLaengde(), 0);
}

void TstTegnekomponenter::skaftGeometri()
{
    TRulskakt s;
    s.resize(20, 200 + 2 * 20 + 2);
    s.NyePos(24, 6, 0);
    auto g = s.geometri();
    QCOMPARE(g.spor.height(), 200);
    QCOMPARE(g.knap.height(), 160);
    QVERIFY(qAbs(g.pixelPrTrin - 40.0 / 6) < 1e-9);
    s.NyPosition(3);
    QCOMPARE(s.geometri().knap.top(), g.spor.top() + 20);
    QCOMPARE(s.Position(), 3);
    s.NyPosition(7);  // outside the range: ignored
    QCOMPARE(s.Position(), 3);
    s.setPosMax(2);
    QCOMPARE(s.Position(), 2);

    // A knob that fills the track, and a shaft shorter than its buttons.
    s.NyePos(10, 0, 0);
    g = s.geometri();
    QCOMPARE(g.knap.height(), g.spor.height());
    QCOMPARE(g.pixelPrTrin, 0.0);
    s.resize(20, 30);
    s.NyePos(1, 50, 10);
    g = s.geometri();
    QCOMPARE(g.spor.height(), 0);
    QCOMPARE(g.knap.height(), 0);
    QVERIFY(!s.grab().isNull());
    // Dragging where no step has a length moves nothing.
    s.resize(20, 100);
    s.NyePos(10, 0, 0);
    const QPoint knap = s.geometri().knap.center();
    QTest::mousePress(&s, Qt::LeftButton, {}, knap);
    QTest::mouseMove(&s, knap + QPoint(0, 30));
    QTest::mouseRelease(&s, Qt::LeftButton, {}, knap + QPoint(0, 30));
    QCOMPARE(s.Position(), 0);

    // Horizontal: the same along x.
    TRulskakt h;
    h.Orientering = coVandret;
    h.resize(242, 20);
    h.NyePos(24, 6, 6);
    g = h.geometri();
    QCOMPARE(g.spor.width(), 200);
    QCOMPARE(g.knap.width(), 160);
    QCOMPARE(g.knap.right(), g.spor.right());
}

void TstTegnekomponenter::skaftKnapperOgTaster()
{
    TRulskakt s;
    s.resize(20, 200);
    s.NyePos(2, 20, 0);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QSignalSpy pos(&s, &TRulskakt::OnPosition);
    QSignalSpy nede(&s, &TRulskakt::OnMusNede);
    const QPoint inc = s.geometri().inc.center();
    QTest::mousePress(&s, Qt::LeftButton, {}, inc);
    QCOMPARE(s.Position(), 1);
    QCOMPARE(nede.size(), 1);
    QCOMPARE(nede[0][0].value<TOverRul>(), orInc);
    QCOMPARE(s.repeatTimer().interval(), 400);
    // Held: it repeats, then at the shorter interval.
    QTRY_VERIFY(s.Position() >= 3);
    QCOMPARE(s.repeatTimer().interval(), 100);
    QTest::mouseRelease(&s, Qt::LeftButton, {}, inc);
    QVERIFY(!s.repeatTimer().isActive());
    QCOMPARE(s.repeatTimer().interval(), 400);
    QCOMPARE(pos.last()[0].toInt(), s.Position());

    QTest::keyClick(&s, Qt::Key_End);
    QCOMPARE(s.Position(), 20);
    QTest::keyClick(&s, Qt::Key_Down);
    QCOMPARE(s.Position(), 20);
    QTest::keyClick(&s, Qt::Key_Up);
    QCOMPARE(s.Position(), 19);
    QTest::keyClick(&s, Qt::Key_Home);
    QCOMPARE(s.Position(), 0);

    // Bound to a panel: keys are the panel's, and the knob pages it.
    TKnapPan pan;
    pan.resize(200, 50);
    pan.setAntalVL(4, 1);
    pan.setAntalIalt(20);
    s.Component = &pan;
    s.CompoFunktion = true;
    QTest::keyClick(&s, Qt::Key_PageDown);
    QCOMPARE(pan.StartNr(), 4);
    const int foer = pos.size();
    QTest::mouseClick(&s, Qt::LeftButton, {}, s.geometri().inc.center());
    QCOMPARE(pan.StartNr(), 1);
    QCOMPARE(pos.size(), foer);
}

void TstTegnekomponenter::afkortTekst()
{
    TTekstX t;
    t.Font = QFont(u"DejaVu Sans Mono"_qs, 10);
    const int tegn = QFontMetrics(t.Font).horizontalAdvance(u'x');
    t.MargenVenstre = 2;
    t.MargenHojre = 2;
    t.BeregnRekt(QRect(0, 0, 7 * tegn + 4, 20));
    QCOMPARE(t.AfkortTekst(u"Ferieminder"_qs), u"Feri..."_qs);
    QCOMPARE(t.AfkortTekst(u"Ferie"_qs), u"Ferie"_qs);
}

void TstTegnekomponenter::farverOgFormater()
{
    QCOMPARE(int(feltfarver().size()), 20);
    QCOMPARE(QString::fromUtf8(feltfarver()[7].navn), u"Himmelblå"_qs);
    QCOMPARE(feltfarve(7), QColor(166, 202, 240));
    QCOMPARE(feltfarve(19), QColor(0, 128, 128));
    QCOMPARE(QString::fromUtf8(feltfarver()[13].navn), u"Mørkblå"_qs);
    QVERIFY(!feltfarve(20).isValid());
    QVERIFY(!feltfarve(-1).isValid());
    QStringList navne;
    for (const auto& f : feltformater())
        navne << QString::fromUtf8(f.navn) + u'=' + QString::number(f.vandret * f.lodret);
    QCOMPARE(navne, (QStringList{u"14x16=224"_qs, u"10x12=120"_qs, u"6x9=54"_qs, u"4x6=24"_qs, u"2x3=6"_qs}));
    QCOMPARE(QString::fromUtf8(feltformater()[3].hint), u"Velegnet til lidt større billeder"_qs);
    QCOMPARE(feltAntalFraIndstilling(100000), maxFeltAntal);
    QCOMPARE(feltAntalFraIndstilling(-5), 1);
}

void TstTegnekomponenter::feltLayout()
{
    TKnapPan pan;
    pan.RammeFelt = std::make_unique<TRammeFeltX>();
    pan.RammeFelt->AfstandLodret = 2;
    pan.RammeFelt->AfstandVandret = 2;
    pan.RammeFelt->Margen = 2;
    pan.resize(100, 50);
    pan.setAntalVL(4, 1);
    pan.setAntalIalt(7);
    // 100 - 3 gaps = 94: fields of 23, the 2 left over split around the grid.
    QCOMPARE(pan.FeltBredde(), 23);
    QCOMPARE(pan.F[0].YR, QRect(1, 0, 23, 50));
    QCOMPARE(pan.F[1].YR.left(), 26);
    QCOMPARE(pan.F[0].IR, QRect(4, 3, 18, 45));
    QCOMPARE(pan.Antal(), 4);
    pan.NumLodret = true;
    pan.setAntalVL(2, 2);
    QCOMPARE(pan.F[1].YR.left(), pan.F[0].YR.left());
    QVERIFY(pan.F[1].YR.top() > pan.F[0].YR.top());

    // Counts from a settings file cannot make fields of less than 16 pixels.
    pan.resize(200, 100);
    pan.setAntalVL(100000, 100000);
    QVERIFY(pan.FeltBredde() >= 16);
    QVERIFY(pan.FeltHojde() >= 16);
    QVERIFY(pan.AntalVandret() * pan.AntalLodret() <= (200 / 16) * (100 / 16));
    pan.resize(10, 5);  // smaller than one field: one field, no negative size
    pan.beregnFelter();
    QCOMPARE(pan.AntalVandret(), 1);
    QVERIFY(pan.FeltBredde() >= 0);
    QVERIFY(!pan.grab().isNull());
}

void TstTegnekomponenter::feltTaster()
{
    TKnapPan pan;
    pan.resize(400, 300);
    pan.setAntalVL(4, 3);
    pan.setAntalIalt(30);
    QSignalSpy over(&pan, &TKnapPan::OnMusOver);
    QSignalSpy ud(&pan, &TKnapPan::OnMusOut);
    pan.tastNed(Qt::Key_Right);  // no current field: from field 0
    pan.tastNed(Qt::Key_Right);
    QCOMPARE(pan.aktueltFelt(), 2);
    pan.tastNed(Qt::Key_Up);     // top row: last row, one column to the left
    QCOMPARE(pan.aktueltFelt(), 9);
    QCOMPARE(ud.last()[0].toInt(), 2);
    QCOMPARE(over.last()[0].toInt(), 9);
    // Numbered down the columns: Right goes a column (three fields) on, Down one field.
    pan.NumLodret = true;
    pan.setAntalVL(4, 3);
    pan.tastNed(Qt::Key_Home);
    pan.tastNed(Qt::Key_Right);
    QCOMPARE(pan.aktueltFelt(), 3);
    pan.tastNed(Qt::Key_Down);
    QCOMPARE(pan.aktueltFelt(), 4);
    pan.NumLodret = false;

    // Seven pictures, 4 x 1, no wrap: Page Down keeps the page inside the list.
    pan.setAntalVL(4, 1);
    pan.setAntalIalt(7);
    pan.RulRundt = false;
    QSignalSpy start(&pan, &TKnapPan::OnStartNr);
    pan.tastNed(Qt::Key_PageDown);
    QCOMPARE(pan.StartNr(), 3);
    QCOMPARE(start.last()[0].toInt(), 3);
    pan.NytStartNr(0, false);
    pan.tastNed(Qt::Key_End);  // the last picture, on the last page
    QCOMPARE(pan.StartNr(), 3);
    QCOMPARE(pan.aktueltFelt(), 3);
    pan.tastNed(Qt::Key_Home);
    QCOMPARE(pan.StartNr(), 0);
    QCOMPARE(pan.aktueltFelt(), 0);
    pan.tastNed(Qt::Key_Left);  // at the first picture: stays
    pan.tastNed(Qt::Key_Right);
    pan.tastNed(Qt::Key_Right);
    pan.tastNed(Qt::Key_Right);
    QCOMPARE(pan.StartNr(), 0);
    QCOMPARE(pan.aktueltFelt(), 3);
    pan.tastNed(Qt::Key_Right);  // past the last field: the page moves by one
    QCOMPARE(pan.StartNr(), 1);
    QCOMPARE(pan.aktueltFelt(), 3);
    pan.tastNed(Qt::Key_Left);
    QCOMPARE(pan.StartNr(), 1);
    QCOMPARE(pan.aktueltFelt(), 2);
    pan.tastNed(Qt::Key_Home);
    QCOMPARE(pan.StartNr(), 0);
    QCOMPARE(pan.aktueltFelt(), 0);
    QSignalSpy key(&pan, &TKnapPan::OnKey);
    pan.tastNed(Qt::Key_Delete);
    QCOMPARE(key.last()[1].toInt(), 0);

    // A press released outside the field: no click, the field normal again.
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    QSignalSpy klik(&pan, &TKnapPan::OnMus);
    QTest::mousePress(&pan, Qt::LeftButton, {}, pan.F[1].IR.center());
    QCOMPARE(pan.F[1].Sit, quint8(2));
    QTest::mouseRelease(&pan, Qt::LeftButton, {}, pan.F[2].IR.center());
    QCOMPARE(pan.F[1].Sit, quint8(1));
    QCOMPARE(klik.size(), 0);
    QTest::mouseClick(&pan, Qt::RightButton, {}, pan.F[2].IR.center());
    QCOMPARE(klik.size(), 1);
    QCOMPARE(klik[0][1].toInt(), 2);
}

void TstTegnekomponenter::vaerktoejsfelter()
{
    TKnapPan pan;
    pan.resize(400, 100);
    pan.setAntalVL(4, 1);
    pan.setAntalIalt(8);
    pan.ToolFunktion = true;
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    QSignalSpy klik(&pan, &TKnapPan::OnMus);
    auto klikFelt = [&](int felt) { QTest::mouseClick(&pan, Qt::LeftButton, {}, pan.F[size_t(felt)].IR.center()); };
    // A click latches and releases the one before; a latched field stays
    // latched unless AlleOppe.
    klikFelt(1);
    klikFelt(2);
    QVERIFY(!pan.Down(1) && pan.Down(2));
    QCOMPARE(pan.F[1].Sit, quint8(1));
    klikFelt(2);
    QVERIFY(pan.Down(2));
    pan.AlleOppe = true;
    klikFelt(2);
    QCOMPARE(pan.nedeFelt(), -1);
    QCOMPARE(klik.size(), 4);
    pan.AlleOppe = false;

    // Set from outside; keys pass over a latched or disabled field, and the
    // mark leaving a latched field leaves it pressed.
    pan.InitDown(3);
    QCOMPARE(pan.aktueltFelt(), 3);
    pan.SetKnapDown(0, true);
    QVERIFY(pan.Down(0) && !pan.Down(3));
    pan.tastNed(Qt::Key_Home);
    QCOMPARE(pan.aktueltFelt(), 1);
    pan.InitUp(0);
    pan.tastNed(Qt::Key_Return);
    QVERIFY(!pan.Down(0) && pan.Down(1));
    pan.tastNed(Qt::Key_Right);
    QCOMPARE(pan.F[1].Sit, quint8(2));
    pan.EnableFelt(3, false);
    pan.tastNed(Qt::Key_Right);
    QCOMPARE(pan.aktueltFelt(), 0);
    klikFelt(3);
    QCOMPARE(klik.size(), 4);
    // A page change tells which picture the latched field now shows.
    QSignalSpy nyNede(&pan, &TKnapPan::OnNewDown);
    pan.NytStartNr(4, true);
    QCOMPARE(nyNede.value(0).value(0).toInt(), 5);
    // One enabled field: keys only put the mark on it.
    pan.EnableFelt(0, false);
    pan.EnableFelt(1, false);
    pan.tastNed(Qt::Key_PageUp);
    QCOMPARE(pan.StartNr(), 4);
    QVERIFY(pan.F[2].Fokus);

    // Held down, a click repeats: after TimerDelay, then every TimerInterval.
    QTimer timer;
    pan.setTimer(&timer);
    pan.TimerDelay = 30;
    pan.TimerInterval = 5;
    QTest::mousePress(&pan, Qt::LeftButton, {}, pan.F[2].IR.center());
    QCOMPARE(timer.interval(), 30);
    QTRY_VERIFY(klik.size() >= 7);
    QCOMPARE(timer.interval(), 5);
    QTest::mouseRelease(&pan, Qt::LeftButton, {}, pan.F[2].IR.center());
    QVERIFY(!timer.isActive());
}

void TstTegnekomponenter::feltLayoutOgTekst()
{
    TFCompo pan;
    pan.RammeFelt = std::make_unique<TRammeFeltX>();
    pan.RammeFelt->AfstandLodret = pan.RammeFelt->AfstandVandret = 2;
    pan.resize(102, 100);
    pan.AutoDim = false;
    pan.setAntalVL(2, 1);
    pan.setFeltHojde(20);
    // Rows of 20 as the height holds them; the width still shared by the columns.
    QCOMPARE(pan.AntalLodret(), 4);
    QCOMPARE(pan.FeltBredde(), 50);
    QCOMPARE(pan.F[2].YR.top(), 22);

    pan.Tekst = QStringList{u"C:\\Fotos\\ferie.2020.jpg"_qs};
    pan.TekstUdskriv = tuExtractFilename;
    QCOMPARE(pan.udskrevetTekst(0), u"ferie.2020.jpg"_qs);
    pan.TekstUdskriv = tuFilecaption;
    QCOMPARE(pan.udskrevetTekst(0), u"ferie.2020"_qs);

    // Client margins, worked out once, or on every paint when a frame asks;
    // a disabled background is greyed every other pixel.
    pan.RammeYdre = std::make_unique<TRammeGrundX>();
    pan.RammeYdre->Bredde = 2;
    pan.RammeYdre->NytClientRect = true;
    pan.RammeYdre->ClientLodret = 3;
    pan.RammeYdre->ClientVandret = 1;
    pan.BitmapGrund = QImage(98, 96, QImage::Format_RGB32);
    pan.BitmapGrund.fill(Qt::white);
    pan.BitmapUaGray = true;
    pan.setAntalIalt(0);
    pan.setEnabled(false);
    const QImage bild = pan.grab().toImage();
    QCOMPARE(pan.contentsMargins(), QMargins(5, 3, 5, 3));
    QCOMPARE(bild.pixelColor(2, 2), QColor(128, 128, 128));
    QCOMPARE(bild.pixelColor(3, 2), QColor(Qt::white));
    QCOMPARE(bild.pixelColor(3, 3), QColor(128, 128, 128));
    pan.RammeYdre->Bredde = 4;
    pan.grab();
    QCOMPARE(pan.contentsMargins(), QMargins(5, 3, 5, 3));
    pan.RammeYdre->TilpasAlign = true;
    pan.grab();
    QCOMPARE(pan.contentsMargins(), QMargins(7, 5, 7, 5));
}

void TstTegnekomponenter::progressOgTekst()
{
    TProgressCompo bar;
    bar.resize(102, 20);
    bar.Trin = 10;
    bar.StepBitmap = QImage(4, 4, QImage::Format_RGB32);
    bar.StepBitmap.fill(Qt::red);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    // Growing, only the part grown by is painted, unless Opfrisk.
    struct Maaler : QObject {
        QRect sidst;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                sidst = static_cast<QPaintEvent*>(e)->rect();
            return false;
        }
    } maaler;
    bar.installEventFilter(&maaler);
    bar.SetPosition(20);
    QTRY_COMPARE(maaler.sidst, QRect(1, 1, 20, 18));
    bar.Opfrisk = true;
    bar.SetPosition(50);
    QTRY_COMPARE(maaler.sidst, bar.rect());
    // The text is written only with a text style.
    bar.setTekst(u"50%"_qs);
    auto moerke = [&] {
        const QImage b = bar.grab().toImage();
        int n = 0;
        for (int x = 55; x < 100; ++x)
            for (int y = 2; y < 18; ++y)
                n += qGray(b.pixel(x, y)) < 60;
        return n;
    };
    QCOMPARE(bar.grab().toImage().pixelColor(30, 6), QColor(Qt::red));
    QCOMPARE(moerke(), 0);
    bar.TekstBog = std::make_unique<TTekstX>();
    bar.TekstBog->AlignVandret = avHojre;
    QVERIFY(moerke() > 0);

    TTekstX t;
    t.Font = QFont(u"DejaVu Sans Mono"_qs, 10);
    t.BeregnRekt(QRect(0, 0, 9 * QFontMetrics(t.Font).horizontalAdvance(u'x'), 200));
    t.Ombryd = true;
    QCOMPARE(t.linjer(u"ferie i sommerlandet\nx"_qs), (QStringList{u"ferie i"_qs, u"sommer..."_qs, u"x"_qs}));
    // Where the ink of two lines falls: spacing moves the second down;
    // turned, the text runs up the rectangle.
    auto blaek = [&](int afstand, bool lodret) {
        QImage b(200, 200, QImage::Format_RGB32);
        b.fill(Qt::white);
        t.Linjeafstand = afstand;
        t.Lodret = lodret;
        t.AlignLodret = alOppe;
        QPainter p(&b);
        t.SkrivTekst(p, b.rect(), u"HHHHHHHH\nHHHHHHHH"_qs, 1);
        p.end();
        QRect r;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (qGray(b.pixel(x, y)) < 128)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    const QRect taet = blaek(0, false), lodret = blaek(0, true);
    QCOMPARE(blaek(12, false).height(), taet.height() + 12);
    QVERIFY(taet.width() > taet.height() && lodret.height() > lodret.width());
}

void TstTegnekomponenter::skaftHjulOgMarkoer()
{
    TRulskakt s;
    s.resize(20, 200);
    s.NyePos(2, 20, 5);
    s.Step = 2;
    s.hjul(QPoint(0, -60));  // half a notch, then the other half
    s.hjul(QPoint(0, -60));
    QCOMPARE(s.Position(), 7);
    s.hjul(QPoint(240, 30));  // sideways: nothing
    QCOMPARE(s.Position(), 7);
    s.CursorOver = Qt::PointingHandCursor;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QTest::mouseMove(&s, s.geometri().inc.center());
    QCOMPARE(s.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&s, QPoint(10, s.geometri().spor.bottom() - 1));
    QCOMPARE(s.cursor().shape(), Qt::ArrowCursor);
}

KV_TEST_MAIN(TstTegnekomponenter)
#include "tst_tegnekomponenter.moc"
