#include "fileops/TFilMappeInfo.h"
#include "fileops/Tfilinfoform.h"
#include "platform/DesktopEntry.h"
#include "platform/Elementstatus.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "structures/StrukturRec.h"
#include "ui/Beskeder.h"
#include "ui/Billeder.h"
#include "ui/Programfiler.h"

#include <QCheckBox>
#include <QHash>
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeDatabase>
#include <QPixmap>
#include <QProgressBar>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

namespace kv {

namespace {

const QStringList filmTyper = {u"mp4"_qs, u"m4v"_qs, u"avi"_qs, u"mov"_qs, u"wmv"_qs, u"mpg"_qs, u"ts"_qs};
const QStringList musikTyper = {u"mp3"_qs, u"m4a"_qs};
const QStringList billedTyper = {u"bmp"_qs, u"jpg"_qs, u"ico"_qs, u"gif"_qs, u"png"_qs,
                                 u"jpeg"_qs, u"tif"_qs, u"tiff"_qs, u"emf"_qs, u"wmf"_qs};

QString tidTekst(std::optional<qint64> ms)
{
    return ms ? QLocale().toString(QDateTime::fromMSecsSinceEpoch(*ms), QLocale::ShortFormat) : QString();
}

QIcon ikonFil(const QString& fil)
{
    const auto data = readRegularFile(fil, maxIkonfil);
    QPixmap p;
    if (!data || !p.loadFromData(*data))
        return QIcon();
    return QIcon(p);
}

} // namespace

TFilMappeInfo::TFilMappeInfo(QObject* owner) : TFunktioner(owner) {}

TFilMappeInfo::~TFilMappeInfo()
{
    delete m_info.data();
}

Tfilinfoform* TFilMappeInfo::filinfoform()
{
    if (!m_info) {
        m_info = new Tfilinfoform(qobject_cast<QWidget*>(parent()));
        m_info->onInfoHelp = [this](const QString& s, const QString& inf) {
            if (FonInfoHelp)
                FonInfoHelp(s, inf);
        };
    }
    return m_info;
}

QString TFilMappeInfo::infoSizeText(qint64 n)
{
    static const char16_t* const enheder[] = {u" bytes", u" KB", u" MB", u" GB", u" TB"};
    const QLocale l;
    const qsizetype cifre = QString::number(n).size();
    const int trin = cifre >= 13 ? 4 : cifre >= 10 ? 3 : cifre >= 7 ? 2 : cifre >= 4 ? 1 : 0;
    const QString tal = trin == 0 ? l.toString(n) : l.toString(double(n) / double(1LL << (10 * trin)), 'f', 2);
    return tal + QString::fromUtf16(enheder[trin]) + u" ("_qs + l.toString(n) + u" bytes)"_qs;
}

QString TFilMappeInfo::driveTypeName(int type)
{
    switch (type) {
    case DriveRemovable: return u"Flytbar disk"_qs;
    case DriveFixed: return u"Lokal disk"_qs;
    case DriveNetwork: return u"Fjern disk"_qs;
    case DriveOptical: return u"CD ROM disk"_qs;
    case DriveRam: return u"RAM disk"_qs;
    default: return QString();
    }
}

QString TFilMappeInfo::fileTypeText(const QString& ext)
{
    if (filmTyper.contains(ext))
        return u"Videofil: "_qs;
    if (musikTyper.contains(ext))
        return u"Musikfil: "_qs;
    if (billedTyper.contains(ext))
        return u"Billedfil: "_qs;
    static const QHash<QString, QString> tekster = {
        {u"txt"_qs, u"Tekstfil: "_qs},  {u"html"_qs, u"Webfil: "_qs},     {u"htm"_qs, u"Webfil: "_qs},
        {u"asp"_qs, u"Webfil: "_qs},    {u"js"_qs, u"Scriptfil: "_qs},    {u"vbs"_qs, u"Scriptfil: "_qs},
        {u"css"_qs, u"Stylesheet: "_qs}, {u"wsf"_qs, u"Window script fil: "_qs}, {u"inc"_qs, u"Includefil: "_qs},
        {u"bat"_qs, u"Batchfil: "_qs},  {u"pas"_qs, u"Delphi/Pascalfil: "_qs}, {u"lnk"_qs, u"Genvej: "_qs}};
    return tekster.value(ext);
}

QIcon TFilMappeInfo::fileIcon(const QString& fil, QString& ext) const
{
    ext = extensionOf(fil).mid(1).toLower();
    if (QIcon i = ikonFil(FIkonDir + programfiler::ikonFilnavn(ext)); !ext.isEmpty() && !i.isNull())
        return i;
    const auto gruppe = [this](const QString& navn, Billede tegnet) {
        QIcon i = ikonFil(FIkonDir + programfiler::ikonFilnavn(navn));
        return i.isNull() ? ikon(tegnet) : i;
    };
    if (filmTyper.contains(ext))
        return gruppe(u"film"_qs, Billede::Film);
    if (musikTyper.contains(ext))
        return gruppe(u"musik"_qs, Billede::MusikGruppe);
    if (billedTyper.contains(ext))
        return gruppe(u"billeder"_qs, Billede::Billedfil);
    if (ext == u"desktop"_qs) {
        if (const auto e = DesktopEntry::laes(locateFile(fil), fil); e && !e->ikon.isEmpty()) {
            QIcon i = e->ikon.startsWith(u'/') ? QIcon(e->ikon) : QIcon::fromTheme(e->ikon);
            if (!i.isNull())
                return i;
        }
    }
    // By name only: the file itself is never opened.
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(nameOf(fil), QMimeDatabase::MatchExtension);
    if (QIcon i = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName())); !i.isNull())
        return i;
    return gruppe(u"ukendt"_qs, Billede::Ukendt);
}

bool TFilMappeInfo::showDriveInfo(QChar drev)
{
    const Drive* d = drives().find(drev.toUpper());
    if (!d) {
        visFejl(u"Der opstod en fejl."_qs);
        return false;
    }
    Tfilinfoform* f = filinfoform();
    const QString rod = QString(d->letter) + u':';
    const DiskSpace plads = drives().diskSpace(rod).value_or(DiskSpace{});
    const qint64 total = std::max<qint64>(plads.total, 0), fri = std::max<qint64>(plads.free, 0);
    const qint64 brugt = total - fri;
    f->EditDisknavn->setText(d->label + u" ("_qs + rod + u')');
    f->drevBillede->setPixmap(ikon(drevBillede(d->letter, d->type)).pixmap(32, 32));
    f->LabelType->setText(driveTypeName(d->type));
    const QString fs = filsystemNavn(d->letter);
    f->LabelFilsystem->setText(fs.isEmpty() ? u"Ukendt"_qs : fs);
    f->LabelAnvendtSpace->setText(infoSizeText(brugt));
    f->LabelFreeSpace->setText(infoSizeText(fri));
    f->LabelKapasitet->setText(infoSizeText(total));
    f->ProgressBar->setValue(total > 0 ? int(std::llround(double(brugt) * 100.0 / double(total))) : 100);
    f->visSide(1, u"Drev egenskaber"_qs);
    return true;
}

bool TFilMappeInfo::showFileInfo(const QString& aFilename)
{
    const auto s = elementstatus(aFilename);
    if (!s) {
        if (m_info)
            m_info->close();
        visFejl(u"Der opstod en fejl.\rFilen er muligvist i brug."_qs);
        return false;
    }
    Tfilinfoform* f = filinfoform();
    QString ext;
    f->ikonBox->setPixmap(fileIcon(aFilename, ext).pixmap(32, 32));
    f->Filnavn = aFilename;
    const QString navn = nameOf(aFilename);
    f->EditFilnavn->setText(visningsnavn(navn));
    f->EditPath->setText(parentOf(aFilename) + u'\\');
    f->LabelFiltype->setText(fileTypeText(ext) + ext.toUpper() + u"-fil (."_qs + ext + u')');
    f->LabelSize->setText(infoSizeText(s->stoerrelse));
    f->LabelOprettet->setText(tidTekst(s->oprettetMs));
    f->LabelForandret->setText(tidTekst(s->aendretMs));
    f->LabelAabnet->setText(tidTekst(s->aabnetMs));
    f->cbReadOnly->setChecked(s->skrivebeskyttet);
    f->cbHidden->setChecked(navn.startsWith(u'.'));
    f->visSide(0, u"Fil egenskaber"_qs);
    return true;
}

void TFilMappeInfo::showMappeInfo()
{
    QTreeWidgetItem* node = valgtNode(aktivTrae());
    const StrukturRec* rec = recAf(node);
    if (!rec) {
        visInformation(u"Der er ikke valgt en mappe."_qs);
        return;
    }
    const auto s = elementstatus(rec->mappe);
    if (!s || !s->mappe) {
        visFejl(u"Mappen blev ikke fundet."_qs);
        return;
    }
    Tfilinfoform* f = filinfoform();
    f->EditMappenavn->setText(node->text(0));
    f->LabelPlacering->setText(parentOf(rec->mappe));
    f->visOptaelling({});
    f->LabeloprettelsesDato->setText(tidTekst(s->oprettetMs));
    f->visSide(2, u"Mappe egenskaber"_qs);
    f->countMappeInfo(rec->mappe);
}

} // namespace kv
