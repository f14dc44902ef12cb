#include "calendar/TAlarmRecord.h"
#include "ui/Programfiler.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace kv {

namespace {

QString tocifre(int n) { return QString::number(n).rightJustified(2, u'0'); }

// A whole number, as the edits hold it (digits only).
std::optional<int> tal(const QString& tekst)
{
    bool ok = false;
    const int n = tekst.trimmed().toInt(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

QString ikkeTal(const QString& tekst) { return u"\""_qs + tekst + u"\" er ikke et gyldigt heltal."_qs; }

} // namespace

std::optional<std::array<int, 5>> alarmNavnDele(const QString& navn)
{
    if (!navn.endsWith(u".txt"_qs, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringList dele = navn.chopped(4).split(u'-');
    if (dele.size() != 5)
        return std::nullopt;
    std::array<int, 5> tal5{};
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        tal5[i] = dele[i].toInt(&ok);
        if (!ok || dele[i].isEmpty() || !dele[i].front().isDigit())
            return std::nullopt;
    }
    return tal5;
}

std::optional<TAlarmRecord> laesAlarmfil(const QString& sti)
{
    const auto linjer = readTextLines(sti);
    if (!linjer || linjer->size() < 11)
        return std::nullopt;
    const QStringList& l = *linjer;
    int n[8];
    for (int i = 0; i < 8; ++i) {
        const auto v = tal(l[i]);
        if (!v)
            return std::nullopt;
        n[i] = *v;
    }
    // A file edited by hand holds any number: each field is held to its range,
    // so that -1 repetitions never become 255.
    TAlarmRecord a;
    a.aar = quint16(std::clamp(n[0], 0, 9999)), a.maaned = quint16(std::clamp(n[1], 0, 12));
    a.dag = quint16(std::clamp(n[2], 0, 31)), a.time = quint16(std::clamp(n[3], 0, 23));
    a.minut = quint16(std::clamp(n[4], 0, 59)), a.alarmtype = quint8(std::clamp(n[5], 0, 2));
    a.alarmfil = n[6], a.gentagelse = quint8(std::clamp(n[7], 1, 16));
    a.aarS = l[0].left(4), a.maanedS = l[1].left(4), a.dagS = l[2].left(4), a.timeS = l[3].left(4);
    a.minutS = l[4].left(4);
    a.overskrift = l[8].left(maxOverskrift);
    a.tekstfilnavn = l[9];
    a.filnavn = l[10];
    return a;
}

QStringList alarmLinjer(const TAlarmRecord& a)
{
    return {a.aarS, a.maanedS, a.dagS, a.timeS, a.minutS, QString::number(a.alarmtype),
            QString::number(a.alarmfil), QString::number(a.gentagelse), a.overskrift, a.tekstfilnavn, a.filnavn};
}

std::vector<TAlarmRecord> hentAlleAlarmer(const QString& alarmDir, const QString& alarmTekster)
{
    std::vector<TAlarmRecord> alle;
    const auto indhold = listFolder(alarmDir.chopped(1));
    if (!indhold)
        return alle;
    for (const DirEntry& e : *indhold) {
        if (e.isDir || !alarmNavnDele(e.name))
            continue;
        if (auto a = laesAlarmfil(alarmDir + e.name)) {
            // Only the pair of this name is ever touched, whatever lines 10 and 11 say.
            a->filnavn = alarmDir + e.name;
            a->tekstfilnavn = alarmTekster + e.name;
            alle.push_back(*a);
        }
    }
    return alle;
}

std::variant<TAlarmRecord, QString> byggAlarm(const AlarmIndtastning& ind, const QString& alarmDir,
                                              const QString& alarmTekster, const QDateTime& nu)
{
    TAlarmRecord a;
    a.alarmtype = quint8(ind.type);
    QString aar = ind.type == 2 ? QString::number(gentagetAar) : ind.aar;
    if (ind.type == 0) {
        aar = u"0000"_qs;
    } else {
        if (aar.size() < 4)
            return u"År er forkert.\rDer skal anføres 4 cifre."_qs;
        const auto m = tal(ind.maaned), d = tal(ind.dag), y = tal(aar);
        if (!m || !y)
            return ikkeTal(!m ? ind.maaned : aar);
        // The year 3016 marks a yearly alarm's files; a one-time alarm there would be taken for one.
        if (ind.type == 1 && *y >= gentagetAar)
            return u"År er forkert.\rEn alarm på en dato skal ligge før år %1."_qs.arg(gentagetAar);
        if (*m < 1 || *m > 12)
            return u"Måned er forkert.\rVærdien skal være mellem 1 og 12 begge medregnet."_qs;
        if (!d)
            return ikkeTal(ind.dag);
        if (*d < 1 || *d > 31)
            return u"Dag er forkert.\rVærdien skal være mellem 1 og 31 begge medregnet."_qs;
        // A yearly alarm may be on 29 February, which a leap year has.
        if (!QDate::isValid(ind.type == 2 ? 2000 : *y, *m, *d))
            return u"Dato er forkert.\rDagen findes ikke i den valgte måned."_qs;
        a.aar = quint16(*y), a.maaned = quint16(*m), a.dag = quint16(*d);
    }
    const auto t = tal(ind.time), mi = tal(ind.minut), g = tal(ind.gentagelse);
    if (!t)
        return ikkeTal(ind.time);
    if (*t < 0 || *t > 23)
        return u"Time er forkert.\rVærdien skal være mellem 0 og 23 begge medregnet.\rMidnat hører til den nye dag, altså \rTime: 0 Minut: 0"_qs;
    if (!mi)
        return ikkeTal(ind.minut);
    if (*mi < 0 || *mi > 59)
        return u"Minut er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet."_qs;
    if (!g)
        return ikkeTal(ind.gentagelse);
    if (*g < 1 || *g > 16)
        return u"Gentagelse er forkert.\rVærdien skal være mellem 1 og 16 begge medregnet."_qs;
    a.time = quint16(*t), a.minut = quint16(*mi), a.gentagelse = quint8(*g);
    // A one-time alarm in the past would never ring.
    if (ind.type == 1) {
        const QDateTime hvornaar(QDate(a.aar, a.maaned, a.dag), QTime(a.time, a.minut));
        const QTime minut(nu.time().hour(), nu.time().minute());
        if (hvornaar < QDateTime(nu.date(), minut))
            return u"Dato er forkert.\rTidspunktet er allerede passeret."_qs;
    }
    a.aarS = ind.type == 0 ? aar : aar.left(4);
    a.maanedS = tocifre(a.maaned), a.dagS = tocifre(a.dag), a.timeS = tocifre(a.time), a.minutS = tocifre(a.minut);
    a.overskrift = ind.overskrift.isEmpty() ? u"Ingen overskrift"_qs : ind.overskrift.left(maxOverskrift);
    a.alarmfil = ind.lyd;
    a.tekstfilnavn = alarmTekster + a.navn();
    a.filnavn = alarmDir + a.navn();
    return a;
}

bool gemAlarmfiler(const TAlarmRecord& a, QStringList tekst, QString* fejl)
{
    if (tekst.join(QString()).isEmpty())
        tekst = QStringList{u"Ingen tekst."_qs};
    // The text first: a record never exists without its text.
    if (!writeTextLines(a.tekstfilnavn, tekst, fejl))
        return false;
    if (writeTextLines(a.filnavn, alarmLinjer(a), fejl))
        return true;
    removeFile(a.tekstfilnavn);
    return false;
}

bool sletAlarmfiler(const TAlarmRecord& a, QString* fejl)
{
    for (const QString& f : {a.tekstfilnavn, a.filnavn})
        if (fileExists(f) && !removeFile(f, fejl))
            return false;
    return true;
}

QString alarmLydfil(const QString& lydfilDir, int alarmfil)
{
    const QStringList& lyde = programfiler::alarmlyde;
    return lydfilDir + (alarmfil >= 0 && alarmfil < lyde.size() ? lyde[alarmfil] : QString()) + u".wav"_qs;
}

} // namespace kv
