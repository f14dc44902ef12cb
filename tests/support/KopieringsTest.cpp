#include "KopieringsTest.h"
#include "app/THandlingsliste.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QThread>

namespace kvtest {

void KopieringsTest::startVindue(const std::function<void()>& foerVinduet)
{
    tp = &TestPlatform::install(u"Anna"_qs);
    tp->installProgramFiles({u"Egenskaber\\webgruppe.txt"_qs, u"Egenskaber\\webliste Videnskab.txt"_qs,
                             u"Egenskaber\\webliste Underholdning.txt"_qs});
    foerVinduet();
    f = std::make_unique<kv::Tmainform>();
    f->show();
    politik(kv::OverskrivIkke);
}

void KopieringsTest::slutVindue()
{
    kv::saetFejlKrog({});
    f.reset();
}

bool KopieringsTest::findes(const QString& sti)
{
    return kv::entryInfo(sti).has_value();
}

QByteArray KopieringsTest::indhold(const QString& sti)
{
    QFile fil(tp->host(sti));
    return fil.open(QIODevice::ReadOnly) ? fil.readAll() : QByteArray("<mangler>");
}

void KopieringsTest::politik(int kopiering, int spm)
{
    f->resultBox->button(kopiering)->setChecked(true);
    f->spmBox->button(spm)->setChecked(true);
}

void KopieringsTest::vis(const QString& mappe)
{
    f->funk->setAktiveStruktur(2);
    f->funk->makeStruktur2(mappe, false);
    f->DirectoryChange(true);
}

bool KopieringsTest::udfoer(const char* navn)
{
    f->handlinger->opdaterAlle();
    if (!f->handling(navn)->isEnabled())
        return false;
    f->handling(navn)->trigger();
    return true;
}

QString KopieringsTest::status()
{
    return f->findChild<QLabel*>(u"infobarPanel2"_qs)->text();
}

void KopieringsTest::saetInd(const QStringList& stier, const QString& destination)
{
    for (const QString& s : stier)
        QVERIFY2(f->funk->RegisterElements(s), qPrintable(s));
    vis(destination);
    QVERIFY(udfoer("Paste"));
}

QStringList KopieringsTest::papirkurv()
{
    return QDir(tp->trashDir() + u"/files"_qs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

void KopieringsTest::iVinduet(const std::function<void()>& handling)
{
    if (QThread::currentThread() == qApp->thread())
        handling();
    else
        QMetaObject::invokeMethod(qApp, handling, Qt::BlockingQueuedConnection);
}

} // namespace kvtest
