// Long work as a job: batches arrive in order on the window's thread, Stop
// and the owner's end stop the work at once, what was found before a stop
// still comes, and a job started again never gets the old one's batches.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "ui/Baggrundsjob.h"

#include <QThread>
#include <new>

using namespace kv;

class TstBaggrundsjob : public QObject {
    Q_OBJECT

    // Work that counts until it is stopped, handing each number over.
    static void taelIndtilStop(Baggrundsjob::Kontekst& k, QList<int>* modtaget, QObject* gui)
    {
        for (int i = 0; !k.stoppet(); ++i) {
            k.lever([i, modtaget, gui] {
                QVERIFY(QThread::currentThread() == gui->thread());
                modtaget->append(i);
            });
            QThread::usleep(200);
        }
    }

private slots:
    void batchesComeInOrderAndStopEndsTheWork()
    {
        QObject ejer;
        auto* job = new Baggrundsjob(&ejer);
        QList<int> modtaget;
        int slut = -1;
        job->start([&](Baggrundsjob::Kontekst& k) { taelIndtilStop(k, &modtaget, &ejer); },
                   [&](bool stoppet) { slut = stoppet; });
        QTRY_VERIFY(modtaget.size() >= 20);
        QVERIFY(job->koerer());
        job->stop();
        QVERIFY(!job->koerer());
        // What was handed over before the stop still comes, then the end.
        QTRY_COMPARE(slut, 1);
        for (int i = 0; i < modtaget.size(); ++i)
            QCOMPARE(modtaget[i], i);
    }

    // What the work itself does not catch is told once, and the job still ends.
    void aFailureInTheWorkIsToldAndEndsTheJob()
    {
        kvtest::DialogSvarer svar;
        QObject ejer;
        auto* job = new Baggrundsjob(&ejer);
        bool slut = false;
        job->start([](Baggrundsjob::Kontekst&) { throw std::bad_alloc(); }, [&](bool) { slut = true; });
        QTRY_VERIFY(slut);
        QCOMPARE(svar.tekster, QStringList{u"Der opstod en ukendt fejl."_qs});
    }

    void theOwnersEndStopsTheWork()
    {
        QList<int> modtaget;
        bool slut = false;
        {
            QObject ejer;
            auto* job = new Baggrundsjob(&ejer);
            job->start([&](Baggrundsjob::Kontekst& k) { taelIndtilStop(k, &modtaget, &ejer); },
                       [&](bool) { slut = true; });
            QTRY_VERIFY(!modtaget.isEmpty());
        }
        // Nothing reaches a job that is gone.
        const qsizetype antal = modtaget.size();
        QTest::qWait(20);
        QCOMPARE(modtaget.size(), antal);
        QVERIFY(!slut);
    }

    void aNewStartDropsTheOldBatches()
    {
        QObject ejer;
        Baggrundsjob job(&ejer);
        QStringList modtaget;
        job.start([&](Baggrundsjob::Kontekst& k) {
            k.lever([&] { modtaget << u"gammel"_qs; });
            while (!k.stoppet())
                QThread::usleep(100);
        });
        // The first batch is queued, not yet delivered, when the job starts again.
        job.start([&](Baggrundsjob::Kontekst& k) { k.lever([&] { modtaget << u"ny"_qs; }); },
                  [&](bool stoppet) { modtaget << (stoppet ? u"stoppet"_qs : u"færdig"_qs); });
        QTRY_COMPARE(modtaget, (QStringList{u"ny"_qs, u"færdig"_qs}));
    }

    void deliveriesAreSpacedByTheInterval()
    {
        QObject ejer;
        Baggrundsjob job(&ejer);
        job.saetInterval(1000000);
        int leveringer = 0;
        bool faerdig = false;
        job.start(
            [&](Baggrundsjob::Kontekst& k) {
                for (int i = 0; i < 1000; ++i)
                    if (k.tidTilLevering())
                        k.lever([&] { ++leveringer; });
            },
            [&](bool) { faerdig = true; });
        QTRY_VERIFY(faerdig);
        QCOMPARE(leveringer, 1);
    }
};

KV_TEST_MAIN(TstBaggrundsjob)
#include "tst_baggrundsjob.moc"
