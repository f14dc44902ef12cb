#include "fileops/TKopierPaste.h"
#include "ui/UdenAtStandse.h"
#include <algorithm>
#include "ui/Beskeder.h"
#include "fileops/Tdeleteform.h"
#include "fileops/Tprogressform.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <cmath>

namespace kv {

TKopierPaste::TKopierPaste(QObject* owner) : TFilMappeInfo(owner) {}

QString TKopierPaste::sizeText(qint64 n)
{
    const qint64 v = n;
    const qsizetype cifre = QString::number(v).size();
    const QLocale sprog;
    if (cifre >= 10)
        return sprog.toString(double(v) / (1024.0 * 1024.0 * 1024.0), 'f', 2) + u" GB"_qs;
    if (cifre >= 7)
        return sprog.toString(double(v) / (1024.0 * 1024.0), 'f', 2) + u" MB"_qs;
    if (cifre >= 4)
        return sprog.toString(double(v) / 1024.0, 'f', 2) + u" KB"_qs;
    return sprog.toString(v) + u" bytes"_qs;
}

qint64 TKopierPaste::fileSize(const QString& fil)
{
    // A link counts as itself, never as what it points at.
    const auto info = entryInfo(fil);
    return info && !info->isLink && info->size > 0 ? info->size : 1;
}

bool TKopierPaste::visningKlar() const
{
    return !m_sidst.isValid() || m_sidst.elapsed() >= 40;
}

void TKopierPaste::visningGivet()
{
    m_sidst.restart();
}

void TKopierPaste::behandlBeskeder(bool altid)
{
    if (!altid && !visningKlar())
        return;
    ladHaendelserKoere();
    visningGivet();
}

int TKopierPaste::procent() const
{
    // What grew before its copy began is only known when it is copied: never past 100.
    return totalSize > 0 ? int(std::min<qint64>(posSize * 100 / totalSize, 100)) : 100;
}

QString TKopierPaste::resterendeTekst() const
{
    return QLocale().toString(antalFiler) + u" ("_qs + sizeText(totalSize - posSize) + u')';
}

bool TKopierPaste::countMappe(const QString& mappe)
{
    const auto indhold = listFolder(mappe);
    if (!indhold)
        return mappeFindes(mappe);  // a folder that cannot be read counts as empty
    for (const DirEntry& e : *indhold) {
        // A link is one element of its own; counting never goes through it.
        if (e.isDir && !e.isLink) {
            ++antalMapper;
            if (m_taellerKopi) {
                FProgress->infoBarPanel[1]->setText(QLocale().toString(antalMapper));
                FProgress->pBarAktiv->setValue(std::min(antalMapper, FProgress->pBarAktiv->maximum()));
            }
            behandlBeskeder();
            countMappe(joinPath(mappe, e.name));
        } else {
            totalSize += e.isLink ? 0 : e.size;
            ++antalFiler;
        }
    }
    return true;
}

bool TKopierPaste::mappeFindes(const QString& mappe)
{
    if (folderExists(mappe))
        return true;
    visInformation(u"Mappen "_qs + mappe + u" eksisterer ikke."_qs);
    return false;
}

void TKopierPaste::showCountInfo(bool kopi)
{
    const QString antal = QLocale().toString(antalFiler);
    if (kopi) {
        FProgress->LabelInfo->setText(u"Der kopieres "_qs + antal + (antalFiler == 1 ? u" fil: "_qs : u" filer: "_qs)
                                      + sizeText(totalSize));
        FProgress->LabelResterende->setText(antal);
    } else {
        FSlet->LabelInfo->setText(u"Der slettes "_qs + antal + (antalFiler == 1 ? u" element: "_qs : u" elementer: "_qs)
                                  + sizeText(totalSize));
        FSlet->LabelResterende->setText(antal);
    }
}

qint64 TKopierPaste::prepareCopy(const QString& destination)
{
    totalSize = posSize = 0;
    antalFiler = 0;
    antalMapper = int(listeMapper.size());
    Tprogressform& p = *FProgress;
    p.FCancel = false;
    p.setWindowTitle(u"Kopiering af elementer"_qs);
    p.kildeLabel->setText(antalMapper == 1 ? u"Der kopieres 1 mappe:"_qs
                                           : u"Der kopieres "_qs + QString::number(antalMapper) + u" mapper:"_qs);
    p.listbox->clear();
    p.pBarAktiv->setMaximum(std::max(antalMapper, 1));
    p.pBarAktiv->setValue(0);
    p.pBar->setValue(0);
    p.pBarAll->setValue(0);
    p.LabelInfo->clear();
    p.LabelResterende->clear();
    p.LabelFart->clear();
    p.LabelProcent->setText(u"0%"_qs);
    p.destinationEdit->setText(destination);
    behandlBeskeder(true);
    m_taellerKopi = true;
    for (const QString& mappe : std::as_const(listeMapper)) {
        auto* raekke = new QListWidgetItem(mappe, p.listbox);
        raekke->setCheckState(Qt::Unchecked);
        countMappe(mappe);
    }
    m_taellerKopi = false;
    for (const QString& fil : std::as_const(listeFiler)) {
        totalSize += fileSize(fil);
        ++antalFiler;
    }
    p.infoBarPanel[1]->setText(QLocale().toString(antalMapper));
    p.pBarAktiv->setMaximum(100);
    p.pBarAktiv->setValue(100);
    showCountInfo(true);
    m_start.start();
    return totalSize;
}

void TKopierPaste::startSletning(const QString& tekst)
{
    totalSize = posSize = 0;
    antalFiler = 0;
    antalMapper = int(listeMapper.size());
    Tdeleteform& d = *FSlet;
    d.listbox->clear();
    d.proBar->setValue(0);
    d.LabelInfo->clear();
    d.LabelResterende->clear();
    d.LabelProcent->setText(u"0%"_qs);
    d.destLabel->setText(tekst);
    d.mapperLabel->setText(antalMapper == 1 ? u"Følgende 1 mappe slettes:"_qs
                                            : u"Følgende "_qs + QString::number(antalMapper) + u" mapper slettes:"_qs);
    for (const QString& mappe : std::as_const(listeMapper)) {
        auto* raekke = new QListWidgetItem(mappe, d.listbox);
        raekke->setCheckState(Qt::Unchecked);
    }
    behandlBeskeder(true);
}

qint64 TKopierPaste::prepareDelete(const QString& tekst)
{
    startSletning(tekst);
    mappeTraeer.clear();
    for (const QString& mappe : std::as_const(listeMapper)) {
        auto trae = Slettetrae::tael(mappe, [this] { behandlBeskeder(); });
        // A folder gone is said so; a link to a folder counts as nothing and goes as itself.
        if (!trae)
            mappeFindes(mappe);
        mappeTraeer.push_back(std::move(trae).value_or(Slettetrae()));
        antalMapper += mappeTraeer.back().mapper();
        antalFiler += mappeTraeer.back().filer();
        totalSize += mappeTraeer.back().bytes();
    }
    behandlBeskeder(true);
    for (const QString& fil : std::as_const(listeFiler)) {
        totalSize += fileSize(fil);
        ++antalFiler;
    }
    behandlBeskeder(true);
    showCountInfo(false);
    return totalSize;
}

} // namespace kv
